#pragma once

#include "ledger/ui/FichePage.h"

#include <array>

class TFiche;

// The six read-only pages of the document window, in page order: journal,
// general ledger, general journal, balance, income statement, balance sheet.
std::array<FichePage *, 6> createReportPages(TFiche &window);
