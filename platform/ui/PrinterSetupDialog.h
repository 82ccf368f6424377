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

    QComboBox *printerList;
    QLabel *statusLabel;
    QLabel *typeLabel;
    QLabel *locationLabel;
    QLabel *commentLabel;
    QLineEdit *fileField;
    QPushButton *browseButton;
    QComboBox *paperSizeList;
    QRadioButton *portraitButton;
    QRadioButton *landscapeButton;
    QPushButton *okButton;
    QPushButton *cancelButton;

private:
    void showPrinter(int index);
    void browse();
    void accept() override;
    bool pdfChosen() const;

    QPrinter &printer_;
};
