#pragma once

#include <QChar>
#include <QString>

namespace menus {

// The access letter of a caption without its accent ("&Édition" gives E), or
// a null character when it carries none: the keyboard types Alt+E for it.
QChar unaccentedAccessLetter(const QString &caption);

} // namespace menus
