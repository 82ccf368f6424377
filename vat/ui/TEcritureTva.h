#pragma once

#include "ledger/ProposedEntry.h"
#include "ledger/TextGrid.h"

#include <QDialog>
#include <optional>

class ViewGrid;
class QComboBox;
class QLabel;
class QPushButton;

// "Écriture de TVA": the settling entry proposed, line by line with its
// totals, and the journal it goes to, for the user to look at before
// posting it. "Passer l'écriture" waits for a journal.
class TEcritureTva : public QDialog {
    Q_OBJECT
public:
    explicit TEcritureTva(QWidget *parent = nullptr);
    ~TEcritureTva() override;

    // The entry proposed and the journal codes to choose from; the entry's
    // journal is chosen when it is one of them.
    void Init(const ProposedEntry &draft, const QStringList &journals);
    // The entry in the journal chosen, when "Passer l'écriture" closed the window.
    std::optional<ProposedEntry> Result() const;

    QLabel *titleLabel;
    QComboBox *journalList;
    ViewGrid *linesTable;
    QPushButton *postButton;   // "Passer l'écriture"
    QPushButton *cancelButton; // "Annuler", also Escape

private:
    void journalChosen();

    ProposedEntry entry_;
    TextGrid grid_{1, 5};
    bool posted_ = false;
};
