#include "document/ui/TFiche.h"

#include "document/ui/DashboardPage.h"
#include "document/ui/ReportPages.h"
#include "entry/ui/EntryPage.h"

#include <QKeyEvent>
#include <QResizeEvent>
#include <QStackedWidget>
#include <QVBoxLayout>

TFiche::TFiche(const Platform &platform, QWidget *parent)
    : QWidget(parent), fiche_(platform)
{
    pageStack = new QStackedWidget(this);
    pages_[std::size_t(Page::Saisie)] = new EntryPage(runner(), this, fiche_.ledger, fiche_.entry);
    const std::array<DocumentPage *, 6> views = createReportPages(*this);
    for (std::size_t i = 0; i < views.size(); ++i)
        pages_[i + 1] = views[i];
    pages_[std::size_t(Page::TableauDeBord)] = createDashboardPage(*this);
    for (DocumentPage *p : pages_)
        pageStack->addWidget(p);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pageStack);
    refresh();
}

// The pages show the document this window owns: they must go before it does,
// not when the base class closes the window after the members are gone.
TFiche::~TFiche()
{
    // Fields losing the focus as the pages go ask nothing more of the document.
    closing_ = true;
    delete pageStack;
}

void TFiche::run(const std::function<void(Fiche &)> &operation)
{
    operation(fiche_);
    refresh();
}

DocumentPage::Run TFiche::runner()
{
    return [this](const std::function<void()> &operation) {
        if (closing_)
            return;
        operation();
        refresh();
    };
}

void TFiche::refresh()
{
    DocumentPage *current = page(fiche_.ActivePage);
    if (pageStack->currentWidget() != current)
        pageStack->setCurrentWidget(current);
    current->refresh();
    // A focus asked for while another page is shown has nowhere to go.
    fiche_.entry.focus = Focus::None;
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
    for (DocumentPage *p : pages_)
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
