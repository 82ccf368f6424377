#pragma once

#include <QString>
#include <string_view>

// Code page 1252 at the file boundary. Every byte decodes to one character and
// encodes back to the same byte; the five bytes the code page leaves undefined
// map to the C1 control characters of the same value, as Windows does.
namespace cp1252 {

QString decode(std::string_view bytes);
// Decodes into an existing string, reusing its storage.
void decodeInto(QString &out, std::string_view bytes);
std::string encode(QStringView text);
// Appends the encoded text to `out`.
void encodeAppend(std::string &out, QStringView text);
// One character, or '?' when the code page has no byte for it.
char encodeChar(QChar c);
QChar decodeChar(unsigned char byte);

} // namespace cp1252
