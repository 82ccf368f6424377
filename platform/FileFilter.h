#pragma once

#include <QString>
#include <QStringList>

namespace filefilter {

// Turns a filter written as "Description|patterns|Description|patterns..."
// (patterns separated by ";") into the name filters of a Qt file dialog,
// "Description (patterns)", one per pair. A trailing description without
// patterns is dropped; pairs without a description show their patterns.
QStringList nameFilters(const QString &filter);

} // namespace filefilter
