#include "background_run.h"

#include "message_boxes.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QLocale>
#include <QMutex>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>

namespace velandry {

namespace {

// What the worker last reported, read by the window's timer.
class SharedProgress final
{
public:
    void store(const RunProgress &progress)
    {
        const QMutexLocker lock(&mutex_);
        latest_ = progress;
    }
    RunProgress load() const
    {
        const QMutexLocker lock(&mutex_);
        return latest_;
    }

private:
    mutable QMutex mutex_;
    RunProgress latest_;
};

constexpr int kStepsPerPlaylist = 1000;

void showProgress(QProgressDialog &dialog, const RunProgress &progress)
{
    const QLocale locale;
    const ConversionProgress &at = progress.playlist;
    QString text = QStringLiteral("Converting %1").arg(progress.playlistName);
    if (at.bytesExpected > 0)
        text += QStringLiteral("\n%1 of %2 written")
                    .arg(locale.formattedDataSize(at.bytesWritten), locale.formattedDataSize(at.bytesExpected));
    else if (at.bytesToRead > 0)
        text += QStringLiteral("\n%1 of %2 read")
                    .arg(locale.formattedDataSize(at.bytesRead), locale.formattedDataSize(at.bytesToRead));
    dialog.setLabelText(text);
    // Reading is the first half of a playlist's share of the bar, writing the second.
    constexpr qint64 half = kStepsPerPlaylist / 2;
    qint64 within = at.bytesToRead > 0 ? qMin(half, at.bytesRead * half / at.bytesToRead) : 0;
    if (at.bytesExpected > 0)
        within = half + qMin(half, at.bytesWritten * half / at.bytesExpected);
    dialog.setValue(int(progress.index * kStepsPerPlaylist + within));
}

} // namespace

ConversionReport runInBackground(QWidget *owner, const ConversionRequest &request,
                                 std::chrono::milliseconds dialogDelay, std::atomic_bool &cancel)
{
    SharedProgress shared;
    ConversionReport report;
    std::unique_ptr<QThread> worker(QThread::create([&] {
        report = runConversion(request, [&](const RunProgress &progress) {
            shared.store(progress);
            return !cancel.load();
        });
    }));

    // Set when the worker's end has reached this thread, so no wait below can
    // miss it.
    bool finished = false;
    QEventLoop loop;
    QObject::connect(worker.get(), &QThread::finished, &loop, [&] {
        finished = true;
        loop.quit();
    });
    QTimer::singleShot(dialogDelay, &loop, &QEventLoop::quit);
    worker->start();
    // A short run ends before anything shows; what the user does meanwhile waits.
    loop.exec(QEventLoop::ExcludeUserInputEvents);

    if (!finished && !cancel.load()) {
        QProgressDialog dialog(owner);
        dialog.setObjectName(QStringLiteral("progress"));
        dialog.setWindowTitle(kApplicationTitle.toString());
        dialog.setWindowModality(Qt::WindowModal);
        dialog.setCancelButtonText(QStringLiteral("Cancel"));
        dialog.setRange(0, int(request.playlistNames.size()) * kStepsPerPlaylist);
        dialog.setMinimumDuration(0);
        dialog.setAutoClose(false);
        dialog.setAutoReset(false);
        dialog.setMinimumWidth(360);
        // A stop is asked for by Cancel, or by closing the window (which sets
        // `cancel`). The dialog says so until the worker has really stopped.
        bool stopping = false;
        const auto stop = [&] {
            cancel.store(true);
            if (stopping)
                return;
            stopping = true;
            dialog.setCancelButton(nullptr);
            dialog.setLabelText(QStringLiteral("Cancelling\u2026"));
            dialog.show(); // Cancel hides it
        };
        QObject::connect(&dialog, &QProgressDialog::canceled, &loop, stop);
        QTimer tick;
        QObject::connect(&tick, &QTimer::timeout, &dialog, [&] {
            if (dialog.wasCanceled() || cancel.load())
                stop();
            else
                showProgress(dialog, shared.load());
        });
        showProgress(dialog, shared.load());
        dialog.show();
        tick.start(100);
        while (!finished && loop.exec() >= 0) {
        }
        tick.stop();
    }
    // Cancelled before the dialog showed: the worker stops at its next report.
    // When the program is ending, no event loop runs any more: then wait for
    // the worker itself.
    while (!finished) {
        if (loop.exec(QEventLoop::ExcludeUserInputEvents) < 0)
            break;
    }
    worker->wait();
    return report;
}

} // namespace velandry
