#pragma once

#include <QLineEdit>

// The date field of the entry line: "dd/mm/yyyy" typed over a
// mask, blanks shown as "_". Entering it selects the whole date, so typing
// starts a new one from the day.
class DateField : public QLineEdit {
    Q_OBJECT
public:
    explicit DateField(QWidget *parent = nullptr);

    // The text as the rules read it: ten positions, spaces where nothing is typed.
    QString fieldText() const;
    void setFieldText(const QString &text);

protected:
    void focusInEvent(QFocusEvent *event) override;
};
