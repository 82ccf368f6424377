#include "WidgetTests.h"
#include "platform/ui/FontChooser.h"
#include "platform/ui/QtFontDialog.h"
#include "support/ModalDriver.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

namespace {

QPushButton *button(FontChooser *dialog, const QString &text)
{
    for (QPushButton *b : dialog->findChildren<QPushButton *>())
        if (b->text() == text)
            return b;
    return nullptr;
}

} // namespace

// The font dialog "Police", answered as a user does.
class FontChooserTest : public QObject {
    Q_OBJECT

private slots:
    void opensOnTheFontAndGivesTheChoiceOnOk()
    {
        const QString family = FontChooser().familyList->item(0)->text();
        std::optional<FontChoice> answer;
        onNextModal<FontChooser>([&](FontChooser *dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Police"));
            QCOMPARE(dialog->familyField->text(), QStringLiteral("DejaVu Sans"));
            QCOMPARE(dialog->familyList->currentItem()->text(), QStringLiteral("DejaVu Sans"));
            QCOMPARE(dialog->styleList->currentItem()->text(), QStringLiteral("Gras italique"));
            QCOMPARE(dialog->sizeBox->value(), 14);
            QVERIFY(!dialog->underlineBox->isChecked());
            QCOMPARE(dialog->colourBox->currentText(), QStringLiteral("Rouge"));

            dialog->familyField->selectAll();
            QTest::keyClicks(dialog->familyField, family.left(3));
            QCOMPARE(dialog->familyList->currentItem()->text().left(3), family.left(3));
            dialog->familyField->setText(family);
            dialog->styleList->setCurrentRow(1); // "Italique"
            dialog->sizeBox->selectAll();
            QTest::keyClicks(dialog->sizeBox, "99");
            QTest::mouseClick(dialog->underlineBox, Qt::LeftButton);
            dialog->colourBox->setCurrentIndex(0); // "Automatique"
            QTest::mouseClick(button(dialog, QStringLiteral("OK")), Qt::LeftButton);
        });
        QtFontDialog fonts;
        answer = fonts.choose(FontChoice{"DejaVu Sans", 14, true, true, false, 0xFF0000});
        QVERIFY(answer);
        QCOMPARE(*answer, (FontChoice{family, 9, false, true, true, std::nullopt}));
    }

    void annulerGivesNothing()
    {
        onNextModal<FontChooser>([](FontChooser *dialog) {
            dialog->sizeBox->setValue(40);
            QTest::mouseClick(button(dialog, QStringLiteral("Annuler")), Qt::LeftButton);
        });
        QtFontDialog fonts;
        QVERIFY(!fonts.choose(FontChoice{"DejaVu Sans", 12, false, false, false, std::nullopt}));
    }

    void sizesStayFromFourToSeventyTwo()
    {
        FontChooser dialog;
        dialog.Init(FontChoice{"DejaVu Sans", 100, false, false, false, std::nullopt});
        QCOMPARE(dialog.Result().pointSize, 72);
        dialog.Init(FontChoice{"DejaVu Sans", 1, false, false, false, std::nullopt});
        QCOMPARE(dialog.Result().pointSize, 4);
    }

    void colourOutsideThePaletteIsKeptAndAnEmptyFamilyIsTheFirstOne()
    {
        FontChooser dialog;
        dialog.Init(FontChoice{"DejaVu Sans", 12, false, false, true, 0x123456});
        QCOMPARE(dialog.colourBox->currentText(), QStringLiteral("Personnalisée"));
        dialog.familyField->clear();
        QCOMPARE(dialog.Result(), (FontChoice{"DejaVu Sans", 12, false, false, true, 0x123456}));
    }
};

TAVELIN_WIDGET_TEST(FontChooserTest)
#include "FontChooser_test.moc"
