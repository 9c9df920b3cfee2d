#pragma once

#include "message_boxes.h"
#include "system_shell.h"

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

class FakeMessages final : public velandry::MessageBoxes
{
public:
    QList<velandry::Message> shown;
    void show(QWidget *, const velandry::Message &message) override { shown.append(message); }
};
