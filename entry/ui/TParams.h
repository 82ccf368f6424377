#pragma once

#include "entry/EntryGuides.h"
#include "ledger/CodeList.h"

#include <QDialog>
#include <array>

class QComboBox;
class QGroupBox;
class QPushButton;

// "Paramètres de saisie": the entry guides, each an editable list that offers
// the codes of its kind and takes any text. There is no cancel: however the
// dialog is closed, its fields are the new guides.
class TParams final : public QDialog {
    Q_OBJECT
public:
    explicit TParams(QWidget *parent = nullptr);

    void Init(const GuideValues &values, const QStringList &chart, const QStringList &journals);
    // The field texts, as they stand.
    const GuidesForm &form() const { return form_; }

    QGroupBox *clientBox;   // "Facture client"
    QGroupBox *supplierBox; // "Facture fournisseur"
    QComboBox *salesJournalField;
    QComboBox *customerAccountField;
    QComboBox *salesAccountField;
    QComboBox *salesVatField;
    QComboBox *purchaseJournalField;
    QComboBox *supplierAccountField;
    QComboBox *purchaseAccountField;
    QComboBox *purchaseVatField;
    QPushButton *closeButton; // "Fermer"

private:
    // The eight fields in the order of the guides.
    std::array<QComboBox *, 8> fields() const;

    GuidesForm form_;
    CodeList chart_{CodeList::Kind::Chart}; // for the labels shown in the open lists
    CodeList journals_{CodeList::Kind::Journals};
};
