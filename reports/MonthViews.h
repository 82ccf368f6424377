#pragma once

#include "ledger/LineList.h"
#include "ledger/MonthLines.h"
#include "ledger/ReferenceData.h"
#include "ledger/TextForms.h"
#include "reports/ViewPages.h"

// The three views of one month (journal, general ledger, general journal),
// built from the line list. Each fills its page's grid from row 1, the name
// field from the filter text, the month title and the two totals, and gives
// back the message for the user when a total could not be made (an amount of
// the month that is not a number), empty otherwise.
namespace reports {

// Every entry of the month, or only those whose journal code (its first six
// characters) equals the filter; "Tous" lists them all.
QString LitJnl(MonthViewPage &page, const LineList &lines, int year, int month, const ReferenceData &ref);
// Every entry of the month, or only those whose account (its first six
// characters) equals the filter completed to six characters.
QString LitCpt(MonthViewPage &page, const LineList &lines, int year, int month, const ReferenceData &ref);
// One row per account of the month's entries of one journal (or of all), in
// the order the accounts are first met, with their running debit and credit
// sums and the date and journal of their last entry.
QString LitGeneral(MonthViewPage &page, const LineList &lines, int year, int month, const ReferenceData &ref);

// The entries the views list, in the order of their date lines: the month read
// as the month grid reads it (lines before the first date line join the first
// entry), cells whole.
template <class Visit>
void forEachListedEntry(const LineList &lines, int year, int month, Visit &&visit)
{
    using namespace monthlines;
    forEachEntryOfMonth(lines, forms::monthKey(year, month), Orphans::FirstRow, Cells::Whole,
                        [&](const Entry &entry) {
                            // A view lists an entry by its date line: the lines of
                            // a month that has none make a grid row, not an entry.
                            if (entry.dated())
                                visit(entry);
                        });
}

} // namespace reports
