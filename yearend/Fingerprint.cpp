#include "yearend/Fingerprint.h"

#include "ledger/Codec1252.h"
#include "ledger/TextLines.h"
#include "yearend/Sha256.h"

#include <QStringList>
#include <QtEndian>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <deque>
#include <memory>
#include <span>
#include <thread>

namespace yearend {
namespace {

// A cell without the blanks at either end: bytes up to the space, and the
// no-break space, which the month grid drops from amounts as it aligns them.
// What the month write-back does to a cell never changes its trimmed form.
std::string_view canonical(std::string_view cell)
{
    const auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' ' || static_cast<unsigned char>(c) == 0xA0; };
    while (!cell.empty() && blank(cell.front()))
        cell.remove_prefix(1);
    while (!cell.empty() && blank(cell.back()))
        cell.remove_suffix(1);
    return cell;
}

// A line in byte order, its first sixteen bytes compared as two integers:
// the entries of one day share their first eight bytes, their date, and are
// told apart by the account that follows.
struct SortedLine {
    std::uint64_t head[2];
    std::string_view text;

    static SortedLine of(std::string_view text)
    {
        SortedLine line{{0, 0}, text};
        if (text.size() >= sizeof line.head) {
            // A dated line always has its sixteen bytes: date, tabs, LF.
            std::memcpy(line.head, text.data(), sizeof line.head);
            line.head[0] = qFromBigEndian(line.head[0]);
            line.head[1] = qFromBigEndian(line.head[1]);
            return line;
        }
        for (std::size_t i = 0; i < text.size(); ++i)
            line.head[i / 8] |= std::uint64_t(static_cast<unsigned char>(text[i])) << (8 * (7 - i % 8));
        return line;
    }

    // Past the heads, a shorter line that is the beginning of the other
    // comes first, as in byte order; the heads pad with zeros, which sort
    // before every byte a canonical line holds.
    friend bool operator<(const SortedLine &a, const SortedLine &b)
    {
        if (a.head[0] != b.head[0])
            return a.head[0] < b.head[0];
        if (a.head[1] != b.head[1])
            return a.head[1] < b.head[1];
        return a.text < b.text;
    }
};

// The canonical text of many entries, one line each, kept in blocks that
// never move: a dossier of a million entries grows its text without ever
// holding two copies of it, and the check of a file stays within twice its
// size.
class CanonicalLines {
public:
    void add(const BookEntry &e)
    {
        // The judged columns only: a validated line may still be checked off
        // or lettered.
        const std::span<const std::string_view> cells(e.cells.data(), kJudgedColumnCount);
        std::size_t size = cells.size(); // the tabs and the line end
        for (std::string_view cell : cells)
            size += canonical(cell).size();
        char *out = room(size);
        char *const begin = out;
        for (std::size_t c = 0; c < cells.size(); ++c) {
            if (c > 0)
                *out++ = '\t';
            const std::string_view cell = canonical(cells[c]);
            out = std::copy(cell.begin(), cell.end(), out);
        }
        *out = '\n';
        lines_.push_back(SortedLine::of(std::string_view(begin, size)));
    }

    std::string sha256()
    {
        std::sort(lines_.begin(), lines_.end());
        Sha256 hash;
        for (const SortedLine &line : lines_)
            hash.add(line.text);
        return hash.hex();
    }

private:
    static constexpr std::size_t kBlockSize = 1 << 16; // far more than a line of seven cut cells

    char *room(std::size_t size)
    {
        if (blocks_.empty() || used_ + size > kBlockSize) {
            blocks_.push_back(std::make_unique_for_overwrite<char[]>(kBlockSize));
            used_ = 0;
        }
        char *const at = blocks_.back().get() + used_;
        used_ += size;
        return at;
    }

    std::vector<std::unique_ptr<char[]>> blocks_;
    std::size_t used_ = 0;
    // Sorted where it stands: a vector would hold twice its size while it grows.
    std::deque<SortedLine> lines_;
};

// The period a validation covers: after the latest day validated before it.
Period periodOf(const Validations &validations, std::size_t index)
{
    QDate after;
    for (std::size_t i = 0; i < index; ++i)
        if (validations[i].readable() && (!after.isValid() || validations[i].upTo > after))
            after = validations[i].upTo;
    return {after, validations[index].upTo};
}

// The entries sorted to the validation whose period holds them, then each
// validation's fingerprint computed again.
class FingerprintCheck {
public:
    FingerprintCheck(const Validations &validations, std::size_t chainedFrom)
        : validations_(validations), chainedFrom_(chainedFrom), covered_(validations.size())
    {
        for (std::size_t i = 0; i < validations.size(); ++i)
            periods_.push_back(periodOf(validations, i));
    }

    // Each period starts after every day validated before it, so no two
    // hold the same day: an entry goes to one validation at most, most often
    // the one its neighbour went to.
    void add(const BookEntry &e)
    {
        if (!e.date.isValid())
            return;
        if (last_ < validations_.size() && covers(last_, e)) {
            covered_[last_].add(e);
            return;
        }
        for (std::size_t i = 0; i < validations_.size(); ++i)
            if (covers(i, e)) {
                covered_[i].add(e);
                last_ = i;
                return;
            }
    }

    std::vector<const Validation *> altered()
    {
        // The periods are sorted and hashed apart, on two cores: this is most
        // of the check every opening of a validated dossier waits for.
        std::vector<std::string> digests(validations_.size());
        const auto hashEvery = [&](std::size_t first) {
            for (std::size_t i = first; i < validations_.size(); i += 2)
                if (validations_[i].readable())
                    digests[i] = covered_[i].sha256();
        };
        if (validations_.size() > 1) {
            std::thread other(hashEvery, 1);
            hashEvery(0);
            other.join();
        } else {
            hashEvery(0);
        }
        std::vector<const Validation *> altered;
        for (std::size_t i = 0; i < validations_.size(); ++i)
            if (!validations_[i].readable()
                || recordFingerprint(validations_, i, chainedFrom_, digests[i]) != validations_[i].fingerprint)
                altered.push_back(&validations_[i]);
        return altered;
    }

private:
    bool covers(std::size_t i, const BookEntry &e) const { return validations_[i].readable() && periods_[i].holds(e); }

    const Validations &validations_;
    std::size_t chainedFrom_;
    std::vector<CanonicalLines> covered_;
    std::vector<Period> periods_;
    std::size_t last_ = 0;
};

} // namespace

std::string fingerprint(const std::vector<BookEntry> &entries, const Period &period)
{
    CanonicalLines canonical;
    for (const BookEntry &e : entries)
        if (e.date.isValid() && period.holds(e))
            canonical.add(e);
    return canonical.sha256();
}

namespace {

// The entries are taken as the reader hands them over, unsorted: the
// fingerprints do not depend on their order.
template <class Feed>
std::vector<const Validation *> alteredValidationsOf(const Validations &validations, std::size_t chainedFrom, Feed &&feed)
{
    FingerprintCheck check(validations, chainedFrom);
    BookEntryReader reader([&check](const BookEntry &e) { check.add(e); });
    feed(reader);
    reader.finish();
    return check.altered();
}

} // namespace

std::string recordFingerprint(const Validations &validations, std::size_t index, std::size_t chainedFrom,
                              const std::string &entries)
{
    if (index < chainedFrom)
        return entries;
    return validation::chained(index > 0 ? validations[index - 1].fingerprint : std::string(), entries);
}

std::vector<const Validation *> alteredValidations(const LineList &lines, const Validations &validations,
                                                   std::size_t chainedFrom)
{
    return alteredValidationsOf(validations, chainedFrom, [&lines](BookEntryReader &reader) {
        for (std::string_view line : lines)
            reader.add(line);
    });
}

std::vector<const Validation *> alteredValidationsOfText(std::string_view text, const Validations &validations,
                                                         std::size_t chainedFrom)
{
    return alteredValidationsOf(validations, chainedFrom, [text](BookEntryReader &reader) {
        textlines::forEachLine(text, [&reader](std::string_view line) {
            reader.add(line);
            return true;
        });
    });
}

namespace {

QString alteration(const Validation &v)
{
    return v.readable() ? QStringLiteral("Des écritures validées le %1 ont été modifiées en dehors de Tavelin.")
                              .arg(forms::formatDate(v.doneOn))
                        : QStringLiteral("Un enregistrement de validation du dossier a été modifié en dehors de "
                                         "Tavelin : « %1 ».")
                              .arg(cp1252::decode(v.unreadable));
}

} // namespace

QString alterationMessage(const std::vector<const Validation *> &altered)
{
    QStringList lines;
    for (const Validation *v : altered)
        lines.append(alteration(*v));
    return lines.join(u'\n');
}

QString validationReport(const Validations &validations, const std::vector<const Validation *> &altered)
{
    QString report;
    for (const Validation &v : validations) {
        const bool isAltered = std::find(altered.begin(), altered.end(), &v) != altered.end();
        if (isAltered && !v.readable())
            report += alteration(v);
        else
            report += QStringLiteral("Validation du %1 jusqu'au %2 : %3")
                          .arg(forms::formatDate(v.doneOn), forms::formatDate(v.upTo),
                               isAltered ? alteration(v) : QStringLiteral("empreinte conforme."));
        report += u'\n';
    }
    return report;
}

} // namespace yearend
