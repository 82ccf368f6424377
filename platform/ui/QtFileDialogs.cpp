#include "platform/ui/QtFileDialogs.h"

#include "platform/FileFilter.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QLocale>

namespace {

// The file list of Qt's own dialog takes its sizes and dates from the
// system's locale, which the program's French default does not reach: a
// session in English or "C" shows "317 bytes", "1.40 KiB", "7 Dec 2026". The
// list shows them in the program's locale instead: "317 octets", "1,40 Kio",
// "7 déc. 2026".
class LocalisedFileList final : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex &index, int role) const override
    {
        const auto *files = qobject_cast<const QFileSystemModel *>(sourceModel());
        if (role != Qt::DisplayRole || !files)
            return QIdentityProxyModel::data(index, role);
        const QModelIndex source = mapToSource(index);
        if (index.column() == kSizeColumn && !files->isDir(source))
            return QLocale().formattedDataSize(files->size(source));
        if (index.column() == kDateColumn)
            return QLocale().toString(files->lastModified(source), QStringLiteral("d MMM yyyy HH:mm"));
        return QIdentityProxyModel::data(index, role);
    }

private:
    // The columns of QFileSystemModel: name, size, type, date modified.
    static constexpr int kSizeColumn = 1;
    static constexpr int kDateColumn = 3;
};

void showLocalised(QFileDialog &dialog)
{
    dialog.setProxyModel(new LocalisedFileList(&dialog));
}

} // namespace

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
    showLocalised(dialog);
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
    QFileDialog dialog(parent_, title, start);
    showLocalised(dialog);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}
