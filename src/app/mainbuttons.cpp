#include "app/mainbuttons.h"

#include "model/pooldata.h"

namespace vek {

MainButtonStates mainButtonStates(const PoolData& pool) {
    const bool verified = isTrue(pool.scheduleVerified);
    const bool spreads = isTrue(pool.usePointSpreads);
    const bool anyMember = pool.numMembers > 0;
    const bool results = pool.currentWeek > -1;

    MainButtonStates states; // the setup commands and Print are always offered
    states.cmdEventProfiles = verified;
    states.cmdResults = verified;
    states.cmdPredict = anyMember && verified;
    states.cmdCharts = anyMember && verified;
    states.cmdDifference = pool.numMembers > 1 && verified;
    states.cmdSpread = verified && spreads;
    states.cmdStandings = results && anyMember;
    states.cmdCompRslt = anyMember && results;
    states.cmdStats = anyMember && results;
    states.cmdLedger = results;
    states.cmdScout = results;
    states.cmdRatings = results;
    return states;
}

} // namespace vek
