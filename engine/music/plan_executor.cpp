#include "engine/music/plan_executor.h"

#include <mutex>
#include <thread>
#include <vector>

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

PlanReport carryOut(const MusicPlan &plan, ActionPerformer &performer, const PlanProgressCheck &progress, int jobs)
{
    PlanReport report;
    report.outcomes.resize(plan.actions.size());
    if (!plan.fits()) {
        report.status = PlanReport::Status::DoesNotFit;
        return report;
    }
    std::mutex mutex; // guards everything below and the calls of `progress`
    PlanProgress state;
    state.actions = plan.actions.size();
    state.bytes = plan.bytes;
    QList<qint64> doneOf(plan.actions.size(), 0); // of each action, as it goes
    qsizetype next = 0;
    bool stopping = false;
    const auto ask = [&] { // with `mutex` held
        if (!stopping && progress && !progress(state)) {
            stopping = true;
            report.status = PlanReport::Status::Cancelled;
        }
        return !stopping;
    };

    const auto work = [&](qsizetype until) {
        for (;;) {
            qsizetype i = 0;
            {
                const std::lock_guard lock(mutex);
                if (stopping || next >= until)
                    return;
                i = next++;
                state.action = i;
                state.onCard = plan.actions[i].onCard;
                state.encoding = plan.actions[i].kind == CardAction::Kind::Encode;
                if (!ask())
                    return;
            }
            const CardAction &action = plan.actions[i];
            const Result<ActionPerformer::Ended, ActionFault> performed = performer.perform(action, [&](qint64 done) {
                const std::lock_guard lock(mutex);
                state.bytesDone += done - doneOf[i];
                doneOf[i] = done;
                return ask();
            });
            const std::lock_guard lock(mutex);
            state.bytesDone += action.bytes - doneOf[i];
            doneOf[i] = action.bytes;
            ActionOutcome &outcome = report.outcomes[i];
            if (!performed) {
                outcome = {ActionOutcome::Status::Failed, performed.error()};
                // The card's failure ends the plan: the first one is told.
                if (performed.error().of == ActionFault::Of::Card && report.cardFailedAt < 0 && !stopping) {
                    stopping = true;
                    report.status = PlanReport::Status::CardFailed;
                    report.cardFailedAt = i;
                }
                continue;
            }
            if (performed->stopped) {
                stopping = true;
                if (report.status == PlanReport::Status::Completed)
                    report.status = PlanReport::Status::Cancelled;
                return;
            }
            outcome.status = ActionOutcome::Status::Done;
            outcome.bytes = performed->bytes;
            ++report.done;
            report.bytesDone += performed->bytes;
        }
    };
    // The removals first, one by one: the space they free is counted on.
    const qsizetype removals = std::find_if(plan.actions.cbegin(), plan.actions.cend(), [](const CardAction &action) {
                                   return action.kind != CardAction::Kind::Remove;
                               }) - plan.actions.cbegin();
    work(removals);
    const qsizetype all = plan.actions.size();
    const int helpers = qBound(1, jobs, int(qMax<qsizetype>(1, all - removals))) - 1;
    std::vector<std::thread> threads;
    threads.reserve(std::size_t(helpers));
    for (int t = 0; t < helpers; ++t)
        threads.emplace_back(work, all);
    work(all);
    for (std::thread &thread : threads)
        thread.join();
    if (report.status == PlanReport::Status::Completed) {
        state.action = plan.actions.size();
        if (progress)
            progress(state);
    }
    return report;
}

} // namespace velandry
