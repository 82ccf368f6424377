#pragma once

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
