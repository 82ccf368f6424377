#include "lettering/ui/TLettrage.h"

#include "lettering/AutoLettering.h"
#include "platform/Messages.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <set>

namespace {

QString shownAmount(Cents amount)
{
    return amount == 0 ? QString() : forms::formatAmount(amount);
}

} // namespace

TLettrage::TLettrage(Messages &messages, QWidget *parent) : QDialog(parent), messages_(messages)
{
    setWindowTitle(QStringLiteral("Lettrage"));
    accountField = new QLineEdit(this);
    accountField->setObjectName(QStringLiteral("accountField"));
    showButton = new QPushButton(QStringLiteral("&Afficher"), this);
    linesTable = new QTableWidget(0, 7, this);
    linesTable->setObjectName(QStringLiteral("linesTable"));
    linesTable->setHorizontalHeaderLabels({QStringLiteral("Date"), QStringLiteral("Compte"), QStringLiteral("Libellé"),
                                           QStringLiteral("Pièce"), QStringLiteral("Débit"), QStringLiteral("Crédit"),
                                           QStringLiteral("Lettrage")});
    linesTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    linesTable->setSelectionMode(QAbstractItemView::ExtendedSelection);
    linesTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    linesTable->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    linesTable->verticalHeader()->hide();

    letterAction = new QAction(QStringLiteral("Lettrer"), this);
    letterAction->setShortcut(QKeySequence(QStringLiteral("Ctrl+L")));
    addAction(letterAction);
    letterButton = new QPushButton(QStringLiteral("&Lettrer"), this);
    unletterButton = new QPushButton(QStringLiteral("&Délettrer"), this);
    automaticButton = new QPushButton(QStringLiteral("Lettrage a&utomatique…"), this);
    closeButton = new QPushButton(QStringLiteral("&Fermer"), this);

    connect(showButton, &QPushButton::clicked, this, &TLettrage::showLines);
    connect(accountField, &QLineEdit::returnPressed, this, &TLettrage::showLines);
    connect(letterAction, &QAction::triggered, this, &TLettrage::letterSelected);
    connect(letterButton, &QPushButton::clicked, this, &TLettrage::letterSelected);
    connect(unletterButton, &QPushButton::clicked, this, &TLettrage::unletterSelected);
    connect(automaticButton, &QPushButton::clicked, this, &TLettrage::letterAutomatically);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);

    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Compte"), this));
    top->addWidget(accountField);
    top->addWidget(showButton);
    top->addStretch();
    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {letterButton, unletterButton, automaticButton})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(closeButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(linesTable);
    layout->addLayout(buttons);
    resize(820, 480);
}

void TLettrage::Init(const QString &prefix, Books books)
{
    books_ = std::move(books);
    accountField->setText(prefix);
    showLines();
}

void TLettrage::showLines()
{
    lines_ = books_.read(accountField->text().trimmed());
    linesTable->clearContents();
    linesTable->setRowCount(int(lines_.size()));
    for (int r = 0; r < int(lines_.size()); ++r) {
        const lettering::Line &line = lines_[std::size_t(r)];
        const QString cells[] = {forms::formatDate(line.date), line.account, line.label, line.voucher,
                                 shownAmount(line.debit), shownAmount(line.credit),
                                 line.lettering ? letteringcell::format(*line.lettering) : QString()};
        for (int c = 0; c < int(std::size(cells)); ++c) {
            auto *item = new QTableWidgetItem(cells[c]);
            if (c == 4 || c == 5)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            linesTable->setItem(r, c, item);
        }
    }
}

std::vector<std::size_t> TLettrage::selectedLines() const
{
    std::set<std::size_t> rows;
    for (const QModelIndex &index : linesTable->selectionModel()->selectedIndexes())
        rows.insert(std::size_t(index.row()));
    return {rows.begin(), rows.end()};
}

void TLettrage::letterSelected()
{
    if (books_.letter(lines_, selectedLines()).isEmpty())
        showLines();
}

void TLettrage::unletterSelected()
{
    for (std::size_t line : selectedLines())
        if (!lines_[line].open()) {
            books_.unletter(lines_, line);
            break;
        }
    showLines();
}

void TLettrage::letterAutomatically()
{
    const lettering::Proposal proposal = books_.propose(accountField->text().trimmed());
    const QString text = lettering::proposalText(proposal);
    if (proposal.groups.empty()) {
        messages_.information(text);
        return;
    }
    if (!messages_.warningAcceptCancel(text, QStringLiteral("&Lettrer")))
        return;
    books_.apply(proposal);
    showLines();
}
