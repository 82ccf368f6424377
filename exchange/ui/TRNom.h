#pragma once

#include "platform/SearchPrompt.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

// "Recherche d'une écriture": the prompt for the text of an entry search.
class TRNom : public QDialog {
    Q_OBJECT
public:
    explicit TRNom(QWidget *parent = nullptr);

    // The text typed when the prompt was closed by "OK" (or Enter); empty when
    // it was closed any other way.
    QString Result() const;

    QLineEdit *textField;
    QPushButton *cancelButton; // "Annuler", also Escape
    QPushButton *okButton;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void okClicked();
    void cancelClicked();

    bool confirmed_ = false;
};

// The search prompt of the application: a new TRNom for each question.
class TRNomPrompt final : public SearchPrompt {
public:
    explicit TRNomPrompt(QWidget *parent = nullptr) : parent_(parent) {}
    void setParent(QWidget *parent) { parent_ = parent; }
    QString ask() override;

private:
    QWidget *parent_;
};
