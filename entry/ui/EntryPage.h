#pragma once

#include "ledger/ui/FichePage.h"

class QTableView;
class QLabel;
class QLineEdit;
class TextGridModel;

// The entry page (TabSheet1): the entry line, the month grid and its totals.
class EntryPage : public FichePage {
    Q_OBJECT
public:
    EntryPage(Fiche &fiche, QWidget *parent = nullptr);
    void refresh() override;

private:
    Fiche &fiche_;
    TextGridModel *model_;
    QTableView *StringGrid1;
    QLabel *Label1;
    QLineEdit *Edit6;
    QLineEdit *Edit7;
};
