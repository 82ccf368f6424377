#include "wordproc/RtfWriter.h"

#include "ledger/Codec1252.h"
#include "wordproc/RtfCharacters.h"

#include <QStringList>

namespace rtf {
namespace {

// The bullet's own font: the symbol font, whose byte 0xB7 is the bullet.
const QString kBulletFamily = QStringLiteral("Symbol");

class Writer {
public:
    explicit Writer(const Document &document);
    std::string run();

private:
    void header();
    void paragraph(const Paragraph &paragraph);
    void charProperties(const CharFormat &format);
    // Text with its escapes; in a font name, only the byte and \\u escapes.
    void text(QStringView text, bool fontName = false);
    void number(int value) { out_ += std::to_string(value); }
    int fontIndex(const QString &family) const { return int(fonts_.indexOf(family)); }

    const Document &document_;
    QStringList fonts_;
    QList<quint32> colours_; // colour table entries after the automatic one
    int bulletFont_ = -1;
    std::string out_;
};

Writer::Writer(const Document &document) : document_(document)
{
    const auto addFormat = [this](const CharFormat &format) {
        if (!fonts_.contains(format.family))
            fonts_.append(format.family);
        if (format.colour && !colours_.contains(*format.colour))
            colours_.append(*format.colour);
    };
    bool bullets = false;
    for (const Paragraph &p : document.paragraphs) {
        for (const Run &run : p.runs)
            addFormat(run.format);
        addFormat(p.mark);
        bullets = bullets || p.format.bullet;
    }
    if (fonts_.isEmpty())
        fonts_.append(CharFormat{}.family);
    if (bullets)
        bulletFont_ = int(fonts_.size()); // its own entry: a symbol charset
}

std::string Writer::run()
{
    out_.reserve(std::size_t(document_.paragraphs.size()) * 64 + 256);
    header();
    for (const Paragraph &p : document_.paragraphs)
        paragraph(p);
    out_ += "}\r\n";
    return std::move(out_);
}

void Writer::header()
{
    out_ += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deftab";
    number(document_.defaultTabWidth);
    out_ += "\\uc1\r\n{\\fonttbl";
    for (qsizetype i = 0; i < fonts_.size(); ++i) {
        out_ += "{\\f";
        number(int(i));
        out_ += "\\fnil\\fcharset0 ";
        text(cleanFontName(fonts_[i]), true);
        out_ += ";}";
    }
    if (bulletFont_ >= 0) {
        out_ += "{\\f";
        number(bulletFont_);
        out_ += "\\fnil\\fcharset2 ";
        text(kBulletFamily, true);
        out_ += ";}";
    }
    out_ += "}\r\n{\\colortbl ;";
    for (const quint32 rgb : colours_) {
        out_ += "\\red";
        number(int(rgb >> 16 & 0xFF));
        out_ += "\\green";
        number(int(rgb >> 8 & 0xFF));
        out_ += "\\blue";
        number(int(rgb & 0xFF));
        out_ += ';';
    }
    out_ += "}\r\n{\\*\\generator Tavelin;}\r\n";
}

void Writer::paragraph(const Paragraph &p)
{
    const ParagraphFormat &f = p.format;
    out_ += "\\pard";
    switch (f.alignment) {
    case Alignment::Left: break;
    case Alignment::Centre: out_ += "\\qc"; break;
    case Alignment::Right: out_ += "\\qr"; break;
    case Alignment::Justify: out_ += "\\qj"; break;
    }
    const auto length = [this](const char *word, int value) {
        if (value == 0)
            return;
        out_ += word;
        number(value);
    };
    length("\\fi", f.firstIndent);
    length("\\li", f.leftIndent);
    length("\\ri", f.rightIndent);
    for (const TabStop &tab : f.tabs) {
        switch (tab.kind) {
        case TabKind::Left: break;
        case TabKind::Centre: out_ += "\\tqc"; break;
        case TabKind::Right: out_ += "\\tqr"; break;
        case TabKind::Decimal: out_ += "\\tqdec"; break;
        }
        out_ += "\\tx";
        number(tab.position);
    }
    if (f.bullet) {
        // The definition before the plain mark: a file cut between the two
        // still reads as a bulleted paragraph.
        out_ += "{\\*\\pn\\pnlvlblt\\pnf";
        number(bulletFont_);
        out_ += "\\pnindent0{\\pntxtb\\'b7}}{\\pntext\\f";
        number(bulletFont_);
        out_ += "\\'b7\\tab}";
    }
    for (const Run &run : p.runs) {
        out_ += '{';
        charProperties(run.format);
        out_ += ' ';
        text(run.text);
        out_ += '}';
    }
    out_ += '{';
    charProperties(p.mark);
    out_ += "\\par}\r\n";
}

void Writer::charProperties(const CharFormat &format)
{
    out_ += "\\f";
    number(fontIndex(format.family));
    out_ += "\\fs";
    number(format.halfPoints);
    if (format.bold)
        out_ += "\\b";
    if (format.italic)
        out_ += "\\i";
    if (format.underline)
        out_ += "\\ul";
    if (format.colour) {
        out_ += "\\cf";
        number(int(colours_.indexOf(*format.colour)) + 1);
    }
}

void Writer::text(QStringView text, bool fontName)
{
    static constexpr char kHex[] = "0123456789abcdef";
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        switch (fontName ? 0 : u) {
        case u'\\': out_ += "\\\\"; continue;
        case u'{': out_ += "\\{"; continue;
        case u'}': out_ += "\\}"; continue;
        case u'\t': out_ += "\\tab "; continue;
        case 0x2028: out_ += "\\line "; continue;
        case 0x00A0: out_ += "\\~"; continue;
        case 0x00AD: out_ += "\\-"; continue;
        case 0x2011: out_ += "\\_"; continue;
        default: break;
        }
        if (u < 0x20)
            continue;
        if (u < 0x80) {
            out_ += char(u);
            continue;
        }
        const char byte = cp1252::encodeChar(c);
        if (byte != '?') {
            const auto b = static_cast<unsigned char>(byte);
            out_ += "\\'";
            out_ += kHex[b >> 4];
            out_ += kHex[b & 0xF];
        } else {
            out_ += "\\u";
            number(int(static_cast<qint16>(u)));
            out_ += '?';
        }
    }
}

} // namespace

std::string write(const Document &document)
{
    return Writer(document).run();
}

} // namespace rtf
