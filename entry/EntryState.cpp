#include "entry/EntryState.h"

#include "entry/MonthTotals.h"

void EntryState::Raz()
{
    panel = EntryPanel{};
    panel.journal = JournalCourant;
}

QString EntryState::Total(const TextGrid &monthGrid)
{
    const MonthTotals totals = monthTotals(monthGrid);
    monthDebitTotal = totals.debit;
    monthCreditTotal = totals.credit;
    monthBalanced = totals.balanced;
    return totals.error;
}

QString EntryState::monthRead(const QString &caption, const TextGrid &monthGrid)
{
    monthCaption = caption;
    const QString error = Total(monthGrid);
    ModeModif = false;
    focus = Focus::Date;
    Raz();
    return error;
}
