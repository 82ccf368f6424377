#include "entry/MonthGrid.h"

#include "entry/ChartLines.h"
#include "ledger/Fiche.h"
#include "platform/Messages.h"

namespace {
const QString kMark = QStringLiteral("\u00D7");
}

// The journal field's text is what the next line starts with: it follows the
// field whatever filled it.
void MonthGrid::fillPanel(const EntryPanel &texts)
{
    f_.panel = texts;
    if (f_.panel.date.isEmpty())
        f_.panel.date = EntryPanel::kEmptyDate; // what the masked field holds when emptied
    f_.JournalCourant = texts.journal;
}

void MonthGrid::StringGrid1DblClick()
{
    const int r = f_.StringGrid1Row;
    const TextGrid &grid = f_.StringGrid1;
    if (r < 0 || r >= grid.rowCount())
        return;
    f_.ModeModif = true;
    f_.LigneModif = r;
    fillPanel({grid.at(r, 0), grid.at(r, 1), grid.at(r, 2), grid.at(r, 3), grid.at(r, 4),
               grid.at(r, 5).trimmed(), grid.at(r, 6).trimmed()});
    f_.focus = Focus::Date;
}

void MonthGrid::Supprimer()
{
    if (f_.ActivePage != Page::Saisie)
        return;
    const int r = f_.StringGrid1Row;
    if (r >= 0 && r < f_.NbLignes) {
        f_.StringGrid1.moveRowsUp(r + 1, f_.NbLignes - 1);
        --f_.NbLignes;
        f_.Total();
        // A line being modified below the deleted one moved up with it; the
        // one being modified itself is gone, so posting adds it anew.
        if (f_.ModeModif && f_.LigneModif > r)
            --f_.LigneModif;
        else if (f_.ModeModif && f_.LigneModif == r)
            f_.ModeModif = false;
    }
    f_.MoisModifie = true;
    f_.Modifie = true;
}

void MonthGrid::Copier()
{
    f_.EcritureCopiee = f_.panel;
}

void MonthGrid::Coller()
{
    fillPanel(f_.EcritureCopiee);
}

void MonthGrid::Pointer(bool on)
{
    f_.ModePointage = on;
}

void MonthGrid::StringGrid1Click()
{
    if (!f_.ModePointage)
        return;
    const int r = f_.StringGrid1Row;
    TextGrid &grid = f_.StringGrid1;
    const QString account = r >= 0 && r < grid.rowCount() ? grid.at(r, 1) : QString();
    const qsizetype found = account.isEmpty() ? chartlines::npos : chartlines::findByCode(f_.ref.ListePlc, account);
    if (found == chartlines::npos || !chartlines::isPointable(f_.ref.ListePlc[found])) {
        f_.platform().messages->information(QStringLiteral("Compte non pointable"));
        return;
    }
    QString &mark = grid.at(r, 7);
    mark = mark == kMark ? QString() : kMark;
    grid.touch();
    f_.MoisModifie = true;
    f_.Modifie = true;
}
