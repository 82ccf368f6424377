#pragma once

#include "ledger/Validations.h"

#include <QString>

struct EntryState;
class Ledger;
class TextGrid;
struct EntryPanel;

// What the user does to the lines of the month grid: bring one back into the
// entry line to change it, delete it, copy and paste the entry line, and
// check lines off. The operand is the selected row, `EntryState::selectedRow`.
class MonthGrid {
public:
    MonthGrid(Ledger &ledger, EntryState &entry) : ledger_(ledger), entry_(entry) {}

    // Brings the selected line into the entry line; the next posting writes
    // it back into its row.
    void modifySelected();
    // Deletes the selected line.
    void Supprimer();
    // The Delete key on the grid: asks first, deletes on "Oui". True when the
    // line was deleted.
    bool deleteAsked();
    void Copier();
    void Coller();
    void Pointer(bool on);
    // A click on a row, or a keyboard move onto one: in check-off mode,
    // toggles the row's mark when its account may be checked off.
    void rowClicked();
    // Why the line of a row may no longer be changed or deleted (it is
    // validated), empty when it may.
    QString validatedNote(int row, validation::EntryAct act = validation::EntryAct::Change) const;

    // Whether the row's line is lettered: it may then be neither deleted nor
    // given another account or amount until its group is unlettered.
    static bool lettered(const TextGrid &grid, int row);

private:
    void fillPanel(const EntryPanel &texts);
    // A validated line may be neither changed nor deleted: true, with the
    // user told so, when the row holds one.
    bool refusedAsValidated(int row, validation::EntryAct act) const;
    // The same for a lettered line.
    bool refusedAsLettered(int row) const;

    Ledger &ledger_;
    EntryState &entry_;
};
