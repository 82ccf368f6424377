#include "ledger/Header.h"

#include "ledger/Codec1252.h"
#include "ledger/LedgerFile.h"
#include "ledger/TextForms.h"

QDate FiscalYear::finalUntil() const
{
    const QDate validated = validation::validatedUntil(validations);
    const QDate closed = cloture > debut ? cloture : QDate();
    if (!closed.isValid())
        return validated;
    return validated.isValid() && validated > closed ? validated : closed;
}

namespace header {
namespace {
constexpr std::string_view kOpen = "<HEAD>";
constexpr std::string_view kClose = "</HEAD>";
} // namespace

void read(const LineList &lines, FiscalYear &year)
{
    year.validations.clear();
    const std::size_t open = lines.indexOf(kOpen);
    if (open == LineList::npos)
        return;
    const std::size_t close = lines.indexOf(kClose, open + 1);
    if (close == LineList::npos)
        return;
    for (std::size_t i = open + 1; i < close; ++i)
        if (validation::isRecordLine(lines[i]))
            year.validations.push_back(validation::readRecord(lines[i]));
    // The block is read as the loading leaves it, without the lines that carry
    // no data: read with them, an empty line after "<HEAD>" would hide dates
    // that the next save, once the line is dropped, hands to the next loading.
    std::vector<std::string_view> block;
    for (std::size_t i = open + 1; i < close && block.size() < 3; ++i)
        if (!ledgerfile::carriesNoData(lines[i]))
            block.push_back(lines[i]);
    if (block.size() < 2)
        return;
    QDate *const targets[] = {&year.debut, &year.fin, &year.cloture};
    for (std::size_t k = 0; k < block.size(); ++k) {
        const QDate date = forms::parseDate(cp1252::decode(block[k]));
        if (!date.isValid())
            return;
        *targets[k] = date;
        if (k == 0)
            year.cloture = date;
    }
}

void write(LineList &lines, const FiscalYear &year)
{
    const std::size_t open = lines.indexOf(kOpen);
    if (open != LineList::npos) {
        const std::size_t close = lines.indexOf(kClose, open + 1);
        std::size_t end = close == LineList::npos ? open + 1 : close + 1;
        // A damaged block without its closing marker: take away the marker and
        // the dates that follow it, never the entries after them.
        if (close == LineList::npos)
            while (end < lines.size() && end <= open + 3 && forms::parseDate(cp1252::decode(lines[end])).isValid())
                ++end;
        lines.removeRange(open, end - open);
    }
    const std::string texts[] = {
        std::string(kOpen),
        cp1252::encode(forms::formatDate(year.debut)),
        cp1252::encode(forms::formatDate(year.fin)),
        cp1252::encode(forms::formatDate(year.cloture)),
        std::string(kClose)};
    for (std::size_t i = 0; i < 4; ++i)
        lines.insert(i, texts[i]);
    std::size_t at = 4;
    for (const Validation &v : year.validations)
        lines.insert(at++, validation::recordLine(v));
    lines.insert(at, texts[4]);
}

} // namespace header
