#include "exchange/ExchangeCommands.h"

#include "exchange/ExchangeText.h"
#include "exchange/Import.h"
#include "ledger/FileIO.h"
#include "platform/BusyPointer.h"
#include "platform/FileDialogs.h"
#include "platform/FileSystem.h"
#include "platform/Messages.h"
#include "platform/Platform.h"

#include <functional>

namespace exchange {
namespace {

std::optional<QString> askExportFile(const Platform &platform, const QString &title)
{
    FileDialogRequest request;
    request.title = title;
    request.defaultExt = QStringLiteral("txt");
    request.filter = QStringLiteral("Texte + tabulations (*.txt)|*.txt");
    request.confirmOverwrite = true;
    return platform.fileDialogs->save(request);
}

void exportWith(const Platform &platform, const QString &title, const std::function<std::string()> &text)
{
    const std::optional<QString> path = askExportFile(platform, title);
    if (!path)
        return;
    QString failure;
    {
        const Hourglass hourglass(platform.busy);
        failure = writeExchangeFile(*path, text());
    }
    if (!failure.isEmpty())
        platform.messages->information(failure);
}

} // namespace

QString writeExchangeFile(const QString &path, const std::string &bytes)
{
    const QString why = fileio::writeAtomically(path, bytes);
    return why.isEmpty() ? QString() : fileio::saveFailedMessage(path, why);
}

void Importer(const Platform &platform, DocumentState &document)
{
    FileDialogRequest request;
    request.title = QStringLiteral("Importer des écritures");
    request.defaultExt = QStringLiteral("txt");
    request.filter = QStringLiteral("Fichiers texte (*.txt)|*.txt");
    const std::optional<QString> path = platform.fileDialogs->open(request);
    if (!path)
        return;
    if (!platform.files->exists(*path)) {
        platform.messages->information(QStringLiteral("Le fichier %1 n'existe pas").arg(*path));
        return;
    }
    QString failure;
    ImportSummary summary;
    {
        const Hourglass hourglass(platform.busy);
        std::string bytes;
        const QString why = fileio::readWhole(*path, bytes);
        if (why.isEmpty()) {
            document.EcritMois();
            summary = importEntries(std::move(bytes), document.Lignes);
            document.Modifie = true;
            document.LitMois();
        } else {
            failure = fileio::readFailedMessage(*path, why);
        }
    }
    platform.messages->information(failure.isEmpty() ? summaryMessage(summary) : failure);
}

void ExportMois(const Platform &platform, const TextGrid &grid)
{
    exportWith(platform, QStringLiteral("Exporter le mois"), [&grid] { return exportMonth(grid); });
}

void ExportJournal(const Platform &platform, const LineList &lines)
{
    exportWith(platform, QStringLiteral("Exporter tout le journal"), [&lines] { return exportJournal(lines); });
}

} // namespace exchange
