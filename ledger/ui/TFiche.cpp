#include "ledger/ui/TFiche.h"

#include "entry/ui/EntryPage.h"
#include "ledger/ui/FichePage.h"
#include "reports/ui/ReportPages.h"

#include <QKeyEvent>
#include <QResizeEvent>
#include <QStackedWidget>
#include <QVBoxLayout>

TFiche::TFiche(const Platform &platform, QWidget *parent)
    : QWidget(parent), fiche_(platform)
{
    PageControl1 = new QStackedWidget(this);
    pages_[std::size_t(Page::Saisie)] = new EntryPage(fiche_, this);
    const std::array<FichePage *, 6> views = createReportPages(*this);
    for (std::size_t i = 0; i < views.size(); ++i)
        pages_[i + 1] = views[i];
    for (FichePage *p : pages_)
        PageControl1->addWidget(p);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(PageControl1);
    refresh();
}

// The pages show the document this window owns: they must go before it does,
// not when the base class closes the window after the members are gone.
TFiche::~TFiche()
{
    delete PageControl1;
}

void TFiche::run(const std::function<void(Fiche &)> &operation)
{
    operation(fiche_);
    refresh();
}

void TFiche::refresh()
{
    FichePage *current = page(fiche_.ActivePage);
    if (PageControl1->currentWidget() != current)
        PageControl1->setCurrentWidget(current);
    current->refresh();
    if (fiche_.focus != Focus::None) {
        current->applyFocus(fiche_.focus);
        fiche_.focus = Focus::None;
    }
    if (fiche_.Caption != shownCaption_) {
        shownCaption_ = fiche_.Caption;
        setWindowTitle(shownCaption_);
        emit captionChanged(shownCaption_);
    }
}

void TFiche::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!shownOnce_) {
        shownOnce_ = true;
        run([](Fiche &f) { f.FormShow(); });
    }
}

void TFiche::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    for (FichePage *p : pages_)
        p->layoutForWidth(event->size().width());
}

void TFiche::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_PageDown) {
        run([](Fiche &f) { f.Suivant(); });
        event->accept();
    } else if (event->key() == Qt::Key_PageUp) {
        run([](Fiche &f) { f.Precedent(); });
        event->accept();
    } else {
        QWidget::keyPressEvent(event);
    }
}
