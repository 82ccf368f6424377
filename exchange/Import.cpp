#include "exchange/Import.h"

#include "exchange/ExchangeText.h"
#include "exchange/ImportEncoding.h"
#include "ledger/Codec1252.h"
#include "ledger/MonthKey.h"
#include "ledger/TextLines.h"
#include "ledger/TextForms.h"
#include "ledger/Validations.h"

#include <QStringList>

namespace exchange {
namespace {

// At most `count` characters from `from` on, fewer (or none) for a short line.
std::string_view slice(std::string_view line, std::size_t from, std::size_t count)
{
    return from < line.size() ? line.substr(from, count) : std::string_view();
}

// The month key an import line gives its entry: characters 7 to 10, then 4
// and 5, of the line as it stands.
std::string keyOf(std::string_view line)
{
    std::string key(slice(line, 6, 4));
    key.append(slice(line, 3, 2));
    return key;
}

void importLine(std::string_view line, const std::string &key, std::string &buffer, LineList &lines)
{
    std::string_view rest = line;
    int n = 0;
    do {
        const std::size_t tab = rest.find('\t');
        const std::string_view field = rest.substr(0, tab);
        rest = tab == std::string_view::npos ? std::string_view() : rest.substr(tab + 1);
        buffer.assign(key);
        buffer += char('0' + n);
        buffer.append(field);
        lines.append(buffer);
        ++n;
    } while (!rest.empty() && n < kFieldsImported);
}

QString lineList(const std::vector<int> &numbers, int total)
{
    QStringList texts;
    for (int n : numbers)
        texts.append(QString::number(n));
    QString list = texts.join(QStringLiteral(", "));
    if (total > int(numbers.size()))
        list += QStringLiteral("…");
    return list;
}

// Whether the line's date (its first field) falls in the validated period.
bool inValidatedPeriod(std::string_view line, QDate validatedUntil)
{
    if (!validatedUntil.isValid())
        return false;
    const QDate date = forms::parseDate(cp1252::decode(line.substr(0, line.find('\t'))));
    return date.isValid() && date <= validatedUntil;
}

} // namespace

ImportSummary importEntries(std::string fileBytes, LineList &lines, QDate validatedUntil)
{
    ImportSummary summary;
    summary.validatedUntil = validatedUntil;
    const Cp1252Text text = toCp1252(std::move(fileBytes));
    summary.fromUtf8 = text.fromUtf8;
    summary.replaced = text.replaced;

    std::vector<std::string_view> fileLines;
    textlines::cut(text.bytes, std::size_t(-1), fileLines);
    std::string buffer;
    for (std::size_t i = 0; i < fileLines.size(); ++i) {
        const std::string_view line = fileLines[i];
        if (trimmed(line).empty())
            continue;
        if (inValidatedPeriod(line, validatedUntil)) {
            ++summary.refused;
            if (summary.firstRefusedLines.size() < kUndatedLinesListed)
                summary.firstRefusedLines.push_back(int(i + 1));
            continue;
        }
        ++summary.entries;
        const std::string key = keyOf(line);
        if (!forms::parseMonthKey(key)) {
            ++summary.undated;
            if (summary.firstUndatedLines.size() < kUndatedLinesListed)
                summary.firstUndatedLines.push_back(int(i + 1));
        }
        importLine(line, key, buffer, lines);
    }
    return summary;
}

QString summaryMessage(const ImportSummary &summary)
{
    QStringList parts;
    if (summary.entries == 0)
        parts.append(QStringLiteral("Aucune écriture importée."));
    else if (summary.entries == 1)
        parts.append(QStringLiteral("1 écriture importée."));
    else
        parts.append(QStringLiteral("%1 écritures importées.").arg(summary.entries));

    if (summary.replaced == 1)
        parts.append(QStringLiteral("Le fichier était en UTF-8 : 1 caractère absent du jeu de caractères "
                                    "Windows (1252) a été remplacé par « ? »."));
    else if (summary.replaced > 1)
        parts.append(QStringLiteral("Le fichier était en UTF-8 : %1 caractères absents du jeu de caractères "
                                    "Windows (1252) ont été remplacés par « ? ».")
                         .arg(summary.replaced));

    if (summary.undated == 1)
        parts.append(QStringLiteral("1 ligne n'a pas de date de la forme jj/mm/aaaa (ligne %1) : "
                                    "son écriture n'apparaîtra dans aucun mois.")
                         .arg(lineList(summary.firstUndatedLines, summary.undated)));
    else if (summary.undated > 1)
        parts.append(QStringLiteral("%1 lignes n'ont pas de date de la forme jj/mm/aaaa (lignes %2) : "
                                    "leurs écritures n'apparaîtront dans aucun mois.")
                         .arg(summary.undated)
                         .arg(lineList(summary.firstUndatedLines, summary.undated)));

    if (summary.refused == 1)
        parts.append(validation::periodValidated(summary.validatedUntil)
                     + QStringLiteral(" : 1 écriture refusée (ligne %1).")
                           .arg(lineList(summary.firstRefusedLines, summary.refused)));
    else if (summary.refused > 1)
        parts.append(validation::periodValidated(summary.validatedUntil)
                     + QStringLiteral(" : %1 écritures refusées (lignes %2).")
                           .arg(summary.refused)
                           .arg(lineList(summary.firstRefusedLines, summary.refused)));
    return parts.join(u'\n');
}

} // namespace exchange
