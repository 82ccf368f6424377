#pragma once

#include "ledger/Header.h"
#include "yearend/BookEntries.h"
#include "yearend/EntryChecks.h"

#include <QString>
#include <string>
#include <string_view>
#include <vector>

// The fingerprints of validated entries: what shows that the entries a
// validation made final are still the ones it saw.
namespace yearend {

// The SHA-256, in 64 lowercase hexadecimal digits, of the entries of the
// period that have a date, in a form that does not depend on their order in
// the file: each entry as its columns 0 to 6 trimmed (of bytes up to the
// space and of no-break spaces), joined by TAB and ended by LF, the entries
// sorted byte by byte.
std::string fingerprint(const std::vector<BookEntry> &entries, const Period &period);

// The months of the period's entries as a validation keeps them: each
// month's entries hashed as the fingerprint hashes them, and a short digest
// of each entry, in month order.
std::vector<MonthPrint> monthPrints(const std::vector<BookEntry> &entries, const Period &period);

// No record of the dossier is chained (one validated before identities).
inline constexpr std::size_t kUnchained = std::size_t(-1);

// The fingerprint the validation at `index` carries: the entries' own, or
// from `chainedFrom` on, chained to the previous record's.
std::string recordFingerprint(const Validations &validations, std::size_t index, std::size_t chainedFrom,
                              const std::string &entries);

// The validations whose fingerprint no longer matches the entries of the
// lines (and, for the chained ones, the previous record), and those whose
// record cannot be read, in the order of the records.
std::vector<const Validation *> alteredValidations(const LineList &lines, const Validations &validations,
                                                   std::size_t chainedFrom = kUnchained);

// The same on a ledger file's text, read line after line as the loading cuts
// it: the check then holds the entries' canonical lines and little more.
std::vector<const Validation *> alteredValidationsOfText(std::string_view text, const Validations &validations,
                                                         std::size_t chainedFrom = kUnchained);

// Where the entries of an altered validation changed, found from the months
// it keeps (Validation::months; nothing is found without them): the months
// whose digest differs, the entries of those months the validation did not
// see (changed or added, as they now stand, in grid order), and how many of
// those it saw are gone beyond the changed ones. `altered` is one of `validations`.
struct AlteredPlaces {
    std::vector<std::string> months; // "yyyymm", in order
    std::vector<const BookEntry *> entries;
    int gone = 0;
};
AlteredPlaces alteredPlaces(const std::vector<BookEntry> &entries, const Validations &validations,
                            const Validation &altered);

// What the user is told of them, once: "Des écritures validées le 15/04/2002
// ont été modifiées en dehors de Tavelin." for each, or, where the months are
// known, "…en dehors de Tavelin, en Mars 2002 : le 05/03/2002, compte 411000,
// débit 1234,50." naming ten entries at most, then how many are gone; empty
// when none is. `entries`: the dossier's, as bookEntries reads them.
QString alterationMessage(const std::vector<const Validation *> &altered, const std::vector<BookEntry> &entries,
                          const Validations &validations);

// The verifier's account of the validations, one line each ended by LF:
// "Validation du 15/04/2002 jusqu'au 31/03/2002 : empreinte conforme.", or
// the alteration; nothing when the dossier has none.
QString validationReport(const Validations &validations, const std::vector<const Validation *> &altered,
                         const std::vector<BookEntry> &entries);

} // namespace yearend
