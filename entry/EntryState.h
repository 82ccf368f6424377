#pragma once

#include "entry/EntryPanel.h"
#include "ledger/TextGrid.h"

#include <QString>

// Where the entry page must put the keyboard focus after an operation.
enum class Focus { None, Date, Account, Label, Journal, Voucher, Debit, Credit };

// What the entry page holds besides the month grid: the entry line's texts,
// what the next line is proposed, the line being modified, the check-off
// mode, the copied line, the row selected in the grid, and the month's
// caption and totals under the grid.
struct EntryState {
    EntryPanel panel;
    QString DernierLibelle;
    QString DerniereDate;
    QString JournalCourant;
    bool ModeModif = false;
    int LigneModif = -1;
    bool ModePointage = false;
    EntryPanel EcritureCopiee{QString(), {}, {}, {}, {}, {}, {}};
    int selectedRow = 0;
    QString monthCaption;
    QString monthDebitTotal;
    QString monthCreditTotal;
    bool monthBalanced = true; // shown at a glance under the grid
    Focus focus = Focus::None; // consumed by the entry page

    // Empties the entry line; the journal stays the current one.
    void Raz();
    // The month's debit and credit totals, from the grid; what the user must
    // be told when they cannot be made (the totals are then empty).
    QString Total(const TextGrid &monthGrid);
    // A month was read into the grid: its caption and totals, a new line
    // ready in the date field. Gives back what `Total` gives.
    QString monthRead(const QString &caption, const TextGrid &monthGrid);
};
