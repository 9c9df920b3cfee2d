#pragma once

#include "message_boxes.h"
#include "shell_services.h"

#include <QList>
#include <QStringList>

#include <optional>

// Records what the windows ask of the shell and answers from a script.
class FakeShell final : public velandry::ShellServices
{
public:
    struct Open
    {
        QString verb, target, parameters, directory;
        int showCommand;
        bool operator==(const Open &) const = default;
    };

    QString documents;
    QList<std::optional<QString>> folderAnswers;
    QStringList chooserTitles;
    QStringList chooserStarts;
    QList<QWidget *> chooserOwners;
    QList<Open> opened;
    int specialFolderCalls = 0;

    QString SpecialFolderPath(int csidl) override
    {
        ++specialFolderCalls;
        return csidl == CSIDL_PERSONAL ? documents : QString();
    }
    std::optional<QString> BrowseForFolder(QWidget *owner, const QString &title, const QString &startFolder) override
    {
        chooserOwners.append(owner);
        chooserTitles.append(title);
        chooserStarts.append(startFolder);
        return folderAnswers.isEmpty() ? std::nullopt : folderAnswers.takeFirst();
    }
    void ShellOpen(const QString &verb, const QString &target, const QString &parameters,
                   const QString &directory, int showCommand) override
    {
        opened.append({verb, target, parameters, directory, showCommand});
    }
};

class FakeMessages final : public velandry::MessageBoxes
{
public:
    QList<velandry::Message> shown;
    void show(QWidget *, const velandry::Message &message) override { shown.append(message); }
};
