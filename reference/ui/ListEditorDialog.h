#pragma once

#include <QDialog>

class ListEditor;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;
class QVBoxLayout;

// The window shared by the chart of accounts and journals editors: "Fermer"
// in a strip at the top, the code and label fields with the "Valider" button,
// and the list. It copies what the user typed into its editor, runs the
// editor's operation and shows the editor's state back. Closing it, by
// "Fermer" or Escape, keeps every change: there is no cancel.
class ListEditorDialog : public QDialog {
    Q_OBJECT
public:
    QLineEdit *codeField;        // code
    QLineEdit *labelField;       // label or name
    QListWidget *entryList;      // the entries
    QToolButton *validateButton; // "Valider"
    QPushButton *closeButton;    // "Fermer"

    // The editor takes a copy of the list, which the window shows.
    void Init(const QStringList &lines);

protected:
    ListEditorDialog(ListEditor &editor, const QString &caption, const QString &codeCaption,
                     const QString &labelCaption, QWidget *parent);

    // The column under the list, for the editor's own controls.
    QVBoxLayout *footer() const { return footer_; }
    // Copies the fields into the editor, and shows the editor's state.
    void readFields();
    void showState();
    // Extra controls of a particular editor.
    virtual void readExtra() {}
    virtual void showExtra() {}

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void act(void (ListEditor::*operation)());
    void selectionChanged();
    void closeClicked();

    ListEditor &editor_;
    QVBoxLayout *footer_;
    int shownVersion_ = -1;
    bool showing_ = false;
};
