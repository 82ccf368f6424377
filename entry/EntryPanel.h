#pragma once

#include <QString>

// The texts of the entry line above the month grid, as the fields hold them.
struct EntryPanel {
    static inline const QString kEmptyDate = QStringLiteral("  /  /    ");

    QString date = kEmptyDate; // MaskEdit1: 10 characters, blanks where nothing is typed
    QString compte;            // ComboBox1
    QString libelle;           // Edit1
    QString journal;           // ComboBox2
    QString piece;             // Edit3
    QString debit;             // Edit4
    QString credit;            // Edit5
};
