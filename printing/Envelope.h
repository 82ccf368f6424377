#pragma once

#include <QString>
#include <array>
#include <optional>

class Messages;
class Printer;

namespace printing {

using AddressLines = std::array<QString, 4>;

struct EnvelopeAddresses {
    AddressLines recipient;
    AddressLines sender;
};

// The address dialog of an envelope (`TEnveloppes`): the recipient typed in,
// the sender offered from the letterhead and changeable for this envelope
// only. No value when the user cancelled.
class EnvelopeDialog {
public:
    virtual ~EnvelopeDialog() = default;
    virtual std::optional<EnvelopeAddresses> ask(const AddressLines &sender) = 0;
};

// The sender block at the top left, the recipient block towards the right,
// on one page. An empty line keeps its place. False when the printer refused
// the job.
bool printEnvelope(Printer &printer, const EnvelopeAddresses &addresses);

// The envelope command: asks the addresses, with the first four lines of the
// company letterhead as sender; a cancelled dialog or an empty first
// recipient line ends it silently. Otherwise the user is asked to put an
// envelope in the printer, which then prints it as it is set up.
void Enveloppe(const std::array<QString, 7> &company, EnvelopeDialog &dialog, Messages &messages, Printer &printer);

} // namespace printing
