#include "ledger/CodeList.h"

#include "ledger/Codec1252.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr qsizetype kAccountLength = 6;

std::u16string_view text(QStringView s)
{
    return {s.utf16(), std::size_t(s.size())};
}

} // namespace

// The lines in two sorted orders: by whole text, where the lines beginning
// with a text stand together, and by code. Ties keep the list's order, so the
// first of equal lines is the first in the list; a tree of range minima gives
// the first in the list of the lines beginning with a text. Each entry holds
// the text it is sorted by, a view of the list's own strings, which the index
// shares.
class CodeList::Index {
public:
    explicit Index(const QStringList &lines) : lines_(lines)
    {
        const std::size_t n = std::size_t(lines_.size());
        byText_.reserve(n);
        byCode_.reserve(n);
        for (qsizetype i = 0; i < lines_.size(); ++i) {
            const std::u16string_view line = text(lines_[i]);
            byText_.push_back({line, i});
            byCode_.push_back({line.substr(0, line.find(u' ')), i});
        }
        std::stable_sort(byText_.begin(), byText_.end());
        std::stable_sort(byCode_.begin(), byCode_.end());
        firsts_.resize(2 * n);
        for (std::size_t i = 0; i < n; ++i)
            firsts_[n + i] = byText_[i].position;
        for (std::size_t i = n; i-- > 1;)
            firsts_[i] = std::min(firsts_[2 * i], firsts_[2 * i + 1]);
    }

    qsizetype withCode(std::u16string_view code) const
    {
        const auto it = firstNotBefore(byCode_, code);
        return it != byCode_.end() && it->text == code ? it->position : npos;
    }

    qsizetype equalTo(std::u16string_view line) const
    {
        const auto it = firstNotBefore(byText_, line);
        return it != byText_.end() && it->text == line ? it->position : npos;
    }

    qsizetype startingWith(std::u16string_view prefix) const
    {
        const auto from = firstNotBefore(byText_, prefix);
        const auto to = std::partition_point(from, byText_.end(),
                                             [&](const Entry &e) { return e.text.starts_with(prefix); });
        return from == to ? npos : firstIn(std::size_t(from - byText_.begin()), std::size_t(to - byText_.begin()));
    }

private:
    struct Entry {
        std::u16string_view text;
        qsizetype position;
        bool operator<(const Entry &other) const { return text < other.text; }
    };

    static std::vector<Entry>::const_iterator firstNotBefore(const std::vector<Entry> &sorted, std::u16string_view t)
    {
        return std::lower_bound(sorted.begin(), sorted.end(), t,
                                [](const Entry &e, std::u16string_view v) { return e.text < v; });
    }

    // The smallest list position among byText_[from, to).
    qsizetype firstIn(std::size_t from, std::size_t to) const
    {
        const std::size_t n = byText_.size();
        qsizetype first = lines_.size();
        for (from += n, to += n; from < to; from /= 2, to /= 2) {
            if (from & 1)
                first = std::min(first, firsts_[from++]);
            if (to & 1)
                first = std::min(first, firsts_[--to]);
        }
        return first;
    }

    const QStringList lines_; // keeps the strings the entries view alive
    std::vector<Entry> byText_;
    std::vector<Entry> byCode_;
    std::vector<qsizetype> firsts_;
};

CodeList::CodeList(Kind kind, QStringList lines) : kind_(kind), lines_(std::move(lines)) {}

// Every change drops the index first: the index holds a share of the lines,
// and changing them while it does would copy the whole list.
CodeList &CodeList::operator=(QStringList lines)
{
    index_.reset();
    lines_ = std::move(lines);
    return *this;
}

void CodeList::append(const QString &line)
{
    index_.reset();
    lines_.append(line);
}

void CodeList::replace(qsizetype i, const QString &line)
{
    index_.reset();
    lines_[i] = line;
}

void CodeList::removeAt(qsizetype i)
{
    index_.reset();
    lines_.removeAt(i);
}

void CodeList::clear()
{
    index_.reset();
    lines_.clear();
}

void CodeList::sortByText()
{
    index_.reset();
    sortByText(lines_);
}

void CodeList::sortByText(QStringList &lines)
{
    // Each line is encoded once, not at every comparison.
    std::vector<std::pair<std::string, QString>> keyed;
    keyed.reserve(std::size_t(lines.size()));
    for (QString &line : lines)
        keyed.emplace_back(cp1252::encode(line), std::move(line));
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    for (qsizetype i = 0; i < lines.size(); ++i)
        lines[i] = std::move(keyed[std::size_t(i)].second);
}

QString CodeList::codeOf(const QString &line)
{
    const qsizetype space = line.indexOf(u' ');
    return space < 0 ? line : line.left(space);
}

qsizetype CodeList::codeLength(qsizetype i) const
{
    const qsizetype space = lines_[i].indexOf(u' ');
    return space < 0 ? lines_[i].size() : space;
}

qsizetype CodeList::flagCount() const
{
    return kind_ == Kind::Chart ? 2 : 1;
}

QString CodeList::flags(qsizetype i) const
{
    return lines_[i].mid(codeLength(i) + 1, flagCount());
}

bool CodeList::isUsed(qsizetype i) const
{
    return flags(i).startsWith(u'O');
}

bool CodeList::takesCheckOff(qsizetype i) const
{
    return kind_ == Kind::Chart && flags(i).mid(1, 1) == u"O";
}

QString CodeList::label(qsizetype i) const
{
    return lines_[i].mid(codeLength(i) + 1 + flagCount()).trimmed();
}

void CodeList::markUsed(qsizetype i)
{
    const qsizetype length = codeLength(i);
    const QString used = lines_[i].left(length) + QStringLiteral(" O") + lines_[i].mid(length + 2);
    replace(i, used);
}

bool CodeList::markAccountUsed(QStringView account)
{
    return markFoundUsed(findAccount(account));
}

bool CodeList::markCodeUsed(QStringView code)
{
    return markFoundUsed(findCode(code));
}

bool CodeList::markFoundUsed(qsizetype i)
{
    if (i == npos || isUsed(i))
        return false;
    markUsed(i);
    return true;
}

const CodeList::Index &CodeList::index() const
{
    if (!index_)
        index_ = std::make_shared<const Index>(lines_);
    return *index_;
}

qsizetype CodeList::findCode(QStringView code) const
{
    return index().withCode(text(code));
}

qsizetype CodeList::findAccount(QStringView account) const
{
    if (account.size() == kAccountLength)
        return findStartingWith(account);
    // Shorter, the account is the first six characters only of a line that
    // short; longer, it is those of none.
    return account.size() < kAccountLength ? index().equalTo(text(account)) : npos;
}

qsizetype CodeList::findStartingWith(QStringView prefix) const
{
    return prefix.isEmpty() ? npos : index().startingWith(text(prefix));
}
