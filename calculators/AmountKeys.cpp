#include "calculators/AmountKeys.h"

namespace amountkeys {

Action classify(QChar typed)
{
    if (typed == u'\r')
        return Action::Calculate;
    if (typed == u'\b' || typed == u',' || (typed >= u'0' && typed <= u'9'))
        return Action::Keep;
    return Action::Discard;
}

} // namespace amountkeys
