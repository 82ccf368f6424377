#pragma once

#include "entry/ui/DateField.h"
#include "entry/ui/EntryPage.h"
#include "TypeKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

// Keys a whole line of the entry page from its date field, the way a user
// does: the text of each field, Tab to the next (the voucher left empty),
// Enter to post the debit.
inline void keyEntryLine(EntryPage &page, const QString &day, const QString &account, const QString &label,
                         const QString &journal, const QString &debit)
{
    page.dateField->setFocus(Qt::TabFocusReason);
    typeFieldsWithTab({day, account, label, journal, QString()});
    typeInto(QApplication::focusWidget(), debit);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
}
