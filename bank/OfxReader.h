#pragma once

#include "bank/Statement.h"

#include <QString>
#include <string_view>

// Statements in the Open Financial Exchange format, version 1 (SGML, with
// its header lines "OFXHEADER:100"...) and version 2 (XML), read by libofx.
namespace bank::ofx {

// Whether the bytes begin as such a file does.
bool looksLike(std::string_view bytes);

// Reads the bank statement of the file at `path` (whose bytes are `bytes`)
// into `out`; the French reason the file cannot be read when it is damaged
// or holds no statement (empty on success, `out` then filled).
QString read(const QString &path, std::string_view bytes, Statement &out);

} // namespace bank::ofx
