#pragma once

#include "reference/SocieteForm.h"

#include <QDialog>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

// "Société": the seven lines of the company letterhead.
class TSociete final : public QDialog {
    Q_OBJECT
public:
    explicit TSociete(QWidget *parent = nullptr);

    void Init(const std::array<QString, 7> &lines);
    // The dialog's state once closed: the field texts and how it was closed.
    const SocieteForm &form() const { return form_; }

    QLabel *headingLabel;                  // "Lignes constituant l'en-tête de la société"
    std::array<QLineEdit *, 7> lineFields; // lines 1 to 7
    QPushButton *cancelButton;             // "Annuler"
    QPushButton *okButton;                 // "OK"

protected:
    void showEvent(QShowEvent *event) override;

private:
    void cancelClicked();
    void okClicked();

    SocieteForm form_;
};
