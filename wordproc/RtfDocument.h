#pragma once

#include <QList>
#include <QString>
#include <optional>

// A rich-text letter as the word processor keeps it between the screen and a
// file: paragraphs with their format, each made of runs of text sharing one
// character format. Lengths are in twips (1/20 point), as in RTF files.
//
// Run text holds printable characters plus '\t' (a tab) and
// QChar::LineSeparator (a line break inside the paragraph); a paragraph never
// holds a paragraph break.
namespace rtf {

struct CharFormat {
    QString family = QStringLiteral("Times New Roman");
    int halfPoints = 20; // font size in half points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    std::optional<quint32> colour; // 0xRRGGBB; nothing: the automatic text colour

    bool operator==(const CharFormat &) const = default;
};

enum class Alignment { Left, Centre, Right, Justify };

enum class TabKind { Left, Centre, Right, Decimal };

struct TabStop {
    int position = 0; // from the left margin
    TabKind kind = TabKind::Left;

    bool operator==(const TabStop &) const = default;
};

struct ParagraphFormat {
    Alignment alignment = Alignment::Left;
    int firstIndent = 0; // start of the first line, from the left indent (negative: hanging)
    int leftIndent = 0;  // left edge of the paragraph, from the left margin
    int rightIndent = 0; // from the right margin
    bool bullet = false;
    QList<TabStop> tabs; // in increasing position

    bool operator==(const ParagraphFormat &) const = default;
};

struct Run {
    QString text;
    CharFormat format;

    bool operator==(const Run &) const = default;
};

struct Paragraph {
    ParagraphFormat format;
    QList<Run> runs;   // never empty texts, never two neighbours of the same format
    CharFormat mark;   // the paragraph mark's format: what an empty paragraph is typed in

    bool operator==(const Paragraph &) const = default;
    QString text() const;
};

// The document's default tab stops, every half inch.
constexpr int kDefaultTabWidth = 720;

struct Document {
    QList<Paragraph> paragraphs;
    int defaultTabWidth = kDefaultTabWidth;

    bool operator==(const Document &) const = default;
    // The whole text, paragraphs separated by '\n'.
    QString plainText() const;
};

// Adds text in a format at the end of a paragraph, joining it to the last run
// when the format is the same. Empty text adds nothing.
void append(Paragraph &paragraph, QStringView text, const CharFormat &format);

} // namespace rtf
