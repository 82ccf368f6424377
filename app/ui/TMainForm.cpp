#include "app/ui/TMainForm.h"

#include "ledger/ui/TFiche.h"
#include "platform/ui/QtPlatform.h"

TMainForm::TMainForm(QtPlatform &platform, QWidget *parent)
    : QMainWindow(parent), platform_(platform)
{
    setWindowTitle(QStringLiteral("Tavelin"));
    platform_.setParent(this);
    Fiche_ = new TFiche(platform_.platform, this);
    setCentralWidget(Fiche_);
    Fiche_->run([](Fiche &f) { f.FormActivate(); });
}
