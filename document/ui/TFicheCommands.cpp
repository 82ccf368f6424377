#include "document/ExchangeCommands.h"
#include "document/PrintCommands.h"
#include "document/ReportCommands.h"
#include "document/ui/TFiche.h"
#include "printing/ui/TEnveloppes.h"

void TFiche::ModifierEcriture() { run([](Fiche &f) { f.ModifierEcriture(); }); }
void TFiche::Supprimer() { run([](Fiche &f) { f.Supprimer(); }); }
void TFiche::Copier() { run([](Fiche &f) { f.Copier(); }); }
void TFiche::Coller() { run([](Fiche &f) { f.Coller(); }); }
void TFiche::Pointer(bool on) { run([on](Fiche &f) { f.Pointer(on); }); }

void TFiche::Journal() { run(document::Journal); }
void TFiche::Comptes() { run(document::Comptes); }
void TFiche::General() { run(document::General); }
void TFiche::Balance() { run(document::Balance); }
void TFiche::Resultat() { run(document::Resultat); }
void TFiche::Bilan() { run(document::Bilan); }

void TFiche::Importer() { run(document::Importer); }
void TFiche::ExportMois() { run(document::ExportMois); }
void TFiche::ExportJournal() { run(document::ExportJournal); }
void TFiche::Rechercher() { run(document::Rechercher); }
void TFiche::RContinuer() { run(document::RContinuer); }
void TFiche::Enveloppe()
{
    EnvelopeAddressDialog dialog(this);
    run([&dialog](Fiche &f) { document::Enveloppe(f, dialog); });
}
