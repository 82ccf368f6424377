#include "dialogs/SocieteForm.h"

void SocieteForm::Result(std::array<QString, 7> &lines) const
{
    if (confirmed)
        lines = Edits;
    else
        lines[0].clear();
}
