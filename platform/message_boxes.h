#pragma once

#include <QString>
#include <QStringView>

#include <memory>

class QMessageBox;
class QWidget;

namespace velandry {

// The caption of every message box, and of the progress dialog.
inline constexpr QStringView kApplicationTitle = u"Velandry";

struct Message
{
    enum class Icon { None, Information, Critical };
    Icon icon = Icon::None;
    QString text;
    QString informativeText; // a second paragraph, when there is more to say
};

// Message boxes with a single OK button, behind an interface so that window
// tests can read what would have been shown.
class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;
    virtual void show(QWidget *parent, const Message &message) = 0;
};

class QtMessageBoxes final : public MessageBoxes
{
public:
    void show(QWidget *parent, const Message &message) override;
};

// The box as it is shown, captioned with the application title.
std::unique_ptr<QMessageBox> makeMessageBox(QWidget *parent, const Message &message);

} // namespace velandry
