#pragma once

#include "ledger/ui/FichePage.h"

#include <QSet>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class TFiche;
class ViewGrid;

// The controls of one month view, by the names the document gives them.
struct MonthViewNames {
    const char *grid;   // StringGrid2
    const char *filter; // ComboBox3
    const char *name;   // Edit9
    const char *title;  // Label2
    const char *debit;  // Edit2
    const char *credit; // Edit8
};

// A view of the current month (journal, general ledger, general journal): the
// filter combo and the name field above the grid, the centred month title,
// the two totals below the debit and credit columns. Every change of the
// filter text, typed or chosen, rebuilds the view.
class MonthViewSheet : public FichePage {
    Q_OBJECT
public:
    MonthViewSheet(TFiche &window, Page page, MonthViewPage &state, std::function<void(Fiche &)> rebuild,
                   const QSet<int> &amountColumns, const MonthViewNames &names);
    void refresh() override;
    void layoutForWidth(int w) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void filterEdited(const QString &text);

    TFiche &window_;
    Page page_;
    MonthViewPage &state_;
    std::function<void(Fiche &)> rebuild_;
    QComboBox *filter_;
    QLineEdit *name_;
    QLabel *title_;
    ViewGrid *grid_;
    QLineEdit *debit_;
    QLineEdit *credit_;
};
