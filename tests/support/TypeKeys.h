#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QStringList>
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

// Types each text where the focus is and goes on with Tab, as a user fills a
// form field after field; an empty text only moves on.
inline void typeFieldsWithTab(const QStringList &texts)
{
    for (const QString &text : texts) {
        typeInto(QApplication::focusWidget(), text);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
}
