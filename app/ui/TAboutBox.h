#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// "À propos": the program's icon, name, version and purpose.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget *parent = nullptr);

    QLabel *ProgramIcon;
    QLabel *ProductName;
    QLabel *Version;
    QLabel *Comments;
    QPushButton *OKButton;

protected:
    void showEvent(QShowEvent *event) override;
};
