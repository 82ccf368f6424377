#pragma once

#include "ledger/TextGrid.h"

#include <QDate>
#include <QString>
#include <QStringList>

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

struct BalancePage : PeriodPage {
    BalancePage() : PeriodPage(32, 6) {}
    QString Edit18; // total debit
    QString Edit19; // total credit
    QString Edit13; // total of the debit balances
    QString Edit16; // total of the credit balances
};

struct ViewPages {
    ViewPages(); // writes the title rows

    MonthViewPage journal{8};   // TabSheet2, StringGrid2, ComboBox3, Edit9, Label2, Edit2, Edit8
    MonthViewPage comptes{8};   // TabSheet3, StringGrid3, ComboBox4, Edit10, Label3, Edit11, Edit12
    MonthViewPage general{6};   // TabSheet4, StringGrid4, ComboBox5, Edit17, Label4, Edit14, Edit15
    BalancePage balance;        // TabSheet5, StringGrid5, DateTimePicker1/2
    PeriodPage resultat{32, 4}; // TabSheet6, StringGrid6, DateTimePicker3/4
    PeriodPage bilan{22, 4};    // TabSheet7, StringGrid7, DateTimePicker5/6
};
