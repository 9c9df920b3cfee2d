#include "message_boxes.h"

#include <QMessageBox>

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

void QtMessageBoxes::show(QWidget *parent, const Message &message)
{
    makeMessageBox(parent, message)->exec();
}

} // namespace velandry
