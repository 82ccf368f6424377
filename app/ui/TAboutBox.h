#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// "À propos": the program's icon, name, version and purpose, and the folder
// its reference files are read from and written to.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(const QString &referenceFolder, QWidget *parent = nullptr);

    QLabel *ProgramIcon;
    QLabel *ProductName;
    QLabel *Version;
    QLabel *Comments;
    QLabel *ReferenceFolder;
    QPushButton *OKButton;

protected:
    void showEvent(QShowEvent *event) override;
};
