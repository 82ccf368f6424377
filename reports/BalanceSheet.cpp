#include "reports/BalanceSheet.h"


namespace reports {
namespace {

struct SheetRow {
    int row;
    const char16_t *actif;
    const char16_t *passif;
};

const SheetRow kRows[] = {
    {1, u"Actif immobilisé", u"Capitaux propres"},
    {2, u"Immobilisations incorporelles", u"Capital"},
    {3, u"Immobilisations corporelles", u"Écart de réévaluation"},
    {4, u"Immobilisations financières", u"Réserves réglementaires"},
    {5, u"Total I", u"Autres réserves"},
    {6, u"", u"Report à nouveau"},
    {7, u"Actif circulant", u"Résultat de l'exercice"},
    {8, u"Stocks et en-cours", u"Provisions réglementées"},
    {9, u"Avances et acomptes versés", u"Total I"},
    {10, u"Créances", u""},
    {11, u"Valeurs mobilières", u"Provisions pour risques et charges (II)"},
    {12, u"Disponibilités", u"Emprunts et dettes"},
    {13, u"Charges constatées d'avance", u"Avances et acomptes reçus"},
    {14, u"Total II", u"Fournisseurs et comptes rattachés"},
    {15, u"", u"Autres dettes"},
    {16, u"", u"Produits constatés d'avance"},
    {17, u"", u"Total III"},
    {19, u"TOTAL GÉNÉRAL I+II", u"TOTAL GÉNÉRAL I+II+III"},
};

} // namespace

void LitBilan(PeriodPage &page)
{
    TextGrid &grid = page.grid;
    grid.clearRows(1, 0, 3);
    for (const SheetRow &r : kRows) {
        grid.set(r.row, 0, QString::fromUtf16(r.actif));
        grid.set(r.row, 2, QString::fromUtf16(r.passif));
    }
    grid.touch();
}

} // namespace reports
