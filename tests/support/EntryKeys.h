#pragma once

#include "entry/ui/DateField.h"
#include "entry/ui/EntryPage.h"

#include <QApplication>
#include <QTest>

// Keys a whole line of the entry page from its date field, the way a user
// does: the text of each field, Tab to the next (the voucher left empty),
// Enter to post the debit.
inline void keyEntryLine(EntryPage &page, const QString &day, const QString &account, const QString &label,
                         const QString &journal, const QString &debit)
{
    auto type = [](const QString &text) { QTest::keyClicks(QApplication::focusWidget(), text); };
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
