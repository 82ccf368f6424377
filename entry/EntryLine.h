#pragma once

class EntryState;
class Ledger;
class QString;

// The rules of the entry line above the month grid: what each field does when
// the user enters or leaves it, and the posting of the line into the grid.
// They work on the entry line's texts (`EntryState::panel`) and ask for the
// keyboard focus through `EntryState::focus`.
class EntryLine {
public:
    EntryLine(Ledger &ledger, EntryState &entry) : ledger_(ledger), entry_(entry) {}

    // Date field gained the focus: proposes the date of the last line posted.
    void dateEntered();
    // Date field left: completes the date; false (focus back) when the result
    // is not a date.
    bool dateLeft();
    // Account field left: six-character code, checked against the chart and
    // marked used there.
    void accountLeft();
    // Label field left: an empty label takes the account's label.
    void labelLeft();
    // Journal field changed by the user.
    void journalEdited(const QString &text);
    // Journal field left: checked against the journals and marked used there.
    void journalLeft();
    // Posts the line into the month grid; false when it was refused.
    bool post();

private:
    void message(const QString &text) const;
    int targetRow();

    Ledger &ledger_;
    EntryState &entry_;
};
