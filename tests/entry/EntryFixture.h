#pragma once

#include "support/FakePlatform.h"
#include "entry/EntryLine.h"
#include "entry/MonthGrid.h"
#include "document/Fiche.h"

#include <gtest/gtest.h>

// A document on March 2002 (today is 15/03/2002) in a fiscal year 2002, with a
// small chart of accounts and two journals.
class EntryFixture : public ::testing::Test {
protected:
    EntryFixture()
    {
        fiche.ledger.ref.ListePlc = {
            QStringLiteral("401000 NN Fournisseurs"),
            QStringLiteral("411000 ON Clients"),
            QStringLiteral("512000 NO Banque"),
            QStringLiteral("530000 O Caisse"),
            QStringLiteral("607000 ON Achats"),
        };
        fiche.ledger.ref.ListeJnx = {QStringLiteral("AC N Achats"), QStringLiteral("VT O Ventes")};
        fiche.LitMois();
        fiche.entry.focus = Focus::None;
    }

    EntryLine line() { return EntryLine(fiche.ledger, fiche.entry); }
    MonthGrid grid() { return MonthGrid(fiche.ledger, fiche.entry); }
    const QString &cell(int row, int col) const { return fiche.ledger.monthGrid.at(row, col); }

    void fill(const QString &date, const QString &account, const QString &label, const QString &debit,
              const QString &credit = {}, const QString &journal = QStringLiteral("VT"),
              const QString &voucher = {})
    {
        fiche.entry.panel = EntryPanel{date, account, label, journal, voucher, debit, credit};
    }

    bool post(const QString &date, const QString &account, const QString &label, const QString &debit,
              const QString &credit = {})
    {
        fill(date, account, label, debit, credit);
        return line().post();
    }

    FakePlatform fake;
    Fiche fiche{fake.platform};
};
