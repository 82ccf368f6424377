#pragma once

#include "wordproc/RtfDocument.h"

#include <ostream>

// How texts and the word processor's documents show in a failed test.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace rtf {

inline void PrintTo(const CharFormat &f, std::ostream *os)
{
    *os << f.family.toStdString() << ' ' << f.halfPoints << "hp" << (f.bold ? " b" : "") << (f.italic ? " i" : "")
        << (f.underline ? " u" : "");
    if (f.colour)
        *os << " #" << std::hex << *f.colour << std::dec;
}

inline void PrintTo(const rtf::Run &run, std::ostream *os)
{
    ::PrintTo(run.text, os);
    *os << " [";
    PrintTo(run.format, os);
    *os << ']';
}

inline void PrintTo(const Paragraph &p, std::ostream *os)
{
    const ParagraphFormat &f = p.format;
    *os << "\n  {align " << int(f.alignment) << " fi " << f.firstIndent << " li " << f.leftIndent << " ri "
        << f.rightIndent << (f.bullet ? " bullet" : "") << " tabs";
    for (const TabStop &t : f.tabs)
        *os << ' ' << t.position << '/' << int(t.kind);
    *os << " mark [";
    PrintTo(p.mark, os);
    *os << "]}";
    for (const rtf::Run &run : p.runs) {
        *os << ' ';
        PrintTo(run, os);
    }
}

inline void PrintTo(const Document &d, std::ostream *os)
{
    *os << "deftab " << d.defaultTabWidth << ':';
    for (const Paragraph &p : d.paragraphs)
        PrintTo(p, os);
}

} // namespace rtf
