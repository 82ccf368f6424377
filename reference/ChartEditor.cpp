#include "reference/ChartEditor.h"

#include "ledger/TextForms.h"

ChartEditor::ChartEditor(Messages &messages)
    : ListEditor(messages, Traits{CodeList::Kind::Chart, 6, true, true, QStringLiteral(" NN "), QStringLiteral("Ce compte existe déjà"),
                                  QStringLiteral("Compte déjà utilisé ne peut être supprimé")})
{
}

QString ChartEditor::finishedCode(const QString &typed) const
{
    return forms::completeAccount(typed);
}

void ChartEditor::readFlags(const CodeList &entries, qsizetype index)
{
    checkOffBox = entries.takesCheckOff(index);
}

QString ChartEditor::changedEntry(const QString &code, const QString &used, const QString &label) const
{
    // A changed account that is not pointable loses its second flag
    // altogether: readers take a missing flag as "not pointable".
    return code + u' ' + used + (checkOffBox ? QStringLiteral("O") : QString()) + u' ' + label;
}

void ChartEditor::clearFlags()
{
    checkOffBox = false;
}
