#pragma once

#include <QLineEdit>

// The date field of the entry line: "dd/mm/yyyy" typed over a mask, blanks
// shown as "_". Entering it, by a click, Tab or the program, selects the whole
// date with the caret at its start, so typing starts a new date from the day
// wherever the click fell.
class DateField : public QLineEdit {
    Q_OBJECT
public:
    explicit DateField(QWidget *parent = nullptr);

    // The text as the rules read it: ten positions, spaces where nothing is typed.
    QString fieldText() const;
    void setFieldText(const QString &text);
    // The whole date selected, the caret at its start.
    void selectFromStart();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool focusedByClick_ = false; // the press that gave the focus is not a caret placement
    bool swallowingClick_ = false; // nor what the mouse does until its release
};
