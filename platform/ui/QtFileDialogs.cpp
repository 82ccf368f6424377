#include "platform/ui/QtFileDialogs.h"

#include "platform/FileFilter.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

std::optional<QString> QtFileDialogs::open(const FileDialogRequest &request)
{
    return run(request, false);
}

std::optional<QString> QtFileDialogs::save(const FileDialogRequest &request)
{
    return run(request, true);
}

std::optional<QString> QtFileDialogs::run(const FileDialogRequest &request, bool saving)
{
    QFileDialog dialog(parent_, request.title, QDir::currentPath());
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    const QStringList filters = filefilter::nameFilters(request.filter);
    if (!filters.isEmpty())
        dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(request.defaultExt);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    // A proposed name made of wildcards ("*.jnl") is what the filter already shows.
    if (!request.fileName.isEmpty() && !request.fileName.contains(u'*') && !request.fileName.contains(u'?'))
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString chosen = dialog.selectedFiles().constFirst();
    QDir::setCurrent(QFileInfo(chosen).absolutePath());
    return chosen;
}

std::optional<QString> QtFileDialogs::folder(const QString &title, const QString &start)
{
    const QString chosen = QFileDialog::getExistingDirectory(parent_, title, start);
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen;
}
