#pragma once

#include <QString>

class Printer;
class TextGrid;
struct BalancePage;
struct MonthViewPage;

// The five listings of the document window's pages, each one print job
// printed from the texts its grid holds. Each gives false when the printer
// refused the job.
namespace printing {

// The entry grid of the month: its first `lineCount` rows.
bool ImpJnl(Printer &printer, const TextGrid &entryGrid, int lineCount, const QString &monthName, int year);
// The journal, general ledger and general journal views of the month, down to
// their first blank row.
bool ImpJournal(Printer &printer, const MonthViewPage &journal, const QString &monthName, int year);
bool ImpGL(Printer &printer, const MonthViewPage &generalLedger, const QString &monthName, int year);
bool ImpGeneral(Printer &printer, const MonthViewPage &general, const QString &monthName, int year);
// The balance of accounts over its two dates.
bool ImpBalance(Printer &printer, const BalancePage &balance);

} // namespace printing
