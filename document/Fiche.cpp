#include "document/Fiche.h"

#include "document/ReportCommands.h"
#include "entry/MonthGrid.h"
#include "ledger/LedgerFile.h"
#include "ledger/TextForms.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/FiscalYearDialog.h"
#include "yearend/Closing.h"
#include "yearend/Fingerprint.h"

#include <QFileInfo>

Fiche::Fiche(const Platform &platform)
    : Ledger(platform)
{
}

// ---------------------------------------------------------------- month

void Fiche::LitMois()
{
    readMonthGrid();
    const QString warning = monthRead(forms::monthCaption(NomMois, Annee), monthGrid);
    // Opening a file reads its month several times over: the user hears of
    // a total that cannot be made once, until another month is read.
    const QString told = QString::fromStdString(monthKey()) + warning;
    if (!warning.isEmpty() && told != lastMonthWarning_)
        report(warning);
    lastMonthWarning_ = told;
}

void Fiche::changeMonth(int annee, int mois)
{
    switch (ActivePage) {
    case Page::Saisie:
        EcritMois();
        Annee = quint16(annee);
        Mois = quint16(mois);
        LitMois();
        break;
    case Page::Journal:
    case Page::Comptes:
    case Page::General:
        Annee = quint16(annee);
        Mois = quint16(mois);
        document::rebuildMonthView(*this);
        break;
    default:
        break;
    }
}

void Fiche::Premier()
{
    changeMonth(exercice.debut.year(), exercice.debut.month());
}

void Fiche::Dernier()
{
    changeMonth(exercice.fin.year(), exercice.fin.month());
}

void Fiche::Precedent()
{
    if (Mois <= 1)
        changeMonth(Annee - 1, 12);
    else
        changeMonth(Annee, Mois - 1);
}

void Fiche::Suivant()
{
    if (Mois >= 12)
        changeMonth(Annee + 1, 1);
    else
        changeMonth(Annee, Mois + 1);
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
    focus = Focus::Date;
}

void Fiche::entryPageLeft()
{
    EcritMois();
}

void Fiche::showPage(Page page)
{
    if (page == ActivePage)
        return;
    if (ActivePage == Page::Saisie)
        entryPageLeft();
    ActivePage = page;
    if (page == Page::Saisie)
        entryPageEntered();
}

void Fiche::Saisie()
{
    if (ActivePage == Page::Saisie) {
        EcritMois();
        LitMois();
    } else {
        showPage(Page::Saisie);
    }
}

// ---------------------------------------------------------------- entry page commands

void Fiche::ModifierEcriture()
{
    MonthGrid(*this, *this).modifySelected();
}

void Fiche::Supprimer()
{
    if (ActivePage == Page::Saisie)
        MonthGrid(*this, *this).Supprimer();
}

void Fiche::Copier()
{
    MonthGrid(*this, *this).Copier();
}

void Fiche::Coller()
{
    MonthGrid(*this, *this).Coller();
}

void Fiche::Pointer(bool on)
{
    MonthGrid(*this, *this).Pointer(on);
}

// ---------------------------------------------------------------- file

void Fiche::Exercice()
{
    // Moving the dates of a closed year would open it again.
    if (!reports::closingRefusal(exercice).isEmpty()) {
        report(QStringLiteral("Exercice clôturé : ses dates ne peuvent plus être modifiées."));
        return;
    }
    if (auto dates = platform().fiscalYear->ask(exercice.debut, exercice.fin, exercice.cloture)) {
        exercice.debut = dates->debut;
        exercice.fin = dates->fin;
    }
    EcritHead();
}

void Fiche::Nouveau()
{
    Lignes.clear();
    const QDate today = platform().clock->today();
    Annee = quint16(today.year());
    Mois = quint16(today.month());
    MoisModifie = false;
    Modifie = false;
    NomFichier.clear();
    Caption.clear();
    // The new dossier keeps the dates of the previous one, not its closing
    // nor its validations: its year is open.
    exercice.cloture = exercice.debut;
    exercice.validations.clear();
    Exercice();
    // The new dossier opens on its entry page, as a loaded one does: a view
    // left on screen would still show the previous dossier's figures.
    Saisie();
}

bool Fiche::Charge(const QString &fileName)
{
    bool loaded = false;
    if (!platform().files->exists(fileName)) {
        NomFichier.clear();
    } else {
        LineList lines;
        const QString message = ledgerfile::openLedger(fileName, lines);
        if (!message.isEmpty()) {
            report(message);
            // Nothing is loaded: the document keeps what it had. But it must
            // not keep the name of a file it could not read (the last file at
            // start-up), or the next save would write over that file.
            if (NomFichier == fileName) {
                NomFichier.clear();
                Caption.clear();
            }
            return false;
        }
        Lignes = std::move(lines);
        NomFichier = fileName;
        Modifie = false;
        loaded = true;
    }
    Caption = QFileInfo(NomFichier).fileName();
    LitHead();
    LitMois();
    MoisModifie = false;
    if (!Lignes.empty())
        Squize();
    if (loaded && !exercice.validations.empty())
        report(yearend::alterationMessage(yearend::alteredValidations(yearend::bookEntries(Lignes), exercice.validations)));
    const QDate today = platform().clock->today();
    if (today > exercice.debut)
        Dernier();
    if (today < exercice.fin)
        Premier();
    Saisie();
    return loaded;
}

bool Fiche::Sauve(const QString &fileName)
{
    if (!Modifie)
        return true;
    if (!writeFile(fileName))
        return false;
    Caption = QFileInfo(NomFichier).fileName();
    return true;
}

// ---------------------------------------------------------------- reference data

void Fiche::FormActivate()
{
    ChargeSoc();
    ChargePlc();
    ChargeIni();
    ChargeCombo();
    InitPlc();
    InitJnx();
}
