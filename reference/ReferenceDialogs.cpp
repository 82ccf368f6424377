#include "reference/ReferenceDialogs.h"

#include "reference/JournalEditor.h"
#include "reference/ChartEditor.h"
#include "reference/SocieteForm.h"
#include "ledger/ReferenceData.h"

namespace dialogs {

void Plc(ReferenceData &ref, const ChartEditor &editor)
{
    QStringList chart;
    editor.Result(chart);
    ref.ListePlc = chart;
    reference::InitPlc(ref);
    ref.PlanModifie = true;
}

void Journaux(ReferenceData &ref, const JournalEditor &editor)
{
    QStringList journals;
    editor.Result(journals);
    ref.ListeJnx = journals;
    reference::InitJnx(ref);
}

bool Psoc(ReferenceData &ref, const SocieteForm &form)
{
    std::array<QString, 7> lines = ref.Societe;
    form.Result(lines);
    if (lines[0].isEmpty())
        return false;
    ref.Societe = lines;
    return true;
}

} // namespace dialogs
