#pragma once

#include "document/Fiche.h"
#include "ledger/ui/DocumentPage.h"

#include <QWidget>
#include <array>
#include <functional>

class QStackedWidget;

// The document window: the eight pages of the ledger document, one shown at a
// time, switched by commands only (no tabs).
class TFiche : public QWidget {
    Q_OBJECT
public:
    TFiche(const Platform &platform, QWidget *parent = nullptr);
    ~TFiche() override;

    Fiche &fiche() { return fiche_; }
    DocumentPage *page(Page p) const { return pages_[std::size_t(p)]; }

    // Runs an operation of the document, then shows its outcome: the page
    // the document has active, its refreshed content, the focus it asked for.
    void run(const std::function<void(Fiche &)> &operation);
    // The same for the pages, whose operations know their part of the document.
    DocumentPage::Run runner();
    void refresh();

    // Commands of the main window that open a dialog over the document
    // window and apply what it gives to the document.
    // The VAT return of a period, and the entry that settles it.
    void vatReturn();
    // The bank reconciliation window.
    void reconcileBank();
    // The lettering of an account, and the aged balance.
    void lettering();
    void agedBalance();
    // The suppliers' e-invoices received, booked from their files.
    void receiveInvoices();
    // Validation and closing give back whether the dossier is to be saved:
    // entries were made final. The FEC asks for the SIREN first.
    bool validateEntries();
    bool Cloturer();
    void exportFec();
    // The envelope, with its address dialog.
    void Enveloppe();
    // Reference data dialogs.
    void Psoc();
    void Plc();
    void Journaux();
    // Invoice dialogs and entry guides.
    void FactCli();
    void FactFour();
    void Guides();
    // The word processor, with the company letterhead.
    void TrTexte();
    // The telephone-message book kept beside the dossier's file.
    void Messages();

signals:
    void captionChanged(const QString &caption);

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    // Page Up and Page Down change the month on every page.
    void keyPressEvent(QKeyEvent *event) override;

private:
    Fiche fiche_;
    QStackedWidget *pageStack;
    std::array<DocumentPage *, 8> pages_{};
    QString shownCaption_;
    bool shownOnce_ = false;
    bool closing_ = false;
};
