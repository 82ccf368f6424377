#include "app/Commands.h"
#include "app/Hints.h"

#include <gtest/gtest.h>
#include <set>

namespace {

void collect(const QList<MenuItem> &items, std::multiset<Cmd> &seen)
{
    for (const MenuItem &item : items) {
        seen.insert(item.cmd);
        collect(item.submenu, seen);
    }
}

} // namespace

TEST(Hints, ShortPartForTooltipsLongPartForTheStatusBar)
{
    EXPECT_EQ(hints::shortHint(QStringLiteral("Enregistrer|")), QStringLiteral("Enregistrer"));
    EXPECT_EQ(hints::longHint(QStringLiteral("Enregistrer|")), QString());
    EXPECT_EQ(hints::shortHint(QStringLiteral("Ouvrir|Ouvrir un dossier existant")), QStringLiteral("Ouvrir"));
    EXPECT_EQ(hints::longHint(QStringLiteral("Ouvrir|Ouvrir un dossier existant")), QStringLiteral("Ouvrir un dossier existant"));
    EXPECT_EQ(hints::shortHint(QStringLiteral("Nouveau dossier")), QStringLiteral("Nouveau dossier"));
    EXPECT_EQ(hints::longHint(QStringLiteral("Nouveau dossier")), QStringLiteral("Nouveau dossier"));
}

TEST(Commands, EachMenuCommandAppearsOnce)
{
    std::multiset<Cmd> seen;
    for (const Menu &menu : commands::mainMenu())
        collect(menu.items, seen);
    for (const Cmd cmd : seen)
        EXPECT_EQ(seen.count(cmd), 1u) << int(cmd);
}

TEST(Commands, ToolButtonsRunMenuCommandsOrTheEnvelopeAndComeInFiveGroups)
{
    std::multiset<Cmd> menuCommands;
    for (const Menu &menu : commands::mainMenu())
        collect(menu.items, menuCommands);
    int group = 1;
    for (const ToolButton &button : commands::toolBar()) {
        EXPECT_TRUE(menuCommands.count(button.cmd) == 1 || button.cmd == Cmd::Enveloppe) << qPrintable(button.hint);
        EXPECT_TRUE(button.group == group || button.group == group + 1) << qPrintable(button.hint);
        group = button.group;
        EXPECT_FALSE(hints::shortHint(button.hint).isEmpty());
    }
    EXPECT_EQ(group, 5);
}
