#include "reference/JournalEditor.h"

JournalEditor::JournalEditor(Messages &messages)
    : ListEditor(messages, Traits{CodeList::Kind::Journals, 2, false, false, QStringLiteral(" N "), QStringLiteral("Ce code existe déjà"),
                                  QStringLiteral("Journal déjà utilisé ne peut être supprimé")})
{
}

QString JournalEditor::finishedCode(const QString &typed) const
{
    return typed.toUpper();
}

QString JournalEditor::changedEntry(const QString &code, const QString &used, const QString &label) const
{
    return code + u' ' + used + u' ' + label;
}
