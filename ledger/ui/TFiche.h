#pragma once

#include "ledger/Fiche.h"

#include <QWidget>
#include <array>
#include <functional>

class QStackedWidget;
class FichePage;

// The document window: the seven pages of the ledger document, one shown at a
// time, switched by commands only (no tabs).
class TFiche : public QWidget {
    Q_OBJECT
public:
    TFiche(const Platform &platform, QWidget *parent = nullptr);
    ~TFiche() override;

    Fiche &fiche() { return fiche_; }
    FichePage *page(Page p) const { return pages_[std::size_t(p)]; }

    // Runs an operation of the document, then shows its outcome: the page
    // the document has active, its refreshed content, the focus it asked for.
    void run(const std::function<void(Fiche &)> &operation);
    void refresh();

    // Commands of the main window that act on the document window.
    // Entry page (entry/ui/FicheEntryCommands.cpp).
    void ModifierEcriture();
    void Supprimer();
    void Copier();
    void Coller();
    void Pointer(bool on);
    // View pages (reports/ui/FicheReportCommands.cpp).
    void Journal();
    void Comptes();
    void General();
    void Balance();
    void Resultat();
    void Bilan();
    // Reference data dialogs (dialogs/ui/FicheDialogCommands.cpp).
    void Psoc();
    void Plc();
    void Journaux();

signals:
    void captionChanged(const QString &caption);

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    // Page Up and Page Down change the month on every page.
    void keyPressEvent(QKeyEvent *event) override;

private:
    Fiche fiche_;
    QStackedWidget *PageControl1;
    std::array<FichePage *, 7> pages_{};
    QString shownCaption_;
    bool shownOnce_ = false;
};
