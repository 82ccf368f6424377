#include "entry/EntryState.h"

#include "entry/MonthTotals.h"

void EntryState::Raz()
{
    panel = EntryPanel{};
    panel.journal = JournalCourant;
}

void EntryState::Total(const TextGrid &monthGrid)
{
    const MonthTotals totals = monthTotals(monthGrid);
    monthDebitTotal = totals.debit;
    monthCreditTotal = totals.credit;
}

void EntryState::monthRead(const QString &caption, const TextGrid &monthGrid)
{
    monthCaption = caption;
    Total(monthGrid);
    ModeModif = false;
    focus = Focus::Date;
    Raz();
}
