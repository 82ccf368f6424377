#include "reference/ui/TSociete.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TSociete::TSociete(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Société"));
    headingLabel = new QLabel(QStringLiteral("Lignes constituant l'en-tête de la société"), this);
    headingLabel->setAlignment(Qt::AlignCenter);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(headingLabel);
    for (QLineEdit *&edit : lineFields) {
        edit = new QLineEdit(this);
        layout->addWidget(edit);
    }

    cancelButton = new QPushButton(QStringLiteral("Annuler"), this);
    okButton = new QPushButton(QStringLiteral("OK"), this);
    cancelButton->setAutoDefault(false);
    okButton->setDefault(true);
    connect(cancelButton, &QPushButton::clicked, this, &TSociete::cancelClicked);
    connect(okButton, &QPushButton::clicked, this, &TSociete::okClicked);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancelButton);
    buttons->addWidget(okButton);
    layout->addSpacing(6);
    layout->addLayout(buttons);

    lineFields[0]->setFocus();
    resize(420, sizeHint().height());
}

void TSociete::Init(const std::array<QString, 7> &lines)
{
    form_.Init(lines);
    for (std::size_t i = 0; i < lineFields.size(); ++i)
        lineFields[i]->setText(form_.lineFields[i]);
}

void TSociete::showEvent(QShowEvent *event)
{
    // Each showing starts unconfirmed: only "OK" confirms, so Escape and the
    // window frame count as "Annuler".
    form_.confirmed = false;
    QDialog::showEvent(event);
}

void TSociete::cancelClicked()
{
    form_.confirmed = false;
    reject();
}

void TSociete::okClicked()
{
    for (std::size_t i = 0; i < lineFields.size(); ++i)
        form_.lineFields[i] = lineFields[i]->text();
    form_.confirmed = true;
    accept();
}
