#include "reports/ui/ReportPages.h"

#include "ledger/ui/TextGridModel.h"

#include <QHeaderView>
#include <QTableView>
#include <QVBoxLayout>

namespace {

class GridPage : public FichePage {
public:
    GridPage(const TextGrid &grid, QWidget *parent) : FichePage(parent)
    {
        model_ = new TextGridModel(grid, true, this);
        auto *view = new QTableView(this);
        view->setModel(model_);
        view->verticalHeader()->hide();
        auto *layout = new QVBoxLayout(this);
        layout->addWidget(view);
    }
    void refresh() override { model_->refresh(); }

private:
    TextGridModel *model_;
};

} // namespace

std::array<FichePage *, 6> createReportPages(Fiche &fiche, QWidget *parent)
{
    return {new GridPage(fiche.views.journal.grid, parent), new GridPage(fiche.views.comptes.grid, parent),
            new GridPage(fiche.views.general.grid, parent), new GridPage(fiche.views.balance.grid, parent),
            new GridPage(fiche.views.resultat.grid, parent), new GridPage(fiche.views.bilan.grid, parent)};
}
