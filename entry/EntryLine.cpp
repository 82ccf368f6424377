#include "entry/EntryLine.h"

#include "entry/AmountText.h"
#include "entry/DateText.h"
#include "entry/EntryState.h"
#include "entry/MonthGrid.h"
#include "entry/MonthOrder.h"
#include "ledger/Ledger.h"
#include "ledger/LetteringCell.h"
#include "ledger/MonthLines.h"
#include "ledger/TextForms.h"
#include "ledger/Validations.h"
#include "ledger/YearEntries.h"
#include "platform/Clock.h"
#include "platform/Messages.h"

using monthlines::Column;
using monthlines::gridColumn;

void EntryLine::message(const QString &text) const
{
    ledger_.platform().messages->information(text);
}

void EntryLine::dateEntered()
{
    if (!entry_.ModeModif && entry_.DerniereDate.size() == 10)
        entry_.panel.date = entry_.DerniereDate;
}

bool EntryLine::dateLeft()
{
    const QString completed =
        datetext::complete(entry_.panel.date, ledger_.platform().clock->today(), ledger_.Mois, ledger_.Annee);
    if (!datetext::VerifDate(completed)) {
        entry_.focus = Focus::Date;
        return false;
    }
    entry_.panel.date = completed;
    return true;
}

bool EntryLine::checkAccount()
{
    const QString typed = entry_.panel.account.trimmed();
    if (typed.isEmpty())
        return true;
    const QString code = forms::completeAccount(typed);
    entry_.panel.account = code;
    CodeList &chart = ledger_.ref.ListePlc;
    const qsizetype found = chart.findAccount(code);
    if (found == CodeList::npos) {
        message(QStringLiteral("Le compte ") + code + QStringLiteral(" n'existe pas"));
        entry_.focus = Focus::Account;
        return false;
    }
    if (!chart.isUsed(found)) {
        chart.markUsed(found);
        ledger_.ref.PlanModifie = true;
    }
    return true;
}

bool EntryLine::accountLeft()
{
    if (entry_.panel.account.trimmed().isEmpty())
        return true;
    const bool known = checkAccount();
    if (!entry_.DernierLibelle.isEmpty())
        entry_.panel.label = entry_.DernierLibelle;
    return known;
}

void EntryLine::labelLeft()
{
    if (!entry_.panel.label.trimmed().isEmpty())
        return;
    const qsizetype found = ledger_.ref.ListePlc.findStartingWith(entry_.panel.account);
    if (found != CodeList::npos)
        entry_.panel.label = ledger_.ref.ListePlc.label(found);
}

void EntryLine::journalEdited(const QString &text)
{
    entry_.panel.journal = text;
    entry_.JournalCourant = text;
}

bool EntryLine::checkJournal()
{
    const QString code = entry_.panel.journal;
    if (code.isEmpty())
        return true;
    const qsizetype found = ledger_.ref.ListeJnx.findCode(code);
    if (found == CodeList::npos) {
        message(QStringLiteral("Le journal ") + code + QStringLiteral(" n'existe pas"));
        entry_.focus = Focus::Journal;
        return false;
    }
    ledger_.ref.ListeJnx.markUsed(found);
    return true;
}

bool EntryLine::journalLeft()
{
    return checkJournal();
}

// The row the posted line goes to. A line being modified keeps its row; a new
// line goes right after the last one, and so does a "modified" row that held
// no line (below the last one), so the grid never gets a gap the month
// write-back would stop at.
int EntryLine::targetRow()
{
    if (entry_.ModeModif && entry_.LigneModif >= 0 && entry_.LigneModif < ledger_.NbLignes)
        return entry_.LigneModif;
    const int row = ledger_.NbLignes;
    ledger_.monthGrid.growFor(row);
    // The cells the entry line has no field for.
    for (const Column column : {Column::CheckOff, Column::Lettering})
        ledger_.monthGrid.at(row, gridColumn(column)).clear();
    ++ledger_.NbLignes;
    return row;
}

// A date the month grid can hold: a date of the fiscal year, after the last
// day validated (entries may no longer be added there), in the month shown
// (a date of another month would be stored under this month's key, where the
// other month's journal never finds it).
bool EntryLine::checkDate()
{
    const auto date = datetext::toDate(entry_.panel.date);
    if (!date)
        return false;
    switch (yearentries::newEntryFault(*date, ledger_.fiscalYear)) {
    case yearentries::Fault::None:
        break;
    case yearentries::Fault::Final:
        message(validation::dateRefusal(ledger_.fiscalYear.finalUntil(), *date));
        entry_.focus = Focus::Date;
        return false;
    default:
        message(QStringLiteral("Date en dehors des limites de l'exercice"));
        return false;
    }
    if (date->year() != ledger_.Annee || date->month() != ledger_.Mois) {
        message(QStringLiteral("La date doit être dans le mois affiché (%1)")
                    .arg(forms::monthCaption(forms::monthName(ledger_.Mois), ledger_.Annee)));
        entry_.focus = Focus::Date;
        return false;
    }
    return true;
}

bool EntryLine::checkAmount(QString &stored, const QString &typed, Focus field)
{
    const std::optional<QString> amount = amounttext::normalise(typed);
    if (!amount) {
        message(QStringLiteral("Montant invalide : ") + typed);
        entry_.focus = field;
        return false;
    }
    stored = *amount;
    return true;
}

// A lettered line keeps its account and amounts: its group sums to zero.
bool EntryLine::changesLettered(const QString &account, const QString &debit, const QString &credit) const
{
    if (!entry_.ModeModif || entry_.LigneModif < 0 || entry_.LigneModif >= ledger_.NbLignes)
        return false;
    const TextGrid &grid = ledger_.monthGrid;
    const int row = entry_.LigneModif;
    const auto amount = [&](Column column) { return forms::parseAmount(grid.at(row, gridColumn(column)).trimmed()); };
    return MonthGrid::lettered(grid, row)
           && (grid.at(row, gridColumn(Column::Account)) != account || amount(Column::Debit) != forms::parseAmount(debit)
               || amount(Column::Credit) != forms::parseAmount(credit));
}

bool EntryLine::post()
{
    if (!checkDate())
        return false;
    if (entry_.panel.debit.trimmed().isEmpty() && entry_.panel.credit.trimmed().isEmpty()) {
        entry_.focus = Focus::Debit;
        return false;
    }
    QString debit, credit;
    if (!checkAccount() || !checkJournal() || !checkAmount(debit, entry_.panel.debit, Focus::Debit)
        || !checkAmount(credit, entry_.panel.credit, Focus::Credit))
        return false;
    const EntryPanel &p = entry_.panel;
    if (changesLettered(forms::singleLine(p.account), debit, credit)) {
        message(letteringcell::lockRefusal());
        return false;
    }
    const int row = targetRow();
    TextGrid &grid = ledger_.monthGrid;
    grid.set(row, gridColumn(Column::Date), p.date);
    grid.set(row, gridColumn(Column::Account), forms::singleLine(p.account));
    grid.set(row, gridColumn(Column::Label), forms::singleLine(p.label));
    grid.set(row, gridColumn(Column::Journal), forms::singleLine(p.journal));
    grid.set(row, gridColumn(Column::Voucher), forms::singleLine(p.voucher));
    grid.set(row, gridColumn(Column::Debit), debit);
    grid.set(row, gridColumn(Column::Credit), credit);
    grid.touch();
    entry_.DernierLibelle = p.label;
    entry_.DerniereDate = p.date;
    entry_.Raz();
    entry::Tri(grid, ledger_.NbLignes);
    const QString totalsError = entry_.Total(grid);
    if (!totalsError.isEmpty())
        message(totalsError);
    entry_.focus = Focus::Date;
    ledger_.Modifie = true;
    ledger_.MoisModifie = true;
    entry_.ModeModif = false;
    return true;
}
