#include "document/ui/TFiche.h"

#include "document/YearEndCommands.h"
#include "yearend/ui/TFec.h"
#include "yearend/ui/TValidation.h"

bool TFiche::validateEntries()
{
    TValidation dialog(this);
    dialog.Init(document::proposedValidationDate(fiche_), fiche_.ledger.DebutExercice(), fiche_.ledger.FinExercice());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    bool validated = false;
    run([&](Fiche &f) { validated = document::validateEntries(f, dialog.Result()); });
    return validated;
}

bool TFiche::Cloturer()
{
    bool definitive = false;
    run([&](Fiche &f) { definitive = document::Cloturer(f); });
    return definitive;
}

void TFiche::exportFec()
{
    TFec dialog(fiche_.platform(), this);
    dialog.Init(document::rememberedSiren(fiche_));
    if (dialog.exec() != QDialog::Accepted)
        return;
    run([&](Fiche &f) { document::exportFec(f, dialog.Result()); });
}
