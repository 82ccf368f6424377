#include "entry/EntryLine.h"

#include "entry/AmountText.h"
#include "entry/ChartLines.h"
#include "entry/DateText.h"
#include "entry/MonthOrder.h"
#include "ledger/Fiche.h"
#include "ledger/TextForms.h"
#include "platform/Clock.h"
#include "platform/Messages.h"

void EntryLine::message(const QString &text) const
{
    f_.platform().messages->information(text);
}

void EntryLine::MaskEdit1Enter()
{
    if (f_.DerniereDate.size() == 10)
        f_.panel.date = f_.DerniereDate;
}

bool EntryLine::MaskEdit1Exit()
{
    const QString completed =
        datetext::complete(f_.panel.date, f_.platform().clock->today(), f_.Mois, f_.Annee);
    if (!datetext::VerifDate(completed)) {
        f_.focus = Focus::Date;
        return false;
    }
    f_.panel.date = completed;
    return true;
}

void EntryLine::ComboBox1Exit()
{
    const QString typed = f_.panel.compte.trimmed();
    if (typed.isEmpty())
        return;
    const QString code = forms::completeAccount(typed);
    f_.panel.compte = code;
    const qsizetype found = chartlines::findAccount(f_.ref.ListePlc, code);
    if (found != chartlines::npos) {
        QString &line = f_.ref.ListePlc[found];
        if (!chartlines::isUsed(line)) {
            line = chartlines::markUsed(line);
            f_.ref.PlanModifie = true;
        }
    } else {
        message(QStringLiteral("Le compte ") + code + QStringLiteral(" n'existe pas"));
        f_.focus = Focus::Compte;
    }
    if (!f_.DernierLibelle.isEmpty())
        f_.panel.libelle = f_.DernierLibelle;
}

void EntryLine::Edit1Exit()
{
    if (!f_.panel.libelle.trimmed().isEmpty())
        return;
    const qsizetype found = chartlines::findStartingWith(f_.ref.ListePlc, f_.panel.compte);
    if (found != chartlines::npos)
        f_.panel.libelle = chartlines::accountLabel(f_.ref.ListePlc[found]);
}

void EntryLine::ComboBox2Change(const QString &text)
{
    f_.panel.journal = text;
    f_.JournalCourant = text;
}

void EntryLine::ComboBox2Exit()
{
    const QString code = f_.panel.journal;
    if (code.isEmpty())
        return;
    const qsizetype found = chartlines::findByCode(f_.ref.ListeJnx, code);
    if (found != chartlines::npos) {
        QString &line = f_.ref.ListeJnx[found];
        line = chartlines::markUsed(line);
    } else {
        message(QStringLiteral("Le journal ") + code + QStringLiteral(" n'existe pas"));
        f_.focus = Focus::Journal;
    }
}

// The row the posted line goes to. A line being modified keeps its row; a new
// line goes right after the last one, and so does a "modified" row that held
// no line (below the last one), so the grid never gets a gap the month
// write-back would stop at.
int EntryLine::targetRow()
{
    if (f_.ModeModif && f_.LigneModif >= 0 && f_.LigneModif < f_.NbLignes)
        return f_.LigneModif;
    const int row = f_.NbLignes;
    f_.StringGrid1.growFor(row);
    f_.StringGrid1.at(row, 7).clear();
    ++f_.NbLignes;
    return row;
}

bool EntryLine::SpeedButton1Click()
{
    const auto date = datetext::toDate(f_.panel.date);
    if (!date)
        return false;
    if (*date < f_.DebutExercice() || *date > f_.FinExercice()) {
        message(QStringLiteral("Date en dehors des limites de l'exercice"));
        return false;
    }
    if (f_.panel.debit.trimmed().isEmpty() && f_.panel.credit.trimmed().isEmpty()) {
        f_.focus = Focus::Debit;
        return false;
    }
    const EntryPanel &p = f_.panel;
    const int row = targetRow();
    TextGrid &grid = f_.StringGrid1;
    grid.set(row, 0, p.date);
    grid.set(row, 1, forms::singleLine(p.compte));
    grid.set(row, 2, forms::singleLine(p.libelle));
    grid.set(row, 3, forms::singleLine(p.journal));
    grid.set(row, 4, forms::singleLine(p.piece));
    grid.set(row, 5, amounttext::normalise(p.debit));
    grid.set(row, 6, amounttext::normalise(p.credit));
    grid.touch();
    f_.DernierLibelle = p.libelle;
    f_.DerniereDate = p.date;
    f_.Raz();
    entry::Tri(grid, f_.NbLignes);
    f_.Total();
    f_.focus = Focus::Date;
    f_.Modifie = true;
    f_.MoisModifie = true;
    f_.ModeModif = false;
    return true;
}
