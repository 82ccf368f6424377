#include "LetterGenerator.h"

#include <QStringList>

rtf::Document generateLetter(int pages)
{
    const QStringList words = {
        QStringLiteral("facture"), QStringLiteral("règlement"), QStringLiteral("échéance"), QStringLiteral("client"),
        QStringLiteral("montant"), QStringLiteral("à"),         QStringLiteral("reçu"),     QStringLiteral("délai"),
        QStringLiteral("1 250,00 €"), QStringLiteral("relance"), QStringLiteral("veuillez"), QStringLiteral("trouver"),
        QStringLiteral("ci-joint"), QStringLiteral("le"),        QStringLiteral("avoir"),    QStringLiteral("n°"),
    };
    rtf::CharFormat plain;
    rtf::CharFormat bold = plain;
    bold.bold = true;
    rtf::CharFormat italic = plain;
    italic.italic = true;
    rtf::CharFormat underlined = plain;
    underlined.underline = true;
    underlined.colour = 0x000080;
    // One word in four stands out.
    const rtf::CharFormat formats[] = {plain, plain, plain, bold,  plain, plain, plain, italic,
                                       plain, plain, plain, plain, plain, plain, plain, underlined};

    rtf::Document letter;
    const int paragraphs = pages * 6; // about 250 characters each
    int w = 0;
    for (int p = 0; p < paragraphs; ++p) {
        rtf::Paragraph paragraph;
        paragraph.mark = plain;
        switch (p % 7) {
        case 0: paragraph.format.alignment = rtf::Alignment::Centre; break;
        case 3: paragraph.format.bullet = true; paragraph.format.leftIndent = 360; break;
        case 5: paragraph.format.leftIndent = 720; paragraph.format.firstIndent = -360; break;
        case 6: paragraph.format.tabs = {{2880, rtf::TabKind::Left}, {8000, rtf::TabKind::Right}}; break;
        default: break;
        }
        int length = 0;
        int f = p;
        while (length < 250) {
            QString text = words[w++ % words.size()] + (w % 9 == 0 ? QStringLiteral("\t") : QStringLiteral(" "));
            length += int(text.size());
            rtf::append(paragraph, text, formats[f++ % std::size(formats)]);
        }
        letter.paragraphs.append(std::move(paragraph));
    }
    return letter;
}
