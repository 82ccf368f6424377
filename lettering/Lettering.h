#pragma once

#include "ledger/LetteringCell.h"
#include "ledger/TextForms.h"

#include <QDate>
#include <QString>
#include <optional>
#include <string>
#include <vector>

class LineList;

// Lettering customer and supplier accounts: the lines of an account that
// settle each other (an invoice and its payment; an invoice, a credit note and
// two partial payments) share a code, and what stays unlettered is what is
// still open. The code and the day its group was completed are stored in the
// line's lettering cell (ledger/LetteringCell.h); every change goes through
// the months as the entry grid reads and writes them.
namespace lettering {

// Where a line stands: its month key and its row in that month's grid, from 0.
struct Place {
    std::string monthKey;
    int row = 0;
    bool operator==(const Place &) const = default;
    auto operator<=>(const Place &) const = default;
};

// A line of an account as the lettering sees it.
struct Line {
    Place place;
    QDate date; // invalid when the date cell is not one
    QString account;
    QString label;
    QString voucher;
    Cents debit = 0;
    Cents credit = 0;
    std::optional<letteringcell::Lettering> lettering;
    // Where its lines stand in the list read: its last one, and its
    // lettering's (npos without one).
    std::size_t lastLine = 0;
    std::size_t letteringLine = std::size_t(-1);

    Cents amount() const { return debit - credit; } // a debit is positive
    bool open() const { return !lettering.has_value(); }
};

// The lines of the accounts that begin with `prefix` (every account for an
// empty one), in file order.
std::vector<Line> accountLines(const LineList &lines, const QString &prefix);

// The code after `code` in the order "AA", "AB", ... "ZZ", "AAA", ...
QString nextCode(const QString &code);
// Whether code `a` comes before code `b` in that order.
bool codeBefore(const QString &a, const QString &b);

// The codes each account of `lines` gives next: after the last code it holds,
// so that no code stands for two groups of one account.
class CodeBook {
public:
    explicit CodeBook(const std::vector<Line> &lines);
    QString take(const QString &account);

private:
    std::vector<std::pair<QString, QString>> last_; // account, last code given; sorted by account
};

// A group of lines that settle each other, to be lettered with one code.
struct Group {
    QString account;
    QString code;
    QDate date; // the day the group was completed: its latest line's
    std::vector<std::size_t> lines; // indexes in the lines the group was made from
    Cents amount = 0; // what the group settles: the sum of its debits
};

// Why the lines may not be lettered together, empty when they may: at least
// two lines, of one account, none lettered yet, summing to zero (the
// difference is told).
QString letteringRefusal(const std::vector<Line> &lines, const std::vector<std::size_t> &chosen);

// The group the chosen lines make, with the next code of their account.
Group groupOf(const std::vector<Line> &lines, const std::vector<std::size_t> &chosen, CodeBook &codes);

// The groups the lines already make: by account, then in the codes' order.
std::vector<Group> letteredGroups(const std::vector<Line> &lines);

// The automatic lettering's groups (AutoLettering.h) over the lines read,
// for the user to see before they are applied.
struct Proposal {
    std::vector<Line> lines;
    std::vector<Group> groups;
};

// Writes the groups' codes into the lettering cells of their lines: `read`
// must have been read from `lines` as they stand. Each line's lettering line
// is replaced, or added right after the line's last one, where every reader
// of the month finds it.
void apply(LineList &lines, const std::vector<Line> &read, const std::vector<Group> &groups);

// Takes the code off every line of the group of `line` (an index in `read`):
// the lines of its account that carry its code.
void unletter(LineList &lines, const std::vector<Line> &read, std::size_t line);

// "Les lignes ne se soldent pas : écart de 12,50." and its siblings' texts.
QString sumRefusal(Cents difference);

} // namespace lettering
