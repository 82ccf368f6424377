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
// the whole run. It hands its parts to the subsystems, where the rules live;
// itself it only moves between months and pages and loads and saves.
class Fiche {
public:
    explicit Fiche(const Platform &platform);

    Ledger ledger;    // the open dossier
    EntryState entry; // what the entry page holds
    ViewPages views;
    exchange::EntrySearch search; // the text searched for and where "Continuer" goes on
    QString Caption; // the document window's caption: the file name without its folder
    Page ActivePage = Page::Saisie;

    const Platform &platform() const { return ledger.platform(); }
    // Shows the message to the user, when there is one.
    void tell(const QString &message) const;

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
    void Saisie();

    // --- File ---
    void Exercice();
    void Nouveau();
    // Loads a ledger file; false when it does not exist or cannot be read.
    // Entries validated and changed since (outside Tavelin) are told once.
    bool Charge(const QString &fileName);
    // Saves when modified; false (with the user told why) when the write failed.
    bool Sauve(const QString &fileName);
    void TestModif(bool &modified) const { modified = ledger.Modifie; }
    void SetSauve() { ledger.Modifie = true; }

    // --- Reference data ---
    void FormActivate();

private:
    void entryPageEntered();
    void changeMonth(int year, int month);

    QString lastMonthWarning_; // month key and message last told by LitMois
};
