#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The ledger's line list (`Lignes`): the file's lines kept as the code page 1252
// bytes they are on disk. One byte is one character, so every character
// position the ledger rules speak of is a byte position here; only what is
// shown gets decoded.
//
// Lines live in an arena of large blocks and the list holds views into it, so a
// file of a million lines loads without a million allocations. Replaced and
// removed lines leave garbage in the arena; it is compacted once it outweighs
// the live text.
class LineList {
    // A line: where its bytes are, and bytes 2 to 5 of it (the end of the
    // month key) kept beside, so that a pass looking for one month reads this
    // array alone and touches the text of that month's lines only.
    struct Slot {
        const char *data;
        std::uint32_t size;
        std::uint32_t tag;
        std::string_view view() const { return {data, size}; }
    };

public:
    class const_iterator {
    public:
        using iterator_category = std::random_access_iterator_tag;
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = std::string_view;
        const_iterator() = default;
        explicit const_iterator(const Slot *s) : s_(s) {}
        std::string_view operator*() const { return s_->view(); }
        std::string_view operator[](difference_type n) const { return s_[n].view(); }
        const_iterator &operator++() { ++s_; return *this; }
        const_iterator operator++(int) { auto t = *this; ++s_; return t; }
        const_iterator &operator--() { --s_; return *this; }
        const_iterator &operator+=(difference_type n) { s_ += n; return *this; }
        const_iterator operator+(difference_type n) const { return const_iterator(s_ + n); }
        const_iterator operator-(difference_type n) const { return const_iterator(s_ - n); }
        difference_type operator-(const const_iterator &o) const { return s_ - o.s_; }
        bool operator==(const const_iterator &o) const { return s_ == o.s_; }
        bool operator!=(const const_iterator &o) const { return s_ != o.s_; }
        bool operator<(const const_iterator &o) const { return s_ < o.s_; }

    private:
        const Slot *s_ = nullptr;
    };

    LineList() = default;
    LineList(const LineList &other);
    LineList &operator=(const LineList &other);
    LineList(LineList &&) noexcept = default;
    LineList &operator=(LineList &&) noexcept = default;

    // Takes over the text of a file and the lines cut from it (views into it).
    static LineList adopt(std::unique_ptr<std::string> text, const std::vector<std::string_view> &lines);

    std::size_t size() const { return lines_.size(); }
    bool empty() const { return lines_.empty(); }
    std::string_view operator[](std::size_t i) const { return lines_[i].view(); }
    std::string_view at(std::size_t i) const { return lines_.at(i).view(); }
    const_iterator begin() const { return const_iterator(lines_.data()); }
    const_iterator end() const { return const_iterator(lines_.data() + lines_.size()); }

    // Bytes 2 to 5 of a line as one number; lines shorter than six bytes have
    // a tag no six-byte key has.
    static std::uint32_t tagOf(std::string_view line)
    {
        if (line.size() < 6)
            return kNoTag;
        std::uint32_t t;
        std::memcpy(&t, line.data() + 2, 4);
        return t == kNoTag ? 0 : t;
    }
    std::uint32_t tag(std::size_t i) const { return lines_[i].tag; }

    void clear();
    void append(std::string_view line);
    void insert(std::size_t index, std::string_view line);
    // Inserts each line after the line at its index (an index of the list as
    // it stands; the indexes in increasing order, several after one index
    // keeping their order), in one pass: lines added all over a year move the
    // list once, not once each.
    void insertAfter(const std::vector<std::pair<std::size_t, std::string>> &added);
    void replace(std::size_t index, std::string_view line);
    void removeAt(std::size_t index);
    void removeRange(std::size_t first, std::size_t count);
    // Removes every line the predicate holds for, in one pass; returns how many.
    template <class Pred>
    std::size_t removeIf(Pred pred)
    {
        return removeWhere([](const Slot &) { return true; }, pred);
    }
    // The same, asking the predicate only about lines of the given tag.
    template <class Pred>
    std::size_t removeIfTagged(std::uint32_t tag, Pred pred)
    {
        return removeWhere([tag](const Slot &s) { return s.tag == tag; }, pred);
    }

    // Index of the first line equal to the text from `from` on, or npos.
    std::size_t indexOf(std::string_view line, std::size_t from = 0) const;
    static constexpr std::size_t npos = std::size_t(-1);

private:
    static constexpr std::uint32_t kNoTag = 0xFFFFFFFFu;

    template <class Filter, class Pred>
    std::size_t removeWhere(Filter filter, Pred pred)
    {
        std::size_t kept = 0;
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            const Slot s = lines_[i];
            if (filter(s) && pred(s.view()))
                forget(s.view());
            else
                lines_[kept++] = s;
        }
        const std::size_t removed = lines_.size() - kept;
        lines_.resize(kept);
        compactIfWasteful();
        return removed;
    }

    Slot store(std::string_view line);
    void forget(std::string_view line);
    void compactIfWasteful();

    std::vector<Slot> lines_;
    std::vector<std::unique_ptr<char[]>> blocks_;
    std::unique_ptr<std::string> loaded_;
    char *free_ = nullptr;
    std::size_t room_ = 0;
    std::size_t live_ = 0; // bytes of the lines in the list
    std::size_t dead_ = 0; // bytes of the arena no line points to any more
};
