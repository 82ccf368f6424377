#pragma once

#include "entry/ui/DateField.h"
#include "entry/ui/EntryPage.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

// Types into a field as a keyboard does, characters beyond ASCII included
// (which QTest::keyClicks cannot type).
inline void typeInto(QWidget *field, const QString &text)
{
    for (QChar c : text) {
        if (c.unicode() < 128) {
            QTest::keyClick(field, c.toLatin1());
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(field, &press);
        QApplication::sendEvent(field, &release);
    }
}

// Keys a whole line of the entry page from its date field, the way a user
// does: the text of each field, Tab to the next (the voucher left empty),
// Enter to post the debit.
inline void keyEntryLine(EntryPage &page, const QString &day, const QString &account, const QString &label,
                         const QString &journal, const QString &debit)
{
    auto type = [](const QString &text) { typeInto(QApplication::focusWidget(), text); };
    auto key = [](Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); };
    page.dateField->setFocus(Qt::TabFocusReason);
    type(day);
    key(Qt::Key_Tab);
    type(account);
    key(Qt::Key_Tab);
    type(label);
    key(Qt::Key_Tab);
    type(journal);
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    type(debit);
    key(Qt::Key_Enter);
}
