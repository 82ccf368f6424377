#pragma once

#include "ledger/LineList.h"

#include <QtGlobal>
#include <functional>

// The pieces of the ledger document that the commands working on the whole
// line list read and change (import, search, closing): the lines, the two
// modified flags, the month on screen, and the two operations that move that
// month between the entry grid and the lines. The document hands it out over
// its own fields.
struct DocumentState {
    LineList &Lignes;
    bool &Modifie;
    bool &MoisModifie;
    quint16 &Annee;
    quint16 &Mois;
    std::function<void()> EcritMois; // the grid back into the lines, when it holds changes
    std::function<void()> LitMois;   // the month (Annee, Mois) from the lines into the grid
};
