#pragma once

#include <QString>

// The texts of the entry line above the month grid, as the fields hold them.
struct EntryPanel {
    static inline const QString kEmptyDate = QStringLiteral("  /  /    ");

    QString date = kEmptyDate; // masked date field: 10 characters, blanks where nothing is typed
    QString account;
    QString label;
    QString journal;
    QString voucher;
    QString debit;
    QString credit;
};
