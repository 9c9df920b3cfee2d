#include "engine/music/plan_executor.h"

namespace velandry {

qsizetype PlanReport::failedBySource() const
{
    return std::count_if(outcomes.cbegin(), outcomes.cend(), [](const ActionOutcome &outcome) {
        return outcome.status == ActionOutcome::Status::Failed && outcome.fault->of == ActionFault::Of::Source;
    });
}

const ActionFault *PlanReport::cardFault() const
{
    return cardFailedAt >= 0 ? &*outcomes[cardFailedAt].fault : nullptr;
}

PlanReport carryOut(const MusicPlan &plan, ActionPerformer &performer, const PlanProgressCheck &progress)
{
    PlanReport report;
    report.outcomes.resize(plan.actions.size());
    if (!plan.fits()) {
        report.status = PlanReport::Status::DoesNotFit;
        return report;
    }
    PlanProgress state;
    state.actions = plan.actions.size();
    state.bytes = plan.bytes;
    for (qsizetype i = 0; i < plan.actions.size(); ++i) {
        const CardAction &action = plan.actions[i];
        state.action = i;
        state.onCard = action.onCard;
        if (progress && !progress(state)) {
            report.status = PlanReport::Status::Cancelled;
            return report;
        }
        const qint64 before = state.bytesDone;
        const Result<ActionPerformer::Ended, ActionFault> performed = performer.perform(action, [&](qint64 done) {
            state.bytesDone = before + done;
            return !progress || progress(state);
        });
        state.bytesDone = before + action.bytes;
        ActionOutcome &outcome = report.outcomes[i];
        if (!performed) {
            outcome = {ActionOutcome::Status::Failed, performed.error()};
            if (performed.error().of == ActionFault::Of::Card) {
                report.status = PlanReport::Status::CardFailed;
                report.cardFailedAt = i;
                return report;
            }
            continue;
        }
        if (*performed == ActionPerformer::Ended::Stopped) {
            report.status = PlanReport::Status::Cancelled;
            return report;
        }
        outcome.status = ActionOutcome::Status::Done;
        ++report.done;
        report.bytesDone += action.bytes;
    }
    state.action = plan.actions.size();
    if (progress)
        progress(state);
    return report;
}

} // namespace velandry
