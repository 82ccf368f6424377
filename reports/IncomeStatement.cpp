#include "reports/IncomeStatement.h"

#include "ledger/AmountTotal.h"
#include "ledger/MonthLines.h"
#include "reports/PeriodBalances.h"

#include <array>
#include <optional>

namespace reports {
namespace {

constexpr int kHeadings = 10;
constexpr int kOperatingHeadings = 6;
constexpr int kOperatingTotalRow = 12;
constexpr int kTotalRow = 13;
constexpr int kResultRow = 14;
constexpr int kGrandTotalRow = 16;

const char16_t *const kChargeCaptions[kHeadings] = {
    u"Achats", u"Services extérieurs", u"Autres services extérieurs", u"Impôts, taxes",
    u"Charges de personnel", u"Autres charges de gestion courante", u"Charges financières",
    u"Charges exceptionnelles", u"Dotations aux amortissements", u"Participation des salariés"};

const char16_t *const kProductCaptions[kHeadings] = {
    u"Ventes", u"Production stockée", u"Production immobilisée", u"Produits nets, long terme",
    u"Subventions", u"Autres produits de gestion courante", u"Produits financiers",
    u"Produits exceptionnels", u"Reprise sur amortissement", u"Transferts de charges"};

void writeCaptions(TextGrid &grid)
{
    for (int i = 0; i < kHeadings; ++i) {
        grid.set(i + 1, 0, QString::fromUtf16(kChargeCaptions[i]));
        grid.set(i + 1, 2, QString::fromUtf16(kProductCaptions[i]));
    }
    grid.set(kOperatingTotalRow, 0, QStringLiteral("Total des charges d'exploitation"));
    grid.set(kOperatingTotalRow, 2, QStringLiteral("Total des produits d'exploitation"));
    grid.set(kTotalRow, 0, QStringLiteral("Total"));
    grid.set(kTotalRow, 2, QStringLiteral("Total"));
    grid.set(kResultRow, 0, QStringLiteral("Solde créditeur : Bénéfices"));
    grid.set(kResultRow, 2, QStringLiteral("Solde débiteur : Pertes"));
    grid.set(kGrandTotalRow, 0, QStringLiteral("TOTAL GÉNÉRAL"));
    grid.set(kGrandTotalRow, 2, QStringLiteral("TOTAL GÉNÉRAL"));
}

// The heading cell an account feeds: column 1 (charges) or 3 (products) and
// the row of its second digit; nothing for accounts outside 60 to 79.
std::optional<std::pair<int, int>> headingOf(std::string_view account)
{
    if (account.size() < 2 || !monthlines::isDigit(account[1]))
        return std::nullopt;
    const int row = account[1] - '0' + 1;
    if (account[0] == '6')
        return std::pair{row, 1};
    if (account[0] == '7')
        return std::pair{row, 3};
    return std::nullopt;
}

QString aligned(const AmountTotal &value)
{
    return forms::Rset(value.text());
}

QString noTotals(TextGrid &grid)
{
    for (int row : {kOperatingTotalRow, kTotalRow, kResultRow, kGrandTotalRow})
        for (int column : {1, 3})
            grid.set(row, column, QString());
    grid.touch();
    return forms::totalTooLarge();
}

} // namespace

QString LitResultat(PeriodPage &page, const LineList &lines)
{
    TextGrid &grid = page.grid;
    grid.clearRows(1, 0, 3);
    writeCaptions(grid);

    // The sum of each heading cell, and whether any amount reached it.
    std::array<std::array<AmountTotal, 2>, kHeadings + 1> sums{};
    std::array<std::array<bool, 2>, kHeadings + 1> fed{};
    const PeriodBalances balances(lines, page.from, page.to);
    for (const PeriodAccount &account : balances.accounts()) {
        const std::optional<std::pair<int, int>> heading = headingOf(account.code);
        if (!heading || !account.read)
            continue;
        const auto [row, column] = *heading;
        const std::size_t side = column == 1 ? 0 : 1;
        // A charge is what its accounts were debited beyond their credits, a
        // product what they were credited beyond their debits.
        if (side == 0)
            sums[std::size_t(row)][side].add(account.balance);
        else
            sums[std::size_t(row)][side].subtract(account.balance);
        fed[std::size_t(row)][side] = true;
    }
    bool computed = true;
    for (int row = 1; row <= kHeadings; ++row)
        for (std::size_t side = 0; side < 2; ++side)
            if (fed[std::size_t(row)][side]) {
                const AmountTotal &sum = sums[std::size_t(row)][side];
                computed = computed && sum.computed();
                grid.set(row, side == 0 ? 1 : 3, sum.text());
            }
    grid.touch();
    const QString message = Total6(page);
    if (!computed)
        return noTotals(grid);
    return message.isEmpty() ? balances.unread().message() : message;
}

QString Total6(PeriodPage &page)
{
    TextGrid &grid = page.grid;
    AmountTotal total[2];
    AmountTotal operating[2];
    for (int row = 1; row <= kHeadings; ++row) {
        for (int side = 0; side < 2; ++side) {
            QString &cell = grid.at(row, side == 0 ? 1 : 3);
            if (cell.isEmpty())
                continue;
            cell = forms::Rset(cell);
            const Cents value = forms::parseAmount(QStringView(cell)).value_or(0);
            total[side].add(value);
            if (row <= kOperatingHeadings)
                operating[side].add(value);
        }
    }
    const bool gain = total[0].value() < total[1].value();
    AmountTotal profit;
    AmountTotal loss;
    if (gain) {
        profit = total[1];
        profit.subtract(total[0]);
    } else {
        loss = total[0];
        loss.subtract(total[1]);
    }
    AmountTotal grand[2] = {total[0], total[1]};
    grand[0].add(profit);
    grand[1].add(loss);
    for (const AmountTotal *t : {&total[0], &total[1], &operating[0], &operating[1], &profit, &loss, &grand[0], &grand[1]})
        if (!t->computed())
            return noTotals(grid);
    for (int side = 0; side < 2; ++side) {
        const int column = side == 0 ? 1 : 3;
        grid.set(kOperatingTotalRow, column, aligned(operating[side]));
        grid.set(kTotalRow, column, aligned(total[side]));
        grid.set(kResultRow, column, QString());
    }
    if (profit.value() > 0)
        grid.set(kResultRow, 1, aligned(profit));
    else
        grid.set(kResultRow, 3, aligned(loss));
    grid.set(kGrandTotalRow, 1, aligned(grand[0]));
    grid.set(kGrandTotalRow, 3, aligned(grand[1]));
    grid.touch();
    return {};
}

} // namespace reports
