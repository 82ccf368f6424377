#include "entry/ui/InvoiceDialog.h"

#include "entry/ui/DateField.h"
#include "entry/ui/FieldTracker.h"
#include "platform/ui/Resources.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QValidator>
#include <QVBoxLayout>

namespace {

// Keeps the total with tax to the characters it takes, typed or pasted.
class WithTaxValidator final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        for (QChar c : input)
            if (!InvoiceEntry::withTaxAccepts(c))
                return Invalid;
        return Acceptable;
    }
};

QToolButton *stripButton(QWidget *parent, const char *icon, const QString &hint)
{
    auto *button = new QToolButton(parent);
    button->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(icon))));
    button->setIconSize(QSize(20, 20));
    button->setToolTip(hint);
    button->setAutoRaise(true);
    // Like a speed button it never takes the focus: the field the user is in
    // is left by the button's own action, through its rule.
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QLineEdit *totalField(QWidget *parent)
{
    auto *field = new QLineEdit(parent);
    field->setAlignment(Qt::AlignRight);
    return field;
}

} // namespace

InvoiceDialog::InvoiceDialog(InvoiceKind kind, const QString &caption, const Platform &platform, QWidget *parent)
    : QDialog(parent), entry_(kind, platform), kind_(kind)
{
    loadTavelinResources();
    setWindowTitle(caption);
    createStrip();
    createFields();
    layOut();
    connectFields();
}

// Fields losing the focus as the window goes run no rule: the tracker goes
// before them.
InvoiceDialog::~InvoiceDialog()
{
    delete tracker_;
}

void InvoiceDialog::createStrip()
{
    newInvoiceButton = stripButton(this, "nouveau", QStringLiteral("Nouvelle facture"));
    previousButton = stripButton(this, "precedent", QStringLiteral("Précédent"));
    nextButton = stripButton(this, "suivant", QStringLiteral("Suivant"));
    positionLabel = new QLabel(this);
    closeButton = new QPushButton(QStringLiteral("Fermer"), this);
    // Enter in a field does not close the dialog.
    closeButton->setAutoDefault(false);
    connect(newInvoiceButton, &QToolButton::clicked, this, &InvoiceDialog::newInvoiceClicked);
    connect(previousButton, &QToolButton::clicked, this, &InvoiceDialog::previousClicked);
    connect(nextButton, &QToolButton::clicked, this, &InvoiceDialog::nextClicked);
    connect(closeButton, &QPushButton::clicked, this, &InvoiceDialog::closeClicked);
}

void InvoiceDialog::createFields()
{
    dateField = new DateField(this);
    dateField->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00/00/00000")) + 16);
    counterpartyField = new QLineEdit(this);
    revenueField = new QLineEdit(this);
    vatField = new QLineEdit(this);
    journalField = new QLineEdit(this);
    labelField = new QLineEdit(this);
    // A stored cell keeps 254 characters: the field takes no more.
    labelField->setMaxLength(254);
    totalsBox = new QGroupBox(this);
    totalWithTaxField = totalField(totalsBox);
    totalWithTaxField->setValidator(new WithTaxValidator(totalWithTaxField));
    totalBeforeTaxField = totalField(totalsBox);
    totalVatAmountField = totalField(totalsBox);
    fields_ = {dateField, counterpartyField, revenueField, vatField, journalField,
               labelField, totalWithTaxField, totalBeforeTaxField, totalVatAmountField};

    const QList<QWidget *> tabOrder = {closeButton, counterpartyField, revenueField, vatField, journalField, dateField,
                                       labelField, totalWithTaxField, totalBeforeTaxField, totalVatAmountField};
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    tracker_ = new FieldTracker(
        QList<QWidget *>(fields_.begin(), fields_.end()), [this](QWidget *field) { return fieldLeft(field); },
        [](QWidget *, bool) {}, this);
}

void InvoiceDialog::layOut()
{
    auto *strip = new QFrame(this);
    strip->setFrameShape(QFrame::StyledPanel);
    auto *stripLayout = new QHBoxLayout(strip);
    stripLayout->setContentsMargins(4, 2, 6, 2);
    stripLayout->setSpacing(2);
    for (QToolButton *b : {newInvoiceButton, previousButton, nextButton})
        stripLayout->addWidget(b);
    stripLayout->addSpacing(12);
    stripLayout->addWidget(positionLabel);
    stripLayout->addStretch();
    stripLayout->addWidget(closeButton);

    const auto caption = [this](InvoiceField field) {
        auto *label = new QLabel(invoice::fieldCaption(kind_, field), this);
        label->setBuddy(fieldFor(field));
        return label;
    };
    auto *grid = new QGridLayout;
    grid->addWidget(caption(InvoiceField::Date), 0, 0);
    grid->addWidget(dateField, 0, 1);
    grid->addWidget(caption(InvoiceField::Journal), 0, 2);
    grid->addWidget(journalField, 0, 3);
    grid->addWidget(caption(InvoiceField::Counterparty), 1, 0);
    grid->addWidget(counterpartyField, 1, 1);
    grid->addWidget(caption(InvoiceField::Revenue), 1, 2);
    grid->addWidget(revenueField, 1, 3);
    grid->addWidget(caption(InvoiceField::Vat), 2, 0);
    grid->addWidget(vatField, 2, 1);
    grid->addWidget(caption(InvoiceField::Label), 3, 0);
    grid->addWidget(labelField, 3, 1, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    auto *totals = new QGridLayout(totalsBox);
    const InvoiceField totalFields[] = {InvoiceField::WithTax, InvoiceField::BeforeTax, InvoiceField::VatAmount};
    for (int i = 0; i < 3; ++i) {
        auto *label = new QLabel(invoice::fieldCaption(kind_, totalFields[i]), totalsBox);
        label->setBuddy(fieldFor(totalFields[i]));
        totals->addWidget(label, 0, i);
        totals->addWidget(fieldFor(totalFields[i]), 1, i);
    }

    auto *body = new QVBoxLayout;
    body->setContentsMargins(10, 8, 10, 10);
    body->addLayout(grid);
    body->addSpacing(6);
    body->addWidget(totalsBox);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(strip);
    layout->addLayout(body);
    resize(520, sizeHint().height());
}

void InvoiceDialog::connectFields()
{
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const InvoiceField field = InvoiceField(i);
        connect(fields_[i], &QLineEdit::textEdited, this, [this, field] {
            if (showing_)
                return;
            entry_.shown[field] = field == InvoiceField::Date ? dateField->fieldText() : fieldFor(field)->text();
            entry_.edited();
        });
    }
}

QLineEdit *InvoiceDialog::fieldFor(InvoiceField field) const
{
    return fields_[std::size_t(field)];
}

void InvoiceDialog::Init(const InvoiceProposals &proposed, QDate yearStart, QDate yearEnd,
                         const QStringList &chart, const QStringList &journals, QDate validatedUntil)
{
    act([&](InvoiceEntry &e) { e.Init(proposed, yearStart, yearEnd, chart, journals, validatedUntil); });
}

// ---------------------------------------------------------------- state

void InvoiceDialog::act(const std::function<void(InvoiceEntry &)> &operation)
{
    operation(entry_);
    showState();
}

void InvoiceDialog::actAfterLeaving(const std::function<void(InvoiceEntry &)> &operation)
{
    if (tracker_->leaveCurrent())
        act(operation);
}

void InvoiceDialog::showState()
{
    showing_ = true;
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const QString &text = entry_.shown.texts[i];
        if (fields_[i] == dateField)
            dateField->setFieldText(text);
        else if (fields_[i]->text() != text)
            fields_[i]->setText(text);
    }
    showing_ = false;
    positionLabel->setText(entry_.position() < 0
                               ? QString()
                               : QStringLiteral("Facture %1 / %2").arg(entry_.position() + 1).arg(entry_.count()));
    if (entry_.focus) {
        QLineEdit *field = fieldFor(*entry_.focus);
        entry_.focus.reset();
        tracker_->place(field);
        if (field == dateField)
            dateField->selectFromStart();
        else
            field->selectAll();
    }
}

// A field left because the dialog was closed or hidden is not left by the
// user: "Fermer" has already run every rule.
bool InvoiceDialog::fieldLeft(QWidget *field)
{
    if (!isVisible())
        return true;
    const auto it = std::find(fields_.begin(), fields_.end(), field);
    const InvoiceField which = InvoiceField(it - fields_.begin());
    bool accepted = true;
    act([&](InvoiceEntry &e) { accepted = e.fieldLeft(which); });
    return accepted;
}

// ---------------------------------------------------------------- commands

void InvoiceDialog::newInvoiceClicked()
{
    actAfterLeaving([](InvoiceEntry &e) { e.newInvoice(); });
}

void InvoiceDialog::previousClicked()
{
    actAfterLeaving([](InvoiceEntry &e) { e.previous(); });
}

void InvoiceDialog::nextClicked()
{
    actAfterLeaving([](InvoiceEntry &e) { e.next(); });
}

// With nothing typed no rule runs: a date proposed in the validated period
// must not keep the dialog open. An invoice that cannot be posted is told,
// then the user may still close without posting.
void InvoiceDialog::closeClicked()
{
    bool closes = !entry_.hasUnposted();
    if (!closes)
        actAfterLeaving([&](InvoiceEntry &e) { closes = e.close(); });
    if (!closes)
        act([&](InvoiceEntry &e) { closes = e.closeWithoutPosting(); });
    if (closes)
        accept();
}

// Escape and the window frame close as "Fermer" does: an invoice typed is
// never dropped without a word.
void InvoiceDialog::reject()
{
    closeClicked();
}

// Page Up and Page Down show the previous and the next invoice, from any
// field; the key goes no further.
void InvoiceDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_PageUp) {
        previousClicked();
        return;
    }
    if (event->key() == Qt::Key_PageDown) {
        nextClicked();
        return;
    }
    QDialog::keyPressEvent(event);
}
