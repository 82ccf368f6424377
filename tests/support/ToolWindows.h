#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QTest>

// Shows a calculator window and waits until it has the keyboard, as it has
// when the user opens it.
inline void showActive(QDialog &window)
{
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

// Escape closes the window; shown again, its "Fermer" button closes it too.
inline void checkClosing(QDialog &window, QAbstractButton *closeButton)
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(!window.isVisible());
    showActive(window);
    QTest::mouseClick(closeButton, Qt::LeftButton);
    QVERIFY(!window.isVisible());
}
