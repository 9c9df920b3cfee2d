#pragma once

#include <QLatin1StringView>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

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

inline void centreOnScreen(QWidget *window)
{
    if (const QScreen *screen = window->screen()) {
        QRect frame = window->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window->move(frame.topLeft());
    }
}

} // namespace velandry
