#pragma once

#include "printing/Envelope.h"

#include <optional>
#include <vector>

// The envelope's address dialog, answering what the test set.
class FakeEnvelopeDialog final : public printing::EnvelopeDialog {
public:
    std::optional<printing::EnvelopeAddresses> answer; // nothing: "Annuler"
    std::vector<printing::AddressLines> offered;       // the sender lines of every showing
    std::optional<printing::EnvelopeAddresses> ask(const printing::AddressLines &sender) override
    {
        offered.push_back(sender);
        return answer;
    }
};
