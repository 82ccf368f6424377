#pragma once

#include "entry/InvoiceEntry.h"

#include <QDialog>
#include <array>
#include <functional>

class DateField;
class FieldTracker;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

// The window shared by "Facture client" and "Facture fournisseur": a strip of
// buttons at the top (new invoice, previous, next, "Fermer"), the invoice's
// fields and its three totals. It copies what the user types into its
// `InvoiceEntry`, runs the entry's rules and shows the entry's state back.
// There is no cancel: "Fermer", Escape and the window frame all close
// through the rules of "Fermer", which keep the dialog open while an
// invoice cannot be posted.
class InvoiceDialog : public QDialog {
    Q_OBJECT
public:
    ~InvoiceDialog() override;

    void Init(const InvoiceProposals &proposed, QDate yearStart, QDate yearEnd, const QStringList &chart,
              const QStringList &journals, QDate validatedUntil = {});
    void Result(std::vector<Invoice> &invoices) const { entry_.Result(invoices); }

    QToolButton *newInvoiceButton; // "Nouvelle facture"
    QToolButton *previousButton;   // "Précédent"
    QToolButton *nextButton;       // "Suivant"
    QLabel *positionLabel;         // "Facture 2 / 3"
    QPushButton *closeButton;      // "Fermer"
    DateField *dateField;
    QLineEdit *counterpartyField;
    QLineEdit *revenueField; // revenue account, or expense account on a purchase
    QLineEdit *vatField;
    QLineEdit *journalField;
    QLineEdit *labelField;
    QGroupBox *totalsBox;
    QLineEdit *totalWithTaxField;
    QLineEdit *totalBeforeTaxField;
    QLineEdit *totalVatAmountField;

public slots:
    void reject() override;

protected:
    InvoiceDialog(InvoiceKind kind, const QString &caption, const Platform &platform, QWidget *parent);

    void keyPressEvent(QKeyEvent *event) override;

private:
    void createStrip();
    void createFields();
    void layOut();
    void connectFields();
    QLineEdit *fieldFor(InvoiceField field) const;
    // Runs an operation of the entry and shows its state.
    void act(const std::function<void(InvoiceEntry &)> &operation);
    // The same, once the field the user is in has been left: its rule may
    // keep the user there, and then nothing else happens.
    void actAfterLeaving(const std::function<void(InvoiceEntry &)> &operation);
    void showState();
    bool fieldLeft(QWidget *field);
    void newInvoiceClicked();
    void previousClicked();
    void nextClicked();
    void closeClicked();

    InvoiceEntry entry_;
    const InvoiceKind kind_;
    std::array<QLineEdit *, kInvoiceFields> fields_{}; // in the order of InvoiceField
    FieldTracker *tracker_ = nullptr;
    bool showing_ = false; // the fields are being set from the entry
};
