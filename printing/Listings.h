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

// The entry grid of the month: its first `nbLignes` rows.
bool ImpJnl(Printer &printer, const TextGrid &entryGrid, int nbLignes, const QString &nomMois, int annee);
// The journal, general ledger and general journal views of the month, down to
// their first blank row.
bool ImpJournal(Printer &printer, const MonthViewPage &journal, const QString &nomMois, int annee);
bool ImpGL(Printer &printer, const MonthViewPage &comptes, const QString &nomMois, int annee);
bool ImpGeneral(Printer &printer, const MonthViewPage &general, const QString &nomMois, int annee);
// The balance of accounts over its two dates.
bool ImpBalance(Printer &printer, const BalancePage &balance);

} // namespace printing
