#pragma once

#include "ledger/TextForms.h"

#include <QDate>
#include <QString>
#include <string>
#include <vector>

class LineList;

// The entries of one account as the reconciliation sees them, and the changes
// it makes to the line list: check-off marks and the entries it posts. Every
// change goes through the months as the entry grid reads and writes them, so
// that the month on screen, read again, shows what the file will hold.
namespace bank {

// The bank account reconciled unless the user picks another of class 5.
inline QString defaultBankAccount()
{
    return QStringLiteral("512000");
}

// Where an entry stands: its month key and its row in that month's grid, from 0.
struct EntryPlace {
    std::string monthKey;
    int row = 0;
    bool operator==(const EntryPlace &) const = default;
    auto operator<=>(const EntryPlace &) const = default;
};

struct BookEntry {
    EntryPlace place;
    std::size_t order = 0; // its date line's position in the file
    QDate date;            // invalid when the date cell is not one
    Cents amount = 0;      // debit minus credit: money in is positive
    bool checked = false;  // it carries the check-off mark
    QString dateText;
    QString label;
    QString journal;
};

// The entries whose account is `account`, in file order.
std::vector<BookEntry> accountEntries(const LineList &lines, const QString &account);

// Puts the check-off mark on the entries (or takes it off).
void setMarks(LineList &lines, const std::vector<EntryPlace> &places, bool marked);

// An entry to post: the bank account against a counterpart account.
struct PostedEntry {
    QDate date;
    QString label;
    QString journal;
    QString bankAccount;
    QString counterpart;
    Cents amount = 0; // money in (a debit on the bank account) is positive
};

// Adds each entry as two rows at the end of the month of its date: the bank
// account's and the counterpart's. Gives back where the bank account's rows
// stand.
std::vector<EntryPlace> postEntries(LineList &lines, const std::vector<PostedEntry> &entries);

} // namespace bank
