#include "reports/ViewPages.h"

#include "ledger/TextForms.h"

#include <initializer_list>

namespace {

void writeTitles(TextGrid &grid, std::initializer_list<QString> titles)
{
    int col = 0;
    for (const QString &title : titles)
        grid.set(0, col++, title);
    grid.touch();
}

} // namespace

ViewPages::ViewPages()
{
    // Titles of amount columns are right-aligned like the amounts under them.
    const QString debit = forms::Rset(QStringLiteral("Débit"));
    const QString credit = forms::Rset(QStringLiteral("Crédit"));
    const QString date = QStringLiteral("Date");
    const QString account = QStringLiteral("Compte");
    const QString journalTitle = QStringLiteral("Journal");
    for (MonthViewPage *listing : {&journal, &generalLedger})
        writeTitles(listing->grid, {date, account, QStringLiteral("Libellé"), journalTitle, QStringLiteral("Pièce"), debit,
                                    credit, QString()});
    writeTitles(generalJournal.grid, {date, account, QStringLiteral("Libellé"), journalTitle, debit, credit});
    writeTitles(balance.grid, {account, QStringLiteral("Libellé"), debit, credit,
                               forms::Rset(QStringLiteral("Solde débit")), forms::Rset(QStringLiteral("Solde crédit"))});
    writeTitles(incomeStatement.grid,
                {QStringLiteral("CHARGES (HORS TAXES)"), QString(), QStringLiteral("PRODUITS (HORS TAXES)"), QString()});
    const QString yearN = QStringLiteral("Exercice N");
    writeTitles(balanceSheet.grid, {QStringLiteral("ACTIF"), QStringLiteral("Brut"), QStringLiteral("Amortissements et provisions"),
                                    QStringLiteral("Net"), QStringLiteral("PASSIF"), yearN});
}
