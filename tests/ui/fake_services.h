#pragma once

#include "platform/message_boxes.h"
#include "platform/system_shell.h"

#include <QList>
#include <QStringList>

#include <optional>

// Records what the windows ask of the shell and answers from a script.
class FakeShell final : public velandry::ShellServices
{
public:
    QString documents;
    QList<std::optional<QString>> folderAnswers;
    QStringList chooserTitles;
    QStringList chooserStarts;
    QList<QWidget *> chooserOwners;
    QList<QUrl> opened;
    int specialFolderCalls = 0;

    QString SpecialFolderPath() override
    {
        ++specialFolderCalls;
        return documents;
    }
    std::optional<QString> BrowseForFolder(QWidget *owner, const QString &title, const QString &startFolder) override
    {
        chooserOwners.append(owner);
        chooserTitles.append(title);
        chooserStarts.append(startFolder);
        return folderAnswers.isEmpty() ? std::nullopt : folderAnswers.takeFirst();
    }
    void ShellOpen(const QUrl &address) override { opened.append(address); }
    // The real file system: the tests make the folders.
    bool holdsOrdinaryFile(const QString &folder) override { return velandry::SystemShell().holdsOrdinaryFile(folder); }
};

// Boxes are closed as soon as they are shown; questions are answered from a
// script, "no" where it has run out, the choices as the box opened them
// unless `ticked` says otherwise.
class FakeMessages final : public velandry::MessageBoxes
{
public:
    QList<velandry::Message> shown;
    QList<velandry::Question> asked;
    QList<bool> answers;
    QList<QList<bool>> ticked;

    void show(QWidget *, const velandry::Message &message, std::function<void()> closed) override
    {
        shown.append(message);
        if (closed)
            closed();
    }
    void ask(QWidget *, const velandry::Question &question, std::function<void(const velandry::Answer &)> answered) override
    {
        asked.append(question);
        velandry::Answer answer{!answers.isEmpty() && answers.takeFirst(), {}};
        for (const velandry::Question::Choice &choice : question.choices)
            answer.ticked.append(choice.ticked);
        if (!ticked.isEmpty())
            answer.ticked = ticked.takeFirst();
        answered(answer);
    }
};
