#include "ledger/Header.h"

#include "ledger/Codec1252.h"
#include "ledger/LedgerFile.h"
#include "ledger/MonthLines.h"
#include "ledger/TextForms.h"

QDate FiscalYear::finalUntil() const
{
    const QDate validated = validation::validatedUntil(validations);
    const QDate closed = closing > start ? closing : QDate();
    if (!closed.isValid())
        return validated;
    return validated.isValid() && validated > closed ? validated : closed;
}

namespace header {
namespace {
constexpr std::string_view kOpen = "<HEAD>";
constexpr std::string_view kClose = "</HEAD>";

// A line of the entry form (a month key of six digits and a column digit)
// inside the block is one of that month's lines: the month reader takes it
// and its write-back moves it, so the dates are read past it and a new block
// keeps it.
bool isMonthLine(std::string_view line)
{
    const std::optional<monthlines::MonthLine> read = monthlines::readLine(line, monthlines::Cells::Whole);
    return read && monthlines::isDigitKey(read->key);
}
} // namespace

bool Scan::add(std::size_t index, std::string_view line)
{
    if (open_ == LineList::npos) {
        if (line == kOpen)
            open_ = index;
        return true;
    }
    if (line == kClose) {
        close_ = index;
        return false;
    }
    if (index - open_ <= after_.size())
        after_[index - open_ - 1] = line;
    if (isMonthLine(line))
        return true;
    if (validation::isIdentityLine(line))
        identity_ = line;
    // After the dates, every line that carries data is a record: one in
    // another form than the program writes is an alteration, never a line
    // to pass over.
    else if (validation::isRecordLine(line) || (block_.size() == 3 && !ledgerfile::carriesNoData(line)))
        records_.push_back(line);
    // The block is read as the loading leaves it, without the lines that carry
    // no data: read with them, an empty line after "<HEAD>" would hide dates
    // that the next save, once the line is dropped, hands to the next loading.
    if (block_.size() < 3 && !ledgerfile::carriesNoData(line))
        block_.push_back(line);
    return true;
}

void Scan::readYear(FiscalYear &year) const
{
    year.validations.clear();
    if (close_ == LineList::npos)
        return;
    for (std::string_view record : records_)
        year.validations.push_back(validation::readRecord(record));
    validation::readIdentity(identity_, year.dossierId, year.chainedFrom);
    if (block_.size() < 2)
        return;
    QDate *const targets[] = {&year.start, &year.end, &year.closing};
    for (std::size_t k = 0; k < block_.size(); ++k) {
        const QDate date = forms::parseDate(cp1252::decode(block_[k]));
        if (!date.isValid())
            return;
        *targets[k] = date;
        if (k == 0)
            year.closing = date;
    }
}

void read(const LineList &lines, FiscalYear &year)
{
    Scan scan;
    std::size_t i = 0;
    while (i < lines.size() && scan.add(i, lines[i]))
        ++i;
    scan.readYear(year);
}

void write(LineList &lines, const FiscalYear &year)
{
    std::vector<std::string> monthLines;
    const std::size_t open = lines.indexOf(kOpen);
    if (open != LineList::npos) {
        const std::size_t close = lines.indexOf(kClose, open + 1);
        std::size_t end = close == LineList::npos ? open + 1 : close + 1;
        // A damaged block without its closing marker: take away the marker and
        // the dates that follow it, never the entries after them.
        if (close == LineList::npos)
            while (end < lines.size() && end <= open + 3 && forms::parseDate(cp1252::decode(lines[end])).isValid())
                ++end;
        for (std::size_t i = open + 1; i < end; ++i)
            if (isMonthLine(lines[i]))
                monthLines.emplace_back(lines[i]);
        lines.removeRange(open, end - open);
    }
    const std::string texts[] = {
        std::string(kOpen),
        cp1252::encode(forms::formatDate(year.start)),
        cp1252::encode(forms::formatDate(year.end)),
        cp1252::encode(forms::formatDate(year.closing)),
        std::string(kClose)};
    for (std::size_t i = 0; i < 4; ++i)
        lines.insert(i, texts[i]);
    std::size_t at = 4;
    if (!year.dossierId.empty())
        lines.insert(at++, validation::identityLine(year.dossierId, year.chainedFrom));
    for (const Validation &v : year.validations)
        lines.insert(at++, validation::recordLine(v));
    lines.insert(at++, texts[4]);
    for (const std::string &line : monthLines)
        lines.insert(at++, line);
}

} // namespace header
