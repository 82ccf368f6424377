#pragma once

#include "bank/Reconciliation.h"

#include <QDialog>

struct Platform;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableWidget;

// "Rapprochement bancaire": the statement file and the bank account, the
// statement's lines with their status, the entries the statement does not
// show, the entries proposed for the lines to book, the user's rules, and
// the reconciliation statement. It shows what its `Reconciliation` holds and
// hands it every action.
class TRapprochement : public QDialog, public bank::ReconciliationWindow {
    Q_OBJECT
public:
    TRapprochement(const Platform &platform, QWidget *parent = nullptr);

    void reconcile(bank::Reconciliation &reconciliation) override;

    QLineEdit *fileField;
    QPushButton *browseButton;   // "Parcourir..."
    QComboBox *accountBox;
    QLineEdit *balanceField;     // "Solde du relevé", typed when the file states none
    QGroupBox *columnsBox;       // the choice of a CSV file's columns
    QComboBox *dateColumnBox;
    QComboBox *labelColumnBox;
    QComboBox *amountColumnBox;
    QComboBox *debitColumnBox;
    QComboBox *creditColumnBox;
    QPushButton *readColumnsButton; // "Lire avec ces colonnes"
    QTabWidget *tabs;
    QTableWidget *statementTable;  // the statement's lines and their status
    QTableWidget *openEntriesTable; // the entries "non relevée"
    QTableWidget *proposalsTable;  // the entries proposed for the lines "à saisir"
    QPushButton *postButton;       // "Passer les écritures cochées"
    QTableWidget *rulesTable;
    QPushButton *addRuleButton;    // "Ajouter une règle"
    QPushButton *removeRuleButton; // "Supprimer la règle"
    QTableWidget *reconciliationTable; // the reconciliation statement
    QPushButton *printButton;      // "Imprimer l'état"
    QLabel *summaryLabel;
    QPushButton *checkOffButton;    // "Pointer"
    QPushButton *undoButton;       // "Annuler le pointage"
    QPushButton *closeButton;      // "Fermer"

private:
    void browseClicked();
    void accountChosen();
    void balanceTyped();
    void readColumnsClicked();
    void postClicked();
    void checkOffClicked();
    void undoClicked();
    void printClicked();
    void rulesEdited();
    void addRuleClicked();
    void removeRuleClicked();
    void proposalEdited(int row, int column);
    void refresh();
    void showColumnChoice();
    void showRules();

    const Platform &platform_;
    bank::Reconciliation *reconciliation_ = nullptr;
    bool showing_ = false; // the tables are being filled, not edited
};
