#pragma once

#include "session/poolsession.h"
#include "support/recordingmessages.h"
#include "support/recordingmodalrunner.h"
#include "support/tempfolder.h"
#include "widgets/windowhost.h"

namespace vek::test {

/// A session on a temporary folder with recording seams and a window host: what every window test
/// starts from.
struct UiHarness {
    TempFolder temp;
    PoolSession session{temp.folder()};
    RecordingMessages messages;
    RecordingModalRunner modal;
    WindowHost host{session, messages, modal};

    [[nodiscard]] PoolData& pool() { return session.pool(); }
};

} // namespace vek::test
