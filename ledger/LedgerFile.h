#pragma once

#include "ledger/LineList.h"

#include <memory>
#include <string>

// The ledger file as lines: code page 1252 bytes, one value per line.
namespace ledgerfile {

// Cuts a file's text into lines: CR LF, a lone LF or a lone CR end a line; a
// NUL byte ends the text. A last line without its line end still counts.
LineList parse(std::unique_ptr<std::string> text);

// Every line followed by CR LF, the last one included.
std::string serialize(const LineList &lines);

} // namespace ledgerfile
