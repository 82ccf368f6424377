#include "exchange/Import.h"

#include "exchange/ExchangeText.h"
#include "exchange/ImportEncoding.h"
#include "ledger/Codec1252.h"
#include "ledger/Header.h"
#include "ledger/MonthKey.h"
#include "ledger/MonthLines.h"
#include "ledger/TextForms.h"
#include "ledger/TextLines.h"
#include "ledger/YearEntries.h"

#include <QStringList>
#include <cstring>

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

// The fields of a line, up to the eighth (a TAB ending the line opens none).
template <class Visit>
void forEachField(std::string_view line, Visit visit)
{
    std::string_view rest = line;
    int n = 0;
    do {
        const std::size_t tab = rest.find('\t');
        visit(n, rest.substr(0, tab));
        rest = tab == std::string_view::npos ? std::string_view() : rest.substr(tab + 1);
        ++n;
    } while (!rest.empty() && n < kFieldsImported);
}

bool isAmountField(int n)
{
    return n == monthlines::digitOf(monthlines::Column::Debit) - '0' ||
           n == monthlines::digitOf(monthlines::Column::Credit) - '0';
}

void importLine(std::string_view line, const std::string &key, std::string &buffer, LineList &lines, int &cut)
{
    forEachField(line, [&](int n, std::string_view field) {
        if (field.size() > monthlines::kCellLimit) {
            field = field.substr(0, monthlines::kCellLimit);
            ++cut;
        }
        buffer.assign(key);
        buffer += char('0' + n);
        // An amount is stored as the program writes one ("0" as "0,00"), so
        // that the grid and the views show it so; a field that is no number
        // stays as it came, for the verifier to name.
        const std::optional<Cents> amount = isAmountField(n) ? forms::parseAmount(field) : std::nullopt;
        if (amount)
            buffer += forms::formatAmount(*amount).toStdString();
        else
            buffer.append(field);
        lines.append(buffer);
    });
}

std::size_t linesOf(std::string_view line)
{
    std::size_t count = 0;
    forEachField(line, [&count](int, std::string_view) { ++count; });
    return count;
}

// The line, from 1, where the NUL byte that ends the text stands; 0 without one.
int nulLine(std::string_view text)
{
    const void *nul = std::memchr(text.data(), '\0', text.size());
    if (!nul)
        return 0;
    const std::string_view before = text.substr(0, std::size_t(static_cast<const char *>(nul) - text.data()));
    std::vector<std::string_view> lines;
    textlines::cut(before, std::size_t(-1), lines);
    const bool lineStarts = before.empty() || before.back() == '\n' || before.back() == '\r';
    return int(lines.size()) + (lineStarts ? 1 : 0);
}

void listLine(std::vector<int> &first, int number)
{
    if (first.size() < kUtf8LinesListed)
        first.push_back(number);
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

} // namespace

ImportSummary importEntries(std::string fileBytes, LineList &lines, const FiscalYear &year, std::size_t maxLines)
{
    ImportSummary summary;
    const Cp1252Text text = toCp1252(std::move(fileBytes));
    summary.fromUtf8 = text.fromUtf8;
    summary.replaced = text.replaced;
    summary.nulLine = nulLine(text.bytes);

    std::vector<std::string_view> fileLines;
    textlines::cut(text.bytes, std::size_t(-1), fileLines);
    // The line the NUL byte cut short is no entry either.
    if (summary.nulLine > 0 && fileLines.size() >= std::size_t(summary.nulLine))
        fileLines.resize(std::size_t(summary.nulLine) - 1);
    // Checked before anything is added: a dossier the loading would refuse
    // could never be opened again.
    std::size_t total = lines.size() + (lines.indexOf("<HEAD>") == LineList::npos ? header::kLineCount : 0);
    for (std::string_view line : fileLines)
        if (!monthlines::trimmedCell(line).empty())
            total += linesOf(line);
    if (total > maxLines) {
        summary.refusedAt = total;
        summary.lineLimit = maxLines;
        return summary;
    }

    std::string buffer;
    for (std::size_t i = 0; i < fileLines.size(); ++i) {
        const std::string_view line = fileLines[i];
        if (monthlines::trimmedCell(line).empty())
            continue;
        const std::string_view date = line.substr(0, line.find('\t'));
        if (const yearentries::Fault fault = yearentries::newEntryFault(date, year); fault != yearentries::Fault::None) {
            summary.refused.push_back({int(i + 1), yearentries::describe(fault, date, {}, year)});
            continue;
        }
        ++summary.entries;
        const std::string key = keyOf(line);
        if (!text.fromUtf8 && holdsHighBytes(line) && isValidUtf8(line)) {
            ++summary.utf8Lines;
            listLine(summary.firstUtf8Lines, int(i + 1));
        }
        importLine(line, key, buffer, lines, summary.cut);
    }
    return summary;
}

QString summaryMessage(const ImportSummary &summary)
{
    if (summary.refusedAt > 0)
        return QStringLiteral("Le dossier compterait %1 lignes après l'import, plus que les %2 qu'un dossier peut "
                              "compter : aucune écriture n'a été importée.")
            .arg(summary.refusedAt)
            .arg(summary.lineLimit);
    QStringList parts;
    if (summary.entries == 0)
        parts.append(QStringLiteral("Aucune écriture importée."));
    else if (summary.entries == 1)
        parts.append(QStringLiteral("1 écriture importée."));
    else
        parts.append(QStringLiteral("%1 écritures importées.").arg(summary.entries));

    if (summary.nulLine > 0)
        parts.append(QStringLiteral("Le fichier contient un caractère nul à la ligne %1 : cette ligne et la suite du "
                                    "fichier ont été ignorées.")
                         .arg(summary.nulLine));

    if (summary.replaced == 1)
        parts.append(QStringLiteral("Le fichier était en UTF-8 : 1 caractère absent du jeu de caractères "
                                    "Windows (1252) a été remplacé par « ? »."));
    else if (summary.replaced > 1)
        parts.append(QStringLiteral("Le fichier était en UTF-8 : %1 caractères absents du jeu de caractères "
                                    "Windows (1252) ont été remplacés par « ? ».")
                         .arg(summary.replaced));

    if (summary.utf8Lines == 1)
        parts.append(QStringLiteral("Le fichier mêle l'UTF-8 et le jeu de caractères Windows (1252) : il a été lu en "
                                    "Windows (1252), et les accents de la ligne écrite en UTF-8 (ligne %1) sont à "
                                    "vérifier.")
                         .arg(lineList(summary.firstUtf8Lines, summary.utf8Lines)));
    else if (summary.utf8Lines > 1)
        parts.append(QStringLiteral("Le fichier mêle l'UTF-8 et le jeu de caractères Windows (1252) : il a été lu en "
                                    "Windows (1252), et les accents des %1 lignes écrites en UTF-8 (lignes %2) sont à "
                                    "vérifier.")
                         .arg(summary.utf8Lines)
                         .arg(lineList(summary.firstUtf8Lines, summary.utf8Lines)));

    if (summary.cut == 1)
        parts.append(QStringLiteral("1 champ de plus de 254 caractères a été coupé à 254."));
    else if (summary.cut > 1)
        parts.append(QStringLiteral("%1 champs de plus de 254 caractères ont été coupés à 254.").arg(summary.cut));

    if (!summary.refused.empty()) {
        QString refused = summary.refused.size() == 1
                              ? QStringLiteral("1 ligne refusée :")
                              : QStringLiteral("%1 lignes refusées :").arg(summary.refused.size());
        for (std::size_t i = 0; i < summary.refused.size() && i < kRefusedLinesListed; ++i)
            refused += QStringLiteral("\n  ligne %1 : %2").arg(summary.refused[i].number).arg(summary.refused[i].reason);
        if (summary.refused.size() > kRefusedLinesListed)
            refused += QStringLiteral("\n  … et %1 autres.").arg(summary.refused.size() - kRefusedLinesListed);
        parts.append(refused);
    }
    return parts.join(u'\n');
}

} // namespace exchange
