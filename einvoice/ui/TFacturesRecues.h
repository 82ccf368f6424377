#pragma once

#include "einvoice/Reception.h"
#include "einvoice/ReceptionWindow.h"

#include <QDialog>
#include <functional>

struct Platform;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

// "Factures reçues": the invoice files of a folder, or dropped on the
// window, one row each with its status; the invoice of the row chosen and its
// proposed entry, whose accounts the user may change; the rate of an invoice
// in another currency. It shows what its `Reception` holds and hands it
// every action.
class TFacturesRecues : public QDialog, public einvoice::ReceptionWindow {
    Q_OBJECT
public:
    // Opens a kept voucher with the desktop's viewer; false when it could not.
    using FileOpener = std::function<bool(const QString &path)>;

    TFacturesRecues(const Platform &platform, FileOpener openFile, QWidget *parent = nullptr);

    void receive(einvoice::Reception &reception) override;

    QLineEdit *folderField;
    QPushButton *browseButton;   // "Parcourir..."
    QPushButton *readButton;     // "Lire le dossier"
    QTableWidget *invoicesTable; // file, status
    QPlainTextEdit *invoiceText; // the invoice as its file says it
    QTableWidget *entryTable;    // the proposed entry
    QLineEdit *supplierField;    // the supplier account
    QLineEdit *chargeField;      // the charge account
    QLineEdit *rateField;        // euros for one unit of the invoice's currency
    QPushButton *addAccountButton; // "Ajouter au plan"
    QPushButton *postButton;     // "Comptabiliser"
    QPushButton *undoButton;     // "Annuler"
    QPushButton *viewButton;     // "Voir la pièce"
    QPushButton *closeButton;    // "Fermer"

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void browseClicked();
    void readClicked();
    void accountsEdited();
    void rateEdited();
    void addAccountClicked();
    void postClicked();
    void undoClicked();
    void viewClicked();
    void refresh();
    void showCurrent();
    einvoice::ReceivedInvoice *current();

    const Platform &platform_;
    FileOpener openFile_;
    einvoice::Reception *reception_ = nullptr;
};
