#include "einvoice/ui/TFacturesRecues.h"

#include "platform/FileDialogs.h"
#include "platform/Messages.h"
#include "platform/Platform.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QTableWidget *table(const QStringList &titles, int stretched, QWidget *parent)
{
    auto *t = new QTableWidget(0, int(titles.size()), parent);
    t->setHorizontalHeaderLabels(titles);
    t->verticalHeader()->hide();
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    t->horizontalHeader()->setSectionResizeMode(stretched, QHeaderView::Stretch);
    return t;
}

void setCell(QTableWidget *t, int row, int column, const QString &text, bool amount = false)
{
    auto *item = new QTableWidgetItem(text);
    if (amount)
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    t->setItem(row, column, item);
}

} // namespace

TFacturesRecues::TFacturesRecues(const Platform &platform, FileOpener openFile, QWidget *parent)
    : QDialog(parent), platform_(platform), openFile_(std::move(openFile))
{
    setWindowTitle(QStringLiteral("Factures reçues"));
    setAcceptDrops(true);
    folderField = new QLineEdit(this);
    browseButton = new QPushButton(QStringLiteral("Parcourir..."), this);
    readButton = new QPushButton(QStringLiteral("Lire le dossier"), this);
    invoicesTable = table({QStringLiteral("Fichier"), QStringLiteral("Statut")}, 1, this);
    invoicesTable->setSelectionMode(QAbstractItemView::ExtendedSelection);
    invoiceText = new QPlainTextEdit(this);
    invoiceText->setReadOnly(true);
    entryTable = table({QStringLiteral("Compte"), QStringLiteral("Libellé"), QStringLiteral("Débit"), QStringLiteral("Crédit")}, 1, this);
    supplierField = new QLineEdit(this);
    chargeField = new QLineEdit(this);
    chargeField->setToolTip(QStringLiteral("Un compte, ou plusieurs avec leur part : 606400=70 218300=30"));
    rateField = new QLineEdit(this);
    rateField->setToolTip(QStringLiteral("Valeur en euros d'une unité de la devise de la facture"));
    addAccountButton = new QPushButton(QStringLiteral("Ajouter au plan"), this);
    postButton = new QPushButton(QStringLiteral("Comptabiliser"), this);
    undoButton = new QPushButton(QStringLiteral("Annuler"), this);
    viewButton = new QPushButton(QStringLiteral("Voir la pièce"), this);
    closeButton = new QPushButton(QStringLiteral("Fermer"), this);

    auto *folderRow = new QHBoxLayout;
    folderRow->addWidget(new QLabel(QStringLiteral("Dossier :"), this));
    folderRow->addWidget(folderField, 1);
    folderRow->addWidget(browseButton);
    folderRow->addWidget(readButton);
    auto *accounts = new QGridLayout;
    accounts->addWidget(new QLabel(QStringLiteral("Compte fournisseur :"), this), 0, 0);
    accounts->addWidget(supplierField, 0, 1);
    accounts->addWidget(new QLabel(QStringLiteral("Compte de charge :"), this), 0, 2);
    accounts->addWidget(chargeField, 0, 3);
    accounts->addWidget(new QLabel(QStringLiteral("Cours :"), this), 1, 0);
    accounts->addWidget(rateField, 1, 1);
    accounts->addWidget(addAccountButton, 1, 3);
    auto *detail = new QVBoxLayout;
    detail->addWidget(invoiceText, 3);
    detail->addWidget(entryTable, 2);
    detail->addLayout(accounts);
    auto *middle = new QHBoxLayout;
    middle->addWidget(invoicesTable, 1);
    middle->addLayout(detail, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(postButton);
    buttons->addWidget(undoButton);
    buttons->addWidget(viewButton);
    buttons->addStretch();
    buttons->addWidget(closeButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(folderRow);
    layout->addWidget(new QLabel(QStringLiteral("Déposez ici des factures (Factur-X, CII, UBL) ou lisez un dossier."), this));
    layout->addLayout(middle, 1);
    layout->addLayout(buttons);
    resize(980, 620);

    connect(browseButton, &QPushButton::clicked, this, &TFacturesRecues::browseClicked);
    connect(readButton, &QPushButton::clicked, this, &TFacturesRecues::readClicked);
    connect(folderField, &QLineEdit::returnPressed, this, &TFacturesRecues::readClicked);
    connect(invoicesTable, &QTableWidget::itemSelectionChanged, this, &TFacturesRecues::showCurrent);
    connect(supplierField, &QLineEdit::editingFinished, this, &TFacturesRecues::accountsEdited);
    connect(chargeField, &QLineEdit::editingFinished, this, &TFacturesRecues::accountsEdited);
    connect(rateField, &QLineEdit::editingFinished, this, &TFacturesRecues::rateEdited);
    connect(addAccountButton, &QPushButton::clicked, this, &TFacturesRecues::addAccountClicked);
    connect(postButton, &QPushButton::clicked, this, &TFacturesRecues::postClicked);
    connect(undoButton, &QPushButton::clicked, this, &TFacturesRecues::undoClicked);
    connect(viewButton, &QPushButton::clicked, this, &TFacturesRecues::viewClicked);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TFacturesRecues::receive(einvoice::Reception &reception)
{
    reception_ = &reception;
    if (const QString unread = reception.loadSettings(); !unread.isEmpty())
        platform_.messages->information(unread);
    folderField->setText(reception.folder());
    if (!folderField->text().isEmpty())
        reception.addFolder(folderField->text());
    refresh();
    exec();
    reception_ = nullptr;
}

einvoice::ReceivedInvoice *TFacturesRecues::current()
{
    const int row = invoicesTable->currentRow();
    if (!reception_ || row < 0 || row >= int(reception_->invoices.size()))
        return nullptr;
    return &reception_->invoices[std::size_t(row)];
}

void TFacturesRecues::refresh()
{
    const int row = invoicesTable->currentRow();
    const QSignalBlocker blocker(invoicesTable);
    invoicesTable->setRowCount(int(reception_->invoices.size()));
    for (int r = 0; r < invoicesTable->rowCount(); ++r) {
        const einvoice::ReceivedInvoice &received = reception_->invoices[std::size_t(r)];
        setCell(invoicesTable, r, 0, QFileInfo(received.path).fileName());
        setCell(invoicesTable, r, 1, received.statusText());
    }
    if (invoicesTable->rowCount() > 0)
        invoicesTable->selectRow(std::clamp(row, 0, invoicesTable->rowCount() - 1));
    undoButton->setEnabled(reception_->canUndo());
    showCurrent();
}

void TFacturesRecues::showCurrent()
{
    const einvoice::ReceivedInvoice *received = current();
    const bool invoice = received && received->invoice;
    invoiceText->setPlainText(invoice ? einvoice::invoiceText(*received->invoice) : received ? received->statusText() : QString());
    entryTable->setRowCount(invoice ? int(received->entry.lines.size()) : 0);
    for (int r = 0; r < entryTable->rowCount(); ++r) {
        const ProposedLine &line = received->entry.lines[std::size_t(r)];
        setCell(entryTable, r, 0, line.account);
        setCell(entryTable, r, 1, received->entry.label);
        setCell(entryTable, r, 2, amountCell(line.debit).trimmed(), true);
        setCell(entryTable, r, 3, amountCell(line.credit).trimmed(), true);
    }
    const bool editable = invoice && !received->booked;
    supplierField->setText(invoice ? received->accounts.supplier : QString());
    chargeField->setText(invoice ? einvoice::chargeCells(received->accounts.charges).join(u' ') : QString());
    for (QLineEdit *field : {supplierField, chargeField})
        field->setEnabled(editable);
    rateField->setEnabled(editable && received->invoice->currency != u"EUR");
    addAccountButton->setEnabled(editable && !reception_->missingAccounts(*received).isEmpty());
    postButton->setEnabled(invoicesTable->selectionModel()->hasSelection());
    viewButton->setEnabled(received != nullptr);
}

void TFacturesRecues::browseClicked()
{
    if (const std::optional<QString> folder =
            platform_.fileDialogs->folder(QStringLiteral("Dossier des factures reçues"), folderField->text())) {
        folderField->setText(*folder);
        readClicked();
    }
}

void TFacturesRecues::readClicked()
{
    if (!reception_ || folderField->text().isEmpty())
        return;
    reception_->addFolder(folderField->text());
    refresh();
}

void TFacturesRecues::accountsEdited()
{
    einvoice::ReceivedInvoice *received = current();
    if (!received || !received->invoice || received->booked)
        return;
    const std::optional<std::vector<einvoice::ChargeShare>> charges =
        einvoice::parseCharges(chargeField->text().split(u' ', Qt::SkipEmptyParts));
    if (!charges || supplierField->text().trimmed().isEmpty()) {
        platform_.messages->information(
            QStringLiteral("Donnez un compte fournisseur et un compte de charge, ou plusieurs avec leur part : 606400=70 218300=30."));
        showCurrent();
        return;
    }
    einvoice::Accounts accounts = received->accounts;
    accounts.supplier = supplierField->text().trimmed();
    accounts.charges = *charges;
    reception_->setAccounts(*received, accounts);
    refresh();
}

void TFacturesRecues::rateEdited()
{
    if (!reception_ || rateField->text().trimmed().isEmpty())
        return;
    const std::optional<qint64> rate = einvoice::parseExchangeRate(rateField->text());
    if (!rate) {
        platform_.messages->information(QStringLiteral("Le cours « %1 » n'est pas un nombre positif.").arg(rateField->text()));
        return;
    }
    reception_->settings.exchangeRate = rate;
    reception_->proposeAll();
    refresh();
}

void TFacturesRecues::addAccountClicked()
{
    einvoice::ReceivedInvoice *received = current();
    if (!received || !received->invoice)
        return;
    for (const QString &account : reception_->missingAccounts(*received))
        reception_->addAccount(account, account == received->accounts.supplier ? received->invoice->seller.name
                                                                                 : QStringLiteral("Achats"));
    refresh();
}

void TFacturesRecues::postClicked()
{
    QStringList told;
    for (const QModelIndex &index : invoicesTable->selectionModel()->selectedRows()) {
        einvoice::ReceivedInvoice &received = reception_->invoices[std::size_t(index.row())];
        QString warning;
        if (received.booked)
            continue;
        if (!reception_->book(received, einvoice::Reception::Learning::On, warning)) {
            told << QFileInfo(received.path).fileName() + QStringLiteral(" : ") + received.statusText();
            continue;
        }
        if (const QString failed = reception_->keepVoucher(received); !failed.isEmpty())
            warning += (warning.isEmpty() ? QString() : QStringLiteral("\n")) + failed;
        if (!warning.isEmpty())
            told << QFileInfo(received.path).fileName() + QStringLiteral(" : ") + warning;
    }
    if (!told.isEmpty())
        platform_.messages->information(told.join(u'\n'));
    refresh();
}

void TFacturesRecues::undoClicked()
{
    reception_->undo();
    refresh();
}

void TFacturesRecues::viewClicked()
{
    const einvoice::ReceivedInvoice *received = current();
    if (!received)
        return;
    const QString path = received->keptAs.isEmpty() ? received->path : received->keptAs;
    if (!openFile_(path))
        platform_.messages->information(QStringLiteral("La pièce %1 ne peut pas être ouverte.").arg(path));
}

void TFacturesRecues::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void TFacturesRecues::dropEvent(QDropEvent *event)
{
    if (!reception_)
        return;
    for (const QUrl &url : event->mimeData()->urls())
        if (url.isLocalFile())
            reception_->add(url.toLocalFile());
    event->acceptProposedAction();
    refresh();
}
