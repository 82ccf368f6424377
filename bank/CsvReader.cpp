#include "bank/CsvReader.h"

#include "bank/StatementText.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

namespace bank::csv {
namespace {

using Record = QStringList;

// The records of the text, one a line (a blank line too, so that the records
// count as the lines do): quoted fields may hold the separator, doubled
// quotes and line ends.
std::vector<Record> records(const QString &text, QChar separator)
{
    std::vector<Record> out;
    Record record;
    QString field;
    bool quoted = false;
    const auto endRecord = [&] {
        record.append(field.trimmed());
        out.push_back(record);
        record.clear();
        field.clear();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"')
                field.append(c), ++i;
            else if (c == u'"')
                quoted = false;
            else
                field.append(c);
        } else if (c == u'"') {
            quoted = true;
        } else if (c == separator) {
            record.append(field.trimmed());
            field.clear();
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            endRecord();
        } else {
            field.append(c);
        }
    }
    if (!field.isEmpty() || !record.isEmpty())
        endRecord();
    return out;
}

// The columns a header row names, by the words its titles begin with or
// contain; an operation date rather than a value date.
Columns namedColumns(const Record &record)
{
    Columns found;
    int valueDate = -1;
    for (int i = 0; i < int(record.size()); ++i) {
        const QString title = fold(record[i]);
        if (title.startsWith(u"date")) {
            if (title.contains(u"valeur")) {
                if (valueDate < 0)
                    valueDate = i;
            } else if (found.date < 0) {
                found.date = i;
            }
        } else if (title.contains(u"libelle") && found.label < 0) {
            found.label = i;
        } else if (title.contains(u"montant") && found.amount < 0) {
            found.amount = i;
        } else if (title.contains(u"debit") && found.debit < 0) {
            found.debit = i;
        } else if (title.contains(u"credit") && found.credit < 0) {
            found.credit = i;
        }
    }
    if (found.date < 0)
        found.date = valueDate;
    if (found.amount >= 0)
        found.debit = found.credit = -1;
    return found;
}

struct Table {
    QChar separator;
    std::vector<Record> records;
    std::optional<std::size_t> header; // the row of the titles, when they were recognised
    Columns columns;
    int width = 0; // the number of fields most records have
};

int usualWidth(const std::vector<Record> &records, int &count)
{
    std::map<int, int> widths;
    for (const Record &r : records)
        ++widths[int(r.size())];
    int best = 0;
    count = 0;
    for (const auto &[width, n] : widths)
        if (n > count || (n == count && width > best))
            best = width, count = n;
    return best;
}

// The separator under which a header row is recognised, or else the one that
// gives most records the same number of fields.
Table table(const QString &text)
{
    std::optional<Table> best;
    int bestCount = -1;
    for (QChar separator : {QChar(u';'), QChar(u'\t'), QChar(u',')}) {
        Table t{separator, records(text, separator), {}, {}, 0};
        int count = 0;
        t.width = usualWidth(t.records, count);
        for (std::size_t i = 0; i < t.records.size() && i < 50; ++i) {
            const Columns named = namedColumns(t.records[i]);
            if (named.complete()) {
                t.header = i;
                t.columns = named;
                return t;
            }
        }
        if (t.width >= 2 && (count > bestCount || (count == bestCount && t.width > best->width))) {
            bestCount = count;
            best = std::move(t);
        }
    }
    return best ? std::move(*best) : Table{u';', records(text, u';'), {}, {}, 0};
}

bool holdsDate(const Record &record)
{
    return std::any_of(record.begin(), record.end(),
                       [](const QString &field) { return parseStatementDate(field).isValid(); });
}

// The row the table starts under: the header, or else the row before the
// first that holds a date, when it has the table's width.
std::optional<std::size_t> titleRow(const Table &t)
{
    if (t.header)
        return t.header;
    for (std::size_t i = 0; i < t.records.size(); ++i) {
        if (holdsDate(t.records[i]) && int(t.records[i].size()) == t.width) {
            if (i > 0 && int(t.records[i - 1].size()) == t.width)
                return i - 1;
            return std::nullopt;
        }
    }
    return std::nullopt;
}

Layout layoutOf(const Table &t)
{
    Layout layout;
    const std::optional<std::size_t> titles = titleRow(t);
    const QString separatorName = t.separator == u'\t' ? QStringLiteral("TAB") : QString(t.separator);
    QStringList folded{separatorName, QString::number(t.width)};
    for (int i = 0; i < t.width; ++i) {
        const QString title = titles ? t.records[*titles].value(i) : QString();
        folded.append(fold(title).simplified());
        layout.titles.append(title.isEmpty() ? QStringLiteral("Colonne %1").arg(i + 1) : title);
    }
    layout.signature = folded.join(u'|');
    const std::size_t first = titles ? *titles + 1 : 0;
    for (std::size_t i = first; i < t.records.size(); ++i) {
        if (holdsDate(t.records[i])) {
            layout.sample = t.records[i];
            break;
        }
    }
    return layout;
}

// A balance the bank writes above its table ("Solde au 31/12/2025;48 988,59 €;"):
// its day and amount.
struct StatedBalance {
    QDate date;
    Cents amount = 0;
};

std::optional<StatedBalance> statedBalance(const Record &record)
{
    const QString first = fold(record.value(0));
    const QString prefix = QStringLiteral("solde au");
    if (!first.startsWith(prefix))
        return std::nullopt;
    const QDate date = parseStatementDate(first.mid(prefix.size()).trimmed());
    if (!date.isValid())
        return std::nullopt;
    for (qsizetype i = 1; i < record.size(); ++i)
        if (const std::optional<Cents> amount = parseStatementAmount(record[i]))
            return StatedBalance{date, *amount};
    return std::nullopt;
}

QString damaged(std::size_t row, const QString &what, const QString &text)
{
    return QStringLiteral("ligne %1 : %2 « %3 »").arg(row + 1).arg(what, text);
}

// A row under the table that sums it up rather than moves money: a total or
// a balance, named so in its first field ("Total des opérations", "Solde au ...").
bool isSummary(const Record &record)
{
    const QString first = fold(record.value(0));
    return first.startsWith(u"solde") || first.startsWith(u"total");
}

bool isBlank(const Record &record)
{
    return std::all_of(record.begin(), record.end(), [](const QString &field) { return field.isEmpty(); });
}

// A row of the table: a movement read exactly, or the reason it cannot be.
std::optional<StatementLine> movement(const Record &record, const Columns &c, int width, std::size_t row,
                                      QString &problem)
{
    if (int(record.size()) != width) {
        problem = QStringLiteral("ligne %1 : %2 champs au lieu des %3 de la ligne des titres")
                      .arg(row + 1)
                      .arg(record.size())
                      .arg(width);
        return std::nullopt;
    }
    const QDate date = parseStatementDate(record.value(c.date));
    if (!date.isValid()) {
        problem = damaged(row, QStringLiteral("date illisible"), record.value(c.date));
        return std::nullopt;
    }
    const auto amountOf = [&](int column, std::optional<Cents> &value) {
        const QString text = record.value(column);
        if (text.isEmpty())
            return true;
        value = parseStatementAmount(text);
        if (!value)
            problem = damaged(row, QStringLiteral("montant illisible"), text);
        return bool(value);
    };
    std::optional<Cents> amount, debit, credit;
    if (!amountOf(c.amount, amount) || !amountOf(c.debit, debit) || !amountOf(c.credit, credit))
        return std::nullopt;
    if (c.amount < 0 && (debit || credit))
        amount = credit.value_or(0) - (debit ? (*debit < 0 ? -*debit : *debit) : 0);
    if (!amount) {
        problem = QStringLiteral("ligne %1 : montant absent").arg(row + 1);
        return std::nullopt;
    }
    return StatementLine{date, *amount, record.value(c.label).simplified(), QString()};
}

// The first row of the table's movements: the one under the titles, or else
// the first that holds a date and has the table's width.
std::size_t firstRow(const Table &t, std::optional<std::size_t> titles)
{
    if (titles)
        return *titles + 1;
    for (std::size_t i = 0; i < t.records.size(); ++i)
        if (holdsDate(t.records[i]) && int(t.records[i].size()) == t.width)
            return i;
    return t.records.size();
}

} // namespace

bool Columns::complete() const
{
    return date >= 0 && label >= 0 && (amount >= 0 || (debit >= 0 && credit >= 0));
}

Reading read(std::string_view bytes, const ColumnChoices &choices, Statement &out)
{
    const Table t = table(decodeText(bytes));
    Reading reading;
    reading.layout = layoutOf(t);
    Columns columns = t.columns;
    if (!t.header && (t.width < 2 || reading.layout.sample.isEmpty())) {
        reading.problem = notAStatement();
        return reading;
    }
    if (!t.header) {
        const auto chosen = choices.find(reading.layout.signature);
        if (chosen == choices.end() || !chosen->second.complete()) {
            reading.outcome = Outcome::ColumnsUnknown;
            return reading;
        }
        columns = chosen->second;
    }
    Statement statement;
    statement.format = StatementFormat::Csv;
    const std::optional<std::size_t> titles = titleRow(t);
    // Every row under the titles is a movement read exactly, a blank row, or
    // a total or balance; anything else refuses the file, naming the row.
    const int width = titles ? int(t.records[*titles].size()) : t.width;
    for (std::size_t i = firstRow(t, titles); i < t.records.size(); ++i) {
        if (isBlank(t.records[i]) || isSummary(t.records[i]))
            continue;
        std::optional<StatementLine> line = movement(t.records[i], columns, width, i, reading.problem);
        if (!line)
            return reading;
        statement.lines.push_back(std::move(*line));
    }
    if (statement.lines.empty()) {
        reading.problem = QStringLiteral("aucune opération datée sous la ligne des titres");
        return reading;
    }
    // A balance above the table dated on or after its last line closes the
    // statement; one dated before its first line opens it.
    for (std::size_t i = 0; i < (titles ? *titles : 0); ++i) {
        const std::optional<StatedBalance> balance = statedBalance(t.records[i]);
        if (!balance)
            continue;
        if (balance->date >= statement.periodEnd()) {
            statement.end = balance->date;
            statement.closingBalance = balance->amount;
        } else if (balance->date < statement.periodStart()) {
            statement.openingBalance = balance->amount;
        }
    }
    out = std::move(statement);
    reading.outcome = Outcome::Read;
    return reading;
}

} // namespace bank::csv
