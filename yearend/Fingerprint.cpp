#include "yearend/Fingerprint.h"

#include "ledger/Codec1252.h"
#include "yearend/Sha256.h"

#include <QStringList>
#include <QtEndian>
#include <algorithm>
#include <cstdint>
#include <cstring>
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

// The canonical text of many entries: one line each in a shared buffer.
class CanonicalLines {
public:
    void add(const BookEntry &e)
    {
        const std::size_t begin = text_.size();
        for (std::size_t c = 0; c < e.cells.size(); ++c) {
            if (c > 0)
                text_ += '\t';
            text_ += canonical(e.cells[c]);
        }
        text_ += '\n';
        spans_.push_back({begin, text_.size() - begin});
    }

    std::string sha256()
    {
        std::vector<SortedLine> lines;
        lines.reserve(spans_.size());
        for (const auto &[begin, size] : spans_)
            lines.push_back(SortedLine::of(std::string_view(text_.data() + begin, size)));
        std::sort(lines.begin(), lines.end());
        Sha256 hash;
        for (const SortedLine &line : lines)
            hash.add(line.text);
        return hash.hex();
    }

private:
    std::string text_;
    std::vector<std::pair<std::size_t, std::size_t>> spans_;
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

} // namespace

std::string fingerprint(const std::vector<BookEntry> &entries, const Period &period)
{
    CanonicalLines canonical;
    for (const BookEntry &e : entries)
        if (e.date.isValid() && period.holds(e))
            canonical.add(e);
    return canonical.sha256();
}

std::vector<const Validation *> alteredValidations(const std::vector<BookEntry> &entries, const Validations &validations)
{
    // One pass sorts the dated entries to the validation that covers them.
    std::vector<CanonicalLines> covered(validations.size());
    std::vector<Period> periods;
    for (std::size_t i = 0; i < validations.size(); ++i)
        periods.push_back(periodOf(validations, i));
    // Each period starts after every day validated before it, so no two
    // hold the same day: an entry goes to one validation at most, most often
    // the one its neighbour went to.
    const auto covers = [&](std::size_t i, const BookEntry &e) { return validations[i].readable() && periods[i].holds(e); };
    std::size_t last = 0;
    for (const BookEntry &e : entries) {
        if (!e.date.isValid())
            continue;
        if (last < validations.size() && covers(last, e)) {
            covered[last].add(e);
            continue;
        }
        for (std::size_t i = 0; i < validations.size(); ++i)
            if (covers(i, e)) {
                covered[i].add(e);
                last = i;
                break;
            }
    }
    // The periods are sorted and hashed apart, on two cores: this is most
    // of the check every opening of a validated dossier waits for.
    std::vector<std::string> digests(validations.size());
    const auto hashEvery = [&](std::size_t first) {
        for (std::size_t i = first; i < validations.size(); i += 2)
            if (validations[i].readable())
                digests[i] = covered[i].sha256();
    };
    if (validations.size() > 1) {
        std::thread other(hashEvery, 1);
        hashEvery(0);
        other.join();
    } else {
        hashEvery(0);
    }
    std::vector<const Validation *> altered;
    for (std::size_t i = 0; i < validations.size(); ++i)
        if (!validations[i].readable() || digests[i] != validations[i].fingerprint)
            altered.push_back(&validations[i]);
    return altered;
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
