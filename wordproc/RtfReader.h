#pragma once

#include "wordproc/RtfDocument.h"

#include <string_view>

namespace rtf {

// Reads a rich-text file into a document. It never fails: what it does not
// know is passed over (unknown control words and \* destinations, pictures,
// objects, headers, fields' instructions), a damaged or cut file gives what
// could be read up to the damage, and bytes that are not RTF at all are read
// as plain text, a paragraph a line.
Document read(std::string_view bytes);

} // namespace rtf
