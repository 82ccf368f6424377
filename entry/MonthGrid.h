#pragma once

class Fiche;
struct EntryPanel;

// What the user does to the lines of the month grid: bring one back into the
// entry line to change it, delete it, copy and paste the entry line, and
// check lines off. The operand is the selected row, `Fiche::StringGrid1Row`.
class MonthGrid {
public:
    explicit MonthGrid(Fiche &fiche) : f_(fiche) {}

    // Brings the selected line into the entry line; the next posting writes
    // it back into its row.
    void StringGrid1DblClick();
    // Deletes the selected line (entry page only).
    void Supprimer();
    void Copier();
    void Coller();
    void Pointer(bool on);
    // A click on a row, or a keyboard move onto one: in check-off mode,
    // toggles the row's mark when its account may be checked off.
    void StringGrid1Click();

private:
    void fillPanel(const EntryPanel &texts);

    Fiche &f_;
};
