#pragma once

#include <QDate>
#include <QString>
#include <QStringView>
#include <optional>
#include <string_view>

// The lettering cell of an entry line (monthlines::Column::Lettering): the
// code of the group of lines that settle each other, a blank, and the day the
// group was completed, "AB 14/03/2025". Read here for every reader: the entry
// rules that lock a lettered line, the lettering itself, the FEC, the
// verifier.
namespace letteringcell {

struct Lettering {
    QString code; // two or more capital letters: "AA", "AB", ... "ZZ", "AAA"...
    QDate date;
    bool operator==(const Lettering &) const = default;
};

// The cell read, blanks around it passed over; nothing when it is empty or
// holds anything else than a code, one blank and a date "dd/mm/yyyy".
std::optional<Lettering> parse(std::string_view cell);
std::optional<Lettering> parse(QStringView cell);
// The same with the code left a view of the cell's bytes, for the readers
// that walk a whole year.
struct LetteringView {
    std::string_view code;
    QDate date;
};
std::optional<LetteringView> view(std::string_view cell);

QString format(const Lettering &lettering);

// The message that refuses to delete a lettered line, or to change its
// account or amount.
QString lockRefusal();

} // namespace letteringcell
