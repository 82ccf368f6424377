#include "dialogs/ui/TSociete.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TSociete::TSociete(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Société"));
    Label1 = new QLabel(QStringLiteral("Lignes constituant l'en-tête de la société"), this);
    Label1->setAlignment(Qt::AlignCenter);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    for (QLineEdit *&edit : Edits) {
        edit = new QLineEdit(this);
        layout->addWidget(edit);
    }

    Button1 = new QPushButton(QStringLiteral("Annuler"), this);
    Button2 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setAutoDefault(false);
    Button2->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &TSociete::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TSociete::Button2Click);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    layout->addSpacing(6);
    layout->addLayout(buttons);

    Edits[0]->setFocus();
    resize(420, sizeHint().height());
}

void TSociete::Init(const std::array<QString, 7> &lines)
{
    form_.Init(lines);
    for (std::size_t i = 0; i < Edits.size(); ++i)
        Edits[i]->setText(form_.Edits[i]);
}

void TSociete::showEvent(QShowEvent *event)
{
    // Each showing starts unconfirmed: only "OK" confirms, so Escape and the
    // window frame count as "Annuler".
    form_.confirmed = false;
    QDialog::showEvent(event);
}

void TSociete::Button1Click()
{
    form_.confirmed = false;
    reject();
}

void TSociete::Button2Click()
{
    for (std::size_t i = 0; i < Edits.size(); ++i)
        form_.Edits[i] = Edits[i]->text();
    form_.confirmed = true;
    accept();
}
