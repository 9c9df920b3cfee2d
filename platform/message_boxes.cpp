#include "platform/message_boxes.h"

#include <QMessageBox>
#include <QPushButton>

namespace velandry {

std::unique_ptr<QMessageBox> makeMessageBox(QWidget *parent, const Message &message)
{
    auto box = std::make_unique<QMessageBox>(parent);
    box->setWindowTitle(kApplicationTitle.toString());
    box->setText(message.text);
    box->setInformativeText(message.informativeText);
    box->setTextFormat(Qt::PlainText);
    box->setStandardButtons(QMessageBox::Ok);
    switch (message.icon) {
    case Message::Icon::None:
        box->setIcon(QMessageBox::NoIcon);
        break;
    case Message::Icon::Information:
        box->setIcon(QMessageBox::Information);
        break;
    case Message::Icon::Critical:
        box->setIcon(QMessageBox::Critical);
        break;
    }
    return box;
}

void QtMessageBoxes::show(QWidget *parent, const Message &message, std::function<void()> closed)
{
    QMessageBox *box = makeMessageBox(parent, message).release();
    box->setAttribute(Qt::WA_DeleteOnClose);
    if (closed)
        QObject::connect(box, &QMessageBox::finished, box, [closed = std::move(closed)] { closed(); });
    box->open();
}

void QtMessageBoxes::ask(QWidget *parent, const Question &question, std::function<void(bool yes)> answered)
{
    QMessageBox *box = makeMessageBox(parent, {Message::Icon::None, question.text, question.informativeText}).release();
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setIcon(QMessageBox::Question);
    box->setStandardButtons(QMessageBox::NoButton);
    QPushButton *yes = box->addButton(question.yes, QMessageBox::AcceptRole);
    QPushButton *no = box->addButton(question.no, QMessageBox::RejectRole);
    box->setDefaultButton(yes);
    box->setEscapeButton(no);
    QObject::connect(box, &QMessageBox::finished, box,
                     [box, yes, answered = std::move(answered)] { answered(box->clickedButton() == yes); });
    box->open();
}

} // namespace velandry
