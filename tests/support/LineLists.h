#pragma once

#include "ledger/LineList.h"

#include <string>
#include <vector>

// Line lists written out as the lines they hold, and read back the same way.
inline LineList lineListOf(const std::vector<std::string> &lines)
{
    LineList list;
    for (const std::string &line : lines)
        list.append(line);
    return list;
}

inline std::vector<std::string> textsOf(const LineList &list)
{
    return {list.begin(), list.end()};
}
