#pragma once

#include "ledger/CodeList.h"

#include <QChar>
#include <QString>
#include <QStringList>
#include <utility>

class Messages;

// The state and rules of a reference list editor (chart of accounts,
// journals): a working copy of the list, the selected entry, the code and
// label fields and the used character of the entry being changed. The two
// editors differ by the traits and the hooks below; their dialog windows copy
// the user's input in, call an operation and show the state back.
//
// An entry reads as a line of the chart or the journals (CodeList).
class ListEditor {
public:
    static constexpr QChar kEnter = u'\r';
    static constexpr QChar kBackspace = u'\b';

    struct Traits {
        CodeList::Kind kind;      // the lines edited
        int codeLength;           // longest code the code field takes
        bool digitsOnly;          // the code field refuses every other character
        bool sorted;              // the list is kept in text order while shown
        QString newFlags;         // between code and label in a new entry
        QString duplicateMessage; // adding a code an entry begins with
        QString usedMessage;      // deleting an entry used in the ledger
    };

    ListEditor(Messages &messages, Traits traits)
        : traits_(std::move(traits)), messages_(messages), entries_(traits_.kind)
    {
    }
    virtual ~ListEditor() = default;

    const Traits &traits() const { return traits_; }

    // The working copy takes the list; Result gives it back sorted by text.
    void Init(const QStringList &lines);
    void Result(QStringList &lines) const;

    // A character typed in the code field or the label field: true when it
    // goes into the field. Enter validates and is discarded.
    bool codeFieldKeyPress(QChar key);
    bool labelFieldKeyPress(QChar key);
    // Whether a character may stand in the code field (pasted text included).
    bool codeCharAllowed(QChar c) const { return !traits_.digitsOnly || (c >= u'0' && c <= u'9'); }
    // The code field left: its text takes its finished form.
    void codeFieldExit();
    // An entry of the list selected: the fields take its parts.
    void entrySelected(int index);
    // Adds the fields as a new entry, or changes the selected one.
    void Envoi();
    // Removes the selected entry, unless it is used.
    void Supprime();

    const QStringList &items() const { return entries_.lines(); }
    // Grows whenever the list changes, so the window redraws it only then.
    int listVersion() const { return listVersion_; }

    // --- The dialog's fields, as the window holds them ---
    int ItemIndex = -1;          // selected entry of the list, -1 for none
    QString codeField;           // code
    QString labelField;          // label or name
    QString U;                   // used flag of the selected entry, kept until validated
    bool focusCodeField = false; // the window must put the focus on the code field

protected:
    // The code once the field is left.
    virtual QString finishedCode(const QString &typed) const = 0;
    // Flags of the selected entry besides the used one.
    virtual void readFlags(const CodeList &entries, qsizetype index) = 0;
    // The text of a changed entry.
    virtual QString changedEntry(const QString &code, const QString &used, const QString &label) const = 0;
    // Clears the flags besides the used one after a deletion.
    virtual void clearFlags() = 0;

private:
    bool codeTaken() const;
    void deselect();

    const Traits traits_;
    Messages &messages_;
    CodeList entries_;
    int listVersion_ = 0;
};
