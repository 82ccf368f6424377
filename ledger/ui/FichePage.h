#pragma once

#include "ledger/Fiche.h"

#include <QWidget>

// One of the seven pages of the document window. A page shows what the
// document holds for it and forwards the user's actions to the document; after
// every operation the window asks the page shown to refresh.
class FichePage : public QWidget {
    Q_OBJECT
public:
    explicit FichePage(QWidget *parent = nullptr) : QWidget(parent) {}
    // Reads the document again into the widgets.
    virtual void refresh() = 0;
    // Puts the keyboard focus where the document asked for it.
    virtual void applyFocus(Focus) {}
    // Lays the page out for a document window of width w.
    virtual void layoutForWidth(int) {}
};
