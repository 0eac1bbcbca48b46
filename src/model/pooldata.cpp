#include "model/pooldata.h"

#include <algorithm>

namespace vek {

WeekLayout PoolData::weekLayout() const {
    WeekLayout layout;
    layout.numWeeks = numWeeks;
    layout.gamesPerWeek = gamesPerWeek;
    layout.openDates = openDates;
    return layout;
}

int MemberList::memberCount() const {
    return std::clamp<int>(numMembers, 0, MemberSlots);
}

int MemberList::defaultMemberIndex() const {
    return defaultMember >= 0 && defaultMember < memberCount() ? defaultMember : 0;
}

QString PoolData::teamNameOf(int code) const {
    return isTeamSlot(code) ? teamName[code] : QString();
}

QString PoolData::teamAbbrOf(int code) const {
    return isTeamSlot(code) ? teamAbbr[code] : QString();
}

} // namespace vek
