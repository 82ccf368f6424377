#include "reports/BalanceSheet.h"

#include "ledger/AmountTotal.h"
#include "ledger/Codec1252.h"
#include "ledger/TextForms.h"
#include "reports/PeriodBalances.h"

#include <array>
#include <string_view>
#include <vector>

namespace reports {
namespace {

// The assets show three figures: gross, write-downs and net.
constexpr int kGross = 1;
constexpr int kWriteDowns = 2;
constexpr int kAssets = 3; // the net figure, which the totals and the gap compare
constexpr int kLiabilitiesCaption = 4;
constexpr int kLiabilities = 5;
constexpr int kGapRow = 21;

struct SheetRow {
    int row;
    const char16_t *assets;
    const char16_t *liabilities;
};

const SheetRow kCaptions[] = {
    {1, u"Actif immobilisé", u"Capitaux propres"},
    {2, u"Immobilisations incorporelles", u"Capital"},
    {3, u"Immobilisations corporelles", u"Écart de réévaluation"},
    {4, u"Immobilisations financières", u"Réserves réglementées"},
    {5, u"Total I", u"Autres réserves"},
    {6, u"", u"Report à nouveau"},
    {7, u"Actif circulant", u"Résultat de l'exercice"},
    {8, u"Stocks et en-cours", u"Provisions réglementées"},
    {9, u"Avances et acomptes versés", u"Total I"},
    {10, u"Créances", u""},
    {11, u"Valeurs mobilières", u"Provisions pour risques et charges (II)"},
    {12, u"Disponibilités", u"Emprunts et dettes"},
    {13, u"Charges constatées d'avance", u"Avances et acomptes reçus"},
    {14, u"Total II", u"Fournisseurs et comptes rattachés"},
    {15, u"", u"Autres dettes"},
    {16, u"", u"Produits constatés d'avance"},
    {17, u"", u"Total III"},
    {19, u"TOTAL GÉNÉRAL I+II", u"TOTAL GÉNÉRAL I+II+III"},
};

// A figure of the sheet: its row and its column.
struct Cell {
    int row;
    int column;
};

// Where the accounts beginning with a prefix go, by the sign of their balance.
struct Rule {
    std::string_view prefix;
    Cell debit;
    Cell credit;
};

constexpr Cell A(int row) { return {row, kAssets}; }
constexpr Cell P(int row) { return {row, kLiabilities}; }

// The longest prefix that begins an account's code names its row.
constexpr Rule kRules[] = {
    {"1", P(12), P(12)},    {"10", P(2), P(2)},     {"105", P(3), P(3)},    {"106", P(5), P(5)},
    {"1064", P(4), P(4)},   {"11", P(6), P(6)},     {"12", P(7), P(7)},     {"13", P(8), P(8)},
    {"14", P(8), P(8)},     {"15", P(11), P(11)},   {"2", A(3), A(3)},      {"20", A(2), A(2)},
    {"280", A(2), A(2)},    {"290", A(2), A(2)},    {"25", A(4), A(4)},     {"26", A(4), A(4)},
    {"27", A(4), A(4)},     {"296", A(4), A(4)},    {"297", A(4), A(4)},    {"3", A(8), A(8)},
    {"4", A(10), P(15)},    {"40", A(10), P(14)},   {"4091", A(9), A(9)},   {"4191", P(13), P(13)},
    {"486", A(13), A(13)},  {"487", P(16), P(16)},  {"49", A(10), A(10)},   {"5", A(12), P(12)},
    {"50", A(11), A(11)},   {"59", A(11), A(11)},   {"6", P(7), P(7)},      {"7", P(7), P(7)},
};

// The accounts that write an asset down (depreciation, impairment): their
// credit balance goes to the write-downs of the row their asset feeds.
constexpr std::string_view kWriteDownPrefixes[] = {"28", "29", "39", "49", "59"};

bool writesDown(std::string_view code)
{
    for (std::string_view prefix : kWriteDownPrefixes)
        if (code.starts_with(prefix))
            return true;
    return false;
}

// The rule of a code; nothing for a code outside classes 1 to 7.
const Rule *ruleOf(std::string_view code)
{
    const Rule *best = nullptr;
    for (const Rule &rule : kRules)
        if (code.starts_with(rule.prefix) && (!best || rule.prefix.size() > best->prefix.size()))
            best = &rule;
    return best;
}

// The rows of the totals, each the sum of the rows given.
struct TotalRow {
    Cell total;
    std::vector<int> rows;
};

const TotalRow kTotals[] = {
    {A(5), {2, 3, 4}},
    {A(14), {8, 9, 10, 11, 12, 13}},
    {A(19), {5, 14}},
    {P(9), {2, 3, 4, 5, 6, 7, 8}},
    {P(17), {12, 13, 14, 15, 16}},
    {P(19), {9, 11, 17}},
};

// Every cell that shows a figure: the accounts' rows and the totals.
constexpr Cell kFigures[] = {
    A(2), A(3),  A(4),  A(5),  A(8),  A(9),  A(10), A(11), A(12), A(13), A(14), A(19), P(2),  P(3),
    P(4), P(5),  P(6),  P(7),  P(8),  P(9),  P(11), P(12), P(13), P(14), P(15), P(16), P(17), P(19),
};

// The sums of the sheet, per cell; an assets cell holds its gross amount and
// its write-downs, its net figure being the difference.
class Figures {
public:
    AmountTotal &at(Cell cell) { return sums_[std::size_t(cell.row)][cell.column == kAssets ? kGrossSum : kLiabilitySum]; }
    AmountTotal &writeDowns(int row) { return sums_[std::size_t(row)][kWriteDownSum]; }
    AmountTotal net(int row)
    {
        AmountTotal value = at(A(row));
        value.subtract(writeDowns(row));
        return value;
    }

private:
    static constexpr std::size_t kGrossSum = 0, kWriteDownSum = 1, kLiabilitySum = 2;
    std::array<std::array<AmountTotal, 3>, 20> sums_{};
};

QString signedBalance(const AmountTotal &balance)
{
    const Cents value = balance.value();
    return value > 0 ? QStringLiteral("solde débiteur %1").arg(forms::formatAmount(value))
                     : QStringLiteral("solde créditeur %1").arg(forms::formatAmount(-value));
}

// Names at most this many accounts; the line says how many more there are.
constexpr int kNamed = 8;

// The line under the sheet: the accounts that feed no row and, when the
// period's debits and credits differ, by how much.
QString unassignedLine(const std::vector<const PeriodAccount *> &outside, const AmountTotal &imbalance)
{
    QStringList named;
    for (const PeriodAccount *account : outside) {
        if (named.size() == kNamed) {
            named.append(QStringLiteral("et %1 autres").arg(outside.size() - kNamed));
            break;
        }
        const QString code = account->code.empty() ? QStringLiteral("sans compte") : cp1252::decode(account->code);
        named.append(QStringLiteral("%1 (%2)").arg(code, signedBalance(account->balance)));
    }
    const QString difference = forms::formatAmount(imbalance.value());
    if (named.isEmpty())
        return imbalance.value() == 0 ? QString()
                                      : QStringLiteral("Tous les comptes ont leur ligne au bilan, mais les débits et les "
                                                       "crédits de la période diffèrent de %1.")
                                            .arg(difference);
    QString line = QStringLiteral("Comptes hors des classes 1 à 7, sans ligne au bilan : %1.")
                       .arg(named.join(QStringLiteral(", ")));
    if (imbalance.value() != 0)
        line += QStringLiteral(" Les débits et les crédits de la période diffèrent de %1.").arg(difference);
    return line;
}

void writeSheetCaptions(TextGrid &grid)
{
    for (const SheetRow &r : kCaptions) {
        grid.set(r.row, 0, QString::fromUtf16(r.assets));
        grid.set(r.row, kLiabilitiesCaption, QString::fromUtf16(r.liabilities));
    }
}

} // namespace

QString balanceSheetDateRefusal(QDate at, const FiscalYear &year)
{
    if (at.isValid() && at >= year.start && at <= year.end)
        return {};
    return QStringLiteral("Le bilan se fait à une date de l'exercice, du %1 au %2 : il part toujours du premier jour "
                          "de l'exercice, à-nouveaux compris.")
        .arg(forms::formatDate(year.start), forms::formatDate(year.end));
}

QString LitBilan(BalanceSheetPage &page, const LineList &lines, const FiscalYear &year)
{
    TextGrid &grid = page.grid;
    grid.clearRows(1);
    writeSheetCaptions(grid);
    page.unassigned.clear();
    page.from = year.start;
    if (QString refusal = balanceSheetDateRefusal(page.to, year); !refusal.isEmpty()) {
        grid.touch();
        return refusal;
    }

    const PeriodBalances balances(lines, page.from, page.to);
    Figures figures;
    AmountTotal imbalance; // debits minus credits of every account
    bool computed = true;
    std::vector<const PeriodAccount *> outside;
    for (const PeriodAccount &account : balances.accounts()) {
        const AmountTotal &balance = account.balance;
        computed = computed && balance.computed();
        imbalance.add(balance);
        if (balance.value() == 0)
            continue;
        const Rule *rule = ruleOf(account.code);
        if (!rule) {
            outside.push_back(&account);
            continue;
        }
        const Cell cell = balance.value() > 0 ? rule->debit : rule->credit;
        if (cell.column != kAssets)
            figures.at(cell).subtract(balance);
        else if (writesDown(account.code))
            figures.writeDowns(cell.row).subtract(balance);
        else
            figures.at(cell).add(balance);
    }
    for (const TotalRow &total : kTotals)
        for (int row : total.rows) {
            figures.at(total.total).add(figures.at({row, total.total.column}));
            if (total.total.column == kAssets)
                figures.writeDowns(total.total.row).add(figures.writeDowns(row));
        }
    AmountTotal gap = figures.net(19);
    gap.subtract(figures.at(P(19)));
    for (const Cell cell : kFigures)
        computed = computed && figures.at(cell).computed() &&
                   (cell.column != kAssets || figures.net(cell.row).computed());
    if (!computed || !gap.computed() || !imbalance.computed()) {
        grid.touch();
        return forms::totalTooLarge();
    }

    for (const Cell cell : kFigures) {
        if (cell.column != kAssets) {
            grid.set(cell.row, cell.column, forms::Rset(figures.at(cell).text()));
            continue;
        }
        grid.set(cell.row, kGross, forms::Rset(figures.at(cell).text()));
        grid.set(cell.row, kWriteDowns, forms::Rset(figures.writeDowns(cell.row).text()));
        grid.set(cell.row, kAssets, forms::Rset(figures.net(cell.row).text()));
    }
    if (gap.value() != 0) {
        grid.set(kGapRow, 0, QStringLiteral("Écart"));
        grid.set(kGapRow, kAssets, forms::Rset(gap.text()));
    }
    page.unassigned = unassignedLine(outside, imbalance);
    grid.touch();
    return balances.unread().message();
}

} // namespace reports
