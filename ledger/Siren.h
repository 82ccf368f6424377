#pragma once

#include <QString>

// The SIREN, the nine-digit number that names a French business: the
// company's letterhead and the FEC's file name carry it.
namespace siren {

// The settings key (Tavelin.cfg) under which the SIREN last given is kept:
// the FEC export proposes it.
inline const QString kSettingKey = QStringLiteral("siren");

// A SIREN: nine digits whose Luhn key is right, not all zeros. Gives back
// what the user is told when it is not one, empty when it is.
QString refusal(const QString &siren);

} // namespace siren
