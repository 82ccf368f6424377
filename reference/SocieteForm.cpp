#include "reference/SocieteForm.h"

#include "ledger/TextForms.h"

#include <algorithm>

void SocieteForm::Result(std::array<QString, 7> &lines) const
{
    if (confirmed)
        std::transform(lineFields.begin(), lineFields.end(), lines.begin(), forms::singleLine);
    else
        lines[0].clear();
}
