#pragma once

namespace einvoice {

class Reception;

// The window "Factures reçues...", seen from the document: it works on the
// reception until the user closes it.
class ReceptionWindow {
public:
    virtual ~ReceptionWindow() = default;
    virtual void receive(Reception &reception) = 0;
};

} // namespace einvoice
