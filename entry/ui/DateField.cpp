#include "entry/ui/DateField.h"

#include "entry/EntryPanel.h"

#include <QFocusEvent>
#include <QMouseEvent>

DateField::DateField(QWidget *parent)
    : QLineEdit(parent)
{
    setInputMask(QStringLiteral("99/99/9999;_"));
}

QString DateField::fieldText() const
{
    return displayText().replace(u'_', u' ');
}

void DateField::setFieldText(const QString &text)
{
    const QString shown = text.isEmpty() ? EntryPanel::kEmptyDate : text;
    if (fieldText() == shown)
        return;
    setText(shown);
    if (hasFocus())
        selectFromStart();
}

// Selected backwards: the caret stands at the start, where the mask takes the
// first digit typed.
void DateField::selectFromStart()
{
    const int length = int(text().size());
    setSelection(length, -length);
}

void DateField::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason)
        return;
    selectFromStart();
    focusedByClick_ = event->reason() == Qt::MouseFocusReason;
}

void DateField::mousePressEvent(QMouseEvent *event)
{
    swallowingClick_ = focusedByClick_;
    focusedByClick_ = false;
    if (swallowingClick_)
        event->accept();
    else
        QLineEdit::mousePressEvent(event);
}

void DateField::mouseMoveEvent(QMouseEvent *event)
{
    if (swallowingClick_)
        event->accept();
    else
        QLineEdit::mouseMoveEvent(event);
}

void DateField::mouseReleaseEvent(QMouseEvent *event)
{
    if (swallowingClick_) {
        swallowingClick_ = false;
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}
