#pragma once

#include "model/pooldata.h"

#include <cstdint>

namespace vek {

/// The Big Game's post-season slot; slots 0..11 hold the division winners and the wild cards.
constexpr int BigGameSlot = PostSeasonSlots - 1;

/// Whether a member's post-season pick in `slot` came true, the one rule that every report and the
/// comparison window mark picks by. A pick of slots 0..11 is right when the team reached the post
/// season in any of those slots (a division winner picked as a wild card counts, and the reverse); the
/// Big Game pick only when it is the Big Game result. A missing pick (none, or a code that is no real
/// team) and a result not yet entered are never right, so nobody is marked before the play-offs.
[[nodiscard]] bool isRightPostSeasonPick(const PoolData& pool, int slot, int16_t pick);

} // namespace vek
