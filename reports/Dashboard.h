#pragma once

#include "ledger/AmountTotal.h"
#include "ledger/Header.h"
#include "ledger/LineList.h"

#include <QDate>
#include <QString>
#include <array>
#include <optional>
#include <string_view>
#include <vector>

// The year at a glance: the figures the dashboard draws and `tavelin-cli
// tableau-de-bord` lists, from the entries of the fiscal year
// (ledger/YearEntries.h), all of them in one walk over the lines.
namespace reports {

// One month of the fiscal year.
struct DashboardMonth {
    int year = 0;
    int month = 0;
    AmountTotal sales;    // accounts 70: credit − debit
    AmountTotal charges;  // class 6: debit − credit
    AmountTotal result;   // class 7 (credit − debit) less class 6
    // Accounts 51 and 53, debit − credit, from the year's first day to the
    // month's last, the opening entries included.
    AmountTotal treasury;
};

// The groups of the year's charges, in the order they are shown.
enum class ChargeGroup { Purchases, ExternalServices, Taxes, Staff, Others };
inline constexpr std::size_t kChargeGroups = 5;

// The group of a class 6 account: 60, 61–62, 63, 64, the rest of the class
// (65 to 69, so that the groups add up to the year's charges); nothing for
// any other account.
std::optional<ChargeGroup> chargeGroupOf(std::string_view account);
// "Achats", "Services extérieurs", "Impôts et taxes", "Personnel", "Autres charges".
QString chargeGroupCaption(ChargeGroup group);

struct Dashboard {
    // The fiscal year's first and last days.
    QDate yearStart;
    QDate yearEnd;
    // Every month of the fiscal year, in order, those without entries too.
    std::vector<DashboardMonth> months;
    // The cash accounts in the opening entries (journal "AN" on the year's
    // first day): where the treasury line starts.
    AmountTotal openingTreasury;
    // The cash accounts on `treasuryDay`: the day asked for, brought within
    // the fiscal year.
    AmountTotal treasuryToday;
    QDate treasuryDay;
    // The year's charges by group, opening entries left out as in `months`.
    std::array<AmountTotal, kChargeGroups> chargeGroups;
    // What the customers owe: the debit balances of the accounts 411…, each
    // account apart; what is owed to the suppliers: the credit balances of
    // the accounts 401…. The opening entries count.
    AmountTotal receivable;
    AmountTotal payable;
    // For the user: a total past what amounts can hold, or amounts that are
    // no number (counted as zero); empty when every figure is whole.
    QString message;
};

// A part of what the customers owe and of what is owed to the suppliers: a
// segment of each side's bar and a column of their table, on the page and on
// paper. The balances whole make one part; a split by age makes one per age.
struct OutstandingPart {
    QString caption;
    AmountTotal receivable;
    AmountTotal payable;
};

// The figures of the fiscal year. The sales, charges and results of a month
// leave out the opening entries, which carry the balances over and are no
// activity of the year's first month; the balances (treasury, customers,
// suppliers) take them in.
Dashboard dashboardOf(const LineList &lines, const FiscalYear &year, QDate today);

// An amount as the dashboard shows it, French fashion: "12 345,60",
// "-1 200,00" (a narrow no-break space between thousands); empty when the
// total cannot be computed.
QString dashboardAmount(const AmountTotal &amount);

} // namespace reports
