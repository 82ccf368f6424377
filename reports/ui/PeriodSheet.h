#pragma once

#include "ledger/ui/DocumentPage.h"
#include "reports/PageLayout.h"
#include "reports/ViewPages.h"

#include <QSet>
#include <functional>
#include <vector>

class QDateEdit;
class QLineEdit;
class ViewGrid;

// The controls of one statement page, by the names the document gives them.
struct PeriodNames {
    const char *caption; // "Balance du"
    const char *grid;
    const char *from;
    const char *to;
    const char *button; // "Calculer"
};

// A total field under a statement's grid and the text it shows.
struct PeriodTotal {
    const char *name;
    const QString *text;
};

// A statement over two dates (balance, income statement, balance sheet): the
// caption and the two date pickers above the grid, "Calculer" to compute it
// again with the dates as the user left them, and the totals under the grid.
class PeriodSheet : public DocumentPage {
    Q_OBJECT
public:
    PeriodSheet(Run run, QWidget *window, reports::View view, PeriodPage &state, std::function<void()> compute,
                const QSet<int> &amountColumns, const PeriodNames &names, std::vector<PeriodTotal> totals = {});
    void refresh() override;
    void layoutForWidth(int w) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    reports::View view_;
    PeriodPage &state_;
    QDateEdit *from_;
    QDateEdit *to_;
    ViewGrid *grid_;
    std::vector<PeriodTotal> totals_;
    std::vector<QLineEdit *> totalFields_;
};
