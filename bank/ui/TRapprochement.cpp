#include "bank/ui/TRapprochement.h"

#include "bank/ReconciliationStatement.h"
#include "ledger/MonthKey.h"
#include "ledger/TextGrid.h"
#include "platform/FileDialogs.h"
#include "platform/Platform.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum ProposalColumn { PostColumn, PDateColumn, PLabelColumn, PAmountColumn, PAccountColumn, PJournalColumn };

QTableWidget *table(const QStringList &titles, int labelColumn, QWidget *parent)
{
    auto *t = new QTableWidget(0, int(titles.size()), parent);
    t->setHorizontalHeaderLabels(titles);
    t->verticalHeader()->hide();
    t->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Every column as wide as what it holds, the label taking what is left.
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    t->horizontalHeader()->setSectionResizeMode(labelColumn, QHeaderView::Stretch);
    return t;
}

QTableWidgetItem *cell(const QString &text, bool amount = false, bool editable = false)
{
    auto *item = new QTableWidgetItem(text);
    if (amount)
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (!editable)
        item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

void setRow(QTableWidget *t, int row, const QStringList &texts, int amountColumn)
{
    for (int c = 0; c < int(texts.size()); ++c)
        t->setItem(row, c, cell(texts[c], c == amountColumn));
}

// "Mars 2024, ligne 3".
QString placeText(const bank::EntryPlace &place)
{
    const std::optional<forms::YearMonth> month = forms::parseMonthKey(place.monthKey);
    if (!month)
        return {};
    return QStringLiteral("%1, ligne %2").arg(forms::monthCaption(forms::monthName(month->month), month->year)).arg(place.row + 1);
}

} // namespace

TRapprochement::TRapprochement(const Platform &platform, QWidget *parent)
    : QDialog(parent), platform_(platform)
{
    setWindowTitle(QStringLiteral("Rapprochement bancaire"));

    fileField = new QLineEdit(this);
    fileField->setReadOnly(true);
    browseButton = new QPushButton(QStringLiteral("Parcourir..."), this);
    accountBox = new QComboBox(this);
    accountBox->setEditable(true);

    columnsBox = new QGroupBox(QStringLiteral("Colonnes du relevé"), this);
    dateColumnBox = new QComboBox(columnsBox);
    labelColumnBox = new QComboBox(columnsBox);
    amountColumnBox = new QComboBox(columnsBox);
    debitColumnBox = new QComboBox(columnsBox);
    creditColumnBox = new QComboBox(columnsBox);
    readColumnsButton = new QPushButton(QStringLiteral("Lire avec ces colonnes"), columnsBox);
    auto *columnsLayout = new QGridLayout(columnsBox);
    const std::pair<const char16_t *, QComboBox *> choices[] = {
        {u"Date", dateColumnBox}, {u"Libellé", labelColumnBox}, {u"Montant", amountColumnBox},
        {u"Débit", debitColumnBox}, {u"Crédit", creditColumnBox}};
    int column = 0;
    for (const auto &[title, box] : choices) {
        columnsLayout->addWidget(new QLabel(QString::fromUtf16(title), columnsBox), 0, column);
        columnsLayout->addWidget(box, 1, column++);
    }
    columnsLayout->addWidget(readColumnsButton, 1, column);
    columnsBox->hide();

    tabs = new QTabWidget(this);
    statementTable = table({QStringLiteral("Date"), QStringLiteral("Libellé"), QStringLiteral("Montant"),
                            QStringLiteral("État"), QStringLiteral("Écriture")},
                           1, this);
    openEntriesTable = table({QStringLiteral("Date"), QStringLiteral("Libellé"), QStringLiteral("Montant"),
                              QStringLiteral("Écriture")},
                             1, this);
    auto *proposalsPage = new QWidget(this);
    proposalsTable = table({QStringLiteral("Passer"), QStringLiteral("Date"), QStringLiteral("Libellé"),
                            QStringLiteral("Montant"), QStringLiteral("Compte"), QStringLiteral("Journal")},
                           PLabelColumn, proposalsPage);
    postButton = new QPushButton(QStringLiteral("Passer les écritures cochées"), proposalsPage);
    auto *proposalsLayout = new QVBoxLayout(proposalsPage);
    proposalsLayout->addWidget(proposalsTable);
    proposalsLayout->addWidget(postButton, 0, Qt::AlignRight);
    auto *rulesPage = new QWidget(this);
    rulesTable = table({QStringLiteral("Le libellé contient"), QStringLiteral("Compte")}, 0, rulesPage);
    addRuleButton = new QPushButton(QStringLiteral("Ajouter une règle"), rulesPage);
    removeRuleButton = new QPushButton(QStringLiteral("Supprimer la règle"), rulesPage);
    auto *rulesButtons = new QHBoxLayout;
    rulesButtons->addStretch();
    rulesButtons->addWidget(addRuleButton);
    rulesButtons->addWidget(removeRuleButton);
    auto *rulesLayout = new QVBoxLayout(rulesPage);
    rulesLayout->addWidget(rulesTable);
    rulesLayout->addLayout(rulesButtons);
    auto *statementPage = new QWidget(this);
    reconciliationTable = table({QStringLiteral("Date"), QStringLiteral("Libellé"), QStringLiteral("Montant")},
                                bank::LabelColumn, statementPage);
    printButton = new QPushButton(QStringLiteral("Imprimer l'état"), statementPage);
    auto *statementLayout = new QVBoxLayout(statementPage);
    statementLayout->addWidget(reconciliationTable);
    statementLayout->addWidget(printButton, 0, Qt::AlignRight);
    tabs->addTab(statementTable, QStringLiteral("Relevé"));
    tabs->addTab(openEntriesTable, QStringLiteral("Non relevées"));
    tabs->addTab(proposalsPage, QStringLiteral("À saisir"));
    tabs->addTab(rulesPage, QStringLiteral("Règles"));
    tabs->addTab(statementPage, QStringLiteral("État de rapprochement"));

    summaryLabel = new QLabel(this);
    checkOffButton = new QPushButton(QStringLiteral("Pointer"), this);
    undoButton = new QPushButton(QStringLiteral("Annuler le pointage"), this);
    closeButton = new QPushButton(QStringLiteral("Fermer"), this);

    auto *top = new QGridLayout;
    top->addWidget(new QLabel(QStringLiteral("Relevé :"), this), 0, 0);
    top->addWidget(fileField, 0, 1);
    top->addWidget(browseButton, 0, 2);
    top->addWidget(new QLabel(QStringLiteral("Compte :"), this), 1, 0);
    top->addWidget(accountBox, 1, 1, Qt::AlignLeft);
    balanceField = new QLineEdit(this);
    balanceField->setAlignment(Qt::AlignRight);
    balanceField->setMaximumWidth(140);
    auto *balanceLabel = new QLabel(QStringLiteral("&Solde du relevé :"), this);
    balanceLabel->setBuddy(balanceField);
    top->addWidget(balanceLabel, 2, 0);
    top->addWidget(balanceField, 2, 1, Qt::AlignLeft);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(summaryLabel, 1);
    bottom->addWidget(checkOffButton);
    bottom->addWidget(undoButton);
    bottom->addWidget(closeButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(columnsBox);
    layout->addWidget(tabs, 1);
    layout->addLayout(bottom);
    resize(860, 560);
    // Enter in a field (the balance typed, an account) confirms that field:
    // it neither closes the window nor opens a file dialog.
    for (QPushButton *button : findChildren<QPushButton *>())
        button->setAutoDefault(false);

    connect(browseButton, &QPushButton::clicked, this, &TRapprochement::browseClicked);
    connect(accountBox, &QComboBox::activated, this, &TRapprochement::accountChosen);
    connect(accountBox->lineEdit(), &QLineEdit::editingFinished, this, &TRapprochement::accountChosen);
    connect(balanceField, &QLineEdit::editingFinished, this, &TRapprochement::balanceTyped);
    connect(readColumnsButton, &QPushButton::clicked, this, &TRapprochement::readColumnsClicked);
    connect(postButton, &QPushButton::clicked, this, &TRapprochement::postClicked);
    connect(checkOffButton, &QPushButton::clicked, this, &TRapprochement::checkOffClicked);
    connect(undoButton, &QPushButton::clicked, this, &TRapprochement::undoClicked);
    connect(printButton, &QPushButton::clicked, this, &TRapprochement::printClicked);
    connect(addRuleButton, &QPushButton::clicked, this, &TRapprochement::addRuleClicked);
    connect(removeRuleButton, &QPushButton::clicked, this, &TRapprochement::removeRuleClicked);
    connect(rulesTable, &QTableWidget::cellChanged, this, &TRapprochement::rulesEdited);
    connect(proposalsTable, &QTableWidget::cellChanged, this, &TRapprochement::proposalEdited);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TRapprochement::reconcile(bank::Reconciliation &reconciliation)
{
    reconciliation_ = &reconciliation;
    accountBox->addItems(reconciliation.bankAccounts());
    accountBox->setCurrentText(reconciliation.account());
    showRules();
    refresh();
    exec();
    reconciliation_ = nullptr;
}

void TRapprochement::browseClicked()
{
    const std::optional<QString> path = platform_.fileDialogs->open(
        {QStringLiteral("Ouvrir un relevé bancaire"), QString(), QString(),
         QStringLiteral("Relevés bancaires (OFX, CFONB, CSV)|*.ofx;*.qfx;*.cfo;*.cfonb;*.txt;*.dat;*.csv|"
                        "Tous les fichiers|*.*"),
         false});
    if (!path)
        return;
    reconciliation_->open(*path);
    refresh();
}

void TRapprochement::accountChosen()
{
    if (accountBox->currentText().trimmed().isEmpty() ||
        forms::completeAccount(accountBox->currentText().trimmed()) == reconciliation_->account())
        return;
    reconciliation_->setAccount(accountBox->currentText());
    accountBox->setCurrentText(reconciliation_->account());
    refresh();
}

void TRapprochement::balanceTyped()
{
    const bank::Reconciliation &r = *reconciliation_;
    if (showing_ || !r.hasStatement() || r.balanceStated())
        return;
    const std::optional<Cents> shown = r.statement().closingBalance;
    if (balanceField->text().trimmed() == (shown ? forms::formatAmount(*shown) : QString()))
        return;
    reconciliation_->setStatementBalance(balanceField->text());
    refresh();
}

void TRapprochement::readColumnsClicked()
{
    bank::csv::Columns columns;
    columns.date = dateColumnBox->currentIndex() - 1;
    columns.label = labelColumnBox->currentIndex() - 1;
    columns.amount = amountColumnBox->currentIndex() - 1;
    columns.debit = debitColumnBox->currentIndex() - 1;
    columns.credit = creditColumnBox->currentIndex() - 1;
    reconciliation_->chooseColumns(columns);
    refresh();
}

void TRapprochement::postClicked()
{
    reconciliation_->postConfirmed();
    refresh();
}

void TRapprochement::checkOffClicked()
{
    reconciliation_->checkOff();
    refresh();
}

void TRapprochement::undoClicked()
{
    reconciliation_->undoCheckOff();
    refresh();
}

void TRapprochement::printClicked()
{
    reconciliation_->printStatement();
}

void TRapprochement::proposalEdited(int row, int column)
{
    if (showing_)
        return;
    bank::Proposal &proposal = reconciliation_->proposals()[std::size_t(row)];
    const QTableWidgetItem *item = proposalsTable->item(row, column);
    if (column == PostColumn)
        proposal.confirmed = item->checkState() == Qt::Checked;
    else if (column == PAccountColumn)
        proposal.entry.counterpart = item->text().trimmed();
    else if (column == PJournalColumn)
        proposal.entry.journal = item->text().trimmed();
}

void TRapprochement::rulesEdited()
{
    if (showing_)
        return;
    std::vector<bank::Rule> rules;
    for (int r = 0; r < rulesTable->rowCount(); ++r) {
        const auto text = [&](int c) { return rulesTable->item(r, c) ? rulesTable->item(r, c)->text() : QString(); };
        rules.push_back({text(0), text(1)});
    }
    // A rule being typed lacks its account yet: it is kept on screen, and in
    // the file once complete.
    reconciliation_->setRules(rules);
    refresh();
}

void TRapprochement::addRuleClicked()
{
    showing_ = true;
    const int row = rulesTable->rowCount();
    rulesTable->insertRow(row);
    rulesTable->setItem(row, 0, new QTableWidgetItem);
    rulesTable->setItem(row, 1, new QTableWidgetItem);
    showing_ = false;
    rulesTable->setCurrentCell(row, 0);
    rulesTable->editItem(rulesTable->item(row, 0));
}

void TRapprochement::removeRuleClicked()
{
    const int row = rulesTable->currentRow();
    if (row < 0)
        return;
    rulesTable->removeRow(row);
    rulesEdited();
}

void TRapprochement::showRules()
{
    showing_ = true;
    const std::vector<bank::Rule> &rules = reconciliation_->rules();
    rulesTable->setRowCount(int(rules.size()));
    for (int r = 0; r < int(rules.size()); ++r) {
        rulesTable->setItem(r, 0, new QTableWidgetItem(rules[std::size_t(r)].text));
        rulesTable->setItem(r, 1, new QTableWidgetItem(rules[std::size_t(r)].account));
    }
    showing_ = false;
}

void TRapprochement::showColumnChoice()
{
    const std::optional<bank::csv::Layout> &layout = reconciliation_->columnsToChoose();
    columnsBox->setVisible(layout.has_value());
    if (!layout)
        return;
    QStringList items{QStringLiteral("(aucune)")};
    for (int i = 0; i < int(layout->titles.size()); ++i) {
        const QString sample = layout->sample.value(i);
        items.append(sample.isEmpty() ? layout->titles[i] : QStringLiteral("%1 : %2").arg(layout->titles[i], sample));
    }
    for (QComboBox *box : {dateColumnBox, labelColumnBox, amountColumnBox, debitColumnBox, creditColumnBox}) {
        box->clear();
        box->addItems(items);
    }
}

void TRapprochement::refresh()
{
    showing_ = true;
    const bank::Reconciliation &r = *reconciliation_;
    fileField->setText(QDir::toNativeSeparators(r.statementPath()));
    showColumnChoice();
    const bank::Statement &statement = r.statement();
    const bank::Matching &matching = r.matching();
    const std::vector<bank::BookEntry> &entries = r.entries();
    // The balance the file states is shown; one it does not state is typed.
    balanceField->setEnabled(r.hasStatement());
    balanceField->setReadOnly(r.balanceStated());
    balanceField->setText(r.hasStatement() && statement.closingBalance ? forms::formatAmount(*statement.closingBalance)
                                                                         : QString());
    balanceField->setPlaceholderText(r.hasStatement() && !r.balanceStated()
                                         ? QStringLiteral("à taper : le relevé ne le donne pas")
                                         : QString());

    const int lineCount = r.hasStatement() ? int(statement.lines.size()) : 0;
    statementTable->setRowCount(lineCount);
    for (int i = 0; i < lineCount; ++i) {
        const bank::StatementLine &line = statement.lines[std::size_t(i)];
        const bank::LineMatch &m = matching.lines[std::size_t(i)];
        setRow(statementTable, i,
               {forms::formatDate(line.date), line.label, forms::formatAmount(line.amount), bank::statusText(m.status),
                m.entry ? placeText(entries[*m.entry].place) : QString()},
               2);
    }
    openEntriesTable->setRowCount(int(matching.notOnStatement.size()));
    for (int i = 0; i < int(matching.notOnStatement.size()); ++i) {
        const bank::BookEntry &entry = entries[matching.notOnStatement[std::size_t(i)]];
        setRow(openEntriesTable, i, {entry.dateText, entry.label, forms::formatAmount(entry.amount), placeText(entry.place)}, 2);
    }
    const std::vector<bank::Proposal> &proposals = r.proposals();
    proposalsTable->setRowCount(int(proposals.size()));
    for (int i = 0; i < int(proposals.size()); ++i) {
        const bank::PostedEntry &entry = proposals[std::size_t(i)].entry;
        auto *post = cell(QString());
        post->setFlags(post->flags() | Qt::ItemIsUserCheckable);
        post->setCheckState(proposals[std::size_t(i)].confirmed ? Qt::Checked : Qt::Unchecked);
        proposalsTable->setItem(i, PostColumn, post);
        proposalsTable->setItem(i, PDateColumn, cell(forms::formatDate(entry.date)));
        proposalsTable->setItem(i, PLabelColumn, cell(entry.label));
        proposalsTable->setItem(i, PAmountColumn, cell(forms::formatAmount(entry.amount), true));
        proposalsTable->setItem(i, PAccountColumn, cell(entry.counterpart, false, true));
        proposalsTable->setItem(i, PJournalColumn, cell(entry.journal, false, true));
    }

    const TextGrid grid = r.hasStatement() ? r.statementGrid() : TextGrid(0, 3);
    reconciliationTable->setRowCount(grid.rowCount());
    for (int row = 0; row < grid.rowCount(); ++row)
        setRow(reconciliationTable, row,
               {grid.at(row, bank::DateColumn), grid.at(row, bank::LabelColumn), grid.at(row, bank::AmountColumn)},
               bank::AmountColumn);

    if (r.columnsToChoose())
        summaryLabel->setText(QStringLiteral("Les colonnes du relevé ne sont pas reconnues : choisissez-les."));
    else if (r.hasStatement())
        summaryLabel->setText(QStringLiteral("À pointer : %1    À saisir : %2    Non relevées : %3")
                                  .arg(r.checkedOffCount())
                                  .arg(proposals.size())
                                  .arg(matching.notOnStatement.size()));
    else
        summaryLabel->setText(QStringLiteral("Choisissez le relevé de la banque."));
    checkOffButton->setEnabled(r.checkedOffCount() > 0);
    undoButton->setEnabled(r.canUndoCheckOff());
    postButton->setEnabled(!proposals.empty());
    printButton->setEnabled(r.hasStatement());
    showing_ = false;
}
