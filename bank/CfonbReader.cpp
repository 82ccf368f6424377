#include "bank/CfonbReader.h"

#include "bank/StatementText.h"
#include "ledger/Codec1252.h"

#include <vector>

namespace bank::cfonb {
namespace {

constexpr std::size_t kRecordLength = 120;

// The records: one a line, or one every 120 bytes when the file has no line
// ends, as some banks send it. A line shortened by a transfer that dropped
// its trailing blanks is taken padded.
std::vector<std::string> records(std::string_view bytes)
{
    std::vector<std::string> out;
    const bool lineEnds = bytes.find_first_of("\r\n") != std::string_view::npos;
    while (!bytes.empty()) {
        std::size_t length = kRecordLength;
        std::size_t skip = 0;
        if (lineEnds) {
            length = std::min(bytes.find_first_of("\r\n"), bytes.size());
            skip = length < bytes.size() && bytes[length] == '\r' && length + 1 < bytes.size() &&
                           bytes[length + 1] == '\n'
                       ? 2
                       : (length < bytes.size() ? 1 : 0);
        }
        std::string record(bytes.substr(0, length));
        bytes.remove_prefix(std::min(bytes.size(), length + skip));
        if (record.find_first_not_of(' ') == std::string::npos)
            continue;
        if (record.size() < kRecordLength)
            record.resize(kRecordLength, ' ');
        out.push_back(std::move(record));
    }
    return out;
}

// Characters `from` to `to` of a record, counted from 1.
std::string_view field(const std::string &record, std::size_t from, std::size_t to)
{
    return std::string_view(record).substr(from - 1, to - from + 1);
}

bool allDigits(std::string_view text)
{
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return !text.empty();
}

// The amount of positions 91 to 104, its last character overpunched with the
// sign: "{" and "A" to "I" are 0 to 9 positive, "}" and "J" to "R" 0 to 9
// negative. Position 20 gives the number of decimals.
std::optional<Cents> amount(const std::string &record)
{
    const std::string_view digits = field(record, 91, 103);
    const char last = record[103];
    const char decimals = record[19];
    if (!allDigits(digits) || decimals < '0' || decimals > '4')
        return std::nullopt;
    int lastDigit = 0;
    bool negative = false;
    if (last == '{' || last == '}')
        lastDigit = 0, negative = last == '}';
    else if (last >= 'A' && last <= 'I')
        lastDigit = last - 'A' + 1;
    else if (last >= 'J' && last <= 'R')
        lastDigit = last - 'J' + 1, negative = true;
    else
        return std::nullopt;
    Cents value = 0;
    for (char c : digits)
        value = value * 10 + (c - '0');
    value = value * 10 + lastDigit;
    // To cents: scale up below two decimals, round half away above.
    for (int d = decimals - '0'; d < 2; ++d)
        value *= 10;
    for (int d = decimals - '0'; d > 2; --d)
        value = (value + 5) / 10;
    if (value > forms::kMaxCents)
        return std::nullopt;
    return negative ? -value : value;
}

// JJMMAA at positions `from` to `from` + 5.
QDate date(const std::string &record, std::size_t from)
{
    const std::string_view text = field(record, from, from + 5);
    if (!allDigits(text))
        return {};
    const int day = (text[0] - '0') * 10 + (text[1] - '0');
    const int month = (text[2] - '0') * 10 + (text[3] - '0');
    const int year = (text[4] - '0') * 10 + (text[5] - '0');
    return QDate(year < 80 ? 2000 + year : 1900 + year, month, day);
}

QString text(const std::string &record, std::size_t from, std::size_t to)
{
    return decodeText(field(record, from, to)).trimmed();
}

QString damaged(std::size_t number, const QString &what)
{
    return QStringLiteral("enregistrement %1 : %2").arg(number).arg(what);
}

} // namespace

bool looksLike(std::string_view bytes)
{
    const std::vector<std::string> all = records(bytes.substr(0, 4 * kRecordLength));
    return !all.empty() && all.front().size() == kRecordLength && all.front().compare(0, 2, "01") == 0 &&
           allDigits(field(all.front(), 35, 40));
}

QString read(std::string_view bytes, Statement &out)
{
    Statement statement;
    statement.format = StatementFormat::Cfonb;
    std::string account;
    std::size_t number = 0;
    // The balance of the day's statement being read: its old balance plus its
    // movements, from its "01" record on; none between a "07" and the next "01".
    Cents running = 0;
    bool open = false;
    for (const std::string &record : records(bytes)) {
        ++number;
        if (record.size() != kRecordLength)
            return damaged(number, QStringLiteral("plus de 120 caractères"));
        const std::string_view code = field(record, 1, 2);
        if (code == "05") {
            if (statement.lines.empty())
                return damaged(number, QStringLiteral("complément sans opération"));
            const QString complement = text(record, 49, 118);
            if (!complement.isEmpty())
                statement.lines.back().label += u' ' + complement;
            continue;
        }
        if (code != "01" && code != "04" && code != "07")
            return damaged(number, QStringLiteral("code « %1 » inconnu").arg(decodeText(code)));
        const std::optional<Cents> value = amount(record);
        if (!value)
            return damaged(number, QStringLiteral("montant illisible"));
        const QDate when = date(record, 35);
        if (!when.isValid())
            return damaged(number, QStringLiteral("date illisible"));
        const std::string recordAccount(field(record, 22, 32));
        if (account.empty())
            account = recordAccount;
        else if (recordAccount != account)
            return damaged(number, QStringLiteral("relevé de plusieurs comptes"));
        if (code == "01") {
            if (open)
                return damaged(number, QStringLiteral("ancien solde avant le nouveau solde (07) du relevé précédent"));
            open = true;
            running = *value;
            // Several days' statements of one account follow one another:
            // the period runs from the first old balance to the last new one.
            if (!statement.start) {
                statement.start = when;
                statement.openingBalance = *value;
            }
        } else if (!open) {
            return damaged(number, QStringLiteral("%1 hors d'un relevé ouvert par un ancien solde (01)")
                                       .arg(code == "07" ? QStringLiteral("nouveau solde") : QStringLiteral("opération")));
        } else if (code == "07") {
            // A movement missing, or one too many, no longer leads from one balance to the other.
            if (*value != running)
                return damaged(number, QStringLiteral("le nouveau solde %1 n'est pas l'ancien solde plus les opérations, %2")
                                           .arg(forms::formatAmount(*value), forms::formatAmount(running)));
            open = false;
            statement.end = when;
            statement.closingBalance = *value;
        } else {
            if ((*value > 0 && running > forms::kMaxCents - *value) || (*value < 0 && running < -forms::kMaxCents - *value))
                return damaged(number, QStringLiteral("le solde dépasse ce qu'un dossier peut tenir"));
            running += *value;
            statement.lines.push_back({when, *value, text(record, 49, 79), text(record, 105, 120)});
        }
    }
    if (number == 0)
        return QStringLiteral("aucun enregistrement");
    if (open)
        return QStringLiteral("le nouveau solde (enregistrement 07) manque à la fin du relevé");
    out = std::move(statement);
    return {};
}

} // namespace bank::cfonb
