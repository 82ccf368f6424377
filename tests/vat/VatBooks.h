#pragma once

#include "LedgerText.h"

#include <QStringList>
#include <string>

// A small 2002 year for the VAT return: the credit carried from 2001 opened
// on 01/01, a February of purchases only (a credit month), a March of sales
// at 20 % and 5,5 %, a purchase and a credit note (a month that uses the
// credit), an April with a fixed asset.
inline std::string vatBooks()
{
    return kHeader2002 +
           entriesText("200201", {{"01/01/2002", "445670", "A nouveau", "AN", "", "30,00", "", ""},
                                  {"01/01/2002", "512000", "A nouveau", "AN", "", "", "30,00", ""}}) +
           entriesText("200202", {{"10/02/2002", "607000", "Achat", "AC", "", "100,00", "", ""},
                                  {"10/02/2002", "445660", "Achat", "AC", "", "20,00", "", ""},
                                  {"10/02/2002", "401000", "Achat", "AC", "", "", "120,00", ""}}) +
           entriesText("200203", {{"05/03/2002", "411000", "Vente", "VE", "", "1200,00", "", ""},
                                  {"05/03/2002", "706000", "Vente", "VE", "", "", "1000,00", ""},
                                  {"05/03/2002", "445712", "Vente", "VE", "", "", "200,00", ""},
                                  {"12/03/2002", "411000", "Livres", "VE", "", "211,00", "", ""},
                                  {"12/03/2002", "707000", "Livres", "VE", "", "", "200,00", ""},
                                  {"12/03/2002", "445711", "Livres", "VE", "", "", "11,00", ""},
                                  {"15/03/2002", "607000", "Achat", "AC", "", "500,00", "", ""},
                                  {"15/03/2002", "445660", "Achat", "AC", "", "100,00", "", ""},
                                  {"15/03/2002", "401000", "Achat", "AC", "", "", "600,00", ""},
                                  {"20/03/2002", "706000", "Avoir", "VE", "", "50,00", "", ""},
                                  {"20/03/2002", "445712", "Avoir", "VE", "", "10,00", "", ""},
                                  {"20/03/2002", "411000", "Avoir", "VE", "", "", "60,00", ""}}) +
           entriesText("200204", {{"02/04/2002", "218300", "Machine", "AC", "", "2000,00", "", ""},
                                  {"02/04/2002", "445620", "Machine", "AC", "", "400,00", "", ""},
                                  {"02/04/2002", "404000", "Machine", "AC", "", "", "2400,00", ""},
                                  {"09/04/2002", "411000", "Vente", "VE", "", "120,00", "", ""},
                                  {"09/04/2002", "706000", "Vente", "VE", "", "", "100,00", ""},
                                  {"09/04/2002", "445712", "Vente", "VE", "", "", "20,00", ""}});
}

// The chart and journals the settling entries need.
inline const QStringList kVatChart = {
    QStringLiteral("401000 NN Fournisseurs"),         QStringLiteral("445510 NN TVA à décaisser"),
    QStringLiteral("445620 NN TVA sur immobilisations"), QStringLiteral("445660 NN TVA sur autres biens"),
    QStringLiteral("445670 NN Crédit de TVA à reporter"), QStringLiteral("445711 NN TVA collectée 5,5 %"),
    QStringLiteral("445712 NN TVA collectée 20 %"),    QStringLiteral("512000 NN Banque"),
};
inline const QStringList kVatJournals = {QStringLiteral("AC N Achats"), QStringLiteral("OD N Opérations diverses"),
                                         QStringLiteral("VE N Ventes")};
