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
    const QString debit = forms::rset(QStringLiteral("Débit"));
    const QString credit = forms::rset(QStringLiteral("Crédit"));
    const QString date = QStringLiteral("Date");
    const QString compte = QStringLiteral("Compte");
    const QString journalTitle = QStringLiteral("Journal");
    for (MonthViewPage *listing : {&journal, &comptes})
        writeTitles(listing->grid, {date, compte, QStringLiteral("Libellé"), journalTitle, QStringLiteral("Pièce"), debit,
                                    credit, QString()});
    writeTitles(general.grid, {date, compte, QStringLiteral("Libellé"), journalTitle, debit, credit});
    writeTitles(balance.grid, {compte, QStringLiteral("Libellé"), debit, credit,
                               forms::rset(QStringLiteral("Solde débit")), forms::rset(QStringLiteral("Solde crédit"))});
    writeTitles(resultat.grid,
                {QStringLiteral("CHARGES (HORS TAXES)"), QString(), QStringLiteral("PRODUITS (HORS TAXES)"), QString()});
    const QString exerciceN = QStringLiteral("Exercice N");
    writeTitles(bilan.grid, {QStringLiteral("ACTIF"), exerciceN, QStringLiteral("PASSIF"), exerciceN});
}
