#include "wordproc/RtfLexer.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace rtf {
namespace {

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

Token Lexer::next()
{
    while (pos_ < input_.size()) {
        const char c = input_[pos_];
        switch (c) {
        case '{':
            ++pos_;
            return Token{Token::Kind::Open};
        case '}':
            ++pos_;
            return Token{Token::Kind::Close};
        case '\\':
            ++pos_;
            if (pos_ >= input_.size())
                return Token{};
            if (isLetter(input_[pos_]))
                return controlWord();
            if (Token symbol = controlSymbol(); symbol.kind != Token::Kind::End)
                return symbol;
            continue; // a broken \' escape: nothing to give
        case '\r':
        case '\n':
            ++pos_; // line ends only lay the file out
            continue;
        default: {
            const std::size_t start = pos_;
            while (pos_ < input_.size()) {
                const char d = input_[pos_];
                if (d == '{' || d == '}' || d == '\\' || d == '\r' || d == '\n')
                    break;
                ++pos_;
            }
            Token text{Token::Kind::Text};
            text.text = input_.substr(start, pos_ - start);
            return text;
        }
        }
    }
    return Token{};
}

Token Lexer::controlWord()
{
    Token token{Token::Kind::Word};
    const std::size_t start = pos_;
    while (pos_ < input_.size() && isLetter(input_[pos_]))
        ++pos_;
    token.word = input_.substr(start, pos_ - start);

    const bool negative = pos_ + 1 < input_.size() && input_[pos_] == '-' && isDigit(input_[pos_ + 1]);
    if (negative)
        ++pos_;
    if (pos_ < input_.size() && isDigit(input_[pos_])) {
        std::int64_t value = 0;
        while (pos_ < input_.size() && isDigit(input_[pos_])) {
            value = std::min<std::int64_t>(value * 10 + (input_[pos_] - '0'), std::int64_t(INT_MAX) + 1);
            ++pos_;
        }
        if (negative)
            value = -value;
        token.hasParameter = true;
        token.parameter = int(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX));
    }
    if (pos_ < input_.size() && input_[pos_] == ' ')
        ++pos_; // the space that ends a control word belongs to it

    if (token.word == "bin" && token.parameter > 0)
        pos_ += std::min(std::size_t(token.parameter), input_.size() - pos_);
    return token;
}

Token Lexer::controlSymbol()
{
    const char c = input_[pos_++];
    if (c == '\r' || c == '\n') {
        // A backslash before a line end is an old spelling of \par.
        Token par{Token::Kind::Word};
        par.word = "par";
        return par;
    }
    if (c != '\'') {
        Token symbol{Token::Kind::Symbol};
        symbol.symbol = c;
        return symbol;
    }
    const int high = pos_ < input_.size() ? hexValue(input_[pos_]) : -1;
    const int low = pos_ + 1 < input_.size() ? hexValue(input_[pos_ + 1]) : -1;
    if (high < 0 || low < 0)
        return Token{};
    pos_ += 2;
    Token byte{Token::Kind::Byte};
    byte.byte = static_cast<unsigned char>(high * 16 + low);
    return byte;
}

} // namespace rtf
