#pragma once

class QDialog;
class QHBoxLayout;
class QPushButton;

// The "Annuler" and "OK" buttons of a small dialog, right-aligned in a row of
// their own, "OK" the default one. The caller connects them.
struct DialogButtons {
    QPushButton *cancel;
    QPushButton *ok;
    QHBoxLayout *row;
};

DialogButtons cancelAndOk(QDialog *dialog);
