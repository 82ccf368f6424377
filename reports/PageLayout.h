#pragma once

#include <vector>

// Where things stand on the six read-only pages for a document window W
// pixels wide. The label column takes what the fixed columns leave.
namespace reports {

// The six read-only pages.
enum class View { Journal, Comptes, General, Balance, Resultat, Bilan };

// Column widths of the page's grid, from column 0.
std::vector<int> columnWidths(View view, int w);

// Left edges of the page's total fields, in the order the page shows them:
// debit and credit under a month view; total debit, total credit and the two
// balance totals under the balance; none on the other statements.
std::vector<int> totalFieldLefts(View view, int w);

// Left edge of a month view's centred month title.
int monthTitleLeft(int w);

} // namespace reports
