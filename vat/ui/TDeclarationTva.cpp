#include "vat/ui/TDeclarationTva.h"

#include "platform/Messages.h"
#include "platform/Platform.h"
#include "vat/ReturnForm.h"
#include "ledger/ui/ViewGrid.h"
#include "vat/ui/TEcritureTva.h"

#include <QButtonGroup>
#include <QComboBox>
#include "ledger/ui/DatePicker.h"
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TDeclarationTva::TDeclarationTva(const Platform &platform, QWidget *parent)
    : QDialog(parent), platform_(platform)
{
    setWindowTitle(QStringLiteral("Déclaration de TVA"));

    auto *periodBox = new QGroupBox(QStringLiteral("Période"), this);
    monthChoice = new QRadioButton(QStringLiteral("&Mois"), periodBox);
    monthList = new QComboBox(periodBox);
    quarterChoice = new QRadioButton(QStringLiteral("&Trimestre"), periodBox);
    quarterList = new QComboBox(periodBox);
    datesChoice = new QRadioButton(QStringLiteral("&Du"), periodBox);
    fromPicker = new DatePicker(periodBox);
    toPicker = new DatePicker(periodBox);
    auto *choices = new QButtonGroup(this);
    for (QRadioButton *choice : {monthChoice, quarterChoice, datesChoice})
        choices->addButton(choice);

    linesTable = nullptr;
    messageLabel = new QLabel(this);
    messageLabel->setWordWrap(true);
    messageLabel->setStyleSheet(QStringLiteral("color: #a00000"));
    postButton = new QPushButton(QStringLiteral("&Passer l'écriture"), this);
    printButton = new QPushButton(QStringLiteral("&Imprimer"), this);
    closeButton = new QPushButton(QStringLiteral("Fermer"), this);
    closeButton->setDefault(true);

    auto *periodLayout = new QGridLayout(periodBox);
    periodLayout->addWidget(monthChoice, 0, 0);
    periodLayout->addWidget(monthList, 0, 1, 1, 3);
    periodLayout->addWidget(quarterChoice, 1, 0);
    periodLayout->addWidget(quarterList, 1, 1, 1, 3);
    periodLayout->addWidget(datesChoice, 2, 0);
    periodLayout->addWidget(fromPicker, 2, 1);
    periodLayout->addWidget(new QLabel(QStringLiteral("au"), periodBox), 2, 2);
    periodLayout->addWidget(toPicker, 2, 3);
    periodLayout->setColumnStretch(4, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(postButton);
    buttons->addWidget(printButton);
    buttons->addStretch();
    buttons->addWidget(closeButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(periodBox);
    layout->addWidget(messageLabel);
    layout->addLayout(buttons);

    const auto kindChosen = [this](vat::PeriodKind kind) {
        return [this, kind](bool checked) {
            if (checked)
                act([kind](vat::ReturnForm &form) { form.chooseKind(kind); });
        };
    };
    connect(monthChoice, &QRadioButton::toggled, this, kindChosen(vat::PeriodKind::Month));
    connect(quarterChoice, &QRadioButton::toggled, this, kindChosen(vat::PeriodKind::Quarter));
    connect(datesChoice, &QRadioButton::toggled, this, kindChosen(vat::PeriodKind::Dates));
    connect(monthList, &QComboBox::currentIndexChanged, this,
            [this](int index) { act([index](vat::ReturnForm &form) { form.chooseMonth(std::size_t(index)); }); });
    connect(quarterList, &QComboBox::currentIndexChanged, this,
            [this](int index) { act([index](vat::ReturnForm &form) { form.chooseQuarter(std::size_t(index)); }); });
    for (QDateEdit *picker : {fromPicker, toPicker})
        connect(picker, &QDateEdit::dateChanged, this, [this] {
            act([this](vat::ReturnForm &form) { form.chooseDates(fromPicker->date(), toPicker->date()); });
        });
    connect(postButton, &QPushButton::clicked, this, &TDeclarationTva::postClicked);
    connect(printButton, &QPushButton::clicked, this, [this] { form_->print(platform_, company_); });
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TDeclarationTva::Init(vat::ReturnForm &form, const QStringList &journals, const QString &company, Poster post)
{
    form_ = &form;
    journals_ = journals;
    company_ = company;
    post_ = std::move(post);
    linesTable = new ViewGrid(form.grid(), {2}, this);
    linesTable->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    linesTable->setColumnWidths({50, 300, 130});
    linesTable->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    linesTable->setMinimumSize(520, 9 * 20 + 8);
    static_cast<QVBoxLayout *>(layout())->insertWidget(1, linesTable);

    showing_ = true;
    for (const vat::Period &month : form.months())
        monthList->addItem(month.caption);
    for (const vat::Period &quarter : form.quarters())
        quarterList->addItem(quarter.caption);
    showing_ = false;
    showForm();
}

void TDeclarationTva::act(const std::function<void(vat::ReturnForm &)> &choice)
{
    if (showing_ || !form_)
        return;
    choice(*form_);
    showForm();
}

void TDeclarationTva::showForm()
{
    showing_ = true;
    const vat::PeriodKind kind = form_->kind();
    monthChoice->setChecked(kind == vat::PeriodKind::Month);
    quarterChoice->setChecked(kind == vat::PeriodKind::Quarter);
    datesChoice->setChecked(kind == vat::PeriodKind::Dates);
    monthList->setCurrentIndex(int(form_->month()));
    quarterList->setCurrentIndex(int(form_->quarter()));
    fromPicker->setDate(form_->from());
    toPicker->setDate(form_->to());
    monthList->setEnabled(kind == vat::PeriodKind::Month);
    quarterList->setEnabled(kind == vat::PeriodKind::Quarter);
    fromPicker->setEnabled(kind == vat::PeriodKind::Dates);
    toPicker->setEnabled(kind == vat::PeriodKind::Dates);
    linesTable->refresh();
    messageLabel->setText(form_->message());
    showing_ = false;
}

void TDeclarationTva::postClicked()
{
    if (const QString refusal = form_->proposalRefusal(); !refusal.isEmpty()) {
        platform_.messages->information(refusal);
        return;
    }
    TEcritureTva proposal(this);
    proposal.Init(form_->proposal(), journals_);
    proposal.exec();
    if (const std::optional<ProposedEntry> entry = proposal.Result(); entry && post_(*entry)) {
        form_->recompute();
        showForm();
    }
}
