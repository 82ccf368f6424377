#include "ledger/ui/TExer.h"

#include "ledger/ui/DialogButtons.h"

#include "ledger/ui/DatePicker.h"
#include <QFontMetrics>
#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// A window manager writes the title in bold beside an icon and three
// buttons, and cuts what does not fit ("Exercic… n cours").
constexpr int kTitleBarDecorations = 4 * 24 + 24;

QDateEdit *datePicker(QWidget *parent)
{
    auto *edit = new DatePicker(parent);
    edit->setMinimumDate(QDate(1753, 1, 1));
    return edit;
}
} // namespace

TExer::TExer(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Exercice en cours"));
    startPicker = datePicker(this);
    endPicker = datePicker(this);
    closingPicker = datePicker(this);
    closingPicker->setEnabled(false);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Début exercice"), startPicker);
    form->addRow(QStringLiteral("Fin exercice"), endPicker);
    form->addRow(QStringLiteral("Clôture"), closingPicker);

    const DialogButtons buttons = cancelAndOk(this);
    cancelButton = buttons.cancel;
    okButton = buttons.ok;
    connect(cancelButton, &QPushButton::clicked, this, &TExer::cancelClicked);
    connect(okButton, &QPushButton::clicked, this, &TExer::okClicked);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons.row);

    QFont titleFont = font();
    titleFont.setBold(true);
    setMinimumWidth(QFontMetrics(titleFont).horizontalAdvance(windowTitle()) + kTitleBarDecorations);
}

void TExer::Init(QDate start, QDate end, QDate closing)
{
    startPicker->setDate(start);
    endPicker->setDate(end);
    closingPicker->setDate(closing);
}

void TExer::Result(QDate &start, QDate &end) const
{
    start = startPicker->date();
    end = endPicker->date();
}

void TExer::cancelClicked()
{
    confirmed_ = false;
    reject(); // Escape lands here too, through QDialog::reject
}

void TExer::okClicked()
{
    confirmed_ = true;
    accept();
}
