#pragma once

#include "LedgerText.h"

#include "ledger/ReferenceData.h"

#include <QStringList>
#include <cstdio>
#include <string>

// A year of a small shop's bookkeeping: sales and purchase invoices with VAT,
// their settlements through the bank, rent, wages and charges every month.

inline void realisticChart(ReferenceData &ref)
{
    ref.ListePlc = {
        QStringLiteral("101000 ON Capital"),
        QStringLiteral("401000 OO Fournisseurs"),
        QStringLiteral("411000 OO Clients"),
        QStringLiteral("421000 ON Personnel - rémunérations dues"),
        QStringLiteral("431000 ON Sécurité sociale"),
        QStringLiteral("445660 ON TVA déductible sur biens et services"),
        QStringLiteral("445710 ON TVA collectée"),
        QStringLiteral("512000 OO Banque"),
        QStringLiteral("606100 ON Fournitures non stockables (eau, énergie)"),
        QStringLiteral("607000 ON Achats de marchandises"),
        QStringLiteral("613200 ON Locations immobilières"),
        QStringLiteral("616000 ON Primes d'assurance"),
        QStringLiteral("626000 ON Frais postaux et de télécommunications"),
        QStringLiteral("627000 ON Services bancaires"),
        QStringLiteral("641000 ON Rémunérations du personnel"),
        QStringLiteral("645100 ON Cotisations à l'URSSAF"),
        QStringLiteral("661600 ON Intérêts bancaires"),
        QStringLiteral("707000 ON Ventes de marchandises"),
        QStringLiteral("708500 ON Ports et frais accessoires facturés"),
        QStringLiteral("768000 ON Autres produits financiers"),
    };
    ref.ListeJnx = {QStringLiteral("AC O Achats"), QStringLiteral("BQ O Banque"), QStringLiteral("OD O Opérations diverses"),
                    QStringLiteral("VE O Ventes")};
    reference::InitPlc(ref);
    reference::InitJnx(ref);
}

inline std::string realisticYear()
{
    static const char *const clients[] = {"Dupont", "Martin", "Boulangerie L\xE9""ger", "Caf\xE9 du Centre",
                                          "Mme Bernard", "H\xF4tel de la Gare"};
    static const char *const suppliers[] = {"Grossiste Ouest", "Papeterie Moreau", "Distrib'Pro"};
    auto money = [](long cents) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%10ld,%02ld", cents / 100, cents % 100);
        return std::string(buf);
    };
    auto date = [](int day, int month) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "%02d/%02d/2002", day, month);
        return std::string(buf);
    };
    std::string text = kHeader2002;
    unsigned seed = 7;
    auto next = [&seed](unsigned range) { seed = seed * 1103515245u + 12345u; return (seed >> 8) % range; };
    int invoice = 1;
    for (int m = 1; m <= 12; ++m) {
        char key[8];
        std::snprintf(key, sizeof key, "2002%02d", m);
        std::string month;
        auto add = [&](const EntryCells &e) { month += entryText(key, e); };
        for (int i = 0; i < 9; ++i) {
            const int day = 1 + int(next(28));
            const long beforeTax = 5000 + long(next(150000));
            const long vat = beforeTax * 196 / 1000;
            const std::string voucher = "F" + std::to_string(invoice++);
            const std::string label = std::string("Facture ") + clients[next(6)];
            add({date(day, m), "411000", label, "VE", voucher, money(beforeTax + vat), "", ""});
            add({date(day, m), "707000", label, "VE", voucher, "", money(beforeTax), ""});
            add({date(day, m), "445710", label, "VE", voucher, "", money(vat), ""});
            add({date(std::min(28, day + 10), m), "512000", "R\xE8glement " + label.substr(8), "BQ", voucher,
                 money(beforeTax + vat), "", i % 3 == 0 ? "\xD7" : ""});
            add({date(std::min(28, day + 10), m), "411000", "R\xE8glement " + label.substr(8), "BQ", voucher, "",
                 money(beforeTax + vat), i % 3 == 0 ? "\xD7" : ""});
        }
        for (int i = 0; i < 4; ++i) {
            const int day = 1 + int(next(28));
            const long beforeTax = 20000 + long(next(90000));
            const long vat = beforeTax * 196 / 1000;
            const std::string label = std::string("Facture ") + suppliers[next(3)];
            add({date(day, m), "607000", label, "AC", "A" + std::to_string(m * 10 + i), money(beforeTax), "", ""});
            add({date(day, m), "445660", label, "AC", "A" + std::to_string(m * 10 + i), money(vat), "", ""});
            add({date(day, m), "401000", label, "AC", "A" + std::to_string(m * 10 + i), "", money(beforeTax + vat), ""});
        }
        add({date(5, m), "613200", "Loyer du magasin", "BQ", "PRLV", money(85000), "", "\xD7"});
        add({date(5, m), "512000", "Loyer du magasin", "BQ", "PRLV", "", money(85000), "\xD7"});
        add({date(28, m), "641000", "Salaire vendeuse", "OD", "", money(145000), "", ""});
        add({date(28, m), "645100", "Charges sociales", "OD", "", money(62000), "", ""});
        add({date(28, m), "421000", "Salaire net", "OD", "", "", money(118000), ""});
        add({date(28, m), "431000", "URSSAF", "OD", "", "", money(89000), ""});
        const long phone = 4590 + long(next(2000));
        const long power = 9800 + long(next(4000));
        const long fees = 1250;
        add({date(12, m), "626000", "T\xE9l\xE9phone", "BQ", "", money(phone), "", ""});
        add({date(12, m), "606100", "EDF", "BQ", "", money(power), "", ""});
        add({date(28, m), "627000", "Frais bancaires", "BQ", "", money(fees), "", ""});
        add({date(28, m), "512000", "Pr\xE9l\xE8vements du mois", "BQ", "", "", money(phone + power + fees), ""});
        if (m % 3 == 0) {
            add({date(15, m), "512000", "Int\xE9r\xEAts du compte", "BQ", "", money(1835), "", ""});
            add({date(15, m), "768000", "Int\xE9r\xEAts du compte", "BQ", "", "", money(1835), ""});
        }
        text += month;
    }
    return text;
}
