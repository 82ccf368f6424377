#pragma once

#include "ledger/ui/DocumentPage.h"
#include "reports/PageLayout.h"
#include "reports/ViewPages.h"

#include <QSet>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class ViewGrid;

// The controls of one month view, by the names the document gives them.
struct MonthViewNames {
    const char *grid;
    const char *filter;
    const char *name;  // journal name or account label
    const char *title; // month caption
    const char *debit;
    const char *credit;
};

// A view of the current month (journal, general ledger, general journal): the
// filter combo and the name field above the grid, the centred month title,
// the two totals below the debit and credit columns. Every change of the
// filter text, typed or chosen, rebuilds the view.
class MonthViewSheet : public DocumentPage {
    Q_OBJECT
public:
    MonthViewSheet(Run run, QWidget *window, reports::View view, MonthViewPage &state, std::function<void()> rebuild,
                   const QSet<int> &amountColumns, const MonthViewNames &names);
    void refresh() override;
    void layoutForWidth(int w) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void filterEdited(const QString &text);

    reports::View view_;
    MonthViewPage &state_;
    std::function<void()> rebuild_;
    QComboBox *filter_;
    QLineEdit *name_;
    QLabel *title_;
    ViewGrid *grid_;
    QLineEdit *debit_;
    QLineEdit *credit_;
};
