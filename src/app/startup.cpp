#include "app/startup.h"

#include "app/model/poolsession.h"

namespace vek {

void runLoadingStages(PoolSession& session, StartupHost& host) {
    (void)session;
    (void)host;
}

void runStartupComputations(PoolSession& session) {
    (void)session;
}

} // namespace vek
