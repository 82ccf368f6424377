#include "wordproc/RtfReader.h"

#include "wordproc/RtfCharacters.h"
#include "wordproc/RtfLexer.h"

#include <QStringDecoder>
#include <algorithm>
#include <map>
#include <unordered_map>
#include <vector>

namespace rtf {
namespace {

// Groups nested deeper than this still count, but share the state of the
// deepest one kept: no letter comes near, and a hostile file cannot make the
// reader hold a state per byte.
constexpr std::size_t kMaxDepth = 1024;
// 22 inches: the widest indent or tab position a page can use.
constexpr int kMaxLength = 31680;
constexpr int kDefaultHalfPoints = 24;
const QString kDefaultFamily = QStringLiteral("Times New Roman");

// What a letter's text never holds, whether it came as RTF or as plain text:
// control characters but the tab, and the code points Qt's editor would take
// as a paragraph break or that stand for no character at all.
bool unwantedInText(QChar c)
{
    const char16_t u = c.unicode();
    return (u < 0x20 && u != u'\t') || u == 0x2029 || u == 0xFFFE || u == 0xFFFF;
}

enum class Destination {
    Body,             // the text of the document
    Skip,             // read past: pictures, headers, \* destinations...
    FontTable,
    ColourTable,
    ListFallback,     // \pntext, \listtext: the bullet or number as plain text
    BulletDefinition, // \pn: how the paragraph is numbered
};

struct CharState {
    int font = -1; // -1: the document's default font
    int halfPoints = kDefaultHalfPoints;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool hidden = false;
    int colour = 0;
};

struct State {
    Destination destination = Destination::Body;
    CharState chars;
    ParagraphFormat paragraph;
    bool inList = false;        // \ls: a paragraph of a word processor's list
    TabKind nextTab = TabKind::Left;
    int unicodeSkip = 1;        // \uc: fallback characters after each \uN
    bool bulletLevel = false;   // inside \pn: the numbering is a bullet
};

struct Font {
    QString name;
    int codePage = 0; // 0: the document's
};

enum class Action {
    Bold, Italic, Underline, UnderlineNone, Hidden, Font, FontSize, Colour, Plain,
    Pard, AlignLeft, AlignCentre, AlignRight, AlignJustify,
    FirstIndent, LeftIndent, RightIndent, TabPosition, TabCentre, TabRight, TabDecimal, BarTab, List,
    Par, Row, Cell, Break,
    Unicode, UnicodeSkip,
    Ansi, Mac, Pc, Pca, AnsiCodePage, DefaultFont, DefaultTab,
    FontTable, ColourTable, ListFallback, BulletDefinition, SkipDestination,
};

const std::unordered_map<std::string_view, Action> &actions()
{
    static const std::unordered_map<std::string_view, Action> table = [] {
        std::unordered_map<std::string_view, Action> t = {
            {"b", Action::Bold}, {"i", Action::Italic}, {"ulnone", Action::UnderlineNone},
            {"v", Action::Hidden}, {"f", Action::Font}, {"fs", Action::FontSize}, {"cf", Action::Colour},
            {"plain", Action::Plain}, {"pard", Action::Pard}, {"ql", Action::AlignLeft},
            {"qc", Action::AlignCentre}, {"qr", Action::AlignRight}, {"qj", Action::AlignJustify},
            {"qd", Action::AlignJustify}, {"fi", Action::FirstIndent}, {"li", Action::LeftIndent},
            {"ri", Action::RightIndent}, {"tx", Action::TabPosition}, {"tqc", Action::TabCentre},
            {"tqr", Action::TabRight}, {"tqdec", Action::TabDecimal}, {"tb", Action::BarTab},
            {"ls", Action::List}, {"par", Action::Par}, {"row", Action::Row}, {"nestrow", Action::Row},
            {"cell", Action::Cell}, {"nestcell", Action::Cell}, {"page", Action::Break},
            {"sect", Action::Break}, {"column", Action::Break}, {"u", Action::Unicode},
            {"uc", Action::UnicodeSkip}, {"ansi", Action::Ansi}, {"mac", Action::Mac}, {"pc", Action::Pc},
            {"pca", Action::Pca}, {"ansicpg", Action::AnsiCodePage}, {"deff", Action::DefaultFont},
            {"deftab", Action::DefaultTab}, {"fonttbl", Action::FontTable},
            {"colortbl", Action::ColourTable}, {"pntext", Action::ListFallback},
            {"listtext", Action::ListFallback}, {"pn", Action::BulletDefinition},
        };
        for (std::string_view underline : {"ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave",
                                           "ulldash", "ulth", "ulthd", "ulthdash", "ulthdashd", "ulthdashdd",
                                           "ulthldash", "ululdbwave", "ulw", "ulwave"})
            t.emplace(underline, Action::Underline);
        // Destinations whose content is not text of the letter.
        for (std::string_view skipped :
             {"stylesheet", "info", "pict", "header", "headerl", "headerr", "headerf", "footer", "footerl",
              "footerr", "footerf", "footnote", "fldinst", "object", "shp", "shpinst", "nonshppict", "xe", "tc",
              "template", "listtable", "listoverridetable", "revtbl", "filetbl", "annotation", "atnid",
              "ftnsep", "ftnsepc", "ftncn", "aftnsep", "aftnsepc", "aftncn", "private", "rxe", "txe",
              "comment", "author", "operator", "title", "subject", "keywords", "doccomm", "pntxta", "pntxtb"})
            t.emplace(skipped, Action::SkipDestination);
        return t;
    }();
    return table;
}

bool isFallbackBullet(const Paragraph &fallback)
{
    QString mark = fallback.text();
    mark.removeIf([](QChar c) { return c.isSpace(); });
    if (mark.isEmpty())
        return true;
    return mark.size() == 1 && (!mark[0].isLetterOrNumber() || mark[0] == u'o');
}

class Reader {
public:
    explicit Reader(std::string_view input) : lexer_(input) { states_.emplace_back(); }
    Document run();

private:
    State &state() { return states_.back(); }
    void openGroup();
    // False once the document's own group is closed, or for a brace that
    // closes nothing.
    bool closeGroup();
    void word(const Token &token);
    void bodyWord(const Token &token, Action action);
    void symbol(char c);
    void text(std::string_view bytes);
    void unicode(int value);
    void addText(QStringView decoded);
    void flush();
    void endParagraph(const State &at);
    CharFormat format(const State &s) const;
    int codePage(const State &s) const;
    const Font *font(int index) const;
    void commitFont();
    void flushFontName();
    void commitColour();

    Lexer lexer_;
    std::vector<State> states_;
    std::size_t overflow_ = 0; // groups opened past kMaxDepth
    Document document_;
    Paragraph paragraph_;
    Paragraph fallback_;
    State lastText_; // the state at the last text of paragraph_, for a paragraph cut short
    std::map<int, Font> fonts_;
    int defaultFont_ = 0;
    int codePage_ = kAnsiCodePage;
    QList<std::optional<quint32>> colours_;
    int fontNumber_ = -1;
    QString fontName_;
    std::string fontBytes_; // of the name, not yet decoded
    int fontCodePage_ = 0;
    bool fontOpen_ = false;
    int rgb_[3] = {0, 0, 0};
    bool colourSet_ = false;
    std::string pending_; // text bytes not yet decoded, all in the current state
    bool ignorableNext_ = false;
    int skipCount_ = 0;
    char16_t highSurrogate_ = 0;
    CodePageDecoder decoder_;
};

Document Reader::run()
{
    for (Token token = lexer_.next(); token.kind != Token::Kind::End; token = lexer_.next()) {
        if (token.kind == Token::Kind::Open)
            openGroup();
        else if (token.kind == Token::Kind::Close && !closeGroup())
            break; // what follows the document's group is not part of it
        else if (token.kind == Token::Kind::Word)
            word(token);
        else if (token.kind == Token::Kind::Symbol)
            symbol(token.symbol);
        else if (token.kind == Token::Kind::Byte)
            text(std::string_view(reinterpret_cast<const char *>(&token.byte), 1));
        else if (token.kind == Token::Kind::Text)
            text(token.text);
    }
    flush();
    // A file cut short ends with the paragraph it was in, when that has text
    // of its own: a list mark alone means nothing.
    if (!paragraph_.runs.isEmpty())
        endParagraph(lastText_);
    return std::move(document_);
}

void Reader::openGroup()
{
    flush();
    skipCount_ = 0;
    ignorableNext_ = false;
    if (states_.size() >= kMaxDepth)
        ++overflow_;
    else
        states_.push_back(states_.back());
}

bool Reader::closeGroup()
{
    flush();
    skipCount_ = 0;
    ignorableNext_ = false;
    if (overflow_ > 0) {
        --overflow_;
        return true;
    }
    if (states_.size() <= 1)
        return false;
    const State closed = states_.back();
    states_.pop_back();
    if (closed.destination == Destination::FontTable)
        commitFont();
    if (closed.destination == Destination::BulletDefinition && state().destination != Destination::BulletDefinition)
        state().paragraph.bullet = closed.bulletLevel;
    return states_.size() > 1;
}

void Reader::word(const Token &token)
{
    flush();
    if (skipCount_ > 0) {
        --skipCount_; // a control word standing as the fallback of \uN
        return;
    }
    State &s = state();
    if (s.destination == Destination::Skip)
        return;
    if (ignorableNext_) {
        ignorableNext_ = false;
        s.destination = token.word == "pn" ? Destination::BulletDefinition : Destination::Skip;
        s.bulletLevel = false;
        return;
    }
    const auto found = actions().find(token.word);
    const Action action = found == actions().end() ? Action::SkipDestination : found->second;
    const bool known = found != actions().end();
    const int p = token.parameter;

    switch (s.destination) {
    case Destination::FontTable:
        if (token.word == "f" && token.hasParameter) {
            commitFont();
            fontNumber_ = p;
            fontOpen_ = true;
        } else if (token.word == "fcharset") {
            fontCodePage_ = codePageOfCharset(p);
        } else if (token.word == "cpg") {
            fontCodePage_ = p;
        } else if (token.word == "u" && token.hasParameter) {
            unicode(p);
        } else if (known && action == Action::SkipDestination) {
            s.destination = Destination::Skip;
        }
        return;
    case Destination::ColourTable:
        if (token.word == "red" || token.word == "green" || token.word == "blue") {
            rgb_[token.word == "red" ? 0 : token.word == "green" ? 1 : 2] = std::clamp(p, 0, 255);
            colourSet_ = true;
        }
        return;
    case Destination::BulletDefinition:
        if (token.word == "pnlvlblt")
            s.bulletLevel = true;
        else if (token.word == "pnlvlbody" || token.word == "pnlvlcont")
            s.bulletLevel = false;
        else if (known && action == Action::SkipDestination)
            s.destination = Destination::Skip;
        return;
    case Destination::Body:
    case Destination::ListFallback:
        if (const QChar named = namedCharacter(token.word); !named.isNull()) {
            if (!s.chars.hidden)
                addText(QStringView(&named, 1));
            return;
        }
        if (known)
            bodyWord(token, action);
        return;
    case Destination::Skip:
        return;
    }
}

void Reader::bodyWord(const Token &token, Action action)
{
    State &s = state();
    const int p = token.parameter;
    const bool on = !token.hasParameter || p != 0;
    const auto length = [p] { return std::clamp(p, -kMaxLength, kMaxLength); };
    switch (action) {
    case Action::Bold: s.chars.bold = on; break;
    case Action::Italic: s.chars.italic = on; break;
    case Action::Underline: s.chars.underline = on; break;
    case Action::UnderlineNone: s.chars.underline = false; break;
    case Action::Hidden: s.chars.hidden = on; break;
    case Action::Font:
        if (token.hasParameter)
            s.chars.font = p;
        break;
    case Action::FontSize: s.chars.halfPoints = p > 0 ? std::clamp(p, 2, 3276) : kDefaultHalfPoints; break;
    case Action::Colour: s.chars.colour = std::max(p, 0); break;
    case Action::Plain: s.chars = CharState{}; break;
    case Action::Pard:
        s.paragraph = ParagraphFormat{};
        s.inList = false;
        s.nextTab = TabKind::Left;
        break;
    case Action::AlignLeft: s.paragraph.alignment = Alignment::Left; break;
    case Action::AlignCentre: s.paragraph.alignment = Alignment::Centre; break;
    case Action::AlignRight: s.paragraph.alignment = Alignment::Right; break;
    case Action::AlignJustify: s.paragraph.alignment = Alignment::Justify; break;
    case Action::FirstIndent: s.paragraph.firstIndent = length(); break;
    case Action::LeftIndent: s.paragraph.leftIndent = length(); break;
    case Action::RightIndent: s.paragraph.rightIndent = length(); break;
    case Action::TabPosition: {
        const TabStop stop{std::clamp(p, 0, kMaxLength), s.nextTab};
        QList<TabStop> &tabs = s.paragraph.tabs;
        const auto at = std::lower_bound(tabs.begin(), tabs.end(), stop.position,
                                         [](const TabStop &t, int position) { return t.position < position; });
        if (at != tabs.end() && at->position == stop.position)
            *at = stop;
        else
            tabs.insert(at, stop);
        s.nextTab = TabKind::Left;
        break;
    }
    case Action::TabCentre: s.nextTab = TabKind::Centre; break;
    case Action::TabRight: s.nextTab = TabKind::Right; break;
    case Action::TabDecimal: s.nextTab = TabKind::Decimal; break;
    case Action::BarTab: s.nextTab = TabKind::Left; break;
    case Action::List: s.inList = true; break;
    case Action::Par:
        if (s.destination == Destination::Body)
            endParagraph(s);
        break;
    case Action::Row:
        if (s.destination != Destination::Body)
            break;
        // The last cell's \cell already gave a tab the row does not need.
        if (!paragraph_.runs.isEmpty() && paragraph_.runs.last().text.endsWith(u'\t')) {
            paragraph_.runs.last().text.chop(1);
            if (paragraph_.runs.last().text.isEmpty())
                paragraph_.runs.removeLast();
        }
        endParagraph(s);
        break;
    case Action::Cell:
        addText(u"\t");
        break;
    case Action::Break:
        if (s.destination == Destination::Body && !paragraph_.runs.isEmpty())
            endParagraph(s);
        break;
    case Action::Unicode:
        if (token.hasParameter)
            unicode(p);
        break;
    case Action::UnicodeSkip: s.unicodeSkip = std::clamp(p, 0, 8); break;
    case Action::Ansi: codePage_ = kAnsiCodePage; break;
    case Action::Mac: codePage_ = 10000; break;
    case Action::Pc: codePage_ = 437; break;
    case Action::Pca: codePage_ = 850; break;
    case Action::AnsiCodePage:
        if (p > 0)
            codePage_ = p;
        break;
    case Action::DefaultFont: defaultFont_ = p; break;
    case Action::DefaultTab:
        if (p > 0)
            document_.defaultTabWidth = std::min(p, kMaxLength);
        break;
    case Action::FontTable: s.destination = Destination::FontTable; break;
    case Action::ColourTable: s.destination = Destination::ColourTable; break;
    case Action::ListFallback: s.destination = Destination::ListFallback; break;
    case Action::BulletDefinition:
        s.destination = Destination::BulletDefinition;
        s.bulletLevel = false;
        break;
    case Action::SkipDestination: s.destination = Destination::Skip; break;
    }
}

void Reader::symbol(char c)
{
    flush();
    if (c == '*') {
        ignorableNext_ = true;
        return;
    }
    if (c == '\\' || c == '{' || c == '}') {
        text(std::string_view(&c, 1));
        return;
    }
    if (skipCount_ > 0) {
        --skipCount_;
        return;
    }
    const State &s = state();
    if (s.chars.hidden || (s.destination != Destination::Body && s.destination != Destination::ListFallback))
        return;
    switch (c) {
    case '~': addText(u"\u00A0"); break;
    case '-': addText(u"\u00AD"); break;
    case '_': addText(u"\u2011"); break;
    default: break; // formula and index marks
    }
}

void Reader::text(std::string_view bytes)
{
    if (skipCount_ > 0) {
        const std::size_t skipped = std::min(std::size_t(skipCount_), bytes.size());
        bytes.remove_prefix(skipped);
        skipCount_ -= int(skipped);
    }
    if (bytes.empty())
        return;
    State &s = state();
    switch (s.destination) {
    case Destination::Body:
    case Destination::ListFallback:
        if (!s.chars.hidden)
            pending_ += bytes;
        break;
    case Destination::FontTable:
        for (const char c : bytes) {
            if (c == ';')
                commitFont();
            else if (fontOpen_)
                fontBytes_ += c;
        }
        break;
    case Destination::ColourTable:
        for (const char c : bytes)
            if (c == ';')
                commitColour();
        break;
    case Destination::Skip:
    case Destination::BulletDefinition:
        break;
    }
}

void Reader::unicode(int value)
{
    const State &s = state();
    skipCount_ = s.unicodeSkip;
    const int code = value < 0 ? value + 65536 : value;
    if (code < 0 || code > 0xFFFF)
        return;
    const char16_t unit = char16_t(code);
    if (s.destination == Destination::FontTable && fontOpen_) {
        flushFontName();
        fontName_ += QChar(unit);
        return;
    }
    if (s.chars.hidden || (s.destination != Destination::Body && s.destination != Destination::ListFallback))
        return;
    if (QChar::isHighSurrogate(unit)) {
        highSurrogate_ = unit;
        return;
    }
    if (QChar::isLowSurrogate(unit)) {
        if (highSurrogate_ != 0) {
            const char16_t pair[2] = {highSurrogate_, unit};
            highSurrogate_ = 0;
            addText(QStringView(pair, 2));
        }
        return;
    }
    addText(QStringView(&unit, 1));
}

void Reader::addText(QStringView decoded)
{
    highSurrogate_ = 0;
    // A paragraph break only by \par.
    QString clean;
    if (std::any_of(decoded.begin(), decoded.end(), unwantedInText)) {
        clean = decoded.toString();
        clean.removeIf(unwantedInText);
        decoded = clean;
    }
    const State &s = state();
    if (s.destination == Destination::ListFallback) {
        append(fallback_, decoded, format(s));
    } else {
        append(paragraph_, decoded, format(s));
        lastText_ = s;
    }
}

void Reader::flush()
{
    if (pending_.empty())
        return;
    QString decoded;
    decoder_.decodeAppend(decoded, pending_, codePage(state()));
    pending_.clear();
    addText(decoded);
}

void Reader::endParagraph(const State &at)
{
    Paragraph done;
    done.format = at.paragraph;
    done.format.bullet = at.paragraph.bullet || (at.inList && isFallbackBullet(fallback_));
    if (!done.format.bullet) {
        // A number or a mark the reader does not know stays as text.
        for (const Run &run : fallback_.runs)
            append(done, run.text, run.format);
    }
    for (const Run &run : paragraph_.runs)
        append(done, run.text, run.format);
    done.mark = format(at);
    document_.paragraphs.append(std::move(done));
    paragraph_ = Paragraph{};
    fallback_ = Paragraph{};
}

const Font *Reader::font(int index) const
{
    auto found = fonts_.find(index < 0 ? defaultFont_ : index);
    if (found == fonts_.end())
        found = fonts_.find(defaultFont_);
    return found == fonts_.end() ? nullptr : &found->second;
}

CharFormat Reader::format(const State &s) const
{
    CharFormat f;
    const Font *used = font(s.chars.font);
    f.family = used && !used->name.isEmpty() ? used->name : kDefaultFamily;
    f.halfPoints = s.chars.halfPoints;
    f.bold = s.chars.bold;
    f.italic = s.chars.italic;
    f.underline = s.chars.underline;
    if (s.chars.colour < colours_.size())
        f.colour = colours_[s.chars.colour];
    return f;
}

int Reader::codePage(const State &s) const
{
    const Font *used = font(s.chars.font);
    return used && used->codePage != 0 ? used->codePage : codePage_;
}

void Reader::commitFont()
{
    if (!fontOpen_)
        return;
    flushFontName();
    const QString name = cleanFontName(fontName_);
    // Only the Symbol font is known well enough to map its bytes to
    // characters; other symbol fonts keep their bytes as Latin-1.
    int codePage = fontCodePage_;
    if (codePage == kSymbolCodePage && name != QLatin1String("Symbol"))
        codePage = kLatin1CodePage;
    fonts_[fontNumber_] = Font{name, codePage};
    fontOpen_ = false;
    fontName_.clear();
    fontCodePage_ = 0;
}

void Reader::flushFontName()
{
    const bool ownCodePage = fontCodePage_ != 0 && fontCodePage_ != kSymbolCodePage;
    decoder_.decodeAppend(fontName_, fontBytes_, ownCodePage ? fontCodePage_ : codePage_);
    fontBytes_.clear();
}

void Reader::commitColour()
{
    if (colourSet_)
        colours_.append(quint32(rgb_[0] << 16 | rgb_[1] << 8 | rgb_[2]));
    else
        colours_.append(std::nullopt);
    rgb_[0] = rgb_[1] = rgb_[2] = 0;
    colourSet_ = false;
}

// Text that is not RTF: UTF-8 when it reads as such, code page 1252 otherwise.
Document readPlainText(std::string_view bytes)
{
    QStringDecoder utf8(QStringConverter::Utf8);
    QString text = utf8.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    if (utf8.hasError()) {
        text.clear();
        CodePageDecoder().decodeAppend(text, bytes, kAnsiCodePage);
    }
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    if (text.endsWith(u'\n'))
        text.chop(1);
    Document document;
    const CharFormat format;
    for (QStringView line : QStringView(text).split(u'\n')) {
        Paragraph paragraph;
        QString clean = line.toString();
        clean.removeIf(unwantedInText);
        append(paragraph, clean, format);
        paragraph.mark = format;
        document.paragraphs.append(std::move(paragraph));
    }
    return document;
}

// Where the document's group starts, or npos for bytes that are not RTF.
std::size_t rtfStart(std::string_view bytes)
{
    const std::size_t bom = bytes.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
    const std::size_t start = bytes.find_first_not_of(" \t\r\n", bom);
    if (start == std::string_view::npos || bytes.substr(start, 5) != "{\\rtf")
        return std::string_view::npos;
    return start;
}

} // namespace

Document read(std::string_view bytes)
{
    if (bytes.empty())
        return {};
    const std::size_t start = rtfStart(bytes);
    if (start == std::string_view::npos)
        return readPlainText(bytes);
    return Reader(bytes.substr(start)).run();
}

} // namespace rtf
