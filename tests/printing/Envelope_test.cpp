#include "PrintCalls.h"

#include "FakeEnvelopeDialog.h"

#include "platform/Messages.h"
#include "printing/Envelope.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace printcalls;

namespace {

// Notes how far the print had gone when each message was shown.
class WatchingMessages final : public Messages {
public:
    explicit WatchingMessages(const RecordingPrinter &printer) : printer_(printer) {}
    QStringList shown;
    std::vector<std::size_t> callsBefore;
    void information(const QString &text) override
    {
        shown.append(text);
        callsBefore.push_back(printer_.calls.size());
    }
    Answer warningYesNoCancel(const QString &) override { return Answer::Cancel; }
    bool warningOkCancel(const QString &) override { return false; }

private:
    const RecordingPrinter &printer_;
};

std::array<QString, 7> letterhead()
{
    return {QStringLiteral("SARL Dupont"), QStringLiteral("12 rue des Lilas"), QStringLiteral("75011 Paris"),
            QStringLiteral("Tél. 01 43 00 00 00"), QStringLiteral("Siret 123"), QString(), QString()};
}

printing::EnvelopeAddresses addresses(printing::AddressLines recipient, printing::AddressLines sender)
{
    return {std::move(recipient), std::move(sender)};
}

struct EnvelopeFixture : ::testing::Test {
    RecordingPrinter printer{600, 203, 290};
    WatchingMessages messages{printer};
    FakeEnvelopeDialog dialog;
    void run() { printing::Enveloppe(letterhead(), dialog, messages, printer); }
};

TEST_F(EnvelopeFixture, TheLetterheadIsOfferedAsSender)
{
    run();
    ASSERT_EQ(dialog.offered.size(), 1u);
    EXPECT_EQ(dialog.offered[0], (printing::AddressLines{QStringLiteral("SARL Dupont"), QStringLiteral("12 rue des Lilas"),
                                                         QStringLiteral("75011 Paris"),
                                                         QStringLiteral("Tél. 01 43 00 00 00")}));
}

TEST_F(EnvelopeFixture, CancelPrintsNothingAndSaysNothing)
{
    run();
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_TRUE(printer.calls.empty());
}

TEST_F(EnvelopeFixture, AnEmptyFirstRecipientLinePrintsNothingAndSaysNothing)
{
    dialog.answer = addresses({QString(), QStringLiteral("12 avenue Foch"), QStringLiteral("69006 Lyon"), QStringLiteral("France")},
                              {QStringLiteral("SARL Dupont"), {}, {}, {}});
    run();
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_TRUE(printer.calls.empty());
}

TEST_F(EnvelopeFixture, AskedForTheEnvelopeThenPrintsBothBlocks)
{
    dialog.answer = addresses({QStringLiteral("Cabinet Martin"), QStringLiteral("12 avenue Foch"),
                               QStringLiteral("69006 Lyon"), QStringLiteral("France")},
                              {QStringLiteral("SARL Dupont"), QStringLiteral("12 rue des Lilas"),
                               QStringLiteral("75011 Paris"), QStringLiteral("Tél. 01 43 00 00 00")});
    run();

    ASSERT_EQ(messages.shown, QStringList{QStringLiteral("Insérez une enveloppe dans l'imprimante")});
    EXPECT_EQ(messages.callsBefore, std::vector<std::size_t>{0}); // before anything was asked of the printer
    using Op = RecordingPrinter::Op;
    using Call = RecordingPrinter::Call;
    // 23 dots a millimetre; 10 mm left and 5 mm top margins.
    const std::vector<Call> expected{
        {Op::FontName, QStringLiteral("Arial")},
        {Op::FontSize, {}, 10},
        {Op::Begin},
        {Op::Text, QStringLiteral("SARL Dupont"), 345, 230},
        {Op::Text, QStringLiteral("Cabinet Martin"), 2760, 1265},
        {Op::Text, QStringLiteral("12 rue des Lilas"), 345, 345},
        {Op::Text, QStringLiteral("12 avenue Foch"), 2760, 1380},
        {Op::Text, QStringLiteral("75011 Paris"), 345, 460},
        {Op::Text, QStringLiteral("69006 Lyon"), 2760, 1495},
        {Op::Text, QStringLiteral("Tél. 01 43 00 00 00"), 345, 575},
        {Op::Text, QStringLiteral("France"), 2760, 1610},
        {Op::End},
    };
    EXPECT_EQ(printer.calls, expected);
}

TEST_F(EnvelopeFixture, BlankLinesKeepTheirPlace)
{
    // A letterhead of two lines, a recipient without its third line.
    dialog.answer = addresses({QStringLiteral("Cabinet Martin"), QStringLiteral("12 avenue Foch"), QString(),
                               QStringLiteral("69006 Lyon")},
                              {QStringLiteral("SARL Dupont"), QStringLiteral("Paris"), QString(), QString()});
    run();

    EXPECT_EQ(printer.count(RecordingPrinter::Op::Text), 5);
    EXPECT_EQ(placeOf(printer, QStringLiteral("Paris")), QPoint(345, 345));
    EXPECT_EQ(placeOf(printer, QStringLiteral("12 avenue Foch")), QPoint(2760, 1380));
    EXPECT_EQ(placeOf(printer, QStringLiteral("69006 Lyon")), QPoint(2760, 1610));
}

TEST_F(EnvelopeFixture, PositionsFollowTheResolution)
{
    RecordingPrinter coarse(300, 203, 290); // 11 dots a millimetre
    dialog.answer = addresses({QStringLiteral("Cabinet Martin"), {}, {}, QStringLiteral("France")},
                              {QStringLiteral("SARL Dupont"), {}, {}, QStringLiteral("Paris")});
    printing::Enveloppe(letterhead(), dialog, messages, coarse);
    EXPECT_EQ(placeOf(coarse, QStringLiteral("SARL Dupont")), QPoint(165, 110));
    EXPECT_EQ(placeOf(coarse, QStringLiteral("Paris")), QPoint(165, 275));
    EXPECT_EQ(placeOf(coarse, QStringLiteral("Cabinet Martin")), QPoint(1320, 605));
    EXPECT_EQ(placeOf(coarse, QStringLiteral("France")), QPoint(1320, 770));
}

TEST_F(EnvelopeFixture, ARefusedPrinterIsReported)
{
    printer.refuseBegin = true;
    dialog.answer = addresses({QStringLiteral("Cabinet Martin"), {}, {}, {}}, {});
    run();
    EXPECT_EQ(messages.shown,
              (QStringList{QStringLiteral("Insérez une enveloppe dans l'imprimante"),
                           QStringLiteral("L'impression n'a pas pu commencer : vérifiez l'imprimante choisie "
                                          "(menu Fichier, Configurer imprimante).")}));
    EXPECT_EQ(printer.count(RecordingPrinter::Op::Text), 0);
}

} // namespace
