#include "entry/ui/TParams.h"

#include "entry/ui/CodeListDelegate.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QGroupBox *guideBox(QWidget *parent, const QString &caption, const QStringList &labels,
                    const std::array<QComboBox *, 4> &boxFields)
{
    auto *box = new QGroupBox(caption, parent);
    auto *form = new QFormLayout(box);
    for (std::size_t i = 0; i < boxFields.size(); ++i) {
        boxFields[i]->setParent(box);
        form->addRow(labels[qsizetype(i)], boxFields[i]);
    }
    return box;
}

} // namespace

TParams::TParams(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Paramètres de saisie"));
    const CodeListDelegate::Label journalLabel = labelsOf(journals_);
    const CodeListDelegate::Label accountLabel = labelsOf(chart_);
    salesJournalField = codeListField(this, journalLabel);
    customerAccountField = codeListField(this, accountLabel);
    salesAccountField = codeListField(this, accountLabel);
    salesVatField = codeListField(this, accountLabel);
    purchaseJournalField = codeListField(this, journalLabel);
    supplierAccountField = codeListField(this, accountLabel);
    purchaseAccountField = codeListField(this, accountLabel);
    purchaseVatField = codeListField(this, accountLabel);

    clientBox = guideBox(this, QStringLiteral("Facture client"),
                         {QStringLiteral("Journal vente"), QStringLiteral("Compte client"),
                          QStringLiteral("Compte vente"), QStringLiteral("Compte TVA")},
                         {salesJournalField, customerAccountField, salesAccountField, salesVatField});
    supplierBox = guideBox(this, QStringLiteral("Facture fournisseur"),
                           {QStringLiteral("Journal achat"), QStringLiteral("Compte four."),
                            QStringLiteral("Compte achat"), QStringLiteral("Compte TVA")},
                           {purchaseJournalField, supplierAccountField, purchaseAccountField, purchaseVatField});
    closeButton = new QPushButton(QStringLiteral("Fermer"), this);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);

    const std::array<QComboBox *, 8> all = fields();
    for (std::size_t i = 0; i < all.size(); ++i) {
        connect(all[i], &QComboBox::editTextChanged, this, [this, i](const QString &text) { form_.fields[i] = text; });
        if (i > 0)
            setTabOrder(all[i - 1], all[i]);
    }
    setTabOrder(all.back(), closeButton);

    auto *boxes = new QHBoxLayout;
    boxes->addWidget(clientBox);
    boxes->addWidget(supplierBox);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(closeButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(boxes);
    layout->addLayout(buttons);
    salesJournalField->setFocus();
}

std::array<QComboBox *, 8> TParams::fields() const
{
    return {salesJournalField, customerAccountField, salesAccountField, salesVatField,
            purchaseJournalField, supplierAccountField, purchaseAccountField, purchaseVatField};
}

void TParams::Init(const GuideValues &values, const QStringList &chart, const QStringList &journals)
{
    chart_ = chart;
    journals_ = journals;
    form_.Init(values, chart, journals);
    const GuideValues texts = form_.fields;
    const std::array<QComboBox *, 8> all = fields();
    for (std::size_t i = 0; i < all.size(); ++i) {
        all[i]->clear();
        all[i]->addItems(form_.choices[i]);
        // A text that is none of the codes selects none, so that the arrow
        // keys start from the first code.
        all[i]->setCurrentIndex(all[i]->findText(texts[i], Qt::MatchFixedString | Qt::MatchCaseSensitive));
        all[i]->setEditText(texts[i]);
    }
}
