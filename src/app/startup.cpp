#include "app/startup.h"

#include "app/mainbuttons.h"
#include "engine/memberodds.h"
#include "engine/pickdifferences.h"
#include "engine/spreadwinners.h"
#include "engine/teamtallies.h"
#include "model/datafolder.h"
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
#include <QStringList>

#include <algorithm>
#include <utility>
#include <vector>

namespace vek {
namespace {

const QString ScheduleNotOnFile = QStringLiteral("VEK schedule is not on file");
const QString ScheduleNotComplete = QStringLiteral("VEK schedule is not complete !");
const QString SharedMemberFiles =
    QStringLiteral("These members' names have the same first 8 characters, whatever their case, so they "
                   "share one set of prediction files. Rename all but one of each in the member list:");
const QString IncompletePredictions =
    QStringLiteral("The following member(s) do not have their predictions on file OR have incomplete "
                   "predictions OR missing post season predictions: ");

// The files the stages could not use, whole or in part, in the order they were read, each once.
class ReplacedValues {
public:
    void note(const ReadOutcome& outcome, const QString& fileName) {
        if (!outcome.valuesReplaced || m_partly.contains(fileName) ||
            std::ranges::any_of(m_unusable, [&](const auto& file) { return file.first == fileName; })) {
            return;
        }
        if (outcome.unusable.isEmpty()) {
            m_partly << fileName;
        } else {
            m_unusable.emplace_back(fileName, outcome.unusable);
        }
    }

    // One message after the stages, so the user knows before the next save makes the defaults permanent.
    // A file that could not be used at all says why: the user has something to mend outside the program.
    void tell(StartupHost& host) const {
        QStringList parts;
        if (m_unusable.size() == 1) {
            parts << QStringLiteral("%1 could not be used (%2); defaults were put in its place.")
                         .arg(m_unusable[0].first, m_unusable[0].second);
        } else if (m_unusable.size() > 1) {
            QString text = QStringLiteral("These files could not be used; defaults were put in their place:");
            for (const auto& [file, reason] : m_unusable) {
                text += QStringLiteral("\n%1 (%2)").arg(file, reason);
            }
            parts << text;
        }
        if (m_partly.size() == 1) {
            parts << QStringLiteral("Some values in %1 could not be used; defaults were put in their place.")
                         .arg(m_partly[0]);
        } else if (m_partly.size() > 1) {
            parts << QStringLiteral("Some values in these files could not be used; defaults were put in "
                                    "their place:\n") +
                         m_partly.join(QLatin1Char('\n'));
        }
        if (!parts.isEmpty()) {
            host.showStartupMessage(parts.join(QStringLiteral("\n\n")));
        }
    }

private:
    std::vector<std::pair<QString, QString>> m_unusable; // the file and why
    QStringList m_partly;
};

ReadOutcome loadSchedule(PoolData& pool, const DataFolder& folder, StartupHost& host, int currentYear) {
    const ReadOutcome outcome = readSchedule(folder, pool, currentYear);
    if (!outcome.opened) {
        // The caption and the season panel keep their designer texts.
        host.showStartupMessage(ScheduleNotOnFile);
        return outcome;
    }
    host.setMainCaption(seasonCaption(pool));
    host.setStatusPanel(2, seasonPanelText(pool));
    if (!isTrue(pool.scheduleVerified)) {
        host.showStartupMessage(ScheduleNotComplete);
    }
    return outcome;
}

ReadOutcome loadMembers(PoolData& pool, const DataFolder& folder, StartupHost& host) {
    const MembersReadOutcome outcome = readMembers(folder, pool);
    if (outcome.notLoaded > 0) {
        host.showStartupMessage(
            QStringLiteral("The member list holds %1 members, more than the %2 the pool can "
                           "keep. The members after the %2st were not loaded.")
                .arg(outcome.listedMembers)
                .arg(MemberSlots));
    }
    // Members that the count gives beyond the names the file holds stay members, so that the user can
    // name or delete them; until then they have no files, so nothing of theirs is kept.
    const int members = pool.memberCount();
    int named = 0;
    for (int member = 0; member < members; ++member) {
        named += isNamedMember(pool.memberName[member]) ? 1 : 0;
    }
    if (named < members) {
        host.showStartupMessage(QStringLiteral("%1 counts %2 members but names only %3 of them. The members "
                                               "without a name have no predictions until they are named "
                                               "in Members.")
                                    .arg(MembersFileName)
                                    .arg(members)
                                    .arg(named));
    }
    // Such members read and save one another's predictions; the member list refuses these names, so
    // only a file edited by hand holds them.
    QString text;
    for (const std::vector<int>& group : membersSharingFiles(pool.memberList())) {
        QStringList names;
        for (const int member : group) {
            names << pool.memberName[member];
        }
        text += QLatin1Char('\n') + names.join(QStringLiteral(" and "));
    }
    if (!text.isEmpty()) {
        host.showStartupMessage(SharedMemberFiles + text);
    }
    return outcome;
}

// One message lists every member whose predictions are missing or incomplete, in member order.
void loadPredictions(PoolData& pool, const DataFolder& folder, StartupHost& host, const WeekLayout& layout,
                     ReplacedValues& replaced) {
    QString text = IncompletePredictions;
    bool anyListed = false;
    for (int member = 0; member < pool.memberCount(); ++member) {
        const PredictionsReadOutcome outcome = readPredictions(folder, pool, member, layout);
        replaced.note(outcome, memberFileName(pool.memberName[member], PicksExtension));
        // Members without a name have no files, and no name to be told by.
        if (!outcome.complete && isNamedMember(pool.memberName[member])) {
            text += QLatin1Char('\n') + pool.memberName[member];
            anyListed = true;
        }
    }
    if (anyListed) {
        host.showStartupMessage(text);
    }
}

ReadOutcome loadResults(PoolData& pool, const DataFolder& folder, StartupHost& host,
                        const WeekLayout& layout) {
    const ReadOutcome outcome = readResults(folder, pool, layout);
    host.setStatusPanel(3, QStringLiteral("Week: ") + QString::number(pool.currentWeek + 1));
    return outcome;
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
    ReplacedValues replaced;

    replaced.note(readLeague(folder, pool), LeagueFileName);
    replaced.note(readPoolOptions(folder, pool), PoolOptionsFileName);
    replaced.note(readEventProfiles(folder, pool), EventsFileName);
    replaced.note(loadSchedule(pool, folder, host, currentYear), ScheduleFileName);

    // Every per-game file is laid out over the schedule just read, and is saved over it until a new
    // schedule is saved.
    const WeekLayout layout = pool.weekLayout();
    session.setFileLayout(layout);
    replaced.note(loadMembers(pool, folder, host), MembersFileName);
    loadPredictions(pool, folder, host, layout, replaced);
    for (int member = 0; member < pool.memberCount(); ++member) {
        replaced.note(readConfidence(folder, pool, member, layout),
                      memberFileName(pool.memberName[member], ConfidenceExtension));
    }
    replaced.note(loadResults(pool, folder, host, layout), ResultsFileName);
    replaced.note(readScores(folder, pool, layout), ScoresFileName);
    replaced.note(readFavorites(folder, pool, layout), FavoritesFileName);
    replaced.tell(host);
}

void runStartupComputations(PoolSession& session, StartupHost& host) {
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
    ReplacedValues replaced;
    replaced.note(readMailSettings(session.folder(), session.mail), MailSettingsFileName);
    replaced.tell(host);
}

} // namespace vek
