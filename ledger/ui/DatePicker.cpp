#include "ledger/ui/DatePicker.h"

#include <QCalendarWidget>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

namespace {
const QString kFormat = QStringLiteral("dd/MM/yyyy");
}

DatePicker::DatePicker(QWidget *parent)
    : QDateEdit(parent)
{
    setCalendarPopup(true);
    setDisplayFormat(kFormat);
    calendarWidget()->setFirstDayOfWeek(Qt::Monday);
    dateBeforeTyping_ = date();
}

bool DatePicker::complete(const QString &text)
{
    if (text.size() != kFormat.size())
        return false;
    for (int i = 0; i < text.size(); ++i)
        if (kFormat[i] == u'/' ? text[i] != u'/' : !text[i].isDigit())
            return false;
    return true;
}

void DatePicker::focusInEvent(QFocusEvent *event)
{
    dateBeforeTyping_ = date();
    QDateEdit::focusInEvent(event);
}

QValidator::State DatePicker::validate(QString &input, int &pos) const
{
    if (complete(input) && !QDate::fromString(input, kFormat).isValid())
        return QValidator::Intermediate;
    return QDateEdit::validate(input, pos);
}

void DatePicker::fixup(QString &input) const
{
    if (complete(input) && !QDate::fromString(input, kFormat).isValid())
        input = dateBeforeTyping_.toString(kFormat);
    else
        QDateEdit::fixup(input);
}

// A digit overwrites the next digit of the text, whatever date that makes
// for the moment; the date changes once the text makes one that exists.
void DatePicker::keyPressEvent(QKeyEvent *event)
{
    const QString typed = event->text();
    if (typed.size() != 1 || !typed[0].isDigit() || !complete(text()))
        return QDateEdit::keyPressEvent(event);
    QLineEdit *edit = lineEdit();
    QString text = edit->text();
    int pos = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    while (pos < text.size() && !text[pos].isDigit())
        ++pos;
    event->accept();
    if (pos >= text.size())
        return;
    text[pos] = typed[0];
    ++pos;
    while (pos < text.size() && !text[pos].isDigit())
        ++pos;
    const QDate whole = QDate::fromString(text, kFormat);
    if (whole.isValid() && whole >= minimumDate() && whole <= maximumDate()) {
        setDate(whole);
        edit->setCursorPosition(pos);
        return;
    }
    // Past QDateEdit, which would bring the day back within the month shown.
    const QSignalBlocker quiet(edit);
    edit->setText(text);
    edit->setCursorPosition(pos);
}
