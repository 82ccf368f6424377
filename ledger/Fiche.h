#pragma once

#include "entry/EntryPanel.h"
#include "ledger/Header.h"
#include "ledger/LineList.h"
#include "ledger/ReferenceData.h"
#include "ledger/TextGrid.h"
#include "platform/Platform.h"
#include "reports/ViewPages.h"

#include <QDate>
#include <QDir>
#include <QString>
#include <string>

// The seven pages of the document window, switched by commands only.
enum class Page { Saisie, Journal, Comptes, General, Balance, Resultat, Bilan };

// Where the document window must put the keyboard focus after an operation.
enum class Focus { None, Date, Compte, Libelle, Journal, Piece, Debit, Credit };

// The ledger document (`TFiche`): the open file as its line list, the fiscal
// year, the month shown in the entry grid, the reference data, and the texts
// every page of the document window shows. There is one for the whole run.
class Fiche {
public:
    explicit Fiche(const Platform &platform);

    const Platform &platform() const { return platform_; }

    // --- Document state ---
    QString NomFichier;
    LineList Lignes;
    bool Modifie = false;
    bool MoisModifie = false;
    quint16 Annee = 0;
    quint16 Mois = 1;
    FiscalYear exercice; // DebutExercice, FinExercice, DateCloture
    int NbLignes = 0;
    QString NomMois;
    bool ModeModif = false;
    int LigneModif = -1;
    QString Caption; // the document window's caption: the file name without its folder
    Page ActivePage = Page::Saisie;
    Focus focus = Focus::None; // consumed by the window

    // --- Entry page ---
    TextGrid StringGrid1{32, 8};
    int StringGrid1Row = 0; // the selected row of the month grid
    QString Label1;      // month caption under the grid
    QString Edit6, Edit7; // debit and credit totals of the month
    EntryPanel panel;
    QString DernierLibelle;
    QString DerniereDate;
    QString JournalCourant;
    bool ModePointage = false;
    EntryPanel EcritureCopiee{QString(), {}, {}, {}, {}, {}, {}};

    // --- The six view pages ---
    ViewPages views;

    // --- Reference data and settings ---
    ReferenceData ref;

    QDate DebutExercice() const { return exercice.debut; }
    QDate FinExercice() const { return exercice.fin; }
    QDate DateCloture() const { return exercice.cloture; }
    std::string monthKey() const;

    // --- Month ---
    void LitMois();
    void EcritMois();
    void CompteLignes();
    void MoisLong(int mois);
    void Premier();
    void Dernier();
    void Precedent();
    void Suivant();

    // --- Pages ---
    // Shows a page: leaving the entry page writes the month back, entering it
    // reads the month again.
    void showPage(Page page);
    // The window shown for the first time: no caption, and the entry page
    // entered, which puts the month and its totals under the grid.
    void FormShow();
    void TabSheet1Enter();
    void TabSheet1Exit();
    void Saisie();

    // --- File ---
    void LitHead();
    void EcritHead();
    void Squize();
    void Exercice();
    void Nouveau();
    // Loads a ledger file; false when it does not exist or cannot be read.
    bool Charge(const QString &fileName);
    // Saves when modified; false (with the user told why) when the write failed.
    bool Sauve(const QString &fileName);
    void TestModif(bool &modifie) const { modifie = Modifie; }
    void SetSauve() { Modifie = true; }

    // --- Reference data ---
    // The folder of the reference files: the process's current folder.
    QDir referenceDir() const { return QDir::current(); }
    void FormActivate();
    void ChargeSoc();
    void ChargePlc();
    void ChargeIni();
    void ChargeCombo();
    void InitPlc();
    void InitJnx();
    bool SauveIni();
    bool SauveSoc();
    bool SauvePlc();
    bool SauveCombo();
    void GetIni(bool &ouvrirAuto, QString &nomFichier) const;
    void SetIni(bool ouvrirAuto);

    // --- Entry line helpers used by the month reading ---
    void Raz();
    void Total();

private:
    void changeMonth(int annee, int mois);
    // Shows a failure to the user; true when there was none.
    bool report(const QString &message) const;

    const Platform &platform_;
};
