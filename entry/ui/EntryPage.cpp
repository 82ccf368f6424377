#include "entry/ui/EntryPage.h"

#include "entry/EntryLayout.h"
#include "entry/EntryLine.h"
#include "entry/MonthGrid.h"
#include "entry/ui/CodeListDelegate.h"
#include "entry/ui/DateField.h"
#include "entry/ui/FieldTracker.h"
#include "entry/ui/MonthGridView.h"
#include "ledger/Ledger.h"
#include "ledger/MonthLines.h"
#include "ledger/ui/MonthKeys.h"
#include "ledger/ui/TextGridModel.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QStyle>
#include <QToolButton>
#include <algorithm>

namespace {

QLineEdit *totalBox(QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    box->setAlignment(Qt::AlignRight);
    return box;
}

bool isEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

void setIfChanged(QLineEdit *edit, const QString &text)
{
    if (edit->text() != text)
        edit->setText(text);
}

void setIfChanged(QComboBox *combo, const QString &text)
{
    if (combo->currentText() != text)
        combo->setEditText(text);
}

} // namespace

EntryPage::EntryPage(Run run, QWidget *window, Ledger &ledger, EntryState &entry)
    : DocumentPage(std::move(run), window), ledger_(ledger), entry_(entry)
{
    createEntryLine();
    trackFields();
    createGrid();
    connectFields();
    (new MonthKeys(window, this))->watch(this);
    setMinimumSize(EntryLayout::minimumSize());
    refresh();
}

void EntryPage::createEntryLine()
{
    auto *titles = new QStandardItemModel(0, 7, this);
    titles->setHorizontalHeaderLabels({QStringLiteral("Date"), QStringLiteral("Compte"), QStringLiteral("Libellé"),
                                       QStringLiteral("Journal"), QStringLiteral("Pièce"), QStringLiteral("Débit"),
                                       QStringLiteral("Crédit")});
    columnTitles = new QHeaderView(Qt::Horizontal, this);
    columnTitles->setModel(titles);
    columnTitles->setSectionsClickable(false);
    columnTitles->setSectionResizeMode(QHeaderView::Fixed);
    columnTitles->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    columnTitles->setFocusPolicy(Qt::NoFocus);

    dateField = new DateField(this);
    accountField = codeListField(this, labelsOf(ledger_.ref.ListePlc));
    labelField = new QLineEdit(this);
    // A stored cell keeps 254 characters: the field takes no more.
    labelField->setMaxLength(254);
    journalField = codeListField(this, labelsOf(ledger_.ref.ListeJnx));
    voucherField = new QLineEdit(this);
    voucherField->setMaxLength(254);
    debitField = new QLineEdit(this);
    creditField = new QLineEdit(this);
    postButton = new QToolButton(this);
    postButton->setText(QStringLiteral("OK"));
    postButton->setFocusPolicy(Qt::NoFocus);

    fields_ = {dateField, accountField, labelField, journalField, voucherField, debitField, creditField};
    for (qsizetype i = 0; i < fields_.size(); ++i) {
        fields_[i]->installEventFilter(this);
        if (i > 0)
            setTabOrder(fields_[i - 1], fields_[i]);
    }
}

void EntryPage::createGrid()
{
    monthGrid = new MonthGridView(this);
    model_ = new TextGridModel(ledger_.monthGrid, false, this);
    model_->setShownColumns(monthlines::kEntryColumnCount); // the lettering is kept, not shown
    model_->setAmountColumns({monthlines::gridColumn(monthlines::Column::Debit), monthlines::gridColumn(monthlines::Column::Credit)});
    model_->setRowNote([this](int row) { return MonthGrid(ledger_, entry_).validatedNote(row); });
    monthGrid->setModel(model_);
    monthCaption = new QLabel(this);
    monthCaption->setAlignment(Qt::AlignCenter);
    debitTotal = totalBox(this);
    creditTotal = totalBox(this);

    connect(monthGrid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (current.isValid())
                    entry_.selectedRow = model_->gridRow(current.row());
            });
    const auto click = [this] { run([this] { MonthGrid(ledger_, entry_).rowClicked(); }); };
    connect(monthGrid, &QAbstractItemView::clicked, this, click);
    connect(monthGrid, &MonthGridView::keyMovedRow, this, click);
    const auto modify = [this] { run([this] { MonthGrid(ledger_, entry_).modifySelected(); }); };
    connect(monthGrid, &QAbstractItemView::doubleClicked, this, modify);
    connect(monthGrid, &MonthGridView::modifyRequested, this, modify);
    connect(monthGrid, &MonthGridView::deleteRequested, this,
            [this] { run([this] { MonthGrid(ledger_, entry_).deleteAsked(); }); });
    connect(monthGrid, &MonthGridView::checkOffRequested, this, click);
    connect(monthGrid, &MonthGridView::entryLineRequested, this,
            [this] { dateField->setFocus(Qt::OtherFocusReason); });
}

void EntryPage::connectFields()
{
    connect(dateField, &QLineEdit::textEdited, this, [this] { entry_.panel.date = dateField->fieldText(); });
    connect(accountField, &QComboBox::editTextChanged, this, [this](const QString &t) {
        if (!syncing_)
            entry_.panel.account = t;
    });
    connect(labelField, &QLineEdit::textEdited, this, [this](const QString &t) { entry_.panel.label = t; });
    connect(journalField, &QComboBox::editTextChanged, this, [this](const QString &t) {
        if (!syncing_)
            EntryLine(ledger_, entry_).journalEdited(t);
    });
    connect(voucherField, &QLineEdit::textEdited, this, [this](const QString &t) { entry_.panel.voucher = t; });
    connect(debitField, &QLineEdit::textEdited, this, [this](const QString &t) { entry_.panel.debit = t; });
    connect(creditField, &QLineEdit::textEdited, this, [this](const QString &t) { entry_.panel.credit = t; });
    connect(postButton, &QToolButton::clicked, this, [this] { post(); });
}

void EntryPage::post()
{
    run([this] { EntryLine(ledger_, entry_).post(); });
}

// ------------------------------------------------------------------ focus

void EntryPage::trackFields()
{
    tracker_ = new FieldTracker(
        fields_, [this](QWidget *field) { return fieldLeft(field); },
        [this](QWidget *field, bool placed) { fieldEntered(field, placed); }, this);
}

void EntryPage::fieldEntered(QWidget *field, bool placed)
{
    // Reading a month focuses the date field before it clears the entry line,
    // so no date stays proposed after it.
    const bool monthJustRead = placed && !ledger_.MoisModifie && !entry_.ModeModif;
    if (field == dateField && !monthJustRead)
        run([this] { EntryLine(ledger_, entry_).dateEntered(); });
}

// Leaving the entry page for another page is not leaving a field: the month
// has been written back and its rules have nothing left to check.
bool EntryPage::fieldLeft(QWidget *field)
{
    if (!isVisible())
        return true;
    bool accepted = true;
    const auto rule = [&](bool (EntryLine::*check)()) {
        run([&] { accepted = (EntryLine(ledger_, entry_).*check)(); });
    };
    if (field == dateField)
        rule(&EntryLine::dateLeft);
    else if (field == accountField)
        rule(&EntryLine::accountLeft);
    else if (field == labelField)
        run([this] { EntryLine(ledger_, entry_).labelLeft(); });
    else if (field == journalField)
        rule(&EntryLine::journalLeft);
    return accepted;
}

// A field the program puts the user in (a refused text, the next line) has its
// whole text selected, so what the user types replaces it.
void EntryPage::place(QWidget *field)
{
    tracker_->place(field);
    if (field == dateField)
        dateField->selectFromStart();
    else if (auto *list = qobject_cast<QComboBox *>(field))
        list->lineEdit()->selectAll();
    else if (auto *edit = qobject_cast<QLineEdit *>(field))
        edit->selectAll();
}

QWidget *EntryPage::fieldFor(Focus focus) const
{
    switch (focus) {
    case Focus::Date: return dateField;
    case Focus::Account: return accountField;
    case Focus::Label: return labelField;
    case Focus::Journal: return journalField;
    case Focus::Voucher: return voucherField;
    case Focus::Debit: return debitField;
    case Focus::Credit: return creditField;
    case Focus::None: break;
    }
    return nullptr;
}

// ------------------------------------------------------------------ keys

bool EntryPage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && fields_.contains(watched)
        && fieldKey(static_cast<QWidget *>(watched), static_cast<QKeyEvent *>(event)->key()))
        return true;
    return DocumentPage::eventFilter(watched, event);
}

// Enter posts from the label, voucher and amount fields and does nothing in
// the others; F6 goes to the month grid. Either way the key goes no further.
bool EntryPage::fieldKey(QWidget *field, int key)
{
    if (isEnter(key)) {
        if (field == labelField || field == voucherField || field == debitField || field == creditField)
            post();
        return true;
    }
    if (key == Qt::Key_F6) {
        goToGrid();
        return true;
    }
    return false;
}

void EntryPage::goToGrid()
{
    if (!tracker_->leaveCurrent())
        return;
    if (!monthGrid->currentIndex().isValid())
        monthGrid->setCurrentIndex(model_->index(std::max(0, model_->viewRow(entry_.selectedRow)), 0));
    monthGrid->setFocus(Qt::OtherFocusReason);
}

void EntryPage::keyPressEvent(QKeyEvent *event)
{
    if (isEnter(event->key())) {
        post();
        return;
    }
    DocumentPage::keyPressEvent(event);
}

// ------------------------------------------------------------------ refresh

void EntryPage::refresh()
{
    syncing_ = true;
    refreshLists();
    refreshFields();
    syncing_ = false;
    refreshGrid();
    monthCaption->setText(entry_.monthCaption);
    debitTotal->setText(entry_.monthDebitTotal.trimmed());
    creditTotal->setText(entry_.monthCreditTotal.trimmed());
    for (QLineEdit *total : {debitTotal, creditTotal}) {
        QPalette palette = total->palette();
        palette.setColor(QPalette::Text, entry_.monthBalanced ? QPalette().color(QPalette::Text) : QColor(Qt::red));
        total->setPalette(palette);
    }
    if (entry_.focus != Focus::None) {
        QWidget *field = fieldFor(entry_.focus);
        entry_.focus = Focus::None;
        if (field)
            place(field);
    }
}

void EntryPage::refreshLists()
{
    const auto fill = [](QComboBox *combo, const QStringList &items) {
        QStringList shown;
        for (int i = 0; i < combo->count(); ++i)
            shown.append(combo->itemText(i));
        if (shown == items)
            return;
        combo->clear();
        combo->addItems(items);
    };
    fill(accountField, ledger_.ref.accountItems);
    fill(journalField, ledger_.ref.journalItems);
}

void EntryPage::refreshFields()
{
    const EntryPanel &p = entry_.panel;
    dateField->setFieldText(p.date);
    setIfChanged(accountField, p.account);
    setIfChanged(labelField, p.label);
    setIfChanged(journalField, p.journal);
    setIfChanged(voucherField, p.voucher);
    setIfChanged(debitField, p.debit);
    setIfChanged(creditField, p.credit);
}

void EntryPage::refreshGrid()
{
    model_->refresh();
    if (longestVoucher() != voucherWidth_)
        relayout();
    const int row = model_->viewRow(entry_.selectedRow);
    if (row >= 0 && row < model_->rowCount() && monthGrid->currentIndex().row() != row)
        monthGrid->setCurrentIndex(model_->index(row, 0));
}

// ------------------------------------------------------------------ layout

void EntryPage::layoutForWidth(int w)
{
    width_ = w;
    relayout();
}

void EntryPage::resizeEvent(QResizeEvent *event)
{
    DocumentPage::resizeEvent(event);
    relayout();
}

// The width the month's longest voucher needs in the grid, its cell's
// margins included.
int EntryPage::longestVoucher() const
{
    const QFontMetrics metrics(monthGrid->font());
    const int column = monthlines::gridColumn(monthlines::Column::Voucher);
    int widest = 0;
    for (int r = 0; r < ledger_.NbLignes; ++r)
        widest = std::max(widest, metrics.horizontalAdvance(ledger_.monthGrid.at(r, column).trimmed()));
    return widest == 0 ? 0 : widest + 2 * monthGrid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, monthGrid) + 8;
}

void EntryPage::relayout()
{
    voucherWidth_ = longestVoucher();
    const EntryLayout l = EntryLayout::forSize(width_ > 0 ? width_ : width(), height(), voucherWidth_);
    columnTitles->setGeometry(l.columnTitles);
    for (int c = 0; c < 7; ++c)
        columnTitles->resizeSection(c, l.columnWidths[std::size_t(c)]);
    dateField->setGeometry(l.dateField);
    accountField->setGeometry(l.accountField);
    labelField->setGeometry(l.labelField);
    journalField->setGeometry(l.journalField);
    voucherField->setGeometry(l.voucherField);
    debitField->setGeometry(l.debitField);
    creditField->setGeometry(l.creditField);
    postButton->setGeometry(l.postButton);
    monthGrid->setGeometry(l.monthGrid);
    for (int c = 0; c < 8; ++c)
        monthGrid->setColumnWidth(c, l.columnWidths[std::size_t(c)]);
    monthCaption->setGeometry(l.monthCaption);
    debitTotal->setGeometry(l.debitTotal);
    creditTotal->setGeometry(l.creditTotal);
}
