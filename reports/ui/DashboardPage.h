#pragma once

#include "ledger/ui/DocumentPage.h"
#include "reports/Dashboard.h"

#include <functional>
#include <vector>

class QChart;
class QCheckBox;
class QLabel;
class QTableWidget;

// What the dashboard page is handed by the document.
struct DashboardSource {
    std::function<reports::Dashboard()> figures; // the document's figures as they stand
    std::function<std::vector<reports::OutstandingPart>(const reports::Dashboard &)> outstanding;
    std::function<bool()> shownAtOpening;
    std::function<void(bool)> showAtOpening;
};

// "Tableau de bord": the year at a glance, four charts with the table of
// their figures under each; a chart tells the figure under the pointer. The
// figures are read again from the document at every refresh, so the page
// follows every change made while it is shown.
class DashboardPage : public DocumentPage {
    Q_OBJECT
public:
    DashboardPage(Run run, QWidget *window, DashboardSource source);
    void refresh() override;

private:
    void showSalesAndCharges(const reports::Dashboard &figures);
    void showTreasury(const reports::Dashboard &figures);
    void showCharges(const reports::Dashboard &figures);
    void showOutstanding(const reports::Dashboard &figures);

    DashboardSource source_;
    QLabel *title_;
    QCheckBox *atOpening_;
    QLabel *message_;
    QLabel *treasuryToday_;
    QChart *salesChart_;
    QChart *treasuryChart_;
    QChart *chargesChart_;
    QChart *outstandingChart_;
    QTableWidget *salesTable_;
    QTableWidget *treasuryTable_;
    QTableWidget *chargesTable_;
    QTableWidget *outstandingTable_;
};
