#include "support/RecordingPrinter.h"
#include "desk/NotesPrint.h"

#include <gtest/gtest.h>

namespace {

using Op = RecordingPrinter::Op;
using Call = RecordingPrinter::Call;

// The texts printed with their places, and the page breaks between them.
std::vector<Call> drawn(const RecordingPrinter &printer)
{
    std::vector<Call> kept;
    for (const Call &call : printer.calls)
        if (call.op == Op::Text || call.op == Op::NewPage)
            kept.push_back(call);
    return kept;
}

Call text(const char *t, int y)
{
    return {Op::Text, QString::fromUtf8(t), 0, y};
}

} // namespace

TEST(NotesPrint, EachLineIsOnePrintedLineInTheNotesFont)
{
    RecordingPrinter printer;
    const int line = printer.heightOf(10);
    EXPECT_EQ(notepad::Imprimer(printer, {"Appeler Dupont", "", "Commande 12"}, QStringLiteral("DejaVu Sans"), 10), "");
    const std::vector<Call> begin{{Op::FontName, "DejaVu Sans"}, {Op::FontSize, {}, 10}, {Op::Bold, {}, 0}, {Op::Begin}};
    EXPECT_EQ(std::vector<Call>(printer.calls.begin(), printer.calls.begin() + 4), begin);
    // The empty line is an empty printed line.
    EXPECT_EQ(drawn(printer), (std::vector<Call>{text("Appeler Dupont", 0), text("Commande 12", 2 * line)}));
    EXPECT_EQ(printer.calls.back().op, Op::End);
    EXPECT_EQ(printer.count(Op::Begin), 1);
    EXPECT_EQ(printer.count(Op::End), 1);
}

TEST(NotesPrint, AFullSheetGoesOnOnTheNext)
{
    // A sheet of 10 mm at 600 dpi holds two lines of 10 points (100 dots each).
    RecordingPrinter printer(600, 100, 10);
    ASSERT_EQ(printer.heightOf(10), 100);
    EXPECT_EQ(notepad::Imprimer(printer, {"a", "b", "c", "d", "e"}, QStringLiteral("Arial"), 10), "");
    EXPECT_EQ(drawn(printer), (std::vector<Call>{text("a", 0), text("b", 100), {Op::NewPage}, text("c", 0),
                                                 text("d", 100), {Op::NewPage}, text("e", 0)}));
}

TEST(NotesPrint, ALineWiderThanTheSheetGoesOnBelowCutBetweenWords)
{
    // 10 points at 600 dpi: 41 dots a character; a sheet of 8 mm (189 dots) holds four.
    RecordingPrinter printer(600, 8, 290);
    const int width = printer.pageWidth();
    EXPECT_EQ(notepad::printedLines(printer, QStringLiteral("ab cdef"), width), (QStringList{"ab ", "cdef"}));
    EXPECT_EQ(notepad::printedLines(printer, QStringLiteral("abcd efgh"), width), (QStringList{"abcd", "efgh"}));
    EXPECT_EQ(notepad::printedLines(printer, QStringLiteral("abcdefghi"), width), (QStringList{"abcd", "efgh", "i"}));
    EXPECT_EQ(notepad::printedLines(printer, QStringLiteral("ab      "), width), (QStringList{"ab  "}));
    EXPECT_EQ(notepad::printedLines(printer, QString(), width), QStringList{""});
    // A sheet narrower than one character still prints every character.
    EXPECT_EQ(notepad::printedLines(printer, QStringLiteral("abc"), 10), (QStringList{"a", "b", "c"}));

    EXPECT_EQ(notepad::Imprimer(printer, {"ab cdef", "g"}, QStringLiteral("Arial"), 10), "");
    const int line = printer.heightOf(10);
    EXPECT_EQ(drawn(printer), (std::vector<Call>{text("ab ", 0), text("cdef", line), text("g", 2 * line)}));
}

TEST(NotesPrint, TabsGoToTheNextEighthColumn)
{
    RecordingPrinter printer;
    EXPECT_EQ(notepad::printedLines(printer, QStringLiteral("a\tb\t\tc"), printer.pageWidth()),
              QStringList{"a       b               c"});
}

TEST(NotesPrint, EmptyNotesPrintNothing)
{
    RecordingPrinter printer;
    EXPECT_EQ(notepad::Imprimer(printer, {}, QStringLiteral("Arial"), 10), "");
    EXPECT_TRUE(printer.calls.empty());
}

TEST(NotesPrint, APrinterThatRefusesTheJobIsSaid)
{
    RecordingPrinter printer;
    printer.refuseBegin = true;
    EXPECT_EQ(notepad::Imprimer(printer, {"note"}, QStringLiteral("Arial"), 10),
              QString::fromUtf8("L'impression n'a pas pu commencer : vérifiez l'imprimante choisie "
                                "(menu Fichier, Configurer imprimante)."));
    EXPECT_TRUE(printer.texts().empty());
    EXPECT_EQ(printer.count(Op::End), 0);
}
