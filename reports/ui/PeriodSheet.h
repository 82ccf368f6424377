#pragma once

#include "ledger/ui/DocumentPage.h"
#include "reports/PageLayout.h"
#include "reports/ViewPages.h"

#include <QSet>
#include <functional>
#include <vector>

class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class ViewGrid;

// The controls of one statement page, by the names the document gives them.
struct PeriodNames {
    const char *caption; // "Balance du", "Bilan au"
    const char *grid;
    const char *from; // null for a page at one date, the date `to`
    const char *to;
    const char *button; // "Calculer"
};

// A total field under a statement's grid and the text it shows.
struct PeriodTotal {
    const char *name;
    const QString *text;
};

// A check box beside the dates: it shows a choice the document holds and
// hands a change to the document.
struct PeriodChoice {
    const char *name;
    QString label;
    std::function<bool()> checked;
    std::function<void(bool)> toggle;
};

// What a statement page shows besides its grid: the totals under it, the
// choices beside the dates, and a line of text under the grid (name, text).
struct PeriodExtras {
    std::vector<PeriodTotal> totals;
    std::vector<PeriodChoice> choices;
    PeriodTotal note{nullptr, nullptr};
};

// A statement over two dates (balance, income statement) or at one date
// (balance sheet): the caption and the date pickers above the grid, "Calculer" to compute it
// again with the dates as the user left them, and its extras.
class PeriodSheet : public DocumentPage {
    Q_OBJECT
public:
    PeriodSheet(Run run, QWidget *window, reports::View view, PeriodPage &state, std::function<void()> compute,
                const QSet<int> &amountColumns, const PeriodNames &names, PeriodExtras extras = {});
    void refresh() override;
    void layoutForWidth(int w) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QDateEdit *firstPicker() const;

    reports::View view_;
    PeriodPage &state_;
    QDateEdit *from_ = nullptr;
    QDateEdit *to_;
    ViewGrid *grid_;
    PeriodExtras extras_;
    std::vector<QLineEdit *> totalFields_;
    std::vector<QCheckBox *> choiceBoxes_;
    QLabel *note_ = nullptr;
};
