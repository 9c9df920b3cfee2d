#include "ui/main/background_run.h"

#include "wording/conversion_wording.h"
#include "engine/music/card_writer.h"
#include "wording/music_wording.h"
#include "platform/message_boxes.h"

#include <QApplication>
#include <QEvent>
#include <QLocale>
#include <QMetaMethod>
#include <QMutexLocker>
#include <QProgressDialog>
#include <QPushButton>
#include <QThread>

#include <limits>

namespace velandry {

namespace {

constexpr int kStepsPerPlaylist = 1000;

bool isUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        return true;
    default:
        return false;
    }
}

} // namespace

BackgroundRun::BackgroundRun(QWidget *owner) : QObject(owner), owner_(owner)
{
    dialogTimer_.setSingleShot(true);
    connect(&dialogTimer_, &QTimer::timeout, this, &BackgroundRun::showDialog);
    tick_.setInterval(100);
    connect(&tick_, &QTimer::timeout, this, &BackgroundRun::showProgress);
}

BackgroundRun::~BackgroundRun()
{
    if (worker_) {
        cancel_ = true;
        worker_->wait();
    }
}

void BackgroundRun::convert(const ConversionRequest &request)
{
    auto report = std::make_shared<ConversionReport>();
    // Until the worker names its first playlist, the dialog names it.
    latest_ = RunProgress{0, request.playlistNames.value(0), {}};
    carryingOut_ = false;
    start(
        [this, request, report] {
            *report = runConversion(request, [this](const RunProgress &progress) {
                {
                    const QMutexLocker lock(&mutex_);
                    latest_ = progress;
                }
                return !cancel_.load();
            });
        },
        [this, report] { Q_EMIT converted(*report); }, int(qMin<qsizetype>(request.playlistNames.size(), 1 << 20)));
}

void BackgroundRun::carryOut(const QList<MusicPlan> &plans, const AudioEncoder *encoder, int jobs)
{
    auto reports = std::make_shared<QList<PlanReport>>();
    latestMusic_ = PlanProgress{};
    if (!plans.isEmpty())
        latestMusic_ = PlanProgress{0, plans[0].actions.size(), 0, plans[0].bytes, plans[0].actions.value(0).onCard};
    carryingOut_ = true;
    encoding_ = std::any_of(plans.cbegin(), plans.cend(), [](const MusicPlan &plan) { return encodes(plan); });
    start(
        [this, plans, reports, encoder, jobs] {
            for (const MusicPlan &plan : plans) {
                CardWriter card(plan, encoder);
                reports->append(velandry::carryOut(
                    plan, card,
                    [this](const PlanProgress &progress) {
                        {
                            const QMutexLocker lock(&mutex_);
                            latestMusic_ = progress;
                        }
                        return !cancel_.load();
                    },
                    jobs));
                if (reports->last().status == PlanReport::Status::Cancelled)
                    break;
            }
        },
        [this, plans, reports] { Q_EMIT carriedOut(plans, *reports); }, 1);
}

void BackgroundRun::start(std::function<void()> work, std::function<void()> ended, int steps)
{
    Q_ASSERT(!worker_);
    cancel_ = false;
    ended_ = std::move(ended);
    dialog_ = new QProgressDialog(owner_);
    dialog_->setObjectName(QStringLiteral("progress"));
    dialog_->setWindowTitle(kApplicationTitle.toString());
    dialog_->setWindowModality(Qt::WindowModal);
    dialog_->setRange(0, qMax(1, steps) * kStepsPerPlaylist);
    dialog_->setAutoClose(false);
    dialog_->setAutoReset(false);
    dialog_->setMinimumWidth(360);
    // Shown when the run has gone on for the delay, not by the dialog's own
    // guess of how long the run takes.
    dialog_->setMinimumDuration(std::numeric_limits<int>::max());
    // Cancel (the dialog's own button, in Qt's words) is told to the run, and
    // the dialog stays until the run has ended: the dialog's own answer to it,
    // hiding itself, goes (Qt makes that connection by the slot's name).
    const QMetaObject &dialogClass = QProgressDialog::staticMetaObject;
    disconnect(dialog_, QMetaMethod::fromSignal(&QProgressDialog::canceled), dialog_,
               dialogClass.method(dialogClass.indexOfSlot("cancel()")));
    connect(dialog_, &QProgressDialog::canceled, this, &BackgroundRun::stop);

    qApp->installEventFilter(this);
    worker_.reset(QThread::create(std::move(work)));
    connect(worker_.get(), &QThread::finished, this, &BackgroundRun::workerFinished);
    worker_->start();
    dialogTimer_.start(dialogDelay_);
}

void BackgroundRun::stop()
{
    if (!worker_ || cancel_.exchange(true))
        return;
    // Until the worker has stopped: the button cannot be pressed twice, and
    // the dialog says why it stays.
    if (dialog_) {
        if (auto *cancel = dialog_->findChild<QPushButton *>())
            cancel->setEnabled(false);
        dialog_->setLabelText(tr("Cancelling\u2026"));
    }
}

void BackgroundRun::showDialog()
{
    if (!dialog_ || !worker_)
        return;
    if (!cancel_)
        showProgress();
    dialog_->show();
    tick_.start();
}

void BackgroundRun::showProgress()
{
    if (!dialog_ || cancel_)
        return;
    if (carryingOut_)
        showMusic();
    else
        showConversion();
}

void BackgroundRun::showMusic()
{
    PlanProgress progress;
    {
        const QMutexLocker lock(&mutex_);
        progress = latestMusic_;
    }
    const QString file = shownPath(progress.onCard);
    dialog_->setLabelText((progress.encoding
                               //: %1 is the file, as the device names it.
                               ? tr("Encoding %1").arg(file)
                               //: %1 is the file, as the device names it.
                               : tr("Copying %1").arg(file))
                          + u'\n' + planProgressLine(progress, encoding_));
    dialog_->setValue(progress.bytes > 0 ? int(progress.bytesDone * dialog_->maximum() / progress.bytes) : 0);
}

void BackgroundRun::showConversion()
{
    RunProgress progress;
    {
        const QMutexLocker lock(&mutex_);
        progress = latest_;
    }
    const ConversionProgress &at = progress.playlist;
    //: %1 is the playlist.
    QString text = tr("Converting %1").arg(shownPath(progress.playlistName));
    if (at.bytesExpected > 0)
        //: Sizes, as "1.2 MB of 3.4 MB written".
        text += u'\n' + tr("%1 of %2 written").arg(shownSize(at.bytesWritten), shownSize(at.bytesExpected));
    else if (at.bytesToRead > 0)
        //: Sizes, as "1.2 MB of 3.4 MB read".
        text += u'\n' + tr("%1 of %2 read").arg(shownSize(at.bytesRead), shownSize(at.bytesToRead));
    dialog_->setLabelText(text);
    // Reading is the first half of a playlist's share of the bar, writing the second.
    constexpr qint64 half = kStepsPerPlaylist / 2;
    qint64 within = at.bytesToRead > 0 ? qMin(half, at.bytesRead * half / at.bytesToRead) : 0;
    if (at.bytesExpected > 0)
        within = half + qMin(half, at.bytesWritten * half / at.bytesExpected);
    dialog_->setValue(int(qMin<qint64>(dialog_->maximum(), progress.index * kStepsPerPlaylist + within)));
}

void BackgroundRun::workerFinished()
{
    worker_->wait();
    worker_.reset();
    dialogTimer_.stop();
    tick_.stop();
    qApp->removeEventFilter(this);
    delete dialog_.data();
    // The window may start the next run from here.
    const std::function<void()> ended = std::exchange(ended_, {});
    ended();
}

bool BackgroundRun::eventFilter(QObject *watched, QEvent *event)
{
    // Input to the window while the run goes on and no dialog stands in front
    // of it yet is dropped, as a window busy on its own thread would drop it.
    if (worker_ && isUserInput(event->type()) && watched->isWidgetType()
        && static_cast<QWidget *>(watched)->window() == owner_->window()
        && !(dialog_ && dialog_->isVisible()))
        return true;
    return QObject::eventFilter(watched, event);
}

} // namespace velandry
