#pragma once

#include "model/datawriter.h"
#include "model/pooldata.h"

namespace vek {

class PoolSession;

/// OK of the event profiles: writes events.dat; only when it was written do the shared settings take
/// the values and the period tables follow the stored lengths. Nothing is recomputed: the engine reads
/// the settings the next time it scores. A failed write changes nothing in memory.
[[nodiscard]] WriteResult changeEventProfiles(PoolSession& session, const EventSettings& settings);

} // namespace vek
