#pragma once

class Fiche;
class QString;

// The rules of the entry line above the month grid: what each field does when
// the user enters or leaves it, and the posting of the line into the grid.
// They work on the document's copy of the field texts (`Fiche::panel`) and ask
// for the keyboard focus through `Fiche::focus`.
class EntryLine {
public:
    explicit EntryLine(Fiche &fiche) : f_(fiche) {}

    // Date field gained the focus: proposes the date of the last line posted.
    void MaskEdit1Enter();
    // Date field left: completes the date; false (focus back) when the result
    // is not a date.
    bool MaskEdit1Exit();
    // Account field left: six-character code, checked against the chart and
    // marked used there.
    void ComboBox1Exit();
    // Label field left: an empty label takes the account's label.
    void Edit1Exit();
    // Journal field changed by the user.
    void ComboBox2Change(const QString &text);
    // Journal field left: checked against the journals and marked used there.
    void ComboBox2Exit();
    // Posts the line into the month grid; false when it was refused.
    bool SpeedButton1Click();

private:
    void message(const QString &text) const;
    int targetRow();

    Fiche &f_;
};
