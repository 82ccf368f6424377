#pragma once

#include "reports/ViewPages.h"

// The balance-sheet layout: the headings of the assets and liabilities sides.
// No figure is computed; the amount columns stay empty whatever the dates.
namespace reports {

void LitBilan(PeriodPage &page);

} // namespace reports
