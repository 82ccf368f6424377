#pragma once

#include "app/ui/TMainForm.h"
#include "ModalDriver.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <functional>

// Chooses a tool's item in the main window's menus; `use` works the window
// the item opened, which must be modal over `owner` and show `caption`, and
// closes it. The window is destroyed when closed: every opening starts afresh.
template <typename Tool>
void openFromMenu(TMainForm &main, Cmd cmd, const QString &menuText, const QString &caption, QWidget *owner,
                  std::function<void(Tool *)> use)
{
    QAction *item = main.menuAction(cmd);
    QVERIFY(item);
    QCOMPARE(item->text(), menuText);
    QVERIFY(item->isEnabled());
    bool opened = false;
    onNextModal<Tool>([&](Tool *tool) {
        opened = true;
        QCOMPARE(tool->parentWidget(), owner);
        QVERIFY(tool->isModal());
        QCOMPARE(tool->windowTitle(), caption);
        // A loaded machine shows the window before it gets the keyboard: the
        // user types once it has it.
        QVERIFY(QTest::qWaitForWindowActive(tool));
        QVERIFY(QTest::qWaitFor([tool] { return QApplication::activeWindow() == tool; }));
        use(tool);
    });
    item->trigger();
    QVERIFY(opened);
    QVERIFY(main.findChildren<Tool *>().isEmpty());
}
