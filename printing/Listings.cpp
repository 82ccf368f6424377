#include "printing/Listings.h"

#include "ledger/TextForms.h"
#include "printing/Listing.h"
#include "reports/ViewPages.h"

#include <algorithm>

namespace printing {

namespace {

// Rows of the views start under their title row.
constexpr int firstViewRow = 1;

std::vector<ListingColumn> entryColumns()
{
    // The voucher and the debit share the 36 mm before the debit's right
    // edge: amounts of seven digits before the comma still fit whole, and so
    // do vouchers of ten characters ("F2026-0042", "CHQ0001234"), the
    // journal's short codes leaving them the room.
    return {{0, 0, 20, QStringLiteral("Date")},         {1, 20, 20, QStringLiteral("Compte")},
            {2, 40, 70, QStringLiteral("Libellé")},     {3, 110, 14, QStringLiteral("Journal")},
            {4, 124, 19, QStringLiteral("Pièce")},      {5, 160, 17, QStringLiteral("Débit"), true},
            {6, 190, 30, QStringLiteral("Crédit"), true}};
}

QString monthTitle(const QString &start, const QString &monthName, int year)
{
    return start + monthName + u' ' + QString::number(year);
}

Listing viewListing(const MonthViewPage &view, QString title, std::vector<ListingColumn> columns)
{
    return {std::move(title), std::move(columns), firstViewRow, view.grid.rowCount(), true};
}

} // namespace

bool ImpJnl(Printer &printer, const TextGrid &entryGrid, int lineCount, const QString &monthName, int year)
{
    const Listing listing{monthTitle(QStringLiteral("Journal de "), monthName, year), entryColumns(), 0,
                          std::max(lineCount, 0)};
    return printListing(printer, entryGrid, listing);
}

bool ImpJournal(Printer &printer, const MonthViewPage &journal, const QString &monthName, int year)
{
    return printListing(printer, journal.grid,
                        viewListing(journal, monthTitle(QStringLiteral("Journal de "), monthName, year), entryColumns()));
}

bool ImpGL(Printer &printer, const MonthViewPage &generalLedger, const QString &monthName, int year)
{
    const QString title = monthTitle(QStringLiteral("Grand Livre de "), monthName, year) + QStringLiteral("  Compte ") +
                          generalLedger.filter + QStringLiteral("  ") + generalLedger.name;
    return printListing(printer, generalLedger.grid, viewListing(generalLedger, title, entryColumns()));
}

bool ImpGeneral(Printer &printer, const MonthViewPage &general, const QString &monthName, int year)
{
    const QString title = monthTitle(QStringLiteral("Journal Général de "), monthName, year) +
                          QStringLiteral("  Journal ") + general.filter + QStringLiteral("  ") + general.name;
    const std::vector<ListingColumn> columns{{0, 0, 20, QStringLiteral("Date")},
                                             {1, 20, 20, QStringLiteral("Compte")},
                                             {2, 40, 80, QStringLiteral("Libellé")},
                                             {3, 120, 20, QStringLiteral("Journal")},
                                             {4, 160, 20, QStringLiteral("Débit"), true},
                                             {5, 190, 30, QStringLiteral("Crédit"), true}};
    return printListing(printer, general.grid, viewListing(general, title, columns));
}

bool ImpBalance(Printer &printer, const BalancePage &balance)
{
    const QString title = QStringLiteral("Balance du ") + forms::formatDate(balance.from) + QStringLiteral("  au ") +
                          forms::formatDate(balance.to);
    const std::vector<ListingColumn> columns{{0, 0, 20, QStringLiteral("Compte")},
                                             {1, 20, 60, QStringLiteral("Libellé")},
                                             {2, 100, 20, QStringLiteral("Débit"), true},
                                             {3, 130, 30, QStringLiteral("Crédit"), true},
                                             {4, 160, 30, QStringLiteral("Solde débit"), true},
                                             {5, 190, 30, QStringLiteral("Solde crédit"), true}};
    return printListing(printer, balance.grid,
                        {title, columns, firstViewRow, balance.grid.rowCount(), true, balance.subtotalRows});
}

} // namespace printing
