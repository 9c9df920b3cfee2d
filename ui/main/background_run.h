#pragma once

#include "engine/conversion_run.h"
#include "engine/music/plan_executor.h"

#include <QMutex>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>

class QProgressDialog;
class QThread;
class QWidget;

namespace velandry {

// A run beside the window: it owns the worker thread and the progress
// dialog. The window stays responsive and, as during a run on its own thread,
// closed to the user's input: input to it is dropped until the window-modal
// progress dialog appears after `dialogDelay`. The dialog shows the playlist
// at hand and the bytes read and written; Cancel, or stop(), ends the run
// within moments, inside a playlist too, leaving the earlier file of that name
// whole, and the dialog says so until the worker has ended. The end is told
// once the worker thread has finished.
class BackgroundRun final : public QObject
{
    Q_OBJECT

public:
    explicit BackgroundRun(QWidget *owner);
    // A run still going is stopped, and waited for.
    ~BackgroundRun() override;

    bool isRunning() const { return worker_ != nullptr; }

    // How long a run goes before its progress dialog shows (one second).
    void setDialogDelay(std::chrono::milliseconds delay) { dialogDelay_ = delay; }

    // Converts the queue of `request`; converted() follows, with the plans of
    // the music that the playlists name and the cards lack where the request
    // asks for them.
    void convert(const ConversionRequest &request);

    // Carries out `plans` on their cards, one after the other, `jobs` files at
    // a time (`encoder` encoding those to encode); carriedOut() follows, with
    // a report for each plan tried.
    void carryOut(const QList<MusicPlan> &plans, const AudioEncoder *encoder = nullptr, int jobs = 1);

    // Asks the run to stop, as Cancel does; it ends within moments.
    void stop();

Q_SIGNALS:
    void converted(const velandry::ConversionReport &report);
    void carriedOut(const QList<velandry::MusicPlan> &plans, const QList<velandry::PlanReport> &reports);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void start(std::function<void()> work, std::function<void()> ended, int steps);
    void showDialog();
    void showProgress();
    void showConversion();
    void showMusic();
    void workerFinished();

    QWidget *owner_;
    std::chrono::milliseconds dialogDelay_{1000};
    std::unique_ptr<QThread> worker_;
    std::atomic_bool cancel_{false};
    QTimer dialogTimer_;
    QTimer tick_;
    QPointer<QProgressDialog> dialog_;
    std::function<void()> ended_;

    // What the worker last told, read by the window's timer.
    mutable QMutex mutex_;
    RunProgress latest_;
    PlanProgress latestMusic_;
    bool carryingOut_ = false;
    bool encoding_ = false; // the plans carried out encode
};

} // namespace velandry
