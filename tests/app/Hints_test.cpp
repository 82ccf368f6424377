#include "app/AccessLetter.h"
#include "app/Hints.h"

#include <gtest/gtest.h>

TEST(Hints, ShortPartForTooltipsLongPartForTheStatusBar)
{
    EXPECT_EQ(hints::shortHint(QStringLiteral("Enregistrer|")), QStringLiteral("Enregistrer"));
    EXPECT_EQ(hints::longHint(QStringLiteral("Enregistrer|")), QString());
    EXPECT_EQ(hints::shortHint(QStringLiteral("Ouvrir|Ouvrir un dossier existant")), QStringLiteral("Ouvrir"));
    EXPECT_EQ(hints::longHint(QStringLiteral("Ouvrir|Ouvrir un dossier existant")), QStringLiteral("Ouvrir un dossier existant"));
    EXPECT_EQ(hints::shortHint(QStringLiteral("Nouveau dossier")), QStringLiteral("Nouveau dossier"));
    EXPECT_EQ(hints::longHint(QStringLiteral("Nouveau dossier")), QStringLiteral("Nouveau dossier"));
}

TEST(AccessLetter, OnlyAnAccentedLetterNeedsAKeyOfItsOwn)
{
    const struct {
        const char16_t *caption;
        QChar key;
    } cases[] = {
        {u"&Édition", u'E'},     // the menu bar answers Alt+É; the keyboard types Alt+E
        {u"Aper&çu", u'C'},      // a cedilla too
        {u"&Fichier", QChar()},  // a plain letter is the menu bar's own
        {u"Bases", QChar()},     // no access letter at all
        {u"Fin&", QChar()},      // "&" at the end marks nothing
    };
    for (const auto &c : cases)
        EXPECT_EQ(menus::unaccentedAccessLetter(QString::fromUtf16(c.caption)), c.key)
            << QString::fromUtf16(c.caption).toStdString();
}
