#include "document/ReferenceCommands.h"

#include "reference/ReferenceDialogs.h"
#include "document/Fiche.h"
#include "entry/EntryGuides.h"

namespace document {

void Psoc(Fiche &fiche, const SocieteForm &form)
{
    if (dialogs::Psoc(fiche.ref, form))
        fiche.SauveSoc();
}

void Plc(Fiche &fiche, const PlanEditor &editor)
{
    dialogs::Plc(fiche.ref, editor);
    fiche.SauvePlc();
}

void Journaux(Fiche &fiche, const JournalEditor &editor)
{
    dialogs::Journaux(fiche.ref, editor);
    fiche.SauveCombo();
}

void Guides(Fiche &fiche, const GuidesForm &form)
{
    GuideValues values;
    form.Result(values);
    guides::set(fiche.ref, values);
    fiche.SauveIni();
}

} // namespace document
