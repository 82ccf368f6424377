#include "entry/ui/EntryPage.h"

#include "ledger/ui/TextGridModel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QVBoxLayout>

EntryPage::EntryPage(Fiche &fiche, QWidget *parent)
    : FichePage(parent), fiche_(fiche)
{
    model_ = new TextGridModel(fiche_.StringGrid1, false, this);
    model_->setAmountColumns({5, 6});
    StringGrid1 = new QTableView(this);
    StringGrid1->setModel(model_);
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid1->setFocusPolicy(Qt::ClickFocus);
    Label1 = new QLabel(this);
    Edit6 = new QLineEdit(this);
    Edit7 = new QLineEdit(this);
    Edit6->setReadOnly(true);
    Edit7->setReadOnly(true);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(Label1);
    bottom->addStretch();
    bottom->addWidget(Edit6);
    bottom->addWidget(Edit7);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(StringGrid1);
    layout->addLayout(bottom);
}

void EntryPage::refresh()
{
    model_->refresh();
    Label1->setText(fiche_.Label1);
    Edit6->setText(fiche_.Edit6.trimmed());
    Edit7->setText(fiche_.Edit7.trimmed());
}
