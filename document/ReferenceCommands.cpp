#include "document/ReferenceCommands.h"

#include "reference/ReferenceDialogs.h"
#include "document/Fiche.h"
#include "entry/EntryGuides.h"

namespace document {

void Psoc(Fiche &fiche, const SocieteForm &form)
{
    if (dialogs::Psoc(fiche.ledger.ref, form))
        fiche.ledger.SauveSoc();
}

void Plc(Fiche &fiche, const ChartEditor &editor)
{
    dialogs::Plc(fiche.ledger.ref, editor);
    fiche.ledger.SauvePlc();
}

void Journaux(Fiche &fiche, const JournalEditor &editor)
{
    dialogs::Journaux(fiche.ledger.ref, editor);
    fiche.ledger.SauveCombo();
}

void Guides(Fiche &fiche, const GuidesForm &form)
{
    GuideValues values;
    form.Result(values);
    guides::set(fiche.ledger.ref, values);
    fiche.ledger.SauveIni();
}

} // namespace document
