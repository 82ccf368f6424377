#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
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
public:
    LineList() = default;
    LineList(const LineList &other);
    LineList &operator=(const LineList &other);
    LineList(LineList &&) noexcept = default;
    LineList &operator=(LineList &&) noexcept = default;

    // Takes over the text of a file and the lines cut from it (views into it).
    static LineList adopt(std::unique_ptr<std::string> text, std::vector<std::string_view> &&lines);

    std::size_t size() const { return lines_.size(); }
    bool empty() const { return lines_.empty(); }
    std::string_view operator[](std::size_t i) const { return lines_[i]; }
    std::string_view at(std::size_t i) const { return lines_.at(i); }
    auto begin() const { return lines_.begin(); }
    auto end() const { return lines_.end(); }

    void clear();
    void append(std::string_view line);
    void insert(std::size_t index, std::string_view line);
    void replace(std::size_t index, std::string_view line);
    void removeAt(std::size_t index);
    void removeRange(std::size_t first, std::size_t count);
    // Removes every line the predicate holds for, in one pass; returns how many.
    template <class Pred>
    std::size_t removeIf(Pred pred)
    {
        std::size_t kept = 0;
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            if (pred(lines_[i]))
                forget(lines_[i]);
            else
                lines_[kept++] = lines_[i];
        }
        const std::size_t removed = lines_.size() - kept;
        lines_.resize(kept);
        compactIfWasteful();
        return removed;
    }

    // Index of the first line equal to the text from `from` on, or npos.
    std::size_t indexOf(std::string_view line, std::size_t from = 0) const;
    static constexpr std::size_t npos = std::size_t(-1);

private:
    std::string_view store(std::string_view line);
    void forget(std::string_view line);
    void compactIfWasteful();

    std::vector<std::string_view> lines_;
    std::vector<std::unique_ptr<char[]>> blocks_;
    std::unique_ptr<std::string> loaded_;
    char *free_ = nullptr;
    std::size_t room_ = 0;
    std::size_t live_ = 0; // bytes of the lines in the list
    std::size_t dead_ = 0; // bytes of the arena no line points to any more
};
