#pragma once

#include <QDialog>

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QRadioButton;

// "Configuration de l'impression": the printer to use, its paper and the
// orientation. The choice is made on the application's printer when the user
// presses "OK". Besides the printers of the system the list offers "Fichier
// PDF", which prints into a file.
class PrinterSetupDialog : public QDialog {
    Q_OBJECT
public:
    PrinterSetupDialog(QPrinter &printer, QWidget *parent = nullptr);

    QComboBox *ComboNom;
    QLabel *LabelEtat;
    QLabel *LabelType;
    QLabel *LabelEmplacement;
    QLabel *LabelCommentaire;
    QLineEdit *EditFichier;
    QPushButton *BoutonParcourir;
    QComboBox *ComboTaille;
    QRadioButton *RadioPortrait;
    QRadioButton *RadioPaysage;
    QPushButton *BoutonOK;
    QPushButton *BoutonAnnuler;

private:
    void showPrinter(int index);
    void browse();
    void accept() override;
    bool pdfChosen() const;

    QPrinter &printer_;
};
