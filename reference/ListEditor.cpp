#include "reference/ListEditor.h"

#include "ledger/ReferenceData.h"
#include "ledger/TextForms.h"
#include "platform/Messages.h"

QString entryRest(const QString &entry)
{
    const qsizetype space = entry.indexOf(u' ');
    return space < 0 ? QString() : entry.mid(space + 1).trimmed();
}

void ListEditor::Init(const QStringList &lines)
{
    entries_ = lines;
    if (traits_.sorted)
        reference::sortByText(entries_);
    deselect();
    ++listVersion_;
}

void ListEditor::Result(QStringList &lines) const
{
    lines = entries_;
    reference::sortByText(lines);
}

bool ListEditor::codeFieldKeyPress(QChar key)
{
    if (key == kEnter) {
        Envoi();
        return false;
    }
    return key == kBackspace || codeCharAllowed(key);
}

bool ListEditor::labelFieldKeyPress(QChar key)
{
    if (key != kEnter)
        return true;
    Envoi();
    return false;
}

void ListEditor::codeFieldExit()
{
    codeField = finishedCode(codeField);
}

void ListEditor::entrySelected(int index)
{
    if (index < 0 || index >= entries_.size())
        return;
    ItemIndex = index;
    const QString &entry = entries_[index];
    if (!entry.contains(u' '))
        return;
    codeField = reference::lineCode(entry);
    const QString rest = entryRest(entry);
    U = rest.left(1);
    readFlags(rest);
    labelField = rest.mid(2).trimmed();
}

bool ListEditor::codeTaken() const
{
    // A code is taken when an entry begins with it, so an empty code is
    // taken as soon as the list holds anything.
    for (const QString &entry : entries_)
        if (entry.left(codeField.size()) == codeField)
            return true;
    return false;
}

void ListEditor::Envoi()
{
    // Enter and "Valider" take the code in the form leaving its field gives
    // it: a code added as typed ("41") could never be found by the entry
    // line, which completes what the user types there ("410000").
    if (!codeField.isEmpty())
        codeFieldExit();
    codeField = forms::singleLine(codeField);
    labelField = forms::singleLine(labelField);
    if (ItemIndex < 0) {
        if (codeTaken()) {
            messages_.information(traits_.duplicateMessage);
            focusCodeField = true;
            return;
        }
        entries_.append(codeField + traits_.newFlags + labelField);
        if (traits_.sorted)
            reference::sortByText(entries_);
    } else {
        entries_[ItemIndex] = changedEntry(codeField, U, labelField);
    }
    ++listVersion_;
    deselect();
    focusCodeField = true;
}

void ListEditor::Supprime()
{
    if (ItemIndex < 0 || ItemIndex >= entries_.size())
        return;
    if (entryRest(entries_[ItemIndex]).startsWith(u'O')) {
        messages_.information(traits_.usedMessage);
        return;
    }
    entries_.removeAt(ItemIndex);
    ++listVersion_;
    deselect();
    clearFlags();
}

void ListEditor::deselect()
{
    ItemIndex = -1;
    codeField.clear();
    labelField.clear();
}
