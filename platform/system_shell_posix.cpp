#include "platform/system_shell.h"

#include <QDialog>
#include <QDirIterator>
#include <QDialogButtonBox>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace velandry {

std::optional<QString> SystemShell::openChooser(QWidget *owner, const QString &title, const QString &startFolder)
{
    QDialog dialog(owner);
    dialog.setObjectName(QStringLiteral("folderChooser"));
    dialog.setWindowTitle(title);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.resize(420, 440);

    auto *heading = new QLabel(title, &dialog);
    heading->setWordWrap(true);
    auto *model = new QFileSystemModel(&dialog);
    model->setFilter(QDir::AllDirs | QDir::Drives | QDir::NoDotAndDotDot);
    model->setRootPath(QDir::rootPath());
    model->setReadOnly(true);
    auto *tree = new QTreeView(&dialog);
    tree->setObjectName(QStringLiteral("folders"));
    tree->setModel(model);
    for (int column = 1; column < model->columnCount(); ++column)
        tree->hideColumn(column);
    tree->header()->hide();
    tree->setAccessibleName(title);
    heading->setBuddy(tree);
    const QModelIndex start = model->index(startFolder);
    tree->setCurrentIndex(start);
    tree->scrollTo(start, QAbstractItemView::PositionAtCenter);
    tree->expand(start);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(tree->selectionModel(), &QItemSelectionModel::currentChanged, &dialog,
                     [buttons](const QModelIndex &current) {
                         buttons->button(QDialogButtonBox::Ok)->setEnabled(current.isValid());
                     });
    buttons->button(QDialogButtonBox::Ok)->setEnabled(start.isValid());

    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(heading);
    layout->addWidget(tree);
    layout->addWidget(buttons);
    tree->setFocus();

    if (dialog.exec() != QDialog::Accepted || !tree->currentIndex().isValid())
        return std::nullopt;
    return model->filePath(tree->currentIndex());
}

bool SystemShell::holdsOrdinaryFile(const QString &folder)
{
    // Without QDir::Hidden and QDir::System: no hidden files, no pipes, sockets
    // or devices. The first match is enough.
    return QDirIterator(folder, QDir::Files).hasNext();
}

} // namespace velandry
