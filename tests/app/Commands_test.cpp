#include "MainWindowTexts.h"
#include "app/Commands.h"
#include "app/Hints.h"

#include <gtest/gtest.h>
#include <functional>
#include <set>

namespace {

void collect(const QList<MenuItem> &items, std::multiset<Cmd> &seen)
{
    for (const MenuItem &item : items) {
        seen.insert(item.cmd);
        collect(item.submenu, seen);
    }
}

// The items of a menu of the command table, in the rows of MainWindowTexts.h.
void describe(const QList<MenuItem> &items, const QString &indent, QStringList &rows)
{
    for (const MenuItem &item : items) {
        rows.append(indent + mainwindow::row(item.caption, item.hint, item.startEnabled, item.shortcut, item.checkable));
        describe(item.submenu, indent + mainwindow::kSubmenuIndent, rows);
        if (item.separatorAfter)
            rows.append(mainwindow::kSeparator);
    }
}

// Rows as one text, so that a failure shows the rows that differ.
std::string lines(const QStringList &rows)
{
    return rows.join(u'\n').toStdString();
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

TEST(Commands, MenusCarryTheirCaptionsHintsKeysAndStartStates)
{
    const QList<Menu> &menus = commands::mainMenu();
    ASSERT_EQ(menus.size(), mainwindow::kMenus.size());
    for (qsizetype i = 0; i < menus.size(); ++i) {
        const mainwindow::ExpectedMenu &expected = mainwindow::kMenus[i];
        EXPECT_EQ(menus[i].caption, expected.caption);
        EXPECT_EQ(menus[i].helpContext, expected.helpContext) << expected.caption.toStdString();
        QStringList rows;
        describe(menus[i].items, QString(), rows);
        EXPECT_EQ(lines(rows), lines(expected.rows)) << expected.caption.toStdString();
    }
}

TEST(Commands, ToolButtonsCarryTheirHintsGroupsAndStartStates)
{
    QStringList rows;
    int group = 0;
    for (const ToolButton &button : commands::toolBar()) {
        if (group != 0 && button.group != group)
            rows.append(mainwindow::kSeparator);
        group = button.group;
        rows.append(mainwindow::row(hints::shortHint(button.hint), hints::longHint(button.hint), button.startEnabled));
    }
    EXPECT_EQ(lines(rows), lines(mainwindow::kToolBar));
}

TEST(Commands, EachMenuCommandAppearsOnce)
{
    std::multiset<Cmd> seen;
    for (const Menu &menu : commands::mainMenu())
        collect(menu.items, seen);
    for (const Cmd cmd : seen)
        EXPECT_EQ(seen.count(cmd), 1u) << int(cmd);
}

// Every caption of the bar, of each menu and of each submenu carries an
// access letter of its own there: typing it never has two items to choose from.
TEST(Commands, NoTwoItemsOfAMenuShareAnAccessLetter)
{
    const auto check = [](const QStringList &captions, const QString &where) {
        std::set<QChar> letters;
        for (const QString &caption : captions) {
            // The letter after "&", as the keyboard types it: "É" is typed E.
            const qsizetype amp = caption.indexOf(u'&');
            const QChar letter = amp < 0 ? QChar() : caption.mid(amp + 1, 1).normalized(QString::NormalizationForm_D)
                                                          .front().toLower();
            EXPECT_FALSE(letter.isNull()) << where.toStdString() << ": " << caption.toStdString();
            EXPECT_TRUE(letters.insert(letter).second) << where.toStdString() << ": " << caption.toStdString();
        }
    };
    const std::function<void(const QList<MenuItem> &, const QString &)> checkItems =
        [&](const QList<MenuItem> &items, const QString &where) {
            QStringList captions;
            for (const MenuItem &item : items) {
                captions.append(item.caption);
                checkItems(item.submenu, item.caption);
            }
            check(captions, where);
        };
    QStringList bar;
    for (const Menu &menu : commands::mainMenu()) {
        bar.append(menu.caption);
        checkItems(menu.items, menu.caption);
    }
    check(bar, QStringLiteral("la barre de menus"));
}

TEST(Commands, ToolButtonsRunMenuCommandsOrTheEnvelope)
{
    std::multiset<Cmd> menuCommands;
    for (const Menu &menu : commands::mainMenu())
        collect(menu.items, menuCommands);
    for (const ToolButton &button : commands::toolBar())
        EXPECT_TRUE(menuCommands.count(button.cmd) == 1 || button.cmd == Cmd::Enveloppe) << qPrintable(button.hint);
}
