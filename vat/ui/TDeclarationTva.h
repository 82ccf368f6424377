#pragma once

#include "ledger/ProposedEntry.h"

#include <QDialog>
#include <functional>

class ViewGrid;
class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QRadioButton;
struct Platform;

namespace vat {
class ReturnForm;
}

// "Déclaration de TVA": the period (a month, a quarter or two dates), the
// return's eight lines computed again at every change, "Passer l'écriture",
// which shows the settling entry proposed and posts it once the user has
// seen it, and "Imprimer". It shows its `ReturnForm` and forwards the
// user's choices to it.
class TDeclarationTva : public QDialog {
    Q_OBJECT
public:
    // Posts an entry through the document; false when it was refused, the
    // user having been told why.
    using Poster = std::function<bool(const ProposedEntry &)>;

    TDeclarationTva(const Platform &platform, QWidget *parent = nullptr);

    // The form shown, the journal codes the entry may go to, the company
    // named on the printout, and the way to the document.
    void Init(vat::ReturnForm &form, const QStringList &journals, const QString &company, Poster post);

    QRadioButton *monthChoice;   // "Mois"
    QComboBox *monthList;
    QRadioButton *quarterChoice; // "Trimestre"
    QComboBox *quarterList;
    QRadioButton *datesChoice;   // "Du"
    QDateEdit *fromPicker;
    QDateEdit *toPicker;
    ViewGrid *linesTable;
    QLabel *messageLabel;
    QPushButton *postButton;  // "Passer l'écriture"
    QPushButton *printButton; // "Imprimer"
    QPushButton *closeButton; // "Fermer", also Escape

private:
    void act(const std::function<void(vat::ReturnForm &)> &choice);
    void showForm();
    void postClicked();

    const Platform &platform_;
    vat::ReturnForm *form_ = nullptr;
    QStringList journals_;
    QString company_;
    Poster post_;
    bool showing_ = false; // the widgets are being set from the form
};
