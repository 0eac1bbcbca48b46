#include "session/eventchanges.h"

#include "model/eventsfile.h"
#include "model/periodtables.h"
#include "session/poolsession.h"

namespace vek {

WriteResult changeEventProfiles(PoolSession& session, const EventSettings& settings) {
    const WriteResult result = writeEventProfiles(session.folder(), settings);
    if (!result) {
        return result;
    }
    PoolData& pool = session.pool();
    pool.eventSettings() = settings;
    derivePeriodTables(pool);
    return result;
}

} // namespace vek
