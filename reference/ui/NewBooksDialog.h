#pragma once

#include "reference/NewBooks.h"

#include <QDialog>
#include <array>
#include <functional>

struct Platform;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QRadioButton;

// "Nouvelle comptabilité": the company, the first fiscal year, the dossier's
// name and folder, the chart to start from. "Créer" hands the answers to
// the caller, which makes the books or tells the user why not; the dialog
// closes once they are made.
class NewBooksDialog : public QDialog {
    Q_OBJECT
public:
    using Create = std::function<bool(const newbooks::Answers &)>;

    NewBooksDialog(const Platform &platform, Create create, QWidget *parent = nullptr);

    void Init(const newbooks::Answers &answers);
    // The answers as the fields hold them: the SIREN without the blanks
    // that group its digits, the dossier's name completed with ".jnl".
    newbooks::Answers Result() const;

    QLineEdit *companyField;
    std::array<QLineEdit *, 3> addressFields;
    QLineEdit *sirenField;
    QDateEdit *startPicker;
    QDateEdit *endPicker;
    QLineEdit *fileNameField;
    QLineEdit *folderField;
    QPushButton *browseButton;
    QRadioButton *abridgedChoice;
    QRadioButton *completeChoice;
    QRadioButton *emptyChoice;
    QPushButton *cancelButton;
    QPushButton *createButton;

private:
    void browseClicked();
    void createClicked();

    const Platform &platform_;
    Create create_;
};
