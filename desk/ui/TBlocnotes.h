#pragma once

#include "platform/Platform.h"

#include <QDialog>

class QPlainTextEdit;
class QPushButton;
class QToolButton;

// "Bloc-notes": one page of plain notes, read from its file when the window
// opens and written back, when they changed, as it closes. A write that
// fails keeps the window open, unless the user chooses to lose the changes.
class TBlocnotes final : public QDialog {
    Q_OBJECT
public:
    explicit TBlocnotes(const Platform &platform, QWidget *parent = nullptr);

    QPlainTextEdit *notes;
    QToolButton *printButton; // "Imprimer"
    QPushButton *closeButton; // "Fermer"

    // Reads the notes of the file, which the window writes back; false, with
    // the user told why, when the file exists but cannot be read, and the
    // window must not open (it would write an empty page over the notes).
    bool Charge(const QString &path);
    // Writes the notes back when they changed; gives back the user's message
    // when the write failed.
    QString Sauve();
    // Prints the notes at once on the printer as it is set up.
    void Imprimer();

    // Closing writes the notes back; when that fails the user is told why and
    // the window stays open, unless the user chooses to lose the changes.
    void done(int result) override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    const Platform &platform_;
    QString path_;
};
