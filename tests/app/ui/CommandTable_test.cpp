#include "WidgetTests.h"
#include "../MainWindowTexts.h"
#include "app/Hints.h"
#include "app/ui/TMainForm.h"
#include "document/ui/TFiche.h"
#include "platform/HelpBook.h"
#include "platform/ui/Resources.h"
#include "support/FakePlatform.h"

#include <QAction>
#include <QFile>
#include <QRegularExpression>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <algorithm>
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

std::multiset<Cmd> menuCommands()
{
    std::multiset<Cmd> seen;
    for (const Menu &menu : commands::table().menus)
        collect(menu.items, seen);
    return seen;
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

// A command that ran, and the check mark it was given.
struct Run {
    Cmd cmd;
    bool checked;
    bool operator==(const Run &) const = default;
};

CommandHandler recorder(Cmd cmd, std::vector<Run> &runs)
{
    return [&runs, cmd](TMainForm &, bool checked) { runs.push_back({cmd, checked}); };
}

// The items of a table with every handler replaced by one that records its run.
void recording(QList<MenuItem> &items, std::vector<Run> &runs)
{
    for (MenuItem &item : items) {
        if (item.run)
            item.run = recorder(item.cmd, runs);
        recording(item.submenu, runs);
    }
}

// Walks the items of the table beside the menu shown: each item shows its
// command's one action, and triggering it runs that command's handler.
void triggerItems(const QList<MenuItem> &items, const QMenu *shown, const TMainForm &main, const std::vector<Run> &runs)
{
    QList<QAction *> actions = shown->actions();
    actions.removeIf([](const QAction *a) { return a->isSeparator(); });
    QCOMPARE(actions.size(), items.size());
    for (qsizetype i = 0; i < items.size(); ++i) {
        QCOMPARE(actions[i], main.menuAction(items[i].cmd));
        if (!items[i].submenu.isEmpty()) {
            triggerItems(items[i].submenu, actions[i]->menu(), main, runs);
            continue;
        }
        const std::size_t before = runs.size();
        actions[i]->trigger();
        QCOMPARE(runs.size(), before + 1);
        // A checkable item, unchecked at first, passes its new check mark.
        QVERIFY(runs.back() == (Run{items[i].cmd, items[i].checkable}));
    }
}

// A caption as the help writes it: without its access letter, nor the
// ellipsis of a command that opens a dialog.
QString helpCaption(const QString &caption)
{
    QString text = caption;
    text.remove(u'&');
    for (const QString &ellipsis : {QStringLiteral("..."), QStringLiteral("…")})
        if (text.endsWith(ellipsis))
            text.chop(ellipsis.size());
    return text.trimmed();
}

// The menus whose every command opens a page, a window or a tool.
const QStringList kOpeningMenus = {QStringLiteral("Documents"), QStringLiteral("Paramètres"), QStringLiteral("Outils"),
                                   QStringLiteral("Utilitaires")};

// Every item that opens something (a dialog, whose caption ends with an
// ellipsis, or any item of the menus that open pages, windows and tools;
// not a check mark to toggle), with its path "Menu > Item".
void openingItems(const QList<MenuItem> &items, const QString &path, bool openingMenu,
                  std::vector<std::pair<QString, QString>> &found)
{
    for (const MenuItem &item : items) {
        const QString caption = helpCaption(item.caption);
        const QString itemPath = path + QStringLiteral(" > ") + caption;
        if (!item.submenu.isEmpty()) {
            openingItems(item.submenu, itemPath, openingMenu, found);
            continue;
        }
        const bool dialog = item.caption.endsWith(QStringLiteral("...")) || item.caption.endsWith(QStringLiteral("…"));
        if ((openingMenu || dialog) && !item.checkable)
            found.emplace_back(caption, itemPath);
    }
}

} // namespace

class CommandTableTest : public QObject {
    Q_OBJECT

private slots:
    void menusCarryTheirCaptionsHintsKeysAndStartStates()
    {
        const QList<Menu> &menus = commands::table().menus;
        QCOMPARE(menus.size(), mainwindow::kMenus.size());
        for (qsizetype i = 0; i < menus.size(); ++i) {
            const mainwindow::ExpectedMenu &expected = mainwindow::kMenus[i];
            QCOMPARE(menus[i].caption, expected.caption);
            QCOMPARE(menus[i].helpContext, expected.helpContext);
            QStringList rows;
            describe(menus[i].items, QString(), rows);
            QCOMPARE(rows, expected.rows);
        }
    }

    // A command that opens something has a help page that names it: by its
    // menu path ("Documents > Bilan"), or by a heading of its own (the tools
    // of one page, "Calculatrice"). A rule over the table, so that every
    // command added later needs its page.
    void everyCommandThatOpensSomethingHasAHelpPageNamingIt()
    {
        loadTavelinResources();
        HelpBook book;
        QVERIFY(book.load(QStringLiteral(":/help/tavelin")));
        QStringList texts;
        QStringList headings;
        const QRegularExpression heading(QStringLiteral("<h[1-3][^>]*>(.*?)</h[1-3]>"),
                                         QRegularExpression::DotMatchesEverythingOption);
        for (const HelpTopic &topic : book.topics()) {
            QFile page(book.folder() + u'/' + topic.file);
            QVERIFY2(page.open(QIODevice::ReadOnly), qPrintable(topic.file));
            const QString html = QString::fromUtf8(page.readAll());
            texts.append(HelpBook::fold(HelpBook::plainText(html).simplified()));
            for (const QRegularExpressionMatch &m : heading.globalMatch(html))
                headings.append(HelpBook::fold(helpCaption(HelpBook::plainText(m.captured(1)).simplified())));
        }
        std::vector<std::pair<QString, QString>> items;
        for (const Menu &menu : commands::table().menus) {
            const QString name = helpCaption(menu.caption);
            openingItems(menu.items, name, kOpeningMenus.contains(name), items);
        }
        QVERIFY(items.size() >= 20);
        for (const auto &[caption, path] : items) {
            const QString folded = HelpBook::fold(path);
            const bool named = headings.contains(HelpBook::fold(caption)) ||
                               std::any_of(texts.begin(), texts.end(),
                                           [&folded](const QString &text) { return text.contains(folded); });
            QVERIFY2(named, qPrintable(QStringLiteral("aucune page d'aide ne nomme « %1 »").arg(path)));
        }
    }

    void toolButtonsCarryTheirHintsGroupsAndStartStates()
    {
        QStringList rows;
        int group = 0;
        for (const ToolButton &button : commands::table().toolBar) {
            if (group != 0 && button.group != group)
                rows.append(mainwindow::kSeparator);
            group = button.group;
            rows.append(mainwindow::row(hints::shortHint(button.hint), hints::longHint(button.hint), button.startEnabled));
        }
        QCOMPARE(rows, mainwindow::kToolBar);
    }

    // Every caption of the bar, of each menu and of each submenu carries an
    // access letter of its own there: typing it never has two items to choose from.
    void noTwoItemsOfAMenuShareAnAccessLetter()
    {
        const auto check = [](const QStringList &captions) {
            std::set<QChar> letters;
            for (const QString &caption : captions) {
                // The letter after "&", as the keyboard types it: "É" is typed E.
                const qsizetype amp = caption.indexOf(u'&');
                QVERIFY2(amp >= 0 && amp + 1 < caption.size(), qPrintable(caption));
                const QChar letter =
                    caption.mid(amp + 1, 1).normalized(QString::NormalizationForm_D).front().toLower();
                QVERIFY2(letters.insert(letter).second, qPrintable(caption));
            }
        };
        const std::function<void(const QList<MenuItem> &)> checkItems = [&](const QList<MenuItem> &items) {
            QStringList captions;
            for (const MenuItem &item : items) {
                captions.append(item.caption);
                checkItems(item.submenu);
            }
            check(captions);
        };
        QStringList bar;
        for (const Menu &menu : commands::table().menus) {
            bar.append(menu.caption);
            checkItems(menu.items);
        }
        check(bar);
    }

    void eachMenuCommandAppearsOnce()
    {
        const std::multiset<Cmd> seen = menuCommands();
        for (const Cmd cmd : seen)
            QVERIFY2(seen.count(cmd) == 1, qPrintable(QString::number(int(cmd))));
    }

    // A button runs the action of its menu item; only a command found in no
    // menu (the envelope) has a handler of its own there.
    void toolButtonsRunMenuCommandsOrTheirOwn()
    {
        const std::multiset<Cmd> inMenus = menuCommands();
        for (const ToolButton &button : commands::table().toolBar)
            QVERIFY2((inMenus.count(button.cmd) == 1) != bool(button.run), qPrintable(button.hint));
    }

    void everyCommandReachesItsHandlerThroughItsOneAction()
    {
        std::vector<Run> runs;
        CommandTable table = commands::table();
        for (Menu &menu : table.menus)
            recording(menu.items, runs);
        for (ToolButton &button : table.toolBar)
            if (button.run)
                button.run = recorder(button.cmd, runs);
        FakePlatform fake;
        TMainForm main(fake.platform, table);
        // Any command shows the states the rules left: here every command available.
        main.form().Valide();
        main.menuAction(Cmd::Nouveau)->trigger();
        // A year closed for good, for the command that opens the next one.
        main.fiche()->run([](Fiche &fiche) {
            fiche.ledger.fiscalYear = FiscalYear{QDate(2002, 1, 1), QDate(2002, 12, 31), QDate(2002, 12, 31)};
        });

        const QList<QAction *> tops = main.menuBar()->actions();
        for (qsizetype m = 0; m < table.menus.size(); ++m)
            triggerItems(table.menus[m].items, tops[m]->menu(), main, runs);
        for (const ToolButton &button : table.toolBar) {
            // The button runs the same action as the menu item.
            QSignalSpy triggered(main.menuAction(button.cmd), &QAction::triggered);
            main.toolButton(button.cmd)->click();
            QCOMPARE(triggered.count(), 1);
            QVERIFY(runs.back() == (Run{button.cmd, false}));
        }
    }
};

TAVELIN_WIDGET_TEST(CommandTableTest)
#include "CommandTable_test.moc"
