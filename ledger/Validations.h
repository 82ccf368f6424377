#pragma once

#include <QDate>
#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A month's share of a validation: the digest of the month's entries it
// covered and a short digest of each of them, sorted. Kept in the register of
// validations (not in the header, whose record line stays what older
// versions read), so that an alteration is told with its months and entries.
struct MonthPrint {
    std::string key;                    // "yyyymm"
    std::string digest;                 // SHA-256, 64 hexadecimal digits
    std::vector<std::uint32_t> entries; // one per entry, sorted
    bool operator==(const MonthPrint &) const = default;
};

// The validations of a dossier's entries, recorded in its header block. Once
// validated, an entry is final: no change, no deletion, and no entry may be
// added on or before the last date validated up to.
struct Validation {
    QDate upTo;              // every entry dated up to this day is final
    QDate doneOn;            // the day the validation was made
    std::string fingerprint; // SHA-256, 64 hexadecimal digits, of the entries it covers
    // A record line that cannot be read (the header was edited by hand): kept
    // and written back as it stands, never dropped, and told as an alteration.
    std::string unreadable;
    // The months it covered, when the register kept them; empty otherwise
    // (read from the header alone, or made before they were kept).
    std::vector<MonthPrint> months{};

    bool readable() const { return unreadable.empty(); }
    // The same record, whether its months are known or not.
    bool operator==(const Validation &other) const
    {
        return upTo == other.upTo && doneOn == other.doneOn && fingerprint == other.fingerprint &&
               unreadable == other.unreadable;
    }
};

// In the order they were made, each up to a later date than the one before;
// each covers the entries dated after the previous one's `upTo`.
using Validations = std::vector<Validation>;

namespace validation {

// A record is one line of the header block, after the closing date:
// "Validation 31/03/2002 15/04/2002 <fingerprint>". A reader that knows only
// the three dates of the header passes over it; it does not begin like an
// entry line (six digits of month key) nor like a date.
std::string recordLine(const Validation &validation);
bool isRecordLine(std::string_view line);
// The record of a line of the header after its dates: unreadable unless it is
// exactly what recordLine writes.
Validation readRecord(std::string_view line);

// A month of a record, as the register keeps it: "Mois <record's
// fingerprint> <yyyymm> <digest> <8 hexadecimal digits per entry>".
std::string monthLine(const Validation &validation, const MonthPrint &month);
bool isMonthLine(std::string_view line);
// The record's fingerprint and the month a line names; nothing when it is
// not exactly what monthLine writes.
std::optional<std::pair<std::string, MonthPrint>> readMonthLine(std::string_view line);

// The dossier's identity line: "Dossier <32 hexadecimal digits> <n>".
std::string identityLine(const std::string &id, std::size_t chainedFrom);
bool isIdentityLine(std::string_view line);
// Sets `id` and `chainedFrom` from the line, or clears them when it is not one.
void readIdentity(std::string_view line, std::string &id, std::size_t &chainedFrom);
// A new identity: 32 random hexadecimal digits.
std::string newDossierId();

// The fingerprint a chained record carries: the SHA-256 of the previous
// record's fingerprint (empty for the first), a LF, and the fingerprint of
// the entries it covers, in 64 lowercase hexadecimal digits.
std::string chained(const std::string &previous, const std::string &entries);

// The last date validated up to; an invalid date when nothing is validated.
QDate validatedUntil(const Validations &validations);
// The validation that made an entry of that date final; none for a date
// after the last validated one, or an invalid date.
const Validation *covering(const Validations &validations, QDate date);

// What the user tried on a validated entry, for the refusal to name it.
enum class EntryAct { Change, Deletion };
// What the user is told when changing or deleting an entry of the grid,
// given its date cell: "Écriture validée le 15/04/2002 : elle ne peut plus
// être modifiée." ("supprimée" for a deletion). Empty when the entry is not
// validated.
QString entryRefusal(const Validations &validations, const QString &dateCell, EntryAct act = EntryAct::Change);
// What the user is told when adding an entry of that date while the entries
// up to `finalUntil` are final (FiscalYear::finalUntil): "Les écritures
// jusqu'au 31/03/2002 sont validées". Empty when the date is open.
QString dateRefusal(QDate finalUntil, QDate date);
QString periodValidated(QDate until);
// The status bar's panel: "Validé jusqu'au 31/03/2002", empty when nothing is.
QString statusText(QDate finalUntil);

} // namespace validation
