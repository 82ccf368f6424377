#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace reports {

// The filter item that takes every entry.
inline const QString kAllCodes = QStringLiteral("Tous");

// The filter of a month view turned into a test on the bytes of a code cell:
// "Tous" takes every entry; any other text takes the entries whose code, cut
// to six characters, equals it exactly (an empty filter takes the entries
// with an empty code; a text the file's code page cannot hold takes none).
class CodeSelector {
public:
    // The journal views compare the filter as typed.
    static CodeSelector forJournal(const QString &filter);
    // The ledger view completes the filter to a six-character account first.
    static CodeSelector forAccount(const QString &filter);

    bool matches(std::string_view code) const
    {
        return all_ || (possible_ && code.substr(0, 6) == wanted_);
    }

private:
    bool all_ = false;
    bool possible_ = true;
    std::string wanted_;
};

} // namespace reports
