#pragma once

#include "dialogs/SocieteForm.h"

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

    QLabel *Label1;
    std::array<QLineEdit *, 7> Edits; // Edit1 to Edit7
    QPushButton *Button1;             // "Annuler"
    QPushButton *Button2;             // "OK"

protected:
    void showEvent(QShowEvent *event) override;

private:
    void Button1Click();
    void Button2Click();

    SocieteForm form_;
};
