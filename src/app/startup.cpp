#include "app/startup.h"

#include "engine/memberodds.h"
#include "engine/pickdifferences.h"
#include "engine/spreadwinners.h"
#include "engine/teamtallies.h"
#include "model/appinfo.h"
#include "model/eventsfile.h"
#include "model/filehelpers.h"
#include "model/leaguefile.h"
#include "model/mailsettingsfile.h"
#include "model/membersfile.h"
#include "model/periodtables.h"
#include "model/poolfile.h"
#include "model/predictionfiles.h"
#include "model/resultfiles.h"
#include "model/schedulefile.h"
#include "session/poolsession.h"
#include "session/teamtallies.h"

#include <QDate>

#include <algorithm>

namespace vek {
namespace {

const QString ScheduleNotOnFile = QStringLiteral("VEK schedule is not on file");
const QString ScheduleNotComplete = QStringLiteral("VEK schedule is not complete !");
const QString IncompletePredictions =
    QStringLiteral("The following member(s) do not have their predictions on file OR have incomplete "
                   "predictions OR missing post season predictions: ");

void loadSchedule(PoolData& pool, const DataFolder& folder, StartupHost& host, int currentYear) {
    const ReadOutcome outcome = readSchedule(folder, pool, currentYear);
    if (!outcome.opened) {
        // The caption and the season panel keep their designer texts.
        host.showStartupMessage(ScheduleNotOnFile);
        return;
    }
    const QString year = QString::number(pool.seasonYear);
    host.setMainCaption(appinfo::titleAndDescription() + QStringLiteral("   (") + year +
                        QStringLiteral(" Season)"));
    host.setStatusPanel(2, year + QStringLiteral(" Season"));
    if (!isTrue(pool.scheduleVerified)) {
        host.showStartupMessage(ScheduleNotComplete);
    }
}

void loadMembers(PoolData& pool, const DataFolder& folder, StartupHost& host) {
    const MembersReadOutcome outcome = readMembers(folder, pool);
    if (outcome.notLoaded > 0) {
        host.showStartupMessage(
            QStringLiteral("The member list holds %1 members, more than the %2 the pool can "
                           "keep. The members after the %2st were not loaded.")
                .arg(outcome.listedMembers)
                .arg(MemberSlots));
    }
}

// One message lists every member whose predictions are missing or incomplete, in member order.
void loadPredictions(PoolData& pool, const DataFolder& folder, StartupHost& host, const WeekLayout& layout) {
    QString text = IncompletePredictions;
    bool anyListed = false;
    for (int member = 0; member < pool.memberCount(); ++member) {
        if (!readPredictions(folder, pool, member, layout).complete) {
            text += QLatin1Char('\n') + pool.memberName[member];
            anyListed = true;
        }
    }
    if (anyListed) {
        host.showStartupMessage(text);
    }
}

void loadResults(PoolData& pool, const DataFolder& folder, StartupHost& host, const WeekLayout& layout) {
    readResults(folder, pool, layout);
    host.setStatusPanel(3, QStringLiteral("Week: ") + QString::number(pool.currentWeek + 1));
}

} // namespace

void runLoadingStages(PoolSession& session, StartupHost& host) {
    runLoadingStages(session, host, QDate::currentDate().year());
}

void runLoadingStages(PoolSession& session, StartupHost& host, int currentYear) {
    PoolData& pool = session.pool();
    const DataFolder& folder = session.folder();
    // Nothing writes to the folder while the stages read it, so one listing serves every name that is
    // not found exactly (files copied from other systems), however many members there are.
    const DataFolder::ListingScope listing(folder);
    pool.maxMembers = MaxMembersLimit;

    readLeague(folder, pool);
    readPoolOptions(folder, pool);
    readEventProfiles(folder, pool);
    loadSchedule(pool, folder, host, currentYear);

    // Every per-game file is laid out over the schedule just read.
    const WeekLayout layout = pool.weekLayout();
    loadMembers(pool, folder, host);
    loadPredictions(pool, folder, host, layout);
    for (int member = 0; member < pool.memberCount(); ++member) {
        readConfidence(folder, pool, member, layout);
    }
    loadResults(pool, folder, host, layout);
    readScores(folder, pool, layout);
    readFavorites(folder, pool, layout);
}

void runStartupComputations(PoolSession& session) {
    PoolData& pool = session.pool();
    if (isTrue(pool.usePointSpreads)) {
        CalcSpreadWinners(pool);
    }
    // Always, whatever the wild-choice points: the odds below and the elimination flags of the
    // standings are worked out from the differences and the unique-pick flags.
    CalcPickDifferences(pool);
    RecountTeamTallies(session);
    if (pool.weeklyPicks == 0) {
        CalcMemberOdds(pool);
    }
    pool.minWeekGames = fewestWeekGames(pool.weekLayout());
    readMailSettings(session.folder(), session.mail);
}

} // namespace vek
