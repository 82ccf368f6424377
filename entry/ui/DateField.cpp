#include "entry/ui/DateField.h"

#include "entry/EntryPanel.h"

#include <QFocusEvent>

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
        selectAll();
}

void DateField::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        selectAll();
}
