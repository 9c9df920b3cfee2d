#include "platform/message_boxes.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

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

void QtMessageBoxes::ask(QWidget *parent, const Question &question, std::function<void(const Answer &)> answered)
{
    QMessageBox *box = makeMessageBox(parent, {Message::Icon::None, question.text, question.informativeText}).release();
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setIcon(QMessageBox::Question);
    box->setStandardButtons(QMessageBox::NoButton);
    QPushButton *yes = box->addButton(question.yes, QMessageBox::AcceptRole);
    QPushButton *no = box->addButton(question.no, QMessageBox::RejectRole);
    box->setDefaultButton(yes);
    box->setEscapeButton(no);
    // The details, a list, as the box's own unfolding text.
    box->setDetailedText(question.details);
    // The choices, ticked one by one, in the box's own place for a check
    // box: one of Qt's, or a column of them in its stead.
    QList<QCheckBox *> ticks;
    for (const Question::Choice &choice : question.choices) {
        auto *tick = new QCheckBox(choice.text);
        tick->setChecked(choice.ticked);
        tick->setObjectName(QStringLiteral("choice%1").arg(ticks.size()));
        ticks.append(tick);
    }
    if (ticks.size() == 1) {
        box->setCheckBox(ticks.first());
    } else if (ticks.size() > 1) {
        // QMessageBox lays out its own check box only: the others follow it
        // in a column of their own, in the same cell.
        auto *column = new QWidget(box);
        column->setObjectName(QStringLiteral("choices"));
        auto *layout = new QVBoxLayout(column);
        layout->setContentsMargins(0, 0, 0, 0);
        for (QCheckBox *tick : std::as_const(ticks))
            layout->addWidget(tick);
        auto *carrier = new QCheckBox;
        box->setCheckBox(carrier); // takes the cell the column then stands in
        auto *grid = qobject_cast<QGridLayout *>(box->layout());
        int row = 0, column_ = 0, rows = 0, columns = 0;
        grid->getItemPosition(grid->indexOf(carrier), &row, &column_, &rows, &columns);
        carrier->hide();
        grid->addWidget(column, row, column_, rows, columns);
    }
    QObject::connect(box, &QMessageBox::finished, box, [box, yes, ticks, answered = std::move(answered)] {
        Answer answer{box->clickedButton() == yes, {}};
        for (const QCheckBox *tick : ticks)
            answer.ticked.append(tick->isChecked());
        answered(answer);
    });
    box->open();
}

} // namespace velandry
