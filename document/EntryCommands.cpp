#include "document/EntryCommands.h"

#include "document/Fiche.h"
#include "entry/MonthGrid.h"

namespace document {
namespace {

MonthGrid monthGrid(Fiche &fiche)
{
    return MonthGrid(fiche.ledger, fiche.entry);
}

} // namespace

void modifySelected(Fiche &fiche)
{
    monthGrid(fiche).modifySelected();
}

void Supprimer(Fiche &fiche)
{
    if (fiche.ActivePage == Page::Saisie)
        monthGrid(fiche).Supprimer();
}

void Copier(Fiche &fiche)
{
    monthGrid(fiche).Copier();
}

void Coller(Fiche &fiche)
{
    monthGrid(fiche).Coller();
}

void Pointer(Fiche &fiche, bool on)
{
    monthGrid(fiche).Pointer(on);
}

} // namespace document
