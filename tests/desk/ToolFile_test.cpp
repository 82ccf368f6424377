#include "FakePlatform.h"

#include "desk/ToolFile.h"

#include <gtest/gtest.h>

TEST(ToolFile, CharactersCodePage1252CannotHoldAreCountedBeforeWriting)
{
    const struct {
        const char *text;
        const char *told; // nullptr: written without a question
    } cases[] = {
        {"Facture à 100 € ? œ", nullptr},                                                 // all in the code page
        {"Ω ≠ ✓", "3 caractères absents du jeu de caractères Windows (1252) (Ω ≠ ✓)"},      // the three counted
        {"✓✓", "2 caractères absents du jeu de caractères Windows (1252) (✓)"},           // each listed once
        {"😀", "1 caractère absent du jeu de caractères Windows (1252) (😀)"},              // one character, two units
    };
    for (const auto &c : cases) {
        FakeMessages messages;
        messages.okCancel = {true};
        EXPECT_TRUE(toolfile::mayWriteUnencodable({QString::fromUtf8(c.text)}, messages)) << c.text;
        if (!c.told) {
            EXPECT_TRUE(messages.shown.isEmpty()) << c.text;
            continue;
        }
        ASSERT_EQ(messages.shown.size(), 1) << c.text;
        EXPECT_TRUE(messages.shown[0].startsWith(QString::fromUtf8(c.told))) << messages.shown[0].toStdString();
    }
}
