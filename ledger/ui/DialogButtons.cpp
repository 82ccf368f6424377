#include "ledger/ui/DialogButtons.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

DialogButtons cancelAndOk(QDialog *dialog)
{
    DialogButtons buttons{new QPushButton(QStringLiteral("Annuler"), dialog),
                          new QPushButton(QStringLiteral("OK"), dialog), new QHBoxLayout};
    buttons.ok->setDefault(true);
    buttons.row->addStretch();
    buttons.row->addWidget(buttons.cancel);
    buttons.row->addWidget(buttons.ok);
    return buttons;
}
