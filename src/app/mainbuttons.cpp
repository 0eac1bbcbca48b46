#include "app/mainbuttons.h"

#include "model/appinfo.h"
#include "model/pooldata.h"

namespace vek {

namespace {

// The list above is in the enum's order, so faceOf can index it.
constexpr bool facesFollowTheList() {
    for (int i = 0; i < MainButtonCount; ++i) {
        if (indexOf(MainButtonFaces[i].button) != i) {
            return false;
        }
    }
    return true;
}
static_assert(facesFollowTheList());

} // namespace

MainButtonStates mainButtonStates(const PoolData& pool) {
    const bool verified = isTrue(pool.scheduleVerified);
    const bool spreads = isTrue(pool.usePointSpreads);
    const bool anyMember = pool.numMembers > 0;
    const bool results = pool.currentWeek > -1;

    MainButtonStates states; // the setup commands and Print are always offered
    states.set(MainButton::cmdEventProfiles, verified);
    states.set(MainButton::cmdResults, verified);
    states.set(MainButton::cmdPredict, anyMember && verified);
    states.set(MainButton::cmdCharts, anyMember && verified);
    states.set(MainButton::cmdDifference, pool.numMembers > 1 && verified);
    states.set(MainButton::cmdSpread, verified && spreads);
    states.set(MainButton::cmdStandings, results && anyMember);
    states.set(MainButton::cmdCompRslt, anyMember && results);
    states.set(MainButton::cmdStats, anyMember && results);
    states.set(MainButton::cmdLedger, results);
    states.set(MainButton::cmdScout, results);
    states.set(MainButton::cmdRatings, results);
    return states;
}

QString weekPanelText(const PoolData& pool) {
    return QStringLiteral("Week: %1").arg(pool.currentWeek + 1);
}

QString standingsToolTip(const PoolData& pool) {
    return QStringLiteral("View your pool's standings as of week %1.").arg(pool.currentWeek + 1);
}

QString seasonCaption(const PoolData& pool) {
    return appinfo::titleAndDescription() + QStringLiteral("   (%1 Season)").arg(pool.seasonYear);
}

QString seasonPanelText(const PoolData& pool) {
    return QStringLiteral("%1 Season").arg(pool.seasonYear);
}

} // namespace vek
