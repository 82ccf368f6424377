#include "entry/MonthGrid.h"
#include "ledger/ui/TFiche.h"

void TFiche::ModifierEcriture()
{
    run([](Fiche &f) { MonthGrid(f).StringGrid1DblClick(); });
}

void TFiche::Supprimer()
{
    run([](Fiche &f) { MonthGrid(f).Supprimer(); });
}

void TFiche::Copier()
{
    run([](Fiche &f) { MonthGrid(f).Copier(); });
}

void TFiche::Coller()
{
    run([](Fiche &f) { MonthGrid(f).Coller(); });
}

void TFiche::Pointer(bool on)
{
    run([on](Fiche &f) { MonthGrid(f).Pointer(on); });
}
