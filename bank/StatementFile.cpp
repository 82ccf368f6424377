#include "bank/StatementFile.h"

#include "bank/CfonbReader.h"
#include "bank/OfxReader.h"
#include "bank/StatementText.h"
#include "ledger/FileIO.h"

#include <QFileInfo>

namespace bank {
namespace {

// The largest statement read: years of daily movements stay far below it.
constexpr std::size_t kMaxStatementSize = std::size_t(64) << 20;

QString damagedMessage(const QString &path, const QString &why)
{
    return QStringLiteral("Le relevé %1 ne peut pas être lu : %2.").arg(QFileInfo(path).fileName(), why);
}

// Binary content (a picture, a spreadsheet, an archive) is no statement in
// any of the three formats.
bool looksBinary(std::string_view bytes)
{
    const std::string_view head = bytes.substr(0, 4096);
    return head.find('\0') != std::string_view::npos;
}

} // namespace

QString columnsUnknownMessage(const QString &path)
{
    return QStringLiteral("Les colonnes du relevé %1 ne sont pas reconnues : choisissez la date, le "
                          "libellé et le montant (ou le débit et le crédit) dans la fenêtre de "
                          "rapprochement bancaire.")
        .arg(QFileInfo(path).fileName());
}

StatementReading readStatementFile(const QString &path, const csv::ColumnChoices &choices, Statement &out)
{
    StatementReading reading;
    std::string bytes;
    const QString why = fileio::readWhole(path, bytes);
    if (!why.isEmpty()) {
        reading.message = fileio::readFailedMessage(path, why);
        return reading;
    }
    if (bytes.size() > kMaxStatementSize) {
        reading.message = damagedMessage(path, QStringLiteral("il est bien trop grand pour un relevé"));
        return reading;
    }
    if (bytes.find_first_not_of(" \t\r\n") == std::string::npos) {
        reading.message = damagedMessage(path, QStringLiteral("il est vide"));
        return reading;
    }
    if (looksBinary(bytes)) {
        reading.message = damagedMessage(path, notAStatement());
        return reading;
    }
    QString problem;
    if (ofx::looksLike(bytes)) {
        problem = ofx::read(bytes, out);
    } else if (cfonb::looksLike(bytes)) {
        problem = cfonb::read(bytes, out);
    } else {
        const csv::Reading csvReading = csv::read(bytes, choices, out);
        reading.layout = csvReading.layout;
        if (csvReading.outcome == csv::Outcome::ColumnsUnknown) {
            reading.columnsUnknown = true;
            reading.message = columnsUnknownMessage(path);
            return reading;
        }
        problem = csvReading.problem;
    }
    if (!problem.isEmpty()) {
        reading.message = damagedMessage(path, problem);
        return reading;
    }
    reading.read = true;
    return reading;
}

} // namespace bank
