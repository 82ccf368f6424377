#pragma once

#include <QString>

// A hint is "short|long": the short part is the tooltip, the long part goes to
// the status bar. Without "|" both are the whole hint.
namespace hints {

QString shortHint(const QString &hint);
QString longHint(const QString &hint);

} // namespace hints
