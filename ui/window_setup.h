#pragma once

#include <QFont>
#include <QIcon>
#include <QLatin1StringView>
#include <QMargins>
#include <QPushButton>
#include <QRect>
#include <QWidget>

class QAbstractItemView;

namespace velandry {

// Every control carries its name as objectName, so tests and scripts can find it.
template <typename T>
T *named(T *object, const char *name)
{
    object->setObjectName(QLatin1StringView(name));
    return object;
}

// A button that neither Enter nor Esc presses.
inline QPushButton *makeButton(const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

// The window is laid out for Tahoma 8.25 pt. Where the system lacks it, Wine's
// free Tahoma (Debian's fonts-wine) is loaded; failing that, the closest
// sans-serifs stand in.
void provideTahoma();
QFont tahoma();

// The program's icon at every size the artwork program drew.
QIcon applicationIcon();

// Where a window's frame goes so that the whole of it, title bar included,
// stands in the middle of `available`.
QPoint centredFrameTopLeft(QSize client, QMargins frame, QRect available);

// Centres `window`'s frame on its screen when it is first shown, and once more
// when the window manager has told the frame's size, unless the user has moved
// the window by then.
void centreFrameWhenShown(QWidget *window);

// An item view reports its current entry as focused to screen readers; while
// another control has the focus, `view` keeps no current entry, and gets it
// back with the focus.
void keepCurrentOnlyWhileFocused(QAbstractItemView *view);

} // namespace velandry
