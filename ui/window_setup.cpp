#include "ui/window_setup.h"

#include <QAbstractItemView>
#include <QElapsedTimer>
#include <QEvent>
#include <QFontDatabase>
#include <QPersistentModelIndex>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace velandry {

void provideTahoma()
{
    if (QFontDatabase::families().contains(QStringLiteral("Tahoma")))
        return;
    for (const char *file : {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/fonts/truetype/wine/tahoma.ttf"}) {
        if (QFontDatabase::addApplicationFont(QString::fromLatin1(file)) >= 0)
            return;
    }
}

QFont tahoma()
{
    QFont font;
    font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans Condensed")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    return font;
}

QIcon applicationIcon()
{
    // The 32-pixel icon in its two colour depths, and the other sizes beside it.
    QIcon icon(QStringLiteral(":/velandry/velandry.ico"));
    for (const int size : {16, 24, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/velandry/icons/%1.png").arg(size), QSize(size, size));
    return icon;
}

QPoint centredFrameTopLeft(QSize client, QMargins frame, QRect available)
{
    const QSize whole = client.grownBy(frame);
    return {available.x() + (available.width() - whole.width()) / 2,
            available.y() + (available.height() - whole.height()) / 2};
}

namespace {

// Centres a window by its frame. The frame is known only once the window
// manager has framed the window, some time after it is shown (seconds on a
// busy machine), and no event says when; so the window is centred at once (by
// its client area, as no frame is known yet), then again as soon as the frame
// appears, until the frame stands where it was asked to: a window manager
// busy placing a new window may pass over a move. Where no frame appears in
// ten seconds (no window manager, or one that draws no frame), the window
// stays where it is.
class FrameCentring final : public QObject
{
public:
    explicit FrameCentring(QWidget *window) : QObject(window), window_(window)
    {
        window->installEventFilter(this);
        look_.setInterval(20);
        connect(&look_, &QTimer::timeout, this, &FrameCentring::look);
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show && !shown_.isValid()) {
            window_->removeEventFilter(this);
            centre();
            shown_.start();
            look_.start();
        }
        return false;
    }

private:
    static constexpr qint64 kLookFor = 10'000; // ms
    // How long a move is given to take effect before it is asked again.
    static constexpr qint64 kMoveTakes = 250; // ms

    void look()
    {
        const QWindow *handle = window_->windowHandle();
        const bool framed = !frameMargins().isNull();
        if (shown_.hasExpired(kLookFor) || !window_->screen() || (framed && handle->framePosition() == target())) {
            look_.stop();
            deleteLater();
            return;
        }
        if (framed && (!moved_.isValid() || moved_.hasExpired(kMoveTakes)))
            centre();
    }

    QMargins frameMargins() const
    {
        const QWindow *handle = window_->windowHandle();
        return handle ? handle->frameMargins() : QMargins();
    }

    // Where the frame stands in the middle of the screen (the frame as known).
    QPoint target() const
    {
        return centredFrameTopLeft(window_->size(), frameMargins(), window_->screen()->availableGeometry());
    }

    void centre()
    {
        if (!window_->screen())
            return;
        // A window's position is its frame's.
        window_->move(target());
        moved_.start();
    }

    QWidget *window_;
    QTimer look_;
    QElapsedTimer shown_;
    QElapsedTimer moved_;
};

class CurrentWhileFocused final : public QObject
{
public:
    explicit CurrentWhileFocused(QAbstractItemView *view) : QObject(view) { view->installEventFilter(this); }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // Not a view any more while it is being destroyed (it loses the focus then).
        const auto *view = qobject_cast<QAbstractItemView *>(watched);
        if (!view)
            return false;
        QItemSelectionModel *selection = view->selectionModel();
        if (event->type() == QEvent::FocusOut && selection) {
            remembered_ = selection->currentIndex();
            selection->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
        } else if (event->type() == QEvent::FocusIn && selection && remembered_.isValid()
                   && !selection->currentIndex().isValid()) {
            selection->setCurrentIndex(remembered_, QItemSelectionModel::NoUpdate);
        }
        return false;
    }

private:
    QPersistentModelIndex remembered_;
};

} // namespace

void centreFrameWhenShown(QWidget *window)
{
    new FrameCentring(window);
}

void keepCurrentOnlyWhileFocused(QAbstractItemView *view)
{
    new CurrentWhileFocused(view);
}

} // namespace velandry
