#include "achievements/settlementcontext.h"

bool SettlementContext::isDeathReason(const QString &endReason)
{
    return endReason == QLatin1String("wall") || endReason == QLatin1String("block")
            || endReason == QLatin1String("fall");
}

bool SettlementContext::isEndReason(const QString &endReason)
{
    return isDeathReason(endReason) || endReason == QLatin1String("abandoned");
}
