#pragma once

#include <array>

class DocumentPage;
class TFiche;

// The six read-only pages of the document window, in page order: journal,
// general ledger, general journal, balance, income statement, balance sheet.
std::array<DocumentPage *, 6> createReportPages(TFiche &window);
