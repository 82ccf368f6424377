#include "reports/IncomeStatement.h"

#include "ledger/AmountTotal.h"
#include "ledger/MonthLines.h"
#include "reports/PeriodBalances.h"

#include <array>
#include <iterator>

namespace reports {
namespace {

constexpr int kHeadings = 11;
constexpr int kOperatingTotalRow = 12;
constexpr int kTotalRow = 13;
constexpr int kResultRow = 14;
constexpr int kGrandTotalRow = 16;

const char16_t *const kChargeCaptions[kHeadings] = {
    u"Achats", u"Services extérieurs", u"Autres services extérieurs", u"Impôts, taxes",
    u"Charges de personnel", u"Autres charges de gestion courante", u"Charges financières",
    u"Charges exceptionnelles", u"Dotations aux amortissements", u"Participation des salariés",
    u"Impôts sur les bénéfices"};

const char16_t *const kProductCaptions[kHeadings] = {
    u"Ventes", u"Production stockée", u"Production immobilisée", u"Produits nets, long terme",
    u"Subventions", u"Autres produits de gestion courante", u"Produits financiers",
    u"Produits exceptionnels", u"Reprise sur amortissement", u"Transferts de charges", u""};

struct HeadingRule {
    std::string_view prefix;
    IncomeHeading heading;
};

constexpr IncomeHeading charge(int row, Nature nature) { return {row, true, nature}; }
constexpr IncomeHeading product(int row, Nature nature) { return {row, false, nature}; }

// The longest prefix that begins an account's code names its heading. In
// classes 68, 78 and 79 only 686, 786, 796 (financial) and 687, 787, 797
// (exceptional) leave the operating accounts; of class 69, 691 to 694 are the
// employees' profit sharing and the rest the tax on profits.
constexpr HeadingRule kHeadingRules[] = {
    {"60", charge(1, Nature::Operating)},        {"61", charge(2, Nature::Operating)},
    {"62", charge(3, Nature::Operating)},        {"63", charge(4, Nature::Operating)},
    {"64", charge(5, Nature::Operating)},        {"65", charge(6, Nature::Operating)},
    {"66", charge(7, Nature::Financial)},        {"67", charge(8, Nature::Exceptional)},
    {"68", charge(9, Nature::Operating)},        {"686", charge(9, Nature::Financial)},
    {"687", charge(9, Nature::Exceptional)},     {"69", charge(11, Nature::Tax)},
    {"691", charge(10, Nature::Participation)},  {"692", charge(10, Nature::Participation)},
    {"693", charge(10, Nature::Participation)},  {"694", charge(10, Nature::Participation)},
    {"70", product(1, Nature::Operating)},       {"71", product(2, Nature::Operating)},
    {"72", product(3, Nature::Operating)},       {"73", product(4, Nature::Operating)},
    {"74", product(5, Nature::Operating)},       {"75", product(6, Nature::Operating)},
    {"76", product(7, Nature::Financial)},       {"77", product(8, Nature::Exceptional)},
    {"78", product(9, Nature::Operating)},       {"786", product(9, Nature::Financial)},
    {"787", product(9, Nature::Exceptional)},    {"79", product(10, Nature::Operating)},
    {"796", product(10, Nature::Financial)},     {"797", product(10, Nature::Exceptional)},
};

constexpr std::size_t kNatures = 5;

std::size_t indexOf(Nature nature)
{
    return std::size_t(nature);
}

void writeStatementCaptions(TextGrid &grid)
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

QString aligned(const AmountTotal &value)
{
    return forms::Rset(value.text());
}

// The sums of the statement: per heading and side, per nature and side.
struct Sums {
    std::array<std::array<AmountTotal, 2>, kHeadings + 1> headings{};
    std::array<std::array<bool, 2>, kHeadings + 1> fed{};
    std::array<std::array<AmountTotal, 2>, kNatures> natures{};
};

// A nature's products less its charges.
AmountTotal net(const Sums &sums, Nature nature)
{
    AmountTotal result = sums.natures[indexOf(nature)][1];
    result.subtract(sums.natures[indexOf(nature)][0]);
    return result;
}

// Writes the totals, the profit or loss and the results by nature; false when
// one of them cannot be computed, and then nothing is written.
bool writeTotals(TextGrid &grid, const Sums &sums)
{
    AmountTotal total[2];
    for (int row = 1; row <= kHeadings; ++row)
        for (std::size_t side = 0; side < 2; ++side)
            total[side].add(sums.headings[std::size_t(row)][side]);
    const AmountTotal *operating = sums.natures[indexOf(Nature::Operating)].data();
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

    const AmountTotal operatingResult = net(sums, Nature::Operating);
    const AmountTotal financial = net(sums, Nature::Financial);
    AmountTotal current = operatingResult;
    current.add(financial);
    const AmountTotal exceptional = net(sums, Nature::Exceptional);
    const AmountTotal participation = net(sums, Nature::Participation);
    const AmountTotal tax = net(sums, Nature::Tax);
    AmountTotal result = current;
    for (const AmountTotal *part : {&exceptional, &participation, &tax})
        result.add(*part);
    const std::pair<const char16_t *, const AmountTotal *> natureRows[] = {
        {u"Résultat d'exploitation", &operatingResult},
        {u"Résultat financier", &financial},
        {u"Résultat courant avant impôts", &current},
        {u"Résultat exceptionnel", &exceptional},
        {u"Participation des salariés", &participation},
        {u"Impôts sur les bénéfices", &tax},
        {u"Résultat de l'exercice", &result},
    };
    static_assert(std::size(natureRows) == kLastNatureRow - kFirstNatureRow + 1);

    const AmountTotal *const checked[] = {&total[0], &total[1], &operating[0], &operating[1],
                                          &profit,   &loss,     &grand[0],     &grand[1]};
    for (const AmountTotal *t : checked)
        if (!t->computed())
            return false;
    for (const auto &[caption, amount] : natureRows)
        if (!amount->computed())
            return false;

    for (int side = 0; side < 2; ++side) {
        const int column = side == 0 ? 1 : 3;
        grid.set(kOperatingTotalRow, column, aligned(operating[side]));
        grid.set(kTotalRow, column, aligned(total[side]));
    }
    if (gain)
        grid.set(kResultRow, 1, aligned(profit));
    else
        grid.set(kResultRow, 3, aligned(loss));
    grid.set(kGrandTotalRow, 1, aligned(grand[0]));
    grid.set(kGrandTotalRow, 3, aligned(grand[1]));
    int row = kFirstNatureRow;
    for (const auto &[caption, amount] : natureRows) {
        grid.set(row, 0, QString::fromUtf16(caption));
        grid.set(row, 1, aligned(*amount));
        ++row;
    }
    return true;
}

} // namespace

std::optional<IncomeHeading> incomeHeadingOf(std::string_view account)
{
    const HeadingRule *best = nullptr;
    for (const HeadingRule &rule : kHeadingRules)
        if (account.starts_with(rule.prefix) && (!best || rule.prefix.size() > best->prefix.size()))
            best = &rule;
    if (!best)
        return std::nullopt;
    return best->heading;
}

QString LitResultat(PeriodPage &page, const LineList &lines)
{
    TextGrid &grid = page.grid;
    grid.clearRows(1, 0, 3);
    writeStatementCaptions(grid);

    Sums sums;
    const PeriodBalances balances(lines, page.from, page.to);
    for (const PeriodAccount &account : balances.accounts()) {
        const std::optional<IncomeHeading> heading = incomeHeadingOf(account.code);
        if (!heading || !account.read)
            continue;
        const std::size_t side = heading->charge ? 0 : 1;
        // A charge is what its accounts were debited beyond their credits, a
        // product what they were credited beyond their debits.
        AmountTotal amount;
        if (heading->charge)
            amount.add(account.balance);
        else
            amount.subtract(account.balance);
        sums.headings[std::size_t(heading->row)][side].add(amount);
        sums.fed[std::size_t(heading->row)][side] = true;
        sums.natures[indexOf(heading->nature)][side].add(amount);
    }
    bool computed = true;
    for (int row = 1; row <= kHeadings; ++row)
        for (std::size_t side = 0; side < 2; ++side)
            if (sums.fed[std::size_t(row)][side]) {
                const AmountTotal &sum = sums.headings[std::size_t(row)][side];
                computed = computed && sum.computed();
                grid.set(row, side == 0 ? 1 : 3, aligned(sum));
            }
    computed = computed && writeTotals(grid, sums);
    grid.touch();
    if (!computed)
        return forms::totalTooLarge();
    return balances.unread().message();
}

} // namespace reports
