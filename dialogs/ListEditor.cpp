#include "dialogs/ListEditor.h"

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
    ListBox1 = lines;
    if (traits_.sorted)
        reference::sortByText(ListBox1);
    deselect();
    ++listVersion_;
}

void ListEditor::Result(QStringList &lines) const
{
    lines = ListBox1;
    reference::sortByText(lines);
}

bool ListEditor::Edit1KeyPress(QChar key)
{
    if (key == kEnter) {
        Envoi();
        return false;
    }
    return key == kBackspace || codeCharAllowed(key);
}

bool ListEditor::Edit2KeyPress(QChar key)
{
    if (key != kEnter)
        return true;
    Envoi();
    return false;
}

void ListEditor::Edit1Exit()
{
    Edit1 = finishedCode(Edit1);
}

void ListEditor::ListBox1Click(int index)
{
    if (index < 0 || index >= ListBox1.size())
        return;
    ItemIndex = index;
    const QString &entry = ListBox1[index];
    if (!entry.contains(u' '))
        return;
    Edit1 = reference::lineCode(entry);
    const QString rest = entryRest(entry);
    U = rest.left(1);
    readFlags(rest);
    Edit2 = rest.mid(2).trimmed();
}

bool ListEditor::codeTaken() const
{
    // A code is taken when an entry begins with it, so an empty code is
    // taken as soon as the list holds anything.
    for (const QString &entry : ListBox1)
        if (entry.left(Edit1.size()) == Edit1)
            return true;
    return false;
}

void ListEditor::Envoi()
{
    Edit1 = forms::singleLine(Edit1);
    Edit2 = forms::singleLine(Edit2);
    if (ItemIndex < 0) {
        if (codeTaken()) {
            messages_.information(traits_.duplicateMessage);
            focusEdit1 = true;
            return;
        }
        ListBox1.append(Edit1 + traits_.newFlags + Edit2);
        if (traits_.sorted)
            reference::sortByText(ListBox1);
    } else {
        ListBox1[ItemIndex] = changedEntry(Edit1, U, Edit2);
    }
    ++listVersion_;
    deselect();
    focusEdit1 = true;
}

void ListEditor::Supprime()
{
    if (ItemIndex < 0 || ItemIndex >= ListBox1.size())
        return;
    if (entryRest(ListBox1[ItemIndex]).startsWith(u'O')) {
        messages_.information(traits_.usedMessage);
        return;
    }
    ListBox1.removeAt(ItemIndex);
    ++listVersion_;
    deselect();
    clearFlags();
}

void ListEditor::deselect()
{
    ItemIndex = -1;
    Edit1.clear();
    Edit2.clear();
}
