#pragma once

#include "entry/EntryState.h"
#include "exchange/EntrySearch.h"
#include "ledger/Ledger.h"
#include "platform/Platform.h"
#include "reports/ViewPages.h"

#include <QString>

// The seven pages of the document window, switched by commands only.
enum class Page { Saisie, Journal, Comptes, General, Balance, Resultat, Bilan };

// The ledger document (`TFiche`): the open dossier, the entry page's state and
// the texts of the six view pages, and which page is shown. There is one for
// the whole run. Its commands dispatch to the subsystems: the rules live there.
class Fiche : public Ledger, public EntryState {
public:
    explicit Fiche(const Platform &platform);

    QString Caption; // the document window's caption: the file name without its folder
    Page ActivePage = Page::Saisie;
    ViewPages views;
    exchange::EntrySearch search; // the text searched for and where "Continuer" goes on
    QString fecSiren; // the SIREN the FEC export was last given, proposed the next time

    // --- Month ---
    // Reads the month shown into the grid and makes the entry line ready.
    void LitMois();
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
    void entryPageEntered();
    void entryPageLeft();
    void Saisie();

    // --- Entry page commands ---
    void ModifierEcriture();
    void Supprimer();
    void Copier();
    void Coller();
    void Pointer(bool on);

    // --- File ---
    void Exercice();
    void Nouveau();
    // Loads a ledger file; false when it does not exist or cannot be read.
    // Entries validated and changed since (outside Tavelin) are told once.
    bool Charge(const QString &fileName);
    // Saves when modified; false (with the user told why) when the write failed.
    bool Sauve(const QString &fileName);
    void TestModif(bool &modifie) const { modifie = Modifie; }
    void SetSauve() { Modifie = true; }

    // --- Reference data ---
    void FormActivate();

private:
    void changeMonth(int annee, int mois);

    QString lastMonthWarning_; // month key and message last told by LitMois
};
