#include "vat/ui/TEcritureTva.h"

#include "ledger/TextForms.h"
#include "vat/ReturnForm.h"
#include "ledger/ui/ViewGrid.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TEcritureTva::TEcritureTva(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Écriture de TVA"));
    titleLabel = new QLabel(this);
    journalList = new QComboBox(this);
    journalList->setMinimumWidth(80);
    auto *journalLabel = new QLabel(QStringLiteral("&Journal"), this);
    journalLabel->setBuddy(journalList);
    linesTable = new ViewGrid(grid_, {3, 4}, this);
    linesTable->setColumnWidths({80, 70, 250, 100, 100});
    linesTable->setMinimumSize(620, 220);
    postButton = new QPushButton(QStringLiteral("&Passer l'écriture"), this);
    postButton->setDefault(true);
    cancelButton = new QPushButton(QStringLiteral("Annuler"), this);
    connect(journalList, &QComboBox::currentIndexChanged, this, &TEcritureTva::journalChosen);
    connect(postButton, &QPushButton::clicked, this, [this] {
        posted_ = true;
        accept();
    });
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto *journalRow = new QHBoxLayout;
    journalRow->addWidget(journalLabel);
    journalRow->addWidget(journalList);
    journalRow->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(postButton);
    buttons->addWidget(cancelButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(titleLabel);
    layout->addLayout(journalRow);
    layout->addWidget(linesTable);
    layout->addLayout(buttons);
}

// The table shows the grid this window owns: it must go before the grid
// does, not when the base class deletes the children after the members.
TEcritureTva::~TEcritureTva()
{
    delete linesTable;
}

void TEcritureTva::Init(const ProposedEntry &draft, const QStringList &journals)
{
    entry_ = draft;
    grid_ = vat::entryGrid(draft);
    linesTable->refresh();
    linesTable->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    titleLabel->setText(QStringLiteral("Écriture du %1 : %2").arg(forms::formatDate(draft.date), draft.label));
    journalList->clear();
    journalList->addItems(journals);
    journalList->setCurrentIndex(int(journals.indexOf(draft.journal)));
    journalChosen();
}

std::optional<ProposedEntry> TEcritureTva::Result() const
{
    return posted_ ? std::optional<ProposedEntry>(entry_) : std::nullopt;
}

void TEcritureTva::journalChosen()
{
    entry_.journal = journalList->currentText();
    postButton->setEnabled(!entry_.journal.isEmpty());
}
