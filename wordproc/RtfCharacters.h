#pragma once

#include <QString>
#include <map>
#include <memory>
#include <string_view>

class QStringDecoder;

namespace rtf {

// Code page 42: what Windows calls the encoding of symbol fonts (\fcharset2).
constexpr int kSymbolCodePage = 42;
constexpr int kAnsiCodePage = 1252;
constexpr int kLatin1CodePage = 28591;

// The code page a font's \fcharset stands for; 0 when it names none of its
// own (ANSI, default), so that the document's \ansicpg applies.
int codePageOfCharset(int charset);

// A font name as a font table can hold it: without control characters, line
// or paragraph separators, braces, backslashes or semicolons, and without blanks around it.
QString cleanFontName(QString name);

// The character of a named-character control word (\emdash, \lquote, \tab...),
// or a null QChar for any other word.
QChar namedCharacter(std::string_view word);

// Turns the bytes of text into characters, in any code page an RTF file names.
// Code pages it cannot read are read as 1252.
class CodePageDecoder {
public:
    CodePageDecoder();
    ~CodePageDecoder();
    CodePageDecoder(const CodePageDecoder &) = delete;
    CodePageDecoder &operator=(const CodePageDecoder &) = delete;

    void decodeAppend(QString &out, std::string_view bytes, int codePage);

private:
    QStringDecoder *decoderFor(int codePage);

    std::map<int, std::unique_ptr<QStringDecoder>> decoders_; // null where the code page is unknown
};

} // namespace rtf
