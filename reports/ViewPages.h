#pragma once

#include "ledger/MonthLines.h"
#include "ledger/TextGrid.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

// What the six read-only pages of the document window show: each page's grid
// and the texts of its controls. Row 0 of every grid holds the column titles,
// written once when the pages are created; rebuilds fill rows 1 onwards.

// A view of the current month: journal, general ledger or general journal.
struct MonthViewPage {
    explicit MonthViewPage(int cols) : grid(32, cols) {}
    TextGrid grid;
    QStringList filterItems; // the filter combo's list, "Tous" first
    QString filter;          // the filter combo's text
    QString name;            // journal name or account label
    QString title;           // month caption
    QString totalDebit;
    QString totalCredit;
};

// A statement over two dates: balance, income statement, balance sheet.
struct PeriodPage {
    PeriodPage(int rows, int cols) : grid(rows, cols) {}
    TextGrid grid;
    QDate from;
    QDate to;
};

// The order of the balance's rows: as the entries first name the accounts, or
// by account code; the subtotals of each class need the code order and so
// bring it along, and leaving the code order drops them.
class BalanceOrder {
public:
    bool byAccount() const { return byAccount_; }
    bool classSubtotals() const { return classSubtotals_; }
    void setByAccount(bool on)
    {
        byAccount_ = on;
        classSubtotals_ = classSubtotals_ && on;
    }
    void setClassSubtotals(bool on)
    {
        classSubtotals_ = on;
        byAccount_ = byAccount_ || on;
    }

private:
    bool byAccount_ = false;
    bool classSubtotals_ = false;
};

struct BalancePage : PeriodPage {
    BalancePage() : PeriodPage(32, 6) {}
    BalanceOrder order;
    std::vector<int> subtotalRows; // the rows "Total classe X", which the totals leave out
    QString totalDebit;
    QString totalCredit;
    QString totalDebitBalances;
    QString totalCreditBalances;
};

// A position at the date `to`; `from` is the fiscal year's first day, where
// the balance sheet always starts.
struct BalanceSheetPage : PeriodPage {
    BalanceSheetPage() : PeriodPage(22, 6) {}
    QString unassigned; // the line naming the accounts that feed no row; empty when all do
};

struct ViewPages {
    ViewPages(); // writes the title rows

    MonthViewPage journal{monthlines::kEntryColumnCount};       // journal of the month (`Journal`)
    MonthViewPage generalLedger{monthlines::kEntryColumnCount}; // the month's entries of one account (`Comptes`)
    MonthViewPage generalJournal{6};   // the month's accounts of one journal (`General`)
    BalancePage balance;               // balance of accounts (`Balance`)
    PeriodPage incomeStatement{32, 4}; // `Resultat`
    BalanceSheetPage balanceSheet;     // `Bilan`
};
