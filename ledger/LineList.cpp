#include "ledger/LineList.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr std::size_t kBlockSize = 1 << 20;
constexpr std::size_t kCompactThreshold = 8 << 20;
} // namespace

LineList::LineList(const LineList &other)
{
    lines_.reserve(other.lines_.size());
    for (const Slot &s : other.lines_)
        append(s.view());
}

LineList &LineList::operator=(const LineList &other)
{
    if (this != &other) {
        LineList copy(other);
        *this = std::move(copy);
    }
    return *this;
}

LineList LineList::adopt(std::unique_ptr<std::string> text, const std::vector<std::string_view> &lines)
{
    LineList list;
    list.loaded_ = std::move(text);
    list.lines_.reserve(lines.size());
    for (std::string_view l : lines) {
        list.lines_.push_back({l.data(), std::uint32_t(l.size()), tagOf(l)});
        list.live_ += l.size();
    }
    list.dead_ = list.loaded_->size() - std::min(list.loaded_->size(), list.live_);
    return list;
}

void LineList::clear()
{
    lines_.clear();
    blocks_.clear();
    loaded_.reset();
    free_ = nullptr;
    room_ = 0;
    live_ = 0;
    dead_ = 0;
}

LineList::Slot LineList::store(std::string_view line)
{
    if (line.empty())
        return {nullptr, 0, kNoTag};
    if (line.size() > room_) {
        const std::size_t size = std::max(kBlockSize, line.size());
        blocks_.push_back(std::make_unique<char[]>(size));
        free_ = blocks_.back().get();
        room_ = size;
    }
    std::memcpy(free_, line.data(), line.size());
    const Slot stored{free_, std::uint32_t(line.size()), tagOf(line)};
    free_ += line.size();
    room_ -= line.size();
    live_ += line.size();
    return stored;
}

void LineList::append(std::string_view line)
{
    lines_.push_back(store(line));
}

void LineList::insert(std::size_t index, std::string_view line)
{
    lines_.insert(lines_.begin() + std::ptrdiff_t(index), store(line));
}

void LineList::insertAfter(const std::vector<std::pair<std::size_t, std::string>> &added)
{
    if (added.empty())
        return;
    std::vector<Slot> merged;
    merged.reserve(lines_.size() + added.size());
    auto next = added.begin();
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        merged.push_back(lines_[i]);
        for (; next != added.end() && next->first == i; ++next)
            merged.push_back(store(next->second));
    }
    lines_ = std::move(merged);
}

void LineList::replace(std::size_t index, std::string_view line)
{
    forget(lines_.at(index).view());
    lines_[index] = store(line);
    compactIfWasteful();
}

void LineList::removeAt(std::size_t index)
{
    removeRange(index, 1);
}

void LineList::removeRange(std::size_t first, std::size_t count)
{
    count = std::min(count, lines_.size() - std::min(first, lines_.size()));
    for (std::size_t i = first; i < first + count; ++i)
        forget(lines_[i].view());
    lines_.erase(lines_.begin() + std::ptrdiff_t(first), lines_.begin() + std::ptrdiff_t(first + count));
    compactIfWasteful();
}

std::size_t LineList::indexOf(std::string_view line, std::size_t from) const
{
    for (std::size_t i = from; i < lines_.size(); ++i)
        if (lines_[i].view() == line)
            return i;
    return npos;
}

void LineList::forget(std::string_view line)
{
    live_ -= line.size();
    dead_ += line.size();
}

void LineList::compactIfWasteful()
{
    if (dead_ < kCompactThreshold || dead_ < live_)
        return;
    LineList fresh(*this);
    *this = std::move(fresh);
}
