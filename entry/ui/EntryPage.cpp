#include "entry/ui/EntryPage.h"

#include "entry/EntryLayout.h"
#include "entry/EntryLine.h"
#include "entry/MonthGrid.h"
#include "entry/ui/DateField.h"
#include "entry/ui/MonthGridView.h"
#include "ledger/ui/TFiche.h"
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

EntryPage::EntryPage(Fiche &fiche, QWidget *parent)
    : FichePage(parent), fiche_(fiche), window_(qobject_cast<TFiche *>(parent))
{
    Q_ASSERT(window_);
    createEntryLine();
    createGrid();
    connectFields();
    refresh();
}

void EntryPage::createEntryLine()
{
    auto *titles = new QStandardItemModel(0, 7, this);
    titles->setHorizontalHeaderLabels({QStringLiteral("Date"), QStringLiteral("Compte"), QStringLiteral("Libellé"),
                                       QStringLiteral("Journal"), QStringLiteral("Pièce"), QStringLiteral("Débit"),
                                       QStringLiteral("Crédit")});
    Header1 = new QHeaderView(Qt::Horizontal, this);
    Header1->setModel(titles);
    Header1->setSectionsClickable(false);
    Header1->setSectionResizeMode(QHeaderView::Fixed);
    Header1->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Header1->setFocusPolicy(Qt::NoFocus);

    MaskEdit1 = new DateField(this);
    ComboBox1 = codeList(this);
    Edit1 = new QLineEdit(this);
    ComboBox2 = codeList(this);
    Edit3 = new QLineEdit(this);
    Edit4 = new QLineEdit(this);
    Edit5 = new QLineEdit(this);
    SpeedButton1 = new QToolButton(this);
    SpeedButton1->setText(QStringLiteral("OK"));
    SpeedButton1->setFocusPolicy(Qt::NoFocus);

    fields_ = {MaskEdit1, ComboBox1, Edit1, ComboBox2, Edit3, Edit4, Edit5};
    for (qsizetype i = 0; i < fields_.size(); ++i) {
        fields_[i]->installEventFilter(this);
        if (i > 0)
            setTabOrder(fields_[i - 1], fields_[i]);
    }
}

void EntryPage::createGrid()
{
    StringGrid1 = new MonthGridView(this);
    model_ = new TextGridModel(fiche_.StringGrid1, false, this);
    model_->setAmountColumns({5, 6});
    StringGrid1->setModel(model_);
    Label1 = new QLabel(this);
    Label1->setAlignment(Qt::AlignCenter);
    Edit6 = totalBox(this);
    Edit7 = totalBox(this);

    connect(StringGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (current.isValid())
                    fiche_.StringGrid1Row = model_->gridRow(current.row());
            });
    const auto click = [this] { run([](Fiche &f) { MonthGrid(f).StringGrid1Click(); }); };
    connect(StringGrid1, &QAbstractItemView::clicked, this, click);
    connect(StringGrid1, &MonthGridView::keyMovedRow, this, click);
    connect(StringGrid1, &QAbstractItemView::doubleClicked, this,
            [this] { run([](Fiche &f) { MonthGrid(f).StringGrid1DblClick(); }); });
}

void EntryPage::connectFields()
{
    connect(MaskEdit1, &QLineEdit::textEdited, this, [this] { fiche_.panel.date = MaskEdit1->fieldText(); });
    connect(ComboBox1, &QComboBox::editTextChanged, this, [this](const QString &t) {
        if (!syncing_)
            fiche_.panel.compte = t;
    });
    connect(Edit1, &QLineEdit::textEdited, this, [this](const QString &t) { fiche_.panel.libelle = t; });
    connect(ComboBox2, &QComboBox::editTextChanged, this, [this](const QString &t) {
        if (!syncing_)
            EntryLine(fiche_).ComboBox2Change(t);
    });
    connect(Edit3, &QLineEdit::textEdited, this, [this](const QString &t) { fiche_.panel.piece = t; });
    connect(Edit4, &QLineEdit::textEdited, this, [this](const QString &t) { fiche_.panel.debit = t; });
    connect(Edit5, &QLineEdit::textEdited, this, [this](const QString &t) { fiche_.panel.credit = t; });
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { post(); });
}

void EntryPage::run(const std::function<void(Fiche &)> &operation)
{
    window_->run(operation);
}

void EntryPage::post()
{
    run([](Fiche &f) { EntryLine(f).SpeedButton1Click(); });
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
    return FichePage::eventFilter(watched, event);
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
    const bool monthJustRead = applyingFocus_ && !fiche_.MoisModifie && !fiche_.ModeModif;
    if (field == MaskEdit1 && !monthJustRead)
        run([](Fiche &f) { EntryLine(f).MaskEdit1Enter(); });
}

// Leaving a field runs its rule once. A field the focus passed through without
// being entered (the focus was sent back by another field's rule) has none to run.
void EntryPage::fieldLeft(QWidget *field)
{
    if (field != entered_ || fiche_.ActivePage != Page::Saisie)
        return;
    entered_ = nullptr;
    std::function<void(Fiche &)> rule;
    if (field == MaskEdit1)
        rule = [](Fiche &f) { EntryLine(f).MaskEdit1Exit(); };
    else if (field == ComboBox1)
        rule = [](Fiche &f) { EntryLine(f).ComboBox1Exit(); };
    else if (field == Edit1)
        rule = [](Fiche &f) { EntryLine(f).Edit1Exit(); };
    else if (field == ComboBox2)
        rule = [](Fiche &f) { EntryLine(f).ComboBox2Exit(); };
    if (!rule)
        return;
    leaving_ = field;
    run(rule);
    leaving_ = nullptr;
}

QWidget *EntryPage::fieldFor(Focus focus) const
{
    switch (focus) {
    case Focus::Date: return MaskEdit1;
    case Focus::Compte: return ComboBox1;
    case Focus::Libelle: return Edit1;
    case Focus::Journal: return ComboBox2;
    case Focus::Piece: return Edit3;
    case Focus::Debit: return Edit4;
    case Focus::Credit: return Edit5;
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
// the others; the page keys change the month from every field. Either way the
// key goes no further.
bool EntryPage::fieldKey(QWidget *field, int key)
{
    if (isEnter(key)) {
        if (field == Edit1 || field == Edit3 || field == Edit4 || field == Edit5)
            post();
        return true;
    }
    if (key == Qt::Key_PageDown) {
        run([](Fiche &f) { f.Suivant(); });
        return true;
    }
    if (key == Qt::Key_PageUp) {
        run([](Fiche &f) { f.Precedent(); });
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
    FichePage::keyPressEvent(event);
}

// ------------------------------------------------------------------ refresh

void EntryPage::refresh()
{
    syncing_ = true;
    refreshLists();
    refreshFields();
    syncing_ = false;
    refreshGrid();
    Label1->setText(fiche_.Label1);
    Edit6->setText(fiche_.Edit6.trimmed());
    Edit7->setText(fiche_.Edit7.trimmed());
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
    fill(ComboBox1, fiche_.ref.ComboBox1Items);
    fill(ComboBox2, fiche_.ref.ComboBox2Items);
}

void EntryPage::refreshFields()
{
    const EntryPanel &p = fiche_.panel;
    MaskEdit1->setFieldText(p.date);
    setIfChanged(ComboBox1, p.compte);
    setIfChanged(Edit1, p.libelle);
    setIfChanged(ComboBox2, p.journal);
    setIfChanged(Edit3, p.piece);
    setIfChanged(Edit4, p.debit);
    setIfChanged(Edit5, p.credit);
}

void EntryPage::refreshGrid()
{
    model_->refresh();
    const int row = model_->viewRow(fiche_.StringGrid1Row);
    if (row >= 0 && row < model_->rowCount() && StringGrid1->currentIndex().row() != row)
        StringGrid1->setCurrentIndex(model_->index(row, 0));
}

// ------------------------------------------------------------------ layout

void EntryPage::layoutForWidth(int w)
{
    width_ = w;
    relayout();
}

void EntryPage::resizeEvent(QResizeEvent *event)
{
    FichePage::resizeEvent(event);
    relayout();
}

void EntryPage::relayout()
{
    const EntryLayout l = EntryLayout::forSize(width_ > 0 ? width_ : width(), height());
    Header1->setGeometry(l.Header1);
    for (int c = 0; c < 7; ++c)
        Header1->resizeSection(c, l.columnWidths[std::size_t(c)]);
    MaskEdit1->setGeometry(l.MaskEdit1);
    ComboBox1->setGeometry(l.ComboBox1);
    Edit1->setGeometry(l.Edit1);
    ComboBox2->setGeometry(l.ComboBox2);
    Edit3->setGeometry(l.Edit3);
    Edit4->setGeometry(l.Edit4);
    Edit5->setGeometry(l.Edit5);
    SpeedButton1->setGeometry(l.SpeedButton1);
    StringGrid1->setGeometry(l.StringGrid1);
    for (int c = 0; c < 8; ++c)
        StringGrid1->setColumnWidth(c, l.columnWidths[std::size_t(c)]);
    Label1->setGeometry(l.Label1);
    Edit6->setGeometry(l.Edit6);
    Edit7->setGeometry(l.Edit7);
}
