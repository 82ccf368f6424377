#pragma once

#include "entry/EntryState.h"
#include "ledger/ui/DocumentPage.h"

#include <functional>

class QComboBox;
class QHeaderView;
class QLabel;
class QLineEdit;
class DateField;
class FieldTracker;
class QToolButton;
class MonthGridView;
class TextGridModel;
class Ledger;

// The entry page: the title strip, the entry line, the month grid
// and its totals. The fields copy what the user types into the document's
// entry line texts; entering and leaving them, Enter, the page keys and the
// grid's clicks run the document's rules.
class EntryPage : public DocumentPage {
    Q_OBJECT
public:
    EntryPage(Run run, QWidget *window, Ledger &ledger, EntryState &entry);

    // Also puts the keyboard focus where the entry rules asked for it.
    void refresh() override;
    void layoutForWidth(int w) override;

    QHeaderView *columnTitles;
    DateField *dateField;
    QComboBox *accountField;
    QLineEdit *labelField;
    QComboBox *journalField;
    QLineEdit *voucherField;
    QLineEdit *debitField;
    QLineEdit *creditField;
    QToolButton *postButton;
    MonthGridView *monthGrid;
    QLabel *monthCaption;
    QLineEdit *debitTotal;
    QLineEdit *creditTotal;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void createEntryLine();
    void createGrid();
    void connectFields();
    void post();
    void trackFields();
    void fieldEntered(QWidget *field, bool placed);
    bool fieldLeft(QWidget *field);
    bool fieldKey(QWidget *field, int key);
    void goToGrid();
    void place(QWidget *field);
    QWidget *fieldFor(Focus focus) const;
    void refreshLists();
    void refreshFields();
    void refreshGrid();
    void relayout();
    int longestVoucher() const;

    Ledger &ledger_;
    EntryState &entry_;
    TextGridModel *model_ = nullptr;
    QList<QWidget *> fields_;
    FieldTracker *tracker_ = nullptr;
    bool syncing_ = false; // the fields are being set from the document
    int width_ = 0;
    int voucherWidth_ = 0; // of the longest voucher of the month, as last laid out
};
