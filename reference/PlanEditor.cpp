#include "reference/PlanEditor.h"

#include "ledger/TextForms.h"

PlanEditor::PlanEditor(Messages &messages)
    : ListEditor(messages, Traits{CodeList::Kind::Chart, 6, true, true, QStringLiteral(" NN "), QStringLiteral("Ce compte existe déjà"),
                                  QStringLiteral("Compte déjà utilisé ne peut être supprimé")})
{
}

QString PlanEditor::finishedCode(const QString &typed) const
{
    return forms::completeAccount(typed);
}

void PlanEditor::readFlags(const CodeList &entries, qsizetype index)
{
    pointableBox = entries.isPointable(index);
}

QString PlanEditor::changedEntry(const QString &code, const QString &used, const QString &label) const
{
    // A changed account that is not pointable loses its second flag
    // altogether: readers take a missing flag as "not pointable".
    return code + u' ' + used + (pointableBox ? QStringLiteral("O") : QString()) + u' ' + label;
}

void PlanEditor::clearFlags()
{
    pointableBox = false;
}
