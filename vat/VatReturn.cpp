#include "vat/VatReturn.h"

#include "ledger/AmountTotal.h"
#include "ledger/Codec1252.h"
#include "ledger/MonthLines.h"
#include "ledger/OpeningJournal.h"

#include <algorithm>

namespace vat {
namespace {

using monthlines::Column;
using monthlines::Entry;

// Where an account's amounts go, by the beginning of its code.
enum class Kind { None, Sales, Collected, FixedAssets, OtherDeductible, Credit };

bool begins(std::string_view account, std::string_view prefix)
{
    return account.substr(0, prefix.size()) == prefix;
}

Kind kindOf(std::string_view account)
{
    if (begins(account, "70"))
        return Kind::Sales;
    if (begins(account, "4457"))
        return Kind::Collected;
    if (begins(account, "44562"))
        return Kind::FixedAssets;
    if (begins(account, "44567"))
        return Kind::Credit;
    if (begins(account, "4456"))
        return Kind::OtherDeductible;
    return Kind::None;
}

// Running balances of the accounts of one kind, by code as keyed.
class Balances {
public:
    AmountTotal &of(std::string_view account)
    {
        for (Row &row : rows_)
            if (row.account == account)
                return row.value;
        rows_.push_back({account, {}});
        return rows_.back().value;
    }
    bool computed() const
    {
        return std::all_of(rows_.begin(), rows_.end(), [](const Row &row) { return row.value.computed(); });
    }
    std::vector<AccountBalance> byCode() const
    {
        std::vector<AccountBalance> list;
        for (const Row &row : rows_)
            list.push_back({cp1252::decode(row.account), row.value.value()});
        std::sort(list.begin(), list.end(), [](const AccountBalance &a, const AccountBalance &b) {
            return a.account < b.account;
        });
        return list;
    }

private:
    struct Row {
        std::string_view account;
        AmountTotal value;
    };
    std::vector<Row> rows_;
};

std::optional<Cents> amountOf(std::string_view cell)
{
    while (!cell.empty() && (cell.front() == ' ' || cell.front() == '\t'))
        cell.remove_prefix(1);
    return cell.empty() ? std::optional<Cents>(0) : forms::parseAmount(cell);
}

QString notANumber(const Entry &entry, std::string_view cell)
{
    return QStringLiteral("Écriture du %1, compte %2 : %3")
        .arg(cp1252::decode(entry[Column::Date]), cp1252::decode(entry[Column::Account]),
             forms::notANumber(cp1252::decode(cell).trimmed()));
}

} // namespace

QString lineCaption(int line)
{
    static const char16_t *const captions[kLines] = {
        u"Chiffre d'affaires hors taxes",
        u"TVA collectée",
        u"TVA déductible sur immobilisations",
        u"TVA déductible sur autres biens et services",
        u"Crédit de TVA antérieur",
        u"Total TVA déductible",
        u"TVA nette due",
        u"Crédit de TVA à reporter",
    };
    return line >= 1 && line <= kLines ? QString::fromUtf16(captions[line - 1]) : QString();
}

QString VatReturn::figureText(int line) const
{
    const std::optional<Cents> &figure = figures.at(std::size_t(line - 1));
    return figure ? forms::formatAmount(*figure) : QString();
}

QString settlementLabel(const Period &period)
{
    return QStringLiteral("TVA ") + period.caption;
}

Period previousPeriod(const Period &period)
{
    const bool wholeMonths = period.from.day() == 1 && period.to.addDays(1).day() == 1;
    if (wholeMonths) {
        const int months = (period.to.year() - period.from.year()) * 12 + period.to.month() - period.from.month() + 1;
        return {period.from.addMonths(-months), period.from.addDays(-1), {}};
    }
    const qint64 days = period.from.daysTo(period.to) + 1;
    return {period.from.addDays(-days), period.from.addDays(-1), {}};
}

QString unsettledWarning(const VatReturn &vatReturn)
{
    if (!vatReturn.carriedFrom.isValid())
        return {};
    return QStringLiteral("Déclaration de la période précédente non passée : le crédit antérieur est celui du %1.")
        .arg(forms::formatDate(vatReturn.carriedFrom));
}

VatReturn computeReturn(const LineList &lines, const Period &period, const FiscalYear &year)
{
    VatReturn result;
    result.period = period;
    const std::string from = forms::dateKey(period.from).toStdString();
    const std::string to = forms::dateKey(period.to).toStdString();
    const std::string yearStart = forms::dateKey(year.start).toStdString();
    const std::string yearEnd = forms::dateKey(year.end).toStdString();
    const std::string settlementDate = cp1252::encode(forms::formatDate(period.to));
    const std::string settlement = cp1252::encode(settlementLabel(period));

    const Period previous = previousPeriod(period);
    const std::string previousFrom = forms::dateKey(previous.from).toStdString();
    const std::string previousTo = forms::dateKey(previous.to).toStdString();
    bool previousMoved = false;
    bool previousSettled = false;
    QDate lastSettlement; // the day of the last settling entry before the period

    AmountTotal sums[5]; // lines 1 to 5
    Balances collected, deductible;
    QString error;
    monthlines::forEachEntry(lines, monthlines::Cells::Whole, [&](const Entry &entry) {
        if (!error.isEmpty())
            return;
        const Kind kind = kindOf(entry[Column::Account]);
        if (kind == Kind::None)
            return;
        if (entry[Column::Date] == settlementDate && entry[Column::Label] == settlement) {
            result.settled = true;
            return;
        }
        const std::string key = forms::dateKey(entry[Column::Date]);
        const bool opening = key == yearStart && entry[Column::Journal] == journals::kOpening;
        if (kind != Kind::Sales && key >= yearStart && key < from && !opening) {
            const bool settles = entry[Column::Label].starts_with("TVA ");
            if (settles)
                lastSettlement = std::max(lastSettlement, forms::parseDate(cp1252::decode(entry[Column::Date])));
            if (key >= previousFrom && key <= previousTo)
                (settles ? previousSettled : previousMoved) = true;
        }
        const bool before = key < from || opening;
        const bool counts = kind == Kind::Credit ? key >= yearStart && key <= yearEnd && before : key >= from && key <= to;
        if (!counts)
            return;
        const std::optional<Cents> debit = amountOf(entry[Column::Debit]);
        const std::optional<Cents> credit = amountOf(entry[Column::Credit]);
        if (!debit || !credit) {
            error = notANumber(entry, debit ? entry[Column::Credit] : entry[Column::Debit]);
            return;
        }
        const Cents net = *debit - *credit;
        switch (kind) {
        case Kind::Sales: sums[0].add(-net); break;
        case Kind::Collected:
            sums[1].add(-net);
            collected.of(entry[Column::Account]).add(-net);
            break;
        case Kind::FixedAssets:
        case Kind::OtherDeductible:
        case Kind::Credit:
            sums[kind == Kind::FixedAssets ? 2 : kind == Kind::OtherDeductible ? 3 : 4].add(net);
            deductible.of(entry[Column::Account]).add(net);
            break;
        case Kind::None: break;
        }
    });

    AmountTotal totalDeductible = sums[2];
    totalDeductible.add(sums[3]);
    totalDeductible.add(sums[4]);
    AmountTotal due = sums[1];
    due.subtract(totalDeductible);
    const bool computed = std::all_of(std::begin(sums), std::end(sums), [](const AmountTotal &s) { return s.computed(); })
                          && due.computed() && collected.computed() && deductible.computed();
    if (!error.isEmpty() || !computed) {
        result.error = error.isEmpty() ? forms::totalTooLarge() : error;
        return result;
    }
    for (int line = 0; line < 5; ++line)
        result.figures[std::size_t(line)] = sums[line].value();
    result.figures[5] = totalDeductible.value();
    if (due.value() >= 0)
        result.figures[6] = due.value();
    else
        result.figures[7] = -due.value();
    result.collected = collected.byCode();
    result.deductible = deductible.byCode();
    if (previous.from >= year.start && previousMoved && !previousSettled)
        result.carriedFrom = lastSettlement.isValid() ? lastSettlement : year.start;
    return result;
}

} // namespace vat
