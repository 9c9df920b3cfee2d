#pragma once

#include <QList>
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
// which Esc and the close box also give); where it has them, choices the
// user may tick beside the answer, and details to unfold (a list too long to
// show at once).
struct Question
{
    QString text;
    QString informativeText;
    QString yes;
    QString no;
    struct Choice
    {
        QString text;
        bool ticked = false; // as the box opens
    };
    QList<Choice> choices = {};
    QString details = QString();
};

struct Answer
{
    bool yes = false;
    QList<bool> ticked; // one for each of the question's choices
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
    // `answered` with yes for the first button, and the choices as they stand.
    virtual void ask(QWidget *parent, const Question &question, std::function<void(const Answer &)> answered) = 0;
};

class QtMessageBoxes final : public MessageBoxes
{
public:
    void show(QWidget *parent, const Message &message, std::function<void()> closed = {}) override;
    void ask(QWidget *parent, const Question &question, std::function<void(const Answer &)> answered) override;
};

// The box as it is shown, captioned with the application title.
std::unique_ptr<QMessageBox> makeMessageBox(QWidget *parent, const Message &message);

} // namespace velandry
