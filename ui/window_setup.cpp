#include "window_setup.h"

#include <QAbstractItemView>
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
// manager has framed the window, some time after it is shown, and no event
// says when; so the window is centred at once (by its client area, as no
// frame is known yet), then again as soon as the frame appears, looking for
// it a little while.
class FrameCentring final : public QObject
{
public:
    explicit FrameCentring(QWidget *window) : QObject(window), window_(window)
    {
        window->installEventFilter(this);
        look_.setInterval(20);
        connect(&look_, &QTimer::timeout, this, [this] {
            if (!frameMargins().isNull() || ++looks_ == kLooks) {
                look_.stop();
                centre();
                deleteLater();
            }
        });
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show && !look_.isActive() && looks_ == 0) {
            window_->removeEventFilter(this);
            centre();
            look_.start();
        }
        return false;
    }

private:
    static constexpr int kLooks = 100; // two seconds

    QMargins frameMargins() const
    {
        const QWindow *handle = window_->windowHandle();
        return handle ? handle->frameMargins() : QMargins();
    }

    void centre()
    {
        const QScreen *screen = window_->screen();
        if (!screen)
            return;
        // A window's position is its frame's.
        window_->move(centredFrameTopLeft(window_->size(), frameMargins(), screen->availableGeometry()));
    }

    QWidget *window_;
    QTimer look_;
    int looks_ = 0;
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
