#include "document/ui/TFiche.h"

#include "reference/ui/TJnx.h"
#include "reference/ui/TPlan.h"
#include "reference/ui/TSociete.h"
#include "document/ReferenceCommands.h"
#include "entry/ui/TParams.h"

void TFiche::Psoc()
{
    TSociete dialog(this);
    dialog.Init(fiche_.ledger.ref.Societe);
    dialog.exec();
    run([&](Fiche &f) { document::Psoc(f, dialog.form()); });
}

void TFiche::Plc()
{
    TPlan dialog(*fiche_.platform().messages, this);
    dialog.Init(fiche_.ledger.ref.ListePlc);
    dialog.exec();
    run([&](Fiche &f) { document::Plc(f, dialog.editor()); });
}

void TFiche::Journaux()
{
    TJnx dialog(*fiche_.platform().messages, this);
    dialog.Init(fiche_.ledger.ref.ListeJnx);
    dialog.exec();
    run([&](Fiche &f) { document::Journaux(f, dialog.editor()); });
}

void TFiche::Guides()
{
    TParams dialog(this);
    dialog.Init(guides::of(fiche_.ledger.ref), fiche_.ledger.ref.ListePlc, fiche_.ledger.ref.ListeJnx);
    dialog.exec();
    run([&](Fiche &f) { document::Guides(f, dialog.form()); });
}
