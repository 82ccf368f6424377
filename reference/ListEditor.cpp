#include "reference/ListEditor.h"

#include "ledger/TextForms.h"
#include "platform/Messages.h"

void ListEditor::Init(const QStringList &lines)
{
    entries_ = lines;
    if (traits_.sorted)
        entries_.sortByText();
    deselect();
    ++listVersion_;
}

void ListEditor::Result(QStringList &lines) const
{
    lines = entries_.lines();
    CodeList::sortByText(lines);
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
    if (!entries_[index].contains(u' '))
        return;
    codeField = entries_.code(index);
    U = entries_.flags(index).left(1);
    readFlags(entries_, index);
    labelField = entries_.label(index);
}

bool ListEditor::codeTaken() const
{
    // A code is taken when an entry begins with it, so an empty code is
    // taken as soon as the list holds anything.
    return codeField.isEmpty() ? !entries_.isEmpty() : entries_.findStartingWith(codeField) != CodeList::npos;
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
            entries_.sortByText();
    } else {
        entries_.replace(ItemIndex, changedEntry(codeField, U, labelField));
    }
    ++listVersion_;
    deselect();
    focusCodeField = true;
}

void ListEditor::Supprime()
{
    if (ItemIndex < 0 || ItemIndex >= entries_.size())
        return;
    if (entries_.isUsed(ItemIndex)) {
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
