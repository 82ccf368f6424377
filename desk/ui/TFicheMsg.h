#pragma once

#include "platform/Platform.h"
#include "desk/MessageBook.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "Messages": the telephone-message book of the open dossier, one message per
// yellow card, paged with "<" and ">" (Page Up, Page Down), grown with "+"
// and shrunk with "-". Closing writes the book back beside the dossier; a
// write that fails keeps the window open, unless the user chooses to lose the
// changes.
class TFicheMsg final : public QDialog {
    Q_OBJECT
public:
    explicit TFicheMsg(const Platform &platform, QWidget *parent = nullptr);

    QLabel *numberLabel; // the number of the message shown, from 1
    QLineEdit *recipientField; // "Pour"
    QLineEdit *callerField;    // "De"
    QLineEdit *companyField;   // "Société"
    QLineEdit *phoneField;     // "N° tél."
    QLineEdit *dateField;      // "Date": today's date when left empty
    QLineEdit *timeField;      // "Heure": the time when left empty
    QLineEdit *subjectField;   // "Objet"
    // "A téléphoné", "Est venu", "A rappeler", "Rappellera", "URGENT".
    std::array<QCheckBox *, 5> flagBoxes;
    QPushButton *previousButton; // "<"
    QPushButton *nextButton;     // ">"
    QPushButton *addButton;      // "+"
    QPushButton *deleteButton;   // "-"
    QPushButton *closeButton;    // "Fermer", also Escape

    // Reads the book from its file, which the window writes back; false, with
    // the user told why, when the file exists but cannot be read, and the
    // window must not open (it would write a blank book over the messages).
    bool Charge(const QString &path);
    // Writes the book back, the message shown included; gives back the
    // user's message when the write failed.
    QString Sauve();

    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Shows the current message of the book, the focus in "Pour".
    void LitFiche();
    // Puts the message shown back into the book.
    void EcritFiche();
    // Stores the message shown, moves in the book, shows where it landed.
    void move(void (MessageBook::*step)());

    const Platform &platform_;
    MessageBook book_;
    QString path_;
    std::array<QLineEdit *, 7> fields_{};
};
