#pragma once

#include "wordproc/RtfDocument.h"

// Generated letters for the speed programs: `pages` pages of about 1,500
// characters (about 3 KB of RTF a page), in paragraphs of varied formats:
// bold, italic, underlined and coloured words, centred and indented
// paragraphs, bullets, tabs, accents.
rtf::Document generateLetter(int pages);
