#pragma once

#include <QString>
#include <QStringView>

#include <functional>
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

// A question with two answers: the first button (`yes`) and the second (`no`,
// which Esc and the close box also give).
struct Question
{
    QString text;
    QString informativeText;
    QString yes;
    QString no;
};

// Message boxes modal to their window, behind an interface so that window
// tests can read what would have been shown and answer the questions. Neither
// waits in an event loop of its own: each returns at once and tells the
// caller when the box is closed.
class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;
    // With a single OK button; `closed`, where given, once it is closed.
    virtual void show(QWidget *parent, const Message &message, std::function<void()> closed = {}) = 0;
    // `answered(true)` for the first button.
    virtual void ask(QWidget *parent, const Question &question, std::function<void(bool yes)> answered) = 0;
};

class QtMessageBoxes final : public MessageBoxes
{
public:
    void show(QWidget *parent, const Message &message, std::function<void()> closed = {}) override;
    void ask(QWidget *parent, const Question &question, std::function<void(bool yes)> answered) override;
};

// The box as it is shown, captioned with the application title.
std::unique_ptr<QMessageBox> makeMessageBox(QWidget *parent, const Message &message);

} // namespace velandry
