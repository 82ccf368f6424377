#include "document/ui/TFiche.h"

#include "dialogs/ReferenceDialogs.h"
#include "dialogs/ui/TJnx.h"
#include "dialogs/ui/TPlan.h"
#include "dialogs/ui/TSociete.h"

void TFiche::Psoc()
{
    TSociete dialog(this);
    dialog.Init(fiche_.ref.Societe);
    dialog.exec();
    run([&](Fiche &f) { dialogs::Psoc(f.ref, dialog.form()); });
}

void TFiche::Plc()
{
    TPlan dialog(*fiche_.platform().messages, this);
    dialog.Init(fiche_.ref.ListePlc);
    dialog.exec();
    run([&](Fiche &f) { dialogs::Plc(f.ref, dialog.editor()); });
}

void TFiche::Journaux()
{
    TJnx dialog(*fiche_.platform().messages, this);
    dialog.Init(fiche_.ref.ListeJnx);
    dialog.exec();
    run([&](Fiche &f) { dialogs::Journaux(f.ref, dialog.editor()); });
}
