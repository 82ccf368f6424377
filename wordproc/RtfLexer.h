#pragma once

#include <string_view>

namespace rtf {

// One piece of an RTF stream.
struct Token {
    enum class Kind {
        End,    // no more input
        Open,   // '{'
        Close,  // '}'
        Word,   // control word: name, and a parameter when hasParameter
        Symbol, // control symbol: a backslash and one non-letter ('~', '*', '\\'...)
        Byte,   // \'xx: one byte of text in the current code page
        Text,   // bytes of plain text, without braces, backslashes or line ends
    };
    Token() = default;
    explicit Token(Kind k) : kind(k) {}

    Kind kind = Kind::End;
    std::string_view word;
    bool hasParameter = false;
    int parameter = 0;
    char symbol = 0;
    unsigned char byte = 0;
    std::string_view text;
};

// Cuts an RTF stream into tokens. Every call moves forward, and any byte
// sequence, however damaged, ends in Kind::End: a broken escape is dropped,
// parameters are clamped to the int range, and the binary data after \binN is
// passed over (the token for \bin is still given).
class Lexer {
public:
    explicit Lexer(std::string_view input) : input_(input) {}
    Token next();
    // How far the lexer has read, in bytes.
    std::size_t position() const { return pos_; }

private:
    Token controlWord();
    Token controlSymbol();

    std::string_view input_;
    std::size_t pos_ = 0;
};

} // namespace rtf
