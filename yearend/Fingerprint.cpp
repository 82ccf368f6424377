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
#include <map>
#include <set>
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
    std::string_view add(const BookEntry &e)
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
        return lines_.back().text;
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

// An entry's short digest, as a month of a validation keeps it: FNV-1a of its
// canonical line. It only tells entries apart when a month's digest already
// showed the month altered.
std::uint32_t entryDigest(std::string_view canonicalLine)
{
    std::uint32_t hash = 2166136261u;
    for (const char c : canonicalLine) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 16777619u;
    }
    return hash;
}

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

std::vector<MonthPrint> monthPrints(const std::vector<BookEntry> &entries, const Period &period)
{
    std::map<int, std::pair<CanonicalLines, std::vector<std::uint32_t>>> months;
    for (const BookEntry &e : entries) {
        if (!e.date.isValid() || !period.holds(e))
            continue;
        auto &[lines, digests] = months[e.month];
        digests.push_back(entryDigest(lines.add(e)));
    }
    std::vector<MonthPrint> prints;
    for (auto &[month, parts] : months) {
        std::sort(parts.second.begin(), parts.second.end());
        prints.push_back({std::to_string(month), parts.first.sha256(), std::move(parts.second)});
    }
    return prints;
}

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

AlteredPlaces alteredPlaces(const std::vector<BookEntry> &entries, const Validations &validations,
                            const Validation &altered)
{
    AlteredPlaces places;
    if (!altered.readable() || altered.months.empty())
        return places;
    const auto index = std::size_t(&altered - validations.data());
    const Period period = periodOf(validations, index);
    std::map<std::string, const MonthPrint *> kept;
    for (const MonthPrint &month : altered.months)
        kept[month.key] = &month;
    std::map<std::string, const MonthPrint *> now;
    const std::vector<MonthPrint> current = monthPrints(entries, period);
    for (const MonthPrint &month : current)
        now[month.key] = &month;
    std::set<std::string> months;
    for (const auto &[key, month] : kept)
        if (!now.contains(key) || now[key]->digest != month->digest)
            months.insert(key);
    for (const auto &[key, month] : now)
        if (!kept.contains(key))
            months.insert(key);
    // In each altered month, the entries the validation did not see, and
    // how many of those it saw are gone.
    std::map<std::string, std::multiset<std::uint32_t>> seen;
    for (const std::string &key : months)
        if (kept.contains(key))
            seen[key].insert(kept[key]->entries.begin(), kept[key]->entries.end());
    CanonicalLines scratch;
    for (const BookEntry &e : entries) {
        if (!e.date.isValid() || !period.holds(e) || !months.contains(std::to_string(e.month)))
            continue;
        std::multiset<std::uint32_t> &left = seen[std::to_string(e.month)];
        const auto it = left.find(entryDigest(scratch.add(e)));
        if (it != left.end())
            left.erase(it);
        else
            places.entries.push_back(&e);
    }
    // A changed entry is one the validation saw gone and one it did not see:
    // only what is gone beyond those is gone.
    int left = 0;
    for (const auto &[key, digests] : seen)
        left += int(digests.size());
    places.gone = std::max(0, left - int(places.entries.size()));
    places.months.assign(months.begin(), months.end());
    return places;
}

namespace {

constexpr std::size_t kEntriesNamed = 10;

QString monthText(const std::string &key)
{
    const int month = std::stoi(key);
    return forms::monthName(month % 100) + u' ' + QString::number(month / 100);
}

QString entryText(const BookEntry &e)
{
    const bool debit = e.debitValue != 0;
    return QStringLiteral("le %1, compte %2, %3 %4")
        .arg(forms::formatDate(e.date), cp1252::decode(e.account()).trimmed(),
             debit ? QStringLiteral("débit") : QStringLiteral("crédit"),
             forms::formatAmount(debit ? e.debitValue : e.creditValue));
}

// Where an alteration lies: " en Mars 2002 : le 05/03/2002, compte 411000,
// débit 1234,50 ; et 2 autres. 1 écriture validée n'y est plus.", or nothing
// when the months are not known.
QString placesText(const AlteredPlaces &places)
{
    if (places.months.empty())
        return QStringLiteral(".");
    QStringList months;
    for (const std::string &key : places.months)
        months.append(monthText(key));
    QString text = QStringLiteral(", en %1").arg(months.join(QStringLiteral(", ")));
    QStringList named;
    for (std::size_t i = 0; i < places.entries.size() && i < kEntriesNamed; ++i)
        named.append(entryText(*places.entries[i]));
    if (places.entries.size() > kEntriesNamed)
        named.append(QStringLiteral("et %1 autres").arg(places.entries.size() - kEntriesNamed));
    text += named.isEmpty() ? QStringLiteral(".") : QStringLiteral(" : %1.").arg(named.join(QStringLiteral(" ; ")));
    if (places.gone == 1)
        text += QStringLiteral(" 1 écriture validée n'y est plus.");
    else if (places.gone > 1)
        text += QStringLiteral(" %1 écritures validées n'y sont plus.").arg(places.gone);
    return text;
}

QString alteration(const Validation &v, const AlteredPlaces &places)
{
    return v.readable() ? QStringLiteral("Des écritures validées le %1 ont été modifiées en dehors de Tavelin%2")
                              .arg(forms::formatDate(v.doneOn), placesText(places))
                        : QStringLiteral("Un enregistrement de validation du dossier a été modifié en dehors de "
                                         "Tavelin : « %1 ».")
                              .arg(cp1252::decode(v.unreadable));
}

} // namespace

QString alterationMessage(const std::vector<const Validation *> &altered, const std::vector<BookEntry> &entries,
                          const Validations &validations)
{
    QStringList lines;
    for (const Validation *v : altered)
        lines.append(alteration(*v, alteredPlaces(entries, validations, *v)));
    return lines.join(u'\n');
}

QString validationReport(const Validations &validations, const std::vector<const Validation *> &altered,
                         const std::vector<BookEntry> &entries)
{
    QString report;
    for (const Validation &v : validations) {
        const bool isAltered = std::find(altered.begin(), altered.end(), &v) != altered.end();
        const QString told = isAltered ? alteration(v, alteredPlaces(entries, validations, v)) : QString();
        if (isAltered && !v.readable())
            report += told;
        else
            report += QStringLiteral("Validation du %1 jusqu'au %2 : %3")
                          .arg(forms::formatDate(v.doneOn), forms::formatDate(v.upTo),
                               isAltered ? told : QStringLiteral("empreinte conforme."));
        report += u'\n';
    }
    return report;
}

} // namespace yearend
