#include "reports/CodeSelector.h"

#include "ledger/Codec1252.h"
#include "ledger/TextForms.h"

namespace reports {

CodeSelector CodeSelector::forJournal(const QString &filter)
{
    CodeSelector selector;
    selector.all_ = filter == kAllCodes;
    selector.wanted_ = cp1252::encode(filter);
    selector.possible_ = cp1252::decode(selector.wanted_) == filter;
    return selector;
}

CodeSelector CodeSelector::forAccount(const QString &filter)
{
    return forJournal(filter.isEmpty() || filter == kAllCodes ? filter : forms::completeAccount(filter));
}

} // namespace reports
