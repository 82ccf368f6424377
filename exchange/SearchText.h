#pragma once

#include <QString>
#include <string>
#include <string_view>

// The text of an entry search and its case rules: a line (or a cell) holds
// the text when, both upper-cased, the text stands in it. Upper-casing works
// on the characters of code page 1252, the character set of the ledger: the
// letters a to z and every accented letter the code page has in both cases
// (é and É, œ and Œ, ÿ and Ÿ...); characters without an upper case (ß, µ)
// stay as they are.
namespace exchange {

class SearchText {
public:
    SearchText() = default;
    explicit SearchText(const QString &text);

    // Nothing to search for: the prompt was cancelled or left empty.
    bool empty() const { return folded_.empty(); }
    bool foundIn(std::string_view cp1252Bytes) const;
    bool foundIn(const QString &text) const;

private:
    std::string folded_;
    // A character the ledger cannot hold can never be found in it.
    bool representable_ = true;
};

// The upper case of a code page 1252 character.
unsigned char upperCase(unsigned char byte);

} // namespace exchange
