#include "entry/ui/EntryPage.h"

#include "entry/EntryLayout.h"
#include "entry/EntryLine.h"
#include "entry/MonthGrid.h"
#include "entry/ui/DateField.h"
#include "entry/ui/MonthGridView.h"
#include "ledger/Ledger.h"
#include "ledger/ui/MonthKeys.h"
#include "ledger/ui/TextGridModel.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QToolButton>

namespace {

QComboBox *codeList(QWidget *parent)
{
    auto *combo = new QComboBox(parent);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    // The code is what the user typed: leaving the field completes it to six
    // characters, so the list must not complete it first.
    combo->setCompleter(nullptr);
    return combo;
}

QLineEdit *totalBox(QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    box->setAlignment(Qt::AlignRight);
    return box;
}

// Focus moves that leave or enter a field. Opening a menu or a list, or another
// window becoming active, does not.
bool movesBetweenFields(const QFocusEvent *event)
{
    return event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason;
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
    createGrid();
    connectFields();
    (new MonthKeys(window, this))->watch(this);
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
    accountField = codeList(this);
    labelField = new QLineEdit(this);
    journalField = codeList(this);
    voucherField = new QLineEdit(this);
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
    model_->setAmountColumns({5, 6});
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
    connect(monthGrid, &QAbstractItemView::doubleClicked, this,
            [this] { run([this] { MonthGrid(ledger_, entry_).modifySelected(); }); });
}

void EntryPage::connectFields()
{
    connect(dateField, &QLineEdit::textEdited, this, [this] { entry_.panel.date = dateField->fieldText(); });
    connect(accountField, &QComboBox::editTextChanged, this, [this](const QString &t) {
        if (!syncing_)
            entry_.panel.compte = t;
    });
    connect(labelField, &QLineEdit::textEdited, this, [this](const QString &t) { entry_.panel.libelle = t; });
    connect(journalField, &QComboBox::editTextChanged, this, [this](const QString &t) {
        if (!syncing_)
            EntryLine(ledger_, entry_).journalEdited(t);
    });
    connect(voucherField, &QLineEdit::textEdited, this, [this](const QString &t) { entry_.panel.piece = t; });
    connect(debitField, &QLineEdit::textEdited, this, [this](const QString &t) { entry_.panel.debit = t; });
    connect(creditField, &QLineEdit::textEdited, this, [this](const QString &t) { entry_.panel.credit = t; });
    connect(postButton, &QToolButton::clicked, this, [this] { post(); });
}

void EntryPage::post()
{
    run([this] { EntryLine(ledger_, entry_).post(); });
}

// ------------------------------------------------------------------ focus

bool EntryPage::eventFilter(QObject *watched, QEvent *event)
{
    auto *field = qobject_cast<QWidget *>(watched);
    switch (event->type()) {
    case QEvent::FocusIn:
        if (movesBetweenFields(static_cast<QFocusEvent *>(event)))
            fieldEntered(field);
        else if (!entered_ && !leaving_)
            entered_ = field; // the window shown or activated with the focus in this field
        break;
    case QEvent::FocusOut:
        if (movesBetweenFields(static_cast<QFocusEvent *>(event))) {
            fieldLeft(field);
            // The field's rule sent the focus back: it is in the field again,
            // and this late news of its leaving would undo that.
            if (field->hasFocus())
                return true;
        }
        break;
    case QEvent::KeyPress:
        if (fieldKey(field, static_cast<QKeyEvent *>(event)->key()))
            return true;
        break;
    default:
        break;
    }
    return DocumentPage::eventFilter(watched, event);
}

void EntryPage::fieldEntered(QWidget *field)
{
    entered_ = field;
    if (field == returning_) {
        returning_ = nullptr;
        return;
    }
    // Reading a month focuses the date field before it clears the entry line,
    // so no date stays proposed after it.
    const bool monthJustRead = applyingFocus_ && !ledger_.MoisModifie && !entry_.ModeModif;
    if (field == dateField && !monthJustRead)
        run([this] { EntryLine(ledger_, entry_).dateEntered(); });
}

// Leaving a field runs its rule once. A field the focus passed through without
// being entered (the focus was sent back by another field's rule) has none to run.
void EntryPage::fieldLeft(QWidget *field)
{
    if (field != entered_ || !isVisible())
        return;
    entered_ = nullptr;
    std::function<void()> rule;
    if (field == dateField)
        rule = [this] { EntryLine(ledger_, entry_).dateLeft(); };
    else if (field == accountField)
        rule = [this] { EntryLine(ledger_, entry_).accountLeft(); };
    else if (field == labelField)
        rule = [this] { EntryLine(ledger_, entry_).labelLeft(); };
    else if (field == journalField)
        rule = [this] { EntryLine(ledger_, entry_).journalLeft(); };
    if (!rule)
        return;
    leaving_ = field;
    run(rule);
    leaving_ = nullptr;
}

QWidget *EntryPage::fieldFor(Focus focus) const
{
    switch (focus) {
    case Focus::Date: return dateField;
    case Focus::Compte: return accountField;
    case Focus::Libelle: return labelField;
    case Focus::Journal: return journalField;
    case Focus::Piece: return voucherField;
    case Focus::Debit: return debitField;
    case Focus::Credit: return creditField;
    case Focus::None: break;
    }
    return nullptr;
}

void EntryPage::applyFocus(Focus focus)
{
    QWidget *field = fieldFor(focus);
    if (!field || field->hasFocus())
        return;
    if (field == leaving_)
        returning_ = field;
    applyingFocus_ = true;
    field->setFocus(Qt::OtherFocusReason);
    applyingFocus_ = false;
}

// ------------------------------------------------------------------ keys

// Enter posts from the label, voucher and amount fields and does nothing in
// the others; either way it goes no further.
bool EntryPage::fieldKey(QWidget *field, int key)
{
    if (isEnter(key)) {
        if (field == labelField || field == voucherField || field == debitField || field == creditField)
            post();
        return true;
    }
    return false;
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
    if (entry_.focus != Focus::None) {
        const Focus asked = entry_.focus;
        entry_.focus = Focus::None;
        applyFocus(asked);
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
    setIfChanged(accountField, p.compte);
    setIfChanged(labelField, p.libelle);
    setIfChanged(journalField, p.journal);
    setIfChanged(voucherField, p.piece);
    setIfChanged(debitField, p.debit);
    setIfChanged(creditField, p.credit);
}

void EntryPage::refreshGrid()
{
    model_->refresh();
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

void EntryPage::relayout()
{
    const EntryLayout l = EntryLayout::forSize(width_ > 0 ? width_ : width(), height());
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
