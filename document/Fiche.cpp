#include "document/Fiche.h"

#include "document/ReportCommands.h"
#include "ledger/TextForms.h"
#include "ledger/ValidationRegister.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/FiscalYearDialog.h"
#include "platform/Messages.h"
#include "yearend/Closing.h"
#include "yearend/Fingerprint.h"

#include <QFileInfo>

Fiche::Fiche(const Platform &platform)
    : ledger(platform)
{
}

void Fiche::tell(const QString &message) const
{
    if (!message.isEmpty())
        platform().messages->information(message);
}

// ---------------------------------------------------------------- month

void Fiche::LitMois()
{
    ledger.readMonthGrid();
    const QString warning = entry.monthRead(forms::monthCaption(ledger.NomMois, ledger.Annee), ledger.monthGrid);
    // Opening a file reads its month several times over: the user hears of
    // a total that cannot be made once, until another month is read.
    const QString told = QString::fromStdString(ledger.monthKey()) + warning;
    if (!warning.isEmpty() && told != lastMonthWarning_)
        platform().messages->information(warning);
    lastMonthWarning_ = told;
}

void Fiche::changeMonth(int year, int month)
{
    switch (ActivePage) {
    case Page::Saisie:
        ledger.EcritMois();
        ledger.Annee = quint16(year);
        ledger.Mois = quint16(month);
        LitMois();
        break;
    case Page::Journal:
    case Page::Comptes:
    case Page::General:
        ledger.Annee = quint16(year);
        ledger.Mois = quint16(month);
        document::rebuildMonthView(*this);
        break;
    default:
        break;
    }
}

void Fiche::Premier()
{
    changeMonth(ledger.fiscalYear.start.year(), ledger.fiscalYear.start.month());
}

void Fiche::Dernier()
{
    changeMonth(ledger.fiscalYear.end.year(), ledger.fiscalYear.end.month());
}

void Fiche::Precedent()
{
    if (ledger.Mois <= 1)
        changeMonth(ledger.Annee - 1, 12);
    else
        changeMonth(ledger.Annee, ledger.Mois - 1);
}

void Fiche::Suivant()
{
    if (ledger.Mois >= 12)
        changeMonth(ledger.Annee + 1, 1);
    else
        changeMonth(ledger.Annee, ledger.Mois + 1);
}

// ---------------------------------------------------------------- pages

void Fiche::FormShow()
{
    Caption.clear();
    ActivePage = Page::Saisie;
    entryPageEntered();
}

void Fiche::entryPageEntered()
{
    LitMois();
    entry.focus = Focus::Date;
}

void Fiche::showPage(Page page)
{
    if (page == ActivePage)
        return;
    if (ActivePage == Page::Saisie)
        ledger.EcritMois();
    ActivePage = page;
    if (page == Page::Saisie)
        entryPageEntered();
}

void Fiche::Saisie()
{
    if (ActivePage == Page::Saisie) {
        ledger.EcritMois();
        LitMois();
    } else {
        showPage(Page::Saisie);
    }
}

// ---------------------------------------------------------------- file

void Fiche::Exercice()
{
    FiscalYear &year = ledger.fiscalYear;
    // Moving the dates of a closed year would open it again.
    if (!yearend::closingRefusal(year).isEmpty()) {
        platform().messages->information(QStringLiteral("Exercice clôturé : ses dates ne peuvent plus être modifiées."));
        return;
    }
    if (auto dates = platform().fiscalYear->ask(year.start, year.end, year.closing)) {
        year.start = dates->start;
        year.end = dates->end;
    }
    ledger.EcritHead();
}

void Fiche::Nouveau()
{
    ledger.Lignes.clear();
    const QDate today = platform().clock->today();
    ledger.Annee = quint16(today.year());
    ledger.Mois = quint16(today.month());
    ledger.MoisModifie = false;
    ledger.Modifie = false;
    ledger.NomFichier.clear();
    Caption.clear();
    // The new dossier keeps the dates of the previous one, not its closing
    // nor its validations: its year is open.
    ledger.fiscalYear.closing = ledger.fiscalYear.start;
    ledger.fiscalYear.validations.clear();
    ledger.fiscalYear.dossierId.clear();
    ledger.fiscalYear.chainedFrom = 0;
    Exercice();
    // The new dossier opens on its entry page, as a loaded one does: a view
    // left on screen would still show the previous dossier's figures.
    Saisie();
}

bool Fiche::Charge(const QString &fileName)
{
    bool loaded = false;
    if (!platform().files->exists(fileName)) {
        ledger.NomFichier.clear();
    } else {
        const QString message = ledger.readFile(fileName);
        if (!message.isEmpty()) {
            platform().messages->information(message);
            // Nothing is loaded: the document keeps what it had. But it must
            // not keep the name of a file it could not read (the last file at
            // start-up), or the next save would write over that file.
            if (ledger.NomFichier == fileName) {
                ledger.NomFichier.clear();
                Caption.clear();
            }
            return false;
        }
        loaded = true;
    }
    Caption = QFileInfo(ledger.NomFichier).fileName();
    ledger.LitHead();
    LitMois();
    ledger.MoisModifie = false;
    if (!ledger.Lignes.empty())
        ledger.Squize();
    if (loaded && !ledger.fiscalYear.validations.empty()) {
        const std::vector<const Validation *> altered =
            yearend::alteredValidations(ledger.Lignes, ledger.fiscalYear.validations, ledger.fiscalYear.chainStart());
        if (!altered.empty()) {
            // The register keeps the months each record covered: the warning
            // names them and their entries. A register that cannot be read
            // is told by its check below.
            ValidationRegister kept;
            kept.load(ledger.referenceDir());
            kept.giveMonths(ledger.fiscalYear);
            platform().messages->information(yearend::alterationMessage(
                altered, yearend::bookEntries(ledger.Lignes), ledger.fiscalYear.validations));
        }
    }
    if (loaded) {
        const QStringList removed = ledger.checkValidationRegister();
        if (!removed.isEmpty())
            platform().messages->information(removed.join(u'\n'));
    }
    // The opening month is chosen on the entry page: a view left on screen
    // does not move between months, and would keep the previous dossier's.
    showPage(Page::Saisie);
    const QDate today = platform().clock->today();
    if (today > ledger.DebutExercice())
        Dernier();
    if (today < ledger.FinExercice())
        Premier();
    Saisie();
    return loaded;
}

bool Fiche::Sauve(const QString &fileName)
{
    if (!ledger.Modifie)
        return true;
    if (!ledger.writeFile(fileName))
        return false;
    Caption = QFileInfo(ledger.NomFichier).fileName();
    return true;
}

// ---------------------------------------------------------------- reference data

void Fiche::FormActivate()
{
    ledger.ChargeSoc();
    ledger.ChargePlc();
    ledger.ChargeIni();
    ledger.ChargeCombo();
    ledger.InitPlc();
    ledger.InitJnx();
    ledger.loadPreferences();
    document::applyBalanceOrder(*this);
}
