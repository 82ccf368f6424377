#include "entry/MonthGrid.h"

#include "entry/EntryState.h"
#include "ledger/Ledger.h"
#include "ledger/LetteringCell.h"
#include "ledger/MonthLines.h"
#include "ledger/Validations.h"
#include "platform/Messages.h"

namespace {
const QString kMark = QStringLiteral("\u00D7");
}

using monthlines::Column;
using monthlines::gridColumn;

bool MonthGrid::lettered(const TextGrid &grid, int row)
{
    return letteringcell::parse(grid.at(row, gridColumn(Column::Lettering))).has_value();
}

bool MonthGrid::refusedAsLettered(int r) const
{
    if (r < 0 || r >= ledger_.NbLignes || !lettered(ledger_.monthGrid, r))
        return false;
    ledger_.platform().messages->information(letteringcell::lockRefusal());
    return true;
}

// The journal field's text is what the next line starts with: it follows the
// field whatever filled it.
void MonthGrid::fillPanel(const EntryPanel &texts)
{
    entry_.panel = texts;
    if (entry_.panel.date.isEmpty())
        entry_.panel.date = EntryPanel::kEmptyDate; // what the masked field holds when emptied
    entry_.JournalCourant = texts.journal;
}

QString MonthGrid::validatedNote(int r, validation::EntryAct act) const
{
    if (r < 0 || r >= ledger_.NbLignes)
        return {};
    return validation::entryRefusal(ledger_.fiscalYear.validations, ledger_.monthGrid.at(r, gridColumn(Column::Date)), act);
}

bool MonthGrid::refusedAsValidated(int r, validation::EntryAct act) const
{
    const QString refusal = validatedNote(r, act);
    if (refusal.isEmpty())
        return false;
    ledger_.platform().messages->information(refusal);
    return true;
}

void MonthGrid::modifySelected()
{
    const int r = entry_.selectedRow;
    const TextGrid &grid = ledger_.monthGrid;
    if (r < 0 || r >= grid.rowCount() || refusedAsValidated(r, validation::EntryAct::Change))
        return;
    entry_.ModeModif = true;
    entry_.LigneModif = r;
    const auto cell = [&](Column column) -> const QString & { return grid.at(r, gridColumn(column)); };
    fillPanel({cell(Column::Date), cell(Column::Account), cell(Column::Label), cell(Column::Journal),
               cell(Column::Voucher), cell(Column::Debit).trimmed(), cell(Column::Credit).trimmed()});
    entry_.focus = Focus::Date;
}

void MonthGrid::Supprimer()
{
    const int r = entry_.selectedRow;
    if (refusedAsValidated(r, validation::EntryAct::Deletion) || refusedAsLettered(r))
        return;
    if (r >= 0 && r < ledger_.NbLignes) {
        ledger_.monthGrid.moveRowsUp(r + 1, ledger_.NbLignes - 1);
        --ledger_.NbLignes;
        const QString totalsError = entry_.Total(ledger_.monthGrid);
        if (!totalsError.isEmpty())
            ledger_.platform().messages->information(totalsError);
        // A line being modified below the deleted one moved up with it; the
        // one being modified itself is gone, so posting adds it anew.
        if (entry_.ModeModif && entry_.LigneModif > r)
            --entry_.LigneModif;
        else if (entry_.ModeModif && entry_.LigneModif == r)
            entry_.ModeModif = false;
    }
    ledger_.MoisModifie = true;
    ledger_.Modifie = true;
}

bool MonthGrid::deleteAsked()
{
    const int r = entry_.selectedRow;
    if (r < 0 || r >= ledger_.NbLignes || refusedAsValidated(r, validation::EntryAct::Deletion)
        || refusedAsLettered(r))
        return false;
    const QString question =
        QStringLiteral("Supprimer l'écriture du %1 ?").arg(ledger_.monthGrid.at(r, gridColumn(Column::Date)).trimmed());
    if (ledger_.platform().messages->warningYesNoCancel(question) != Messages::Answer::Yes)
        return false;
    Supprimer();
    return true;
}

void MonthGrid::Copier()
{
    entry_.EcritureCopiee = entry_.panel;
}

void MonthGrid::Coller()
{
    fillPanel(entry_.EcritureCopiee);
}

void MonthGrid::Pointer(bool on)
{
    entry_.ModePointage = on;
}

void MonthGrid::rowClicked()
{
    if (!entry_.ModePointage)
        return;
    const int r = entry_.selectedRow;
    TextGrid &grid = ledger_.monthGrid;
    const QString account = r >= 0 && r < grid.rowCount() ? grid.at(r, gridColumn(Column::Account)) : QString();
    const qsizetype found = account.isEmpty() ? CodeList::npos : ledger_.ref.ListePlc.findCode(account);
    if (found == CodeList::npos || !ledger_.ref.ListePlc.takesCheckOff(found)) {
        ledger_.platform().messages->information(QStringLiteral("Compte non pointable"));
        return;
    }
    QString &mark = grid.at(r, gridColumn(Column::CheckOff));
    mark = mark == kMark ? QString() : kMark;
    grid.touch();
    ledger_.MoisModifie = true;
    ledger_.Modifie = true;
}
