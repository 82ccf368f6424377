#include "FakePlatform.h"
#include "RtfPrinting.h"
#include "TempDir.h"
#include "wordproc/RtfReader.h"
#include "wordproc/RtfWriter.h"
#include "wordproc/TextCommands.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

// The text on screen, as the commands see it.
class FakeContent final : public TextContent {
public:
    bool changed = false;
    rtf::Document text;
    rtf::CharFormat typing;

    bool modified() const override { return changed; }
    void setModified(bool m) override { changed = m; }
    rtf::Document document() const override { return text; }
    void setDocument(const rtf::Document &d) override { text = d; }
    rtf::CharFormat defaultFormat() const override { return typing; }
    QString richText() const override { return QStringLiteral("<p>") + text.plainText() + QStringLiteral("</p>"); }
};

rtf::Document letter(const QString &words)
{
    rtf::Document d;
    rtf::Paragraph p;
    rtf::CharFormat bold;
    bold.bold = true;
    rtf::append(p, words, bold);
    p.mark = bold;
    d.paragraphs.append(p);
    return d;
}

class TextCommandsTest : public ::testing::Test {
protected:
    const QString kQuestion = QStringLiteral("Enregistrer changements dans  ?");
    const std::vector<FakeMessages::Shown> kQuestionBox = {{FakeMessages::Box::WarningYesNoCancel, kQuestion}};

    FakePlatform fake;
    FakeContent content;
    TextCommands commands{fake.platform, content};
    QTemporaryDir dir;

    QString path(const QString &name) const { return dir.filePath(name); }

    // Typing in the window.
    void type(const QString &words)
    {
        content.text = letter(words);
        content.changed = true;
    }

    void saveAs(const QString &file)
    {
        fake.fileDialogs.saveAnswers = {path(file)};
        ASSERT_TRUE(commands.save());
    }
};

TEST_F(TextCommandsTest, QuestionNamesTheFileWithoutItsFolder)
{
    EXPECT_EQ(commands.changesQuestion(), kQuestion) << "before any file, the name is empty";
    type("Cher client");
    saveAs("lettre.rtf");
    EXPECT_EQ(commands.changesQuestion(), QStringLiteral("Enregistrer changements dans lettre.rtf ?"));
}

TEST_F(TextCommandsTest, NewLetterStartsWithTheFourHeadingLines)
{
    content.typing.family = QStringLiteral("Arial");
    commands.Setsoc({"SARL Tavelin", "12 rue des Lilas", "", "69000 LYON", "Tél 04 78 00 00 00"});
    commands.newLetter();
    EXPECT_TRUE(fake.messages.shown.isEmpty()) << "nothing to save";
    ASSERT_EQ(content.text.paragraphs.size(), 4);
    EXPECT_EQ(content.text.plainText(), QStringLiteral("SARL Tavelin\n12 rue des Lilas\n\n69000 LYON"));
    for (const rtf::Paragraph &p : content.text.paragraphs) {
        EXPECT_EQ(p.mark, content.typing);
        for (const rtf::Run &run : p.runs)
            EXPECT_EQ(run.format, content.typing);
    }
    EXPECT_FALSE(content.changed) << "a bare letterhead is nothing to save";
    EXPECT_TRUE(commands.fileName().isEmpty());
}

TEST_F(TextCommandsTest, EmptyHeadingGivesFourEmptyParagraphs)
{
    for (const QStringList &heading : {QStringList{}, QStringList{"", "", "", "", "", "", ""}}) {
        commands.Setsoc(heading);
        commands.newLetter();
        ASSERT_EQ(content.text.paragraphs.size(), 4);
        for (const rtf::Paragraph &p : content.text.paragraphs)
            EXPECT_TRUE(p.runs.isEmpty());
    }
}

TEST_F(TextCommandsTest, NewLetterAsksAboutChanges)
{
    const struct {
        Messages::Answer answer;
        std::optional<QString> saveTo;
        bool replaced;
        bool saved;
    } cases[] = {
        {Messages::Answer::Cancel, std::nullopt, false, false},
        {Messages::Answer::No, std::nullopt, true, false},
        {Messages::Answer::Yes, std::nullopt, false, false}, // the save dialog cancelled
        {Messages::Answer::Yes, QStringLiteral("relance.rtf"), true, true},
    };
    commands.Setsoc({"SARL Tavelin"});
    for (const auto &c : cases) {
        QFile::remove(path("relance.rtf"));
        type("Relance");
        fake.messages.clear();
        fake.messages.yesNoCancel = {c.answer};
        fake.fileDialogs.saveAnswers = {c.saveTo ? std::optional(path(*c.saveTo)) : std::nullopt};
        commands.newLetter();
        EXPECT_EQ(fake.messages.boxes, kQuestionBox);
        EXPECT_EQ(content.text.plainText(), c.replaced ? QStringLiteral("SARL Tavelin\n\n\n") : QStringLiteral("Relance"))
            << int(c.answer);
        EXPECT_EQ(QFile::exists(path("relance.rtf")), c.saved);
        EXPECT_EQ(content.changed, !c.replaced);
    }
}

TEST_F(TextCommandsTest, SaveWritesRichTextThroughTheSaveDialog)
{
    EXPECT_TRUE(commands.save());
    EXPECT_TRUE(fake.fileDialogs.saveRequests.empty()) << "an unchanged text is not saved";

    type("Bonjour à tous");
    saveAs("lettre.rtf");
    ASSERT_EQ(fake.fileDialogs.saveRequests.size(), 1u);
    const FileDialogRequest &request = fake.fileDialogs.saveRequests.front();
    EXPECT_EQ(request.fileName, QString());
    EXPECT_EQ(request.filter, QStringLiteral("Fichiers rtf (*.rtf)|*.rtf"));
    EXPECT_EQ(request.defaultExt, QStringLiteral("rtf"));
    EXPECT_EQ(commands.fileName(), path("lettre.rtf"));
    EXPECT_FALSE(content.changed);
    EXPECT_EQ(rtf::read(readBytes(path("lettre.rtf"))), letter("Bonjour à tous"));

    type("Autre texte");
    fake.fileDialogs.saveAnswers = {std::nullopt};
    EXPECT_FALSE(commands.save());
    EXPECT_EQ(fake.fileDialogs.saveRequests.back().fileName, path("lettre.rtf")) << "the dialog shows the current name";
    EXPECT_TRUE(content.changed);
    EXPECT_EQ(commands.fileName(), path("lettre.rtf"));
}

TEST_F(TextCommandsTest, SaveThatFailsSaysWhyAndKeepsTheText)
{
    type("Texte précieux");
    const QString unreachable = path("absent/lettre.rtf");
    fake.fileDialogs.saveAnswers = {unreachable};
    EXPECT_FALSE(commands.save());
    EXPECT_EQ(fake.messages.boxes,
              FakeMessages::informationBox(
                  QStringLiteral("Impossible d'enregistrer le fichier %1 : fichier ou dossier introuvable.")
                      .arg(QDir::toNativeSeparators(unreachable))));
    EXPECT_TRUE(content.changed);
    EXPECT_EQ(content.text, letter("Texte précieux"));
    EXPECT_EQ(commands.fileName(), unreachable) << "the chosen name is kept for the next try";
}

TEST_F(TextCommandsTest, OpenReadsTheChosenFile)
{
    writeBytes(path("ancienne.rtf"), rtf::write(letter("Ancienne lettre")));
    fake.fileDialogs.openAnswers = {path("ancienne.rtf")};
    commands.open();
    ASSERT_EQ(fake.fileDialogs.openRequests.size(), 1u);
    EXPECT_EQ(fake.fileDialogs.openRequests.front().filter, QStringLiteral("Fichiers rtf (*.rtf)|*.rtf"));
    EXPECT_EQ(fake.fileDialogs.openRequests.front().defaultExt, QStringLiteral("rtf"));
    EXPECT_EQ(content.text, letter("Ancienne lettre"));
    EXPECT_FALSE(content.changed);
    EXPECT_EQ(commands.fileName(), path("ancienne.rtf"));

    type("changé");
    fake.fileDialogs.openAnswers = {std::nullopt};
    fake.messages.yesNoCancel = {Messages::Answer::No};
    commands.open();
    EXPECT_EQ(content.text, letter("changé")) << "a cancelled dialog changes nothing";
}

TEST_F(TextCommandsTest, OpenAsksAboutChangesFirst)
{
    writeBytes(path("autre.rtf"), rtf::write(letter("Autre")));
    type("Non enregistré");
    fake.messages.yesNoCancel = {Messages::Answer::Cancel};
    commands.open();
    EXPECT_EQ(fake.messages.boxes, kQuestionBox);
    EXPECT_TRUE(fake.fileDialogs.openRequests.empty());
    EXPECT_EQ(content.text, letter("Non enregistré"));

    fake.messages.yesNoCancel = {Messages::Answer::Yes};
    fake.fileDialogs.saveAnswers = {path("garde.rtf")};
    fake.fileDialogs.openAnswers = {path("autre.rtf")};
    commands.open();
    EXPECT_EQ(rtf::read(readBytes(path("garde.rtf"))), letter("Non enregistré"));
    EXPECT_EQ(content.text, letter("Autre"));
    EXPECT_EQ(commands.fileName(), path("autre.rtf"));
}

TEST_F(TextCommandsTest, FileThatCannotBeReadSaysWhyAndKeepsTheText)
{
    type("En cours");
    saveAs("en-cours.rtf");
    type("En cours, suite");
    for (const QString &name : {path("introuvable.rtf"), dir.path()}) {
        fake.messages.clear();
        fake.messages.yesNoCancel = {Messages::Answer::No};
        fake.fileDialogs.openAnswers = {name};
        commands.open();
        ASSERT_EQ(fake.messages.boxes.size(), 2u) << name.toStdString();
        EXPECT_EQ(fake.messages.boxes[1].box, FakeMessages::Box::Information);
        EXPECT_TRUE(fake.messages.boxes[1].text.startsWith(
            QStringLiteral("Impossible de lire le fichier %1 : ").arg(QDir::toNativeSeparators(name))))
            << fake.messages.boxes[1].text.toStdString();
        EXPECT_EQ(content.text, letter("En cours, suite"));
        EXPECT_TRUE(content.changed);
        EXPECT_EQ(commands.fileName(), path("en-cours.rtf"));
    }
}

TEST_F(TextCommandsTest, ClosingAsksAboutChanges)
{
    EXPECT_TRUE(commands.closeQuery());
    EXPECT_TRUE(fake.messages.shown.isEmpty());

    type("Lettre");
    const struct {
        Messages::Answer answer;
        std::optional<QString> saveTo;
        bool closes;
    } cases[] = {
        {Messages::Answer::Cancel, std::nullopt, false},
        {Messages::Answer::Yes, std::nullopt, false}, // the save dialog cancelled: the letter stays
        {Messages::Answer::No, std::nullopt, true},
        {Messages::Answer::Yes, QStringLiteral("fin.rtf"), true},
    };
    for (const auto &c : cases) {
        fake.messages.clear();
        fake.messages.yesNoCancel = {c.answer};
        fake.fileDialogs.saveAnswers = {c.saveTo ? std::optional(path(*c.saveTo)) : std::nullopt};
        EXPECT_EQ(commands.closeQuery(), c.closes) << int(c.answer);
        EXPECT_EQ(fake.messages.boxes, kQuestionBox);
    }
    EXPECT_EQ(rtf::read(readBytes(path("fin.rtf"))), letter("Lettre"));
}

TEST_F(TextCommandsTest, PrintGoesThroughThePrintDialog)
{
    type("Relance");
    fake.printerDialogs.printAnswer = false;
    commands.print();
    EXPECT_EQ(fake.printerDialogs.printCalls, 1);
    EXPECT_TRUE(fake.printer.calls.empty()) << "Annuler prints nothing";

    fake.printerDialogs.printAnswer = true;
    commands.print();
    using Op = RecordingPrinter::Op;
    EXPECT_EQ(fake.printer.calls, (std::vector<RecordingPrinter::Call>{
                                      {Op::Begin}, {Op::RichText, QStringLiteral("<p>Relance</p>")}, {Op::End}}));
    EXPECT_EQ(fake.busy.shown, 1);
    EXPECT_EQ(fake.busy.depth, 0);
    EXPECT_TRUE(fake.messages.boxes.empty());
    EXPECT_TRUE(content.changed) << "printing saves nothing";
}

TEST_F(TextCommandsTest, PrinterThatRefusesTheJobIsTold)
{
    type("Relance");
    fake.printerDialogs.printAnswer = true;
    fake.printer.refuseBegin = true;
    commands.print();
    EXPECT_TRUE(fake.printer.calls.empty());
    EXPECT_EQ(fake.messages.boxes,
              FakeMessages::informationBox(QStringLiteral("L'impression n'a pas pu commencer : vérifiez l'imprimante "
                                                          "choisie (menu Fichier, Configurer imprimante).")));
}

} // namespace
