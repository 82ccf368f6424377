#pragma once

struct EntryState;
enum class Focus;
class Ledger;
class QString;

// The rules of the entry line above the month grid: what each field does when
// the user enters or leaves it, and the posting of the line into the grid.
// They work on the entry line's texts (`EntryState::panel`) and ask for the
// keyboard focus through `EntryState::focus`. A rule that refuses what the
// field holds gives back false and sends the focus back to that field.
class EntryLine {
public:
    EntryLine(Ledger &ledger, EntryState &entry) : ledger_(ledger), entry_(entry) {}

    // Date field gained the focus: a new line proposes the date of the last
    // line posted; a line taken for modification keeps its own.
    void dateEntered();
    // Date field left: completes the date; refused when the result is not a date.
    bool dateLeft();
    // Account field left: six-character code, checked against the chart and
    // marked used there.
    bool accountLeft();
    // Label field left: an empty label takes the account's label.
    void labelLeft();
    // Journal field changed by the user.
    void journalEdited(const QString &text);
    // Journal field left: checked against the journals and marked used there.
    bool journalLeft();
    // Posts the line into the month grid; false when it was refused. The
    // account and the journal are checked again as their fields' rules check
    // them, however the user came to post.
    bool post();

private:
    void message(const QString &text) const;
    // The account code completed, found in the chart and marked used; false
    // (the user told) when the chart does not have it.
    bool checkAccount();
    bool checkJournal();
    bool checkDate();
    bool checkAmount(QString &stored, const QString &typed, Focus field);
    // Whether posting would give the lettered line being modified another
    // account or amount.
    bool changesLettered(const QString &account, const QString &debit, const QString &credit) const;
    int targetRow();

    Ledger &ledger_;
    EntryState &entry_;
};
