#include "exchange/ExchangeCommands.h"

#include "exchange/ExchangeText.h"
#include "exchange/Import.h"
#include "ledger/FileIO.h"
#include "platform/BusyPointer.h"
#include "platform/FileDialogs.h"
#include "platform/FileSystem.h"

#include <QDir>
#include <functional>

namespace exchange {
namespace {

QString exportWith(const Ledger &ledger, const QString &title, const std::function<std::string()> &text)
{
    const Platform &platform = ledger.platform();
    FileDialogRequest request;
    request.title = title;
    request.defaultExt = QStringLiteral("txt");
    request.filter = QStringLiteral("Texte + tabulations (*.txt)|*.txt");
    request.confirmOverwrite = true;
    const std::optional<QString> path = platform.fileDialogs->save(request);
    if (!path)
        return {};
    const Hourglass hourglass(platform.busy);
    return writeExchangeFile(ledger, *path, text(), fileio::NamedBy::User);
}

} // namespace

QString writeExchangeFile(const Ledger &ledger, const QString &path, const std::string &bytes, fileio::NamedBy namedBy)
{
    if (!ledger.NomFichier.isEmpty() && fileio::sameFile(path, ledger.NomFichier))
        return QStringLiteral("Le fichier %1 est le dossier ouvert : il n'est pas remplacé.")
            .arg(QDir::toNativeSeparators(path));
    const QString why = fileio::writeAtomically(path, bytes, namedBy);
    return why.isEmpty() ? QString() : fileio::saveFailedMessage(path, why);
}

ImportOutcome Importer(Ledger &ledger)
{
    const Platform &platform = ledger.platform();
    FileDialogRequest request;
    request.title = QStringLiteral("Importer des écritures");
    request.defaultExt = QStringLiteral("txt");
    request.filter = QStringLiteral("Fichiers texte (*.txt)|*.txt");
    const std::optional<QString> path = platform.fileDialogs->open(request);
    if (!path)
        return {};
    if (!platform.files->exists(*path))
        return {false, QStringLiteral("Le fichier %1 n'existe pas").arg(*path)};
    const Hourglass hourglass(platform.busy);
    return importFile(ledger, *path);
}

ImportOutcome importFile(Ledger &ledger, const QString &path)
{
    std::string bytes;
    const QString why = fileio::readWhole(path, bytes);
    if (!why.isEmpty())
        return {false, fileio::readFailedMessage(path, why)};
    ledger.EcritMois();
    const ImportSummary summary =
        importEntries(std::move(bytes), ledger.Lignes, ledger.fiscalYear);
    if (summary.refusedAt > 0)
        return {false, summaryMessage(summary)};
    ledger.Modifie = true;
    return {true, summaryMessage(summary), int(summary.refused.size())};
}

QString ExportMois(const Ledger &ledger)
{
    return exportWith(ledger, QStringLiteral("Exporter le mois"),
                      [&ledger] { return exportMonth(ledger.monthGrid); });
}

QString ExportJournal(Ledger &ledger)
{
    return exportWith(ledger, QStringLiteral("Exporter tout le journal"), [&ledger] {
        ledger.EcritMois();
        return exportJournal(ledger.Lignes);
    });
}

} // namespace exchange
