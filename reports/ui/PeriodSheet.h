#pragma once

#include "ledger/ui/FichePage.h"

#include <QSet>
#include <functional>
#include <vector>

class QDateEdit;
class QLineEdit;
class TFiche;
class ViewGrid;

// The controls of one statement page, by the names the document gives them.
struct PeriodNames {
    const char *caption; // "Balance du"
    const char *grid;    // StringGrid5
    const char *from;    // DateTimePicker1
    const char *to;      // DateTimePicker2
    const char *button;  // SpeedButton2
};

// A total field under a statement's grid and the text it shows.
struct PeriodTotal {
    const char *name;
    const QString *text;
};

// A statement over two dates (balance, income statement, balance sheet): the
// caption and the two date pickers above the grid, "Calculer" to compute it
// again with the dates as the user left them, and the totals under the grid.
class PeriodSheet : public FichePage {
    Q_OBJECT
public:
    PeriodSheet(TFiche &window, Page page, PeriodPage &state, std::function<void(Fiche &)> compute,
                const QSet<int> &amountColumns, const PeriodNames &names, std::vector<PeriodTotal> totals = {});
    void refresh() override;
    void layoutForWidth(int w) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    TFiche &window_;
    Page page_;
    PeriodPage &state_;
    QDateEdit *from_;
    QDateEdit *to_;
    ViewGrid *grid_;
    std::vector<PeriodTotal> totals_;
    std::vector<QLineEdit *> totalFields_;
};
