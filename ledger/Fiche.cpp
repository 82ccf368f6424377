#include "ledger/Fiche.h"

#include "entry/MonthTotals.h"
#include "ledger/Codec1252.h"
#include "ledger/FileIO.h"
#include "ledger/LedgerFile.h"
#include "ledger/MonthIO.h"
#include "ledger/TextForms.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/FiscalYearDialog.h"
#include "platform/Messages.h"
#include "reports/MonthViews.h"

#include <QFileInfo>

Fiche::Fiche(const Platform &platform)
    : platform_(platform)
{
    const QDate today = platform_.clock->today();
    Annee = quint16(today.year());
    Mois = quint16(today.month());
    exercice.debut = QDate(today.year(), 1, 1);
    exercice.fin = QDate(today.year(), 12, 31);
    exercice.cloture = exercice.debut;
    MoisLong(Mois);
    CompteLignes();
}

std::string Fiche::monthKey() const
{
    return forms::monthKey(Annee, Mois);
}

bool Fiche::report(const QString &message) const
{
    if (message.isEmpty())
        return true;
    platform_.messages->information(message);
    return false;
}

// ---------------------------------------------------------------- month

void Fiche::MoisLong(int mois)
{
    const QString name = forms::moisLong(mois);
    if (!name.isEmpty())
        NomMois = name;
}

void Fiche::LitMois()
{
    MoisLong(Mois);
    Label1 = forms::monthCaption(NomMois, Annee);
    monthio::read(Lignes, monthKey(), StringGrid1);
    CompteLignes();
    Total();
    MoisModifie = false;
    ModeModif = false;
    focus = Focus::Date;
    Raz();
}

void Fiche::EcritMois()
{
    if (!MoisModifie)
        return;
    monthio::write(Lignes, monthKey(), StringGrid1, NbLignes);
    MoisModifie = false;
}

void Fiche::CompteLignes()
{
    NbLignes = monthio::countRows(StringGrid1);
}

void Fiche::Raz()
{
    panel = EntryPanel{};
    panel.journal = JournalCourant;
}

void Fiche::Total()
{
    const MonthTotals totals = monthTotals(StringGrid1);
    Edit6 = totals.debit;
    Edit7 = totals.credit;
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
        reports::rebuildMonthView(*this);
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
    TabSheet1Enter();
}

void Fiche::TabSheet1Enter()
{
    LitMois();
    focus = Focus::Date;
}

void Fiche::TabSheet1Exit()
{
    EcritMois();
}

void Fiche::showPage(Page page)
{
    if (page == ActivePage)
        return;
    if (ActivePage == Page::Saisie)
        TabSheet1Exit();
    ActivePage = page;
    if (page == Page::Saisie)
        TabSheet1Enter();
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

// ---------------------------------------------------------------- file

void Fiche::LitHead()
{
    header::read(Lignes, exercice);
}

void Fiche::EcritHead()
{
    header::write(Lignes, exercice);
    Modifie = true;
}

void Fiche::Squize()
{
    if (Lignes.removeIf([](std::string_view l) { return l.size() <= 5; }) > 0)
        Modifie = true;
}

void Fiche::Exercice()
{
    if (auto dates = platform_.fiscalYear->ask(exercice.debut, exercice.fin, exercice.cloture)) {
        exercice.debut = dates->debut;
        exercice.fin = dates->fin;
    }
    EcritHead();
}

void Fiche::Nouveau()
{
    Lignes.clear();
    const QDate today = platform_.clock->today();
    Annee = quint16(today.year());
    Mois = quint16(today.month());
    MoisModifie = false;
    Modifie = false;
    NomFichier.clear();
    Caption.clear();
    Exercice();
    // The new dossier opens on its entry page, as a loaded one does: a view
    // left on screen would still show the previous dossier's figures.
    Saisie();
}

bool Fiche::Charge(const QString &fileName)
{
    NomFichier = fileName;
    bool loaded = false;
    if (!platform_.files->exists(NomFichier)) {
        NomFichier.clear();
    } else {
        const QString why = ledgerfile::load(NomFichier, Lignes);
        if (!why.isEmpty()) {
            report(fileio::readFailedMessage(NomFichier, why));
            NomFichier.clear();
        } else {
            Modifie = false;
            loaded = true;
        }
    }
    Caption = QFileInfo(NomFichier).fileName();
    LitHead();
    LitMois();
    MoisModifie = false;
    if (!Lignes.empty())
        Squize();
    const QDate today = platform_.clock->today();
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
    EcritMois();
    NomFichier = fileName;
    const QString why = fileio::writeAtomically(NomFichier, ledgerfile::serialize(Lignes));
    if (!why.isEmpty()) {
        report(fileio::saveFailedMessage(NomFichier, why));
        return false;
    }
    Modifie = false;
    MoisModifie = false;
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

void Fiche::ChargeSoc() { report(reference::chargeSoc(referenceDir(), ref)); }
void Fiche::ChargePlc() { report(reference::chargePlc(referenceDir(), ref)); }
void Fiche::ChargeIni() { report(reference::chargeIni(referenceDir(), ref, NomFichier)); }
void Fiche::ChargeCombo() { report(reference::chargeCombo(referenceDir(), ref)); }
void Fiche::InitPlc() { reference::initPlc(ref); }
void Fiche::InitJnx() { reference::initJnx(ref); }

bool Fiche::SauveIni() { return report(reference::sauveIni(referenceDir(), ref, NomFichier)); }
bool Fiche::SauveSoc() { return report(reference::sauveSoc(referenceDir(), ref)); }
bool Fiche::SauvePlc() { return report(reference::sauvePlc(referenceDir(), ref)); }
bool Fiche::SauveCombo() { return report(reference::sauveCombo(referenceDir(), ref)); }

void Fiche::GetIni(bool &ouvrirAuto, QString &nomFichier) const
{
    ouvrirAuto = ref.OuvrirAuto == 1;
    nomFichier = NomFichier;
}

void Fiche::SetIni(bool ouvrirAuto)
{
    ref.OuvrirAuto = ouvrirAuto ? 1 : 0;
}
