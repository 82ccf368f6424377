#pragma once

#include "ledger/ui/FichePage.h"

#include <functional>

class QComboBox;
class QHeaderView;
class QLabel;
class QLineEdit;
class DateField;
class QToolButton;
class MonthGridView;
class TextGridModel;
class TFiche;

// The entry page (TabSheet1): the title strip, the entry line, the month grid
// and its totals. The fields copy what the user types into the document's
// entry line texts; entering and leaving them, Enter, the page keys and the
// grid's clicks run the document's rules.
class EntryPage : public FichePage {
    Q_OBJECT
public:
    // `parent` is the document window, through which every rule runs.
    EntryPage(Fiche &fiche, QWidget *parent);

    void refresh() override;
    void applyFocus(Focus focus) override;
    void layoutForWidth(int w) override;

    QHeaderView *Header1;
    DateField *MaskEdit1; // date
    QComboBox *ComboBox1; // account
    QLineEdit *Edit1;     // label
    QComboBox *ComboBox2; // journal
    QLineEdit *Edit3;     // voucher
    QLineEdit *Edit4;     // debit
    QLineEdit *Edit5;     // credit
    QToolButton *SpeedButton1;
    MonthGridView *StringGrid1;
    QLabel *Label1;
    QLineEdit *Edit6; // debit total
    QLineEdit *Edit7; // credit total

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void createEntryLine();
    void createGrid();
    void connectFields();
    void run(const std::function<void(Fiche &)> &operation);
    void post();
    void fieldEntered(QWidget *field);
    void fieldLeft(QWidget *field);
    bool fieldKey(QWidget *field, int key);
    QWidget *fieldFor(Focus focus) const;
    void refreshLists();
    void refreshFields();
    void refreshGrid();
    void relayout();

    Fiche &fiche_;
    TFiche *window_;
    TextGridModel *model_ = nullptr;
    QList<QWidget *> fields_;
    QWidget *entered_ = nullptr;   // the field whose leaving runs its rule
    QWidget *leaving_ = nullptr;   // the field whose leaving rule is running
    QWidget *returning_ = nullptr; // a field the focus goes back to: not a new entry
    bool syncing_ = false;         // the fields are being set from the document
    bool applyingFocus_ = false;   // the document is placing the focus
    int width_ = 0;
};
