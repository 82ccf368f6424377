#pragma once

#include <QDate>
#include <QDateEdit>

// The date field of the program's windows ("JJ/MM/AAAA", with its calendar
// pop-up, weeks starting on Monday). A date is typed whole: QDateEdit alone
// limits the day being typed to the days of the month shown before, so that
// 31/03 typed over 30/11 gave 30/03. Here the digits typed stand as typed
// until the date they make exists; a date that does not exist (29/02/2027)
// is refused when the field is left, which then shows the date it held
// before the typing.
class DatePicker : public QDateEdit {
    Q_OBJECT
public:
    explicit DatePicker(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    QValidator::State validate(QString &input, int &pos) const override;
    void fixup(QString &input) const override;

private:
    // "dd/MM/yyyy" filled in, whether or not the date exists.
    static bool complete(const QString &text);

    QDate dateBeforeTyping_;
};
