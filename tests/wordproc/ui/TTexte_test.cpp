#include "WidgetTests.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"
#include "wordproc/RtfReader.h"
#include "wordproc/RtfWriter.h"
#include "wordproc/ui/TTexte.h"
#include "wordproc/ui/TextRulerBar.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextList>
#include <QToolButton>

// The word processor's window driven as a user does: keys in the text,
// clicks on the tool bar, drags on the ruler.
class TTexteTest : public QObject {
    Q_OBJECT

    const QStringList kCompany = {"SARL Tavelin", "12 rue des Lilas", "", "69000 LYON", "Tél 04 78 00 00 00",
                                  "", "SIRET 000"};

    FakePlatform fake;
    QTemporaryDir dir;

    static QTextCharFormat formatAt(TTexte &w, int position)
    {
        QTextCursor cursor(w.editor->document());
        cursor.setPosition(position + 1);
        return cursor.charFormat();
    }

    static bool boldAt(TTexte &w, int position) { return formatAt(w, position).fontWeight() == QFont::Bold; }

    static void select(TTexte &w, int from, int to)
    {
        QTextCursor cursor(w.editor->document());
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        w.editor->setTextCursor(cursor);
    }

    static void type(TTexte &w, const QString &text)
    {
        QTest::keyClicks(w.editor, text);
    }

    // Replaces the text of a spin box as typing over it does.
    static void typeSize(QSpinBox *box, const char *keys)
    {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, keys);
        QTest::keyClick(box, Qt::Key_Return);
    }

    std::unique_ptr<TTexte> window; // a new one for each test, on screen

private slots:
    void init()
    {
        fake.messages.clear();
        fake.messages.yesNoCancel.clear();
        fake.fileDialogs = FakeFileDialogs{};
        fake.fontDialog = FakeFontDialog{};
        window = std::make_unique<TTexte>(fake.platform, kCompany);
        window->resize(800, 500);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    void cleanup() { window.reset(); }

    void toolBarShowsItsHints()
    {
        QCOMPARE(window->windowTitle(), QStringLiteral("Texte"));
        const std::pair<QWidget *, const char *> hints[] = {
            {window->saveButton, "Enregistrer"}, {window->printButton, "Imprimer"},  {window->copyButton, "Copier"},
            {window->pasteButton, "Coller"},     {window->fontBox, "Police"},       {window->sizeBox, "Taille"},
            {window->fontDialogButton, "Police"}, {window->boldButton, "Gras"},      {window->italicButton, "Italique"},
            {window->underlineButton, "Souligné"}, {window->leftButton, "Gauche"},   {window->centreButton, "Centré"},
            {window->rightButton, "Droite"},     {window->bulletsButton, "Puces"},
        };
        for (const auto &[widget, hint] : hints)
            QCOMPARE(widget->toolTip(), QString::fromUtf8(hint));
        QCOMPARE(window->closeButton->text(), QStringLiteral("Fermer"));
        QCOMPARE(window->fontBox->currentText(), QStringLiteral("Times New Roman"));
        QCOMPARE(window->sizeBox->value(), 10);
        QVERIFY(window->editor->document()->isEmpty());
        QVERIFY(window->leftButton->isChecked());
        QVERIFY(!window->boldButton->isChecked());
    }

    void closeButtonKeepsNinetyPixelsFromTheRightEdge()
    {
        for (const int width : {800, 960, 1280}) {
            window->resize(width, 400);
            QTRY_COMPARE(window->closeButton->mapTo(window.get(), QPoint(0, 0)).x(), width - 90);
        }
        // A desktop font that makes the button wider than that: it ends inside the window.
        QFont large = window->font();
        large.setPointSize(large.pointSize() * 2);
        window->setFont(large);
        window->resize(1200, 400);
        QTRY_VERIFY(window->closeButton->geometry().right() < window->toolBar->width());
        QVERIFY(window->closeButton->width() >= window->closeButton->sizeHint().width());
    }

    void newLetterPutsTheHeadingFirst()
    {
        QTest::mouseClick(window->newButton, Qt::LeftButton);
        QTextDocument *doc = window->editor->document();
        QCOMPARE(doc->blockCount(), 4);
        QCOMPARE(doc->toPlainText(), QStringLiteral("SARL Tavelin\n12 rue des Lilas\n\n69000 LYON"));
        // Typing goes on after the heading.
        QCOMPARE(window->editor->textCursor().position(), doc->characterCount() - 1);
        QVERIFY(!doc->isModified());
        QVERIFY(fake.messages.shown.isEmpty());

        TTexte empty(fake.platform, {});
        empty.show();
        QTest::mouseClick(empty.newButton, Qt::LeftButton);
        QCOMPARE(empty.editor->document()->blockCount(), 4);
        QCOMPARE(empty.editor->document()->toPlainText(), QStringLiteral("\n\n\n"));
    }

    void newLetterOverChangesAsksFirst()
    {
        type(*window, "Brouillon");
        fake.messages.yesNoCancel = {Messages::Answer::Cancel};
        QTest::mouseClick(window->newButton, Qt::LeftButton);
        QCOMPARE(fake.messages.shown, QStringList{QStringLiteral("Enregistrer changements dans  ?")});
        QCOMPARE(window->editor->toPlainText(), QStringLiteral("Brouillon"));
    }

    void selectionChangeFollowsTheText()
    {
        type(*window, "normal ");
        QTest::mouseClick(window->boldButton, Qt::LeftButton); // no selection: the whole text
        QTest::mouseClick(window->boldButton, Qt::LeftButton);
        type(*window, "fin");
        select(*window, 0, 6);
        QTest::mouseClick(window->italicButton, Qt::LeftButton);
        window->sizeBox->setValue(16);
        window->editor->moveCursor(QTextCursor::End);
        QTest::keyClick(window->editor, Qt::Key_Return);
        QTest::mouseClick(window->centreButton, Qt::LeftButton);
        QTest::mouseClick(window->bulletsButton, Qt::LeftButton);
        type(*window, "point");

        QVERIFY(window->centreButton->isChecked());
        QVERIFY(!window->leftButton->isChecked() && !window->rightButton->isChecked());
        QVERIFY(window->bulletsButton->isChecked());
        QVERIFY(!window->italicButton->isChecked());

        select(*window, 1, 3);
        QVERIFY(window->italicButton->isChecked());
        QCOMPARE(window->sizeBox->value(), 16);
        QVERIFY(window->leftButton->isChecked());
        QVERIFY(!window->centreButton->isChecked());
        QVERIFY(!window->bulletsButton->isChecked());

        window->editor->moveCursor(QTextCursor::StartOfLine);
        window->editor->moveCursor(QTextCursor::EndOfLine);
        QVERIFY(!window->italicButton->isChecked());
        QCOMPARE(window->sizeBox->value(), 10);
    }

    void boldWithoutSelectionChangesTheWholeText()
    {
        type(*window, "Cher client");
        QTest::keyClick(window->editor, Qt::Key_Return);
        type(*window, "Relance");
        window->editor->moveCursor(QTextCursor::Start);
        QTest::mouseClick(window->boldButton, Qt::LeftButton);
        for (int position : {0, 5, 12, 17})
            QVERIFY2(boldAt(*window, position), qPrintable(QString::number(position)));
        window->editor->moveCursor(QTextCursor::End);
        type(*window, " encore");
        QVERIFY(boldAt(*window, window->editor->document()->characterCount() - 2));
        QVERIFY(window->boldButton->isChecked());

        // A new letter takes the default format too.
        fake.messages.yesNoCancel = {Messages::Answer::No};
        QTest::mouseClick(window->newButton, Qt::LeftButton);
        QVERIFY(boldAt(*window, 0));

        QTest::mouseClick(window->boldButton, Qt::LeftButton);
        QVERIFY(!boldAt(*window, 0));
        QVERIFY(!boldAt(*window, 15));
    }

    void boldWithSelectionChangesOnlyIt()
    {
        type(*window, "un deux trois");
        select(*window, 3, 7);
        QTest::mouseClick(window->boldButton, Qt::LeftButton);
        QVERIFY(!boldAt(*window, 2));
        QVERIFY(boldAt(*window, 3));
        QVERIFY(boldAt(*window, 6));
        QVERIFY(!boldAt(*window, 8));
        QTest::mouseClick(window->underlineButton, Qt::LeftButton);
        QVERIFY(formatAt(*window, 4).fontUnderline());
        QVERIFY(!formatAt(*window, 0).fontUnderline());
    }

    void formattingKeysOfFrenchWordProcessors()
    {
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        type(*window, "un deux");
        select(*window, 0, 2);
        QTest::keyClick(window->editor, Qt::Key_G, Qt::ControlModifier);
        QTest::keyClick(window->editor, Qt::Key_I, Qt::ControlModifier);
        QTest::keyClick(window->editor, Qt::Key_U, Qt::ControlModifier);
        QVERIFY(boldAt(*window, 1));
        QVERIFY(formatAt(*window, 1).fontItalic());
        QVERIFY(formatAt(*window, 1).fontUnderline());
        QVERIFY(!boldAt(*window, 4));
        QVERIFY(window->boldButton->isChecked() && window->italicButton->isChecked());
    }

    void sizeBoxKeepsToFourToSeventyTwo()
    {
        type(*window, "texte");
        select(*window, 0, 5);
        typeSize(window->sizeBox, "3");
        // 3 is refused.
        QCOMPARE(window->sizeBox->value(), 10);
        typeSize(window->sizeBox, "99");
        // The second 9 is refused.
        QCOMPARE(window->sizeBox->value(), 9);
        QCOMPARE(formatAt(*window, 2).fontPointSize(), 9.0);
        typeSize(window->sizeBox, "72");
        QTest::keyClick(window->sizeBox, Qt::Key_Up);
        QCOMPARE(window->sizeBox->value(), 72);
        typeSize(window->sizeBox, "4");
        QTest::keyClick(window->sizeBox, Qt::Key_Down);
        QCOMPARE(window->sizeBox->value(), 4);
        QCOMPARE(formatAt(*window, 2).fontPointSize(), 4.0);
    }

    void fontBoxTakesOnlyFamiliesOfItsList()
    {
        QStringList listed;
        for (int i = 0; i < window->fontBox->count(); ++i)
            listed.append(window->fontBox->itemText(i));
        QVERIFY(!listed.isEmpty());
        QStringList sorted = listed;
        sorted.sort(Qt::CaseInsensitive);
        QCOMPARE(listed, sorted);

        type(*window, "texte");
        select(*window, 0, 5);
        const QString family = listed.last();
        window->fontBox->lineEdit()->selectAll();
        QTest::keyClicks(window->fontBox->lineEdit(), "Police inexistante");
        QTest::keyClick(window->fontBox->lineEdit(), Qt::Key_Return);
        // Not a family of the list.
        QCOMPARE(formatAt(*window, 1).fontFamilies().toStringList(), QStringList{});

        select(*window, 0, 5);
        window->fontBox->lineEdit()->selectAll();
        QTest::keyClicks(window->fontBox->lineEdit(), family);
        QTest::keyClick(window->fontBox->lineEdit(), Qt::Key_Return);
        QCOMPARE(formatAt(*window, 1).fontFamilies().toStringList(), QStringList{family});
    }

    void fontDialogOpensOnTheSelectionAndChangesIt()
    {
        type(*window, "texte");
        select(*window, 0, 5);
        QTest::mouseClick(window->boldButton, Qt::LeftButton);
        const QTextCharFormat before = formatAt(*window, 1);
        QTest::mouseClick(window->fontDialogButton, Qt::LeftButton);
        QCOMPARE(fake.fontDialog.shown.size(), 1u);
        QCOMPARE(fake.fontDialog.shown.front(), (FontChoice{"Times New Roman", 10, true, false, false, std::nullopt}));
        // Annuler changes nothing.
        QCOMPARE(formatAt(*window, 1), before);

        fake.fontDialog.answer = FontChoice{"DejaVu Sans", 18, false, true, true, 0x800000};
        QTest::mouseClick(window->fontDialogButton, Qt::LeftButton);
        const QTextCharFormat chosen = formatAt(*window, 2);
        QCOMPARE(chosen.fontFamilies().toStringList(), QStringList{"DejaVu Sans"});
        QCOMPARE(chosen.fontPointSize(), 18.0);
        QVERIFY(chosen.fontWeight() != QFont::Bold);
        QVERIFY(chosen.fontItalic());
        QVERIFY(chosen.fontUnderline());
        QCOMPARE(chosen.foreground().color(), QColor(0x80, 0, 0));
        QVERIFY(window->italicButton->isChecked());
        QCOMPARE(window->sizeBox->value(), 18);

        fake.fontDialog.answer = FontChoice{"DejaVu Sans", 18, false, false, false, std::nullopt};
        QTest::mouseClick(window->fontDialogButton, Qt::LeftButton);
        // Back to the automatic colour.
        QCOMPARE(formatAt(*window, 2).foreground().style(), Qt::NoBrush);
    }

    void alignmentAndBulletsChangeTheParagraph()
    {
        type(*window, "ligne");
        const QTextBlock block = window->editor->document()->firstBlock();
        QTest::mouseClick(window->rightButton, Qt::LeftButton);
        QCOMPARE(block.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
        QVERIFY(window->rightButton->isChecked() && !window->leftButton->isChecked());
        QTest::mouseClick(window->rightButton, Qt::LeftButton);
        QVERIFY2(window->rightButton->isChecked(), "clicking the alignment down keeps it");
        QTest::mouseClick(window->leftButton, Qt::LeftButton);
        QCOMPARE(block.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);

        QTest::mouseClick(window->bulletsButton, Qt::LeftButton);
        QVERIFY(window->editor->document()->firstBlock().textList());
        QTest::mouseClick(window->bulletsButton, Qt::LeftButton);
        QVERIFY(!window->editor->document()->firstBlock().textList());
    }

    void rulerMarkersDragIndents()
    {
        type(*window, "Un paragraphe assez long pour tenir sur plusieurs lignes une fois retrait fait.");
        QLabel *left = window->ruler->marker(TextRuler::Marker::Left);
        QLabel *first = window->ruler->marker(TextRuler::Marker::First);
        QCOMPARE(first->x(), 2);
        QCOMPARE(left->x(), 2);

        // The left marker to 86: (86 - 6) x 3/4 = 60 points for the lines after the first.
        const auto drag = [&](QLabel *marker, int rulerX) {
            const QPoint centre(marker->width() / 2, marker->height() / 2);
            QTest::mousePress(marker, Qt::LeftButton, {}, centre);
            QTest::mouseMove(marker, marker->mapFrom(window->ruler, QPoint(rulerX, marker->y() + centre.y())));
            QTest::mouseRelease(marker, Qt::LeftButton, {}, marker->mapFrom(window->ruler, QPoint(rulerX, marker->y() + centre.y())));
        };
        drag(left, 86);
        QTextBlockFormat format = window->editor->document()->firstBlock().blockFormat();
        QCOMPARE(format.leftMargin(), 80.0);
        QCOMPARE(format.textIndent(), -80.0);
        // Trunc(60 x 4/3) + 2.
        QCOMPARE(left->x(), 82);
        QCOMPARE(first->x(), 2);

        // The first-line marker to 106: the first line at 75 points, the others stay.
        drag(first, 106);
        format = window->editor->document()->firstBlock().blockFormat();
        QCOMPARE(format.leftMargin() + format.textIndent(), 100.0);
        QCOMPARE(first->x(), 102);

        // The right marker 100 pixels in.
        QLabel *right = window->ruler->marker(TextRuler::Marker::Right);
        drag(right, window->ruler->width() - 100);
        format = window->editor->document()->firstBlock().blockFormat();
        const int offset = right->width() / 2;
        // (width + offset - (width - 100 - offset) - 2) x 3/4 - 12 points.
        QCOMPARE(format.rightMargin(), ((100 + 2 * offset - 2) * 3 / 4 - 12) * 4 / 3.0);
    }

    void copyAndPasteMoveTheSelection()
    {
        type(*window, "Facture 12 ");
        select(*window, 0, 7);
        QTest::mouseClick(window->copyButton, Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Facture"));
        window->editor->moveCursor(QTextCursor::End);
        QTest::mouseClick(window->pasteButton, Qt::LeftButton);
        QCOMPARE(window->editor->toPlainText(), QStringLiteral("Facture 12 Facture"));
    }

    void openAndSaveGoThroughRichText()
    {
        rtf::Document letter;
        rtf::CharFormat bold;
        bold.bold = true;
        rtf::Paragraph p;
        p.format.alignment = rtf::Alignment::Centre;
        rtf::append(p, QStringLiteral("Relance"), bold);
        p.mark = bold;
        letter.paragraphs.append(p);
        const QString path = dir.filePath(QStringLiteral("relance.rtf"));
        writeBytes(path, rtf::write(letter));

        fake.fileDialogs.openAnswers = {path};
        QTest::mouseClick(window->openButton, Qt::LeftButton);
        QCOMPARE(window->fileName(), path);
        QCOMPARE(window->editor->toPlainText(), QStringLiteral("Relance"));
        QVERIFY(window->boldButton->isChecked());
        QVERIFY(window->centreButton->isChecked());
        QVERIFY(!window->editor->document()->isModified());

        window->editor->moveCursor(QTextCursor::End);
        type(*window, " urgente");
        fake.fileDialogs.saveAnswers = {path};
        QTest::mouseClick(window->saveButton, Qt::LeftButton);
        QCOMPARE(fake.fileDialogs.saveRequests.back().fileName, path);
        const rtf::Document saved = rtf::read(readBytes(path));
        QCOMPARE(saved.plainText(), QStringLiteral("Relance urgente"));
        QCOMPARE(saved.paragraphs.front().runs.size(), 1);
        QVERIFY(saved.paragraphs.front().runs.front().format.bold);
        QCOMPARE(saved.paragraphs.front().format.alignment, rtf::Alignment::Centre);
        QVERIFY(!window->editor->document()->isModified());
    }

    void closingAsksAndKeepsTheWindowWhenTheSaveIsCancelled()
    {
        type(*window, "Lettre");
        QTest::keyClick(window->editor, Qt::Key_Escape);
        QVERIFY2(window->isVisible(), "Escape closes nothing");
        QVERIFY(fake.messages.shown.isEmpty());

        fake.messages.yesNoCancel = {Messages::Answer::Yes};
        QTest::mouseClick(window->closeButton, Qt::LeftButton);
        QCOMPARE(fake.messages.shown, QStringList{QStringLiteral("Enregistrer changements dans  ?")});
        QCOMPARE(fake.fileDialogs.saveRequests.size(), 1u);
        QVERIFY2(window->isVisible(), "the save dialog was cancelled: the letter stays");

        fake.messages.yesNoCancel = {Messages::Answer::Cancel};
        window->close();
        QVERIFY(window->isVisible());

        fake.messages.yesNoCancel = {Messages::Answer::No};
        QTest::mouseClick(window->closeButton, Qt::LeftButton);
        QVERIFY(!window->isVisible());
        QCOMPARE(fake.messages.shown.size(), 3);
    }
};

TAVELIN_WIDGET_TEST(TTexteTest)
#include "TTexte_test.moc"
