#pragma once

#include "ledger/LedgerFile.h"
#include "ledger/LineList.h"

#include <initializer_list>
#include <memory>
#include <string>

// Ledger texts for the tests, written the way the month write-back writes
// them: eight lines per entry, and the lettering's when there is one, CR LF
// after every line.

struct EntryCells {
    std::string date{}, account{}, label{}, journal{}, voucher{}, debit{}, credit{}, mark{}, lettering{};
};

inline std::string entryText(const std::string &key, const EntryCells &e)
{
    const std::string cells[9] = {e.date, e.account, e.label, e.journal, e.voucher, e.debit, e.credit, e.mark, e.lettering};
    std::string out;
    for (int c = 0; c < 9; ++c)
        if (c < 8 || !cells[c].empty())
            out += key + char('0' + c) + cells[c] + "\r\n";
    return out;
}

inline std::string entriesText(const std::string &key, std::initializer_list<EntryCells> entries)
{
    std::string out;
    for (const EntryCells &e : entries)
        out += entryText(key, e);
    return out;
}

inline const std::string kHeader2002 = "<HEAD>\r\n01/01/2002\r\n31/12/2002\r\n01/01/2002\r\n</HEAD>\r\n";

inline LineList linesOf(const std::string &text)
{
    return ledgerfile::parse(std::make_unique<std::string>(text));
}
