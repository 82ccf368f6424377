#pragma once

#include "wordproc/RtfDocument.h"

#include <string>

namespace rtf {

// Writes a document as an RTF 1.x file in code page 1252, with its font and
// colour tables: characters outside the code page go out as \uN with a "?"
// for readers that do not know them, bullets both as a \pn definition and as
// the plain \pntext mark older readers show. Lines end in CR LF.
std::string write(const Document &document);

} // namespace rtf
