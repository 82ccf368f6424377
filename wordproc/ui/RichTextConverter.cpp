#include "wordproc/ui/RichTextConverter.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextList>
#include <algorithm>

namespace richtext {
namespace {

constexpr double kTwipsPerPixel = 15.0;

double pixels(int twips)
{
    return twips / kTwipsPerPixel;
}

int twips(double pixels)
{
    return qRound(pixels * kTwipsPerPixel);
}

QTextOption::TabType tabType(rtf::TabKind kind)
{
    switch (kind) {
    case rtf::TabKind::Left: return QTextOption::LeftTab;
    case rtf::TabKind::Centre: return QTextOption::CenterTab;
    case rtf::TabKind::Right: return QTextOption::RightTab;
    case rtf::TabKind::Decimal: return QTextOption::DelimiterTab;
    }
    return QTextOption::LeftTab;
}

rtf::TabKind tabKind(QTextOption::TabType type)
{
    switch (type) {
    case QTextOption::LeftTab: return rtf::TabKind::Left;
    case QTextOption::CenterTab: return rtf::TabKind::Centre;
    case QTextOption::RightTab: return rtf::TabKind::Right;
    case QTextOption::DelimiterTab: return rtf::TabKind::Decimal;
    }
    return rtf::TabKind::Left;
}

} // namespace

QTextCharFormat charFormat(const rtf::CharFormat &format)
{
    QTextCharFormat f;
    f.setFontFamilies({format.family});
    f.setFontPointSize(format.halfPoints / 2.0);
    f.setFontWeight(format.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(format.italic);
    f.setFontUnderline(format.underline);
    if (format.colour)
        f.setForeground(QColor::fromRgb(*format.colour));
    else
        f.clearForeground();
    return f;
}

rtf::CharFormat charFormat(const QTextCharFormat &format, const QFont &defaultFont)
{
    rtf::CharFormat f;
    const QStringList families = format.fontFamilies().toStringList();
    f.family = !families.isEmpty() && !families.first().isEmpty() ? families.first() : defaultFont.family();
    const double points = format.hasProperty(QTextFormat::FontPointSize) ? format.fontPointSize() : defaultFont.pointSizeF();
    f.halfPoints = points > 0 ? qRound(points * 2) : rtf::CharFormat{}.halfPoints;
    f.bold = format.hasProperty(QTextFormat::FontWeight) ? format.fontWeight() > QFont::Medium : defaultFont.bold();
    f.italic = format.hasProperty(QTextFormat::FontItalic) ? format.fontItalic() : defaultFont.italic();
    const bool underlineSet =
        format.hasProperty(QTextFormat::TextUnderlineStyle) || format.hasProperty(QTextFormat::FontUnderline);
    f.underline = underlineSet ? format.fontUnderline() : defaultFont.underline();
    if (format.foreground().style() != Qt::NoBrush)
        f.colour = format.foreground().color().rgb() & 0xFFFFFF;
    return f;
}

QTextBlockFormat blockFormat(const rtf::ParagraphFormat &format)
{
    QTextBlockFormat f;
    switch (format.alignment) {
    case rtf::Alignment::Left: f.setAlignment(Qt::AlignLeft); break;
    case rtf::Alignment::Centre: f.setAlignment(Qt::AlignHCenter); break;
    case rtf::Alignment::Right: f.setAlignment(Qt::AlignRight); break;
    case rtf::Alignment::Justify: f.setAlignment(Qt::AlignJustify); break;
    }
    f.setLeftMargin(pixels(format.leftIndent));
    f.setTextIndent(pixels(format.firstIndent));
    f.setRightMargin(pixels(format.rightIndent));
    QList<QTextOption::Tab> tabs;
    for (const rtf::TabStop &stop : format.tabs)
        tabs.append(QTextOption::Tab(pixels(stop.position), tabType(stop.kind)));
    f.setTabPositions(tabs);
    return f;
}

rtf::ParagraphFormat paragraphFormat(const QTextBlock &block)
{
    const QTextBlockFormat f = block.blockFormat();
    rtf::ParagraphFormat format;
    const Qt::Alignment horizontal = f.alignment() & Qt::AlignHorizontal_Mask;
    if (horizontal & Qt::AlignHCenter)
        format.alignment = rtf::Alignment::Centre;
    else if (horizontal & Qt::AlignRight)
        format.alignment = rtf::Alignment::Right;
    else if (horizontal & Qt::AlignJustify)
        format.alignment = rtf::Alignment::Justify;
    format.leftIndent = twips(f.leftMargin());
    format.firstIndent = twips(f.textIndent());
    format.rightIndent = twips(f.rightMargin());
    format.bullet = block.textList() != nullptr;
    for (const QTextOption::Tab &tab : f.tabPositions())
        format.tabs.append(rtf::TabStop{twips(tab.position), tabKind(tab.type)});
    std::sort(format.tabs.begin(), format.tabs.end(),
              [](const rtf::TabStop &a, const rtf::TabStop &b) { return a.position < b.position; });
    return format;
}

QTextListFormat bulletList()
{
    QTextListFormat list;
    list.setStyle(QTextListFormat::ListDisc);
    list.setIndent(1);
    return list;
}

void toDocument(const rtf::Document &model, QTextDocument &document)
{
    document.setUndoRedoEnabled(false);
    // The page's margins stay: set again after the text, they would lay it
    // all out a second time.
    const QTextFrameFormat page = document.rootFrame()->frameFormat();
    document.clear();
    document.rootFrame()->setFrameFormat(page);
    QTextOption option = document.defaultTextOption();
    option.setTabStopDistance(pixels(model.defaultTabWidth));
    document.setDefaultTextOption(option);

    QTextCursor cursor(&document);
    // One edit for the whole letter: a view lays it out once, not at each run.
    cursor.beginEditBlock();
    QTextList *list = nullptr;
    bool first = true;
    for (const rtf::Paragraph &paragraph : model.paragraphs) {
        const QTextBlockFormat block = blockFormat(paragraph.format);
        const QTextCharFormat mark = charFormat(paragraph.mark);
        if (first) {
            cursor.setBlockFormat(block);
            cursor.setBlockCharFormat(mark);
            cursor.setCharFormat(mark);
            first = false;
        } else {
            cursor.insertBlock(block, mark);
        }
        for (const rtf::Run &run : paragraph.runs)
            cursor.insertText(run.text, charFormat(run.format));
        if (!paragraph.format.bullet)
            list = nullptr;
        else if (list)
            list->add(cursor.block());
        else
            list = cursor.createList(bulletList());
    }
    cursor.endEditBlock();
    document.setUndoRedoEnabled(true);
}

rtf::Document fromDocument(const QTextDocument &document)
{
    rtf::Document model;
    model.defaultTabWidth = twips(document.defaultTextOption().tabStopDistance());
    const QFont defaultFont = document.defaultFont();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        rtf::Paragraph paragraph;
        paragraph.format = paragraphFormat(block);
        paragraph.mark = charFormat(block.charFormat(), defaultFont);
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QString text = fragment.text();
            text.remove(QChar::ObjectReplacementCharacter); // pictures and objects pasted in
            rtf::append(paragraph, text, charFormat(fragment.charFormat(), defaultFont));
        }
        model.paragraphs.append(std::move(paragraph));
    }
    return model;
}

} // namespace richtext
