#pragma once

#include <string>

class Fiche;

// The grids of the document as text lines, each filled by the very operation
// the document window runs for the same command.
namespace cli {

// The month grid of (annee, mois) as the entry page reads it: rows 0 to
// NbLignes - 1, eight cells each.
void listMonth(Fiche &fiche, int annee, int mois, std::string &out);

} // namespace cli
