#pragma once

class Fiche;
class Printer;

namespace printing {
class EnvelopeDialog;
}

// Printing from the document: the page shown, as the texts its grid holds,
// and envelopes.
namespace document {

// Prints the page shown on the printer: the entry grid, the journal, the
// general ledger, the general journal and the balance as listings, the income
// statement and the balance sheet as their framed pages, the dashboard as its
// charts and tables. A printer that refuses the job is told to the user.
void Imprimer(Fiche &fiche, Printer &printer);

// The envelope command, on the application's printer as it is set up, with
// the company letterhead as sender.
void Enveloppe(Fiche &fiche, printing::EnvelopeDialog &dialog);

} // namespace document
