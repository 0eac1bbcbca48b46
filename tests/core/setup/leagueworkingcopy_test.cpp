// The league editor's working copy without widgets: appending, the armed edit and its division,
// deleting, the limits of the tables, and where every stored code goes after OK.
#include "model/leaguefile.h"
#include "session/leaguechanges.h"
#include "setup/leagueworkingcopy.h"
#include "support/poolbuilder.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace vek {
namespace {

using Commit = LeagueWorkingCopy::Commit;

class LeagueWorkingCopyTest : public ::testing::Test {
protected:
    explicit LeagueWorkingCopyTest(std::array<int, Divisions> sizes = {4, 4, 4, 4, 4, 4, 4, 4}) {
        test::PoolBuilder(*pool).league(sizes);
        for (int team = 0; team < pool->numTeams; ++team) {
            pool->teamName[team] = QStringLiteral("City %1").arg(team);
        }
        copy.load(*pool);
    }
    QStringList abbreviations(int division) const {
        QStringList list;
        for (const AlignedTeam& team : copy.division(division)) {
            list << team.abbreviation;
        }
        return list;
    }

    std::unique_ptr<PoolData> pool = test::newPool();
    LeagueWorkingCopy copy;
};

TEST_F(LeagueWorkingCopyTest, LoadsTheDivisionsInOrderWithTheirCodes) {
    EXPECT_EQ(copy.totalTeams(), 32);
    EXPECT_EQ(abbreviations(3), (QStringList{"T12", "T13", "T14", "T15"}));
    EXPECT_EQ(copy.division(7).back().code, 31);
    EXPECT_EQ(copy.division(7).back().fullName, QStringLiteral("City 31"));
    EXPECT_EQ(copy.editRow(), -1);
}

TEST_F(LeagueWorkingCopyTest, CommitAppendsToItsDivisionOnly) {
    struct Case {
        QString full, abbr;
        Commit expected;
        int nfcWest, afcSouth;
    };
    const Case cases[] = {
        {"Lakeside Mariners", "LAK", Commit::Appended, 5, 4},
        {"", "LAK", Commit::MissingText, 4, 4},
        {"Lakeside", "", Commit::MissingText, 4, 4},
        {" ", " ", Commit::Appended, 5, 4}, // blanks count as filled
    };
    for (const Case& c : cases) {
        copy.load(*pool);
        EXPECT_EQ(copy.commit(3, c.full, c.abbr), c.expected) << c.full.toStdString();
        EXPECT_EQ(copy.division(3).size(), std::size_t(c.nfcWest));
        EXPECT_EQ(copy.division(6).size(), std::size_t(c.afcSouth));
    }
    EXPECT_EQ(copy.division(3).back().code, AlignedTeam::NewTeam);
    EXPECT_EQ(LeagueWorkingCopy::refusal(Commit::MissingText),
              QStringLiteral("You need to fill in both full and abbreviatd names."));
}

TEST_F(LeagueWorkingCopyTest, AnArmedEditReplacesOnlyInItsDivisionWhileTheRowExists) {
    copy.armEdit(2, 1);
    EXPECT_EQ(copy.commit(2, "Hill Town Rams", "HTR"), Commit::Replaced);
    EXPECT_EQ(abbreviations(2), (QStringList{"T8", "HTR", "T10", "T11"}));
    EXPECT_EQ(copy.division(2)[1].code, 9); // an edited team stays the same team
    EXPECT_EQ(copy.editRow(), -1);
    EXPECT_EQ(copy.commit(2, "Next", "NXT"), Commit::Appended); // disarmed: the next commit appends

    // Armed in one division, committed in another: appends there, replaces nothing.
    copy.armEdit(0, 0);
    EXPECT_EQ(copy.commit(5, "Other", "OTH"), Commit::Appended);
    EXPECT_EQ(abbreviations(0).front(), QStringLiteral("T0"));
    EXPECT_EQ(copy.editRow(), -1);

    // A tab change and a delete disarm.
    copy.armEdit(1, 3);
    copy.disarm();
    EXPECT_EQ(copy.commit(1, "A", "A"), Commit::Appended);
    copy.armEdit(4, 3);
    EXPECT_TRUE(copy.remove(4, 0));
    EXPECT_EQ(copy.commit(4, "B", "B"), Commit::Appended);
    EXPECT_EQ(abbreviations(4), (QStringList{"T17", "T18", "T19", "B"}));
    EXPECT_FALSE(copy.remove(4, 9));
}

TEST_F(LeagueWorkingCopyTest, LimitsOfTheTablesRefuseAnAdd) {
    EXPECT_EQ(copy.commit(0, "Five", "5"), Commit::Appended);
    EXPECT_EQ(copy.commit(0, "Six", "6"), Commit::Appended);
    EXPECT_EQ(copy.commit(0, "Seven", "7"), Commit::DivisionFull);
    EXPECT_EQ(copy.division(0).size(), 6U);
    // A full division can still have a team replaced.
    copy.armEdit(0, 5);
    EXPECT_EQ(copy.commit(0, "Sixth", "6th"), Commit::Replaced);

    for (int d = 1; d < 4; ++d) {
        copy.commit(d, "X", "X");
    }
    EXPECT_EQ(copy.totalTeams(), 37);
    EXPECT_EQ(copy.commit(5, "Too many", "TM"), Commit::LeagueFull);
    EXPECT_EQ(copy.totalTeams(), 37);
    EXPECT_FALSE(copy.limitBroken().has_value());
}

TEST_F(LeagueWorkingCopyTest, CodesFollowTheirTeamsThroughAnAddADeleteAndAMove) {
    copy.commit(0, "New North", "NEW"); // new code 4: every later team one up
    copy.remove(2, 0);                  // old code 8 goes
    // Move old code 20 (AFC North, first) to the end of AFC West.
    const AlignedTeam moved = copy.division(5).front();
    copy.remove(5, 0);
    copy.commit(7, moved.fullName, moved.abbreviation);
    EXPECT_EQ(copy.division(7).back().code, 20);

    const TeamCodeMap codes = mapTeamCodes(*pool, copy.alignment());
    EXPECT_TRUE(codes.changesCodes);
    EXPECT_EQ(codes.newTeams, 32);
    EXPECT_EQ(codes.map(3), 3);
    EXPECT_EQ(codes.map(4), 5);
    EXPECT_EQ(codes.map(7), 8);
    EXPECT_EQ(codes.map(8), 33); // deleted: none
    EXPECT_EQ(codes.map(9), 9);
    EXPECT_EQ(codes.map(20), 31);
    EXPECT_EQ(codes.map(21), 20);
    EXPECT_EQ(codes.map(31), 30);
    EXPECT_EQ(codes.map(32), 32); // the tie
    EXPECT_EQ(codes.map(33), 33); // none
    EXPECT_EQ(codes.map(static_cast<int16_t>(4 | UniquePickFlag)), static_cast<int16_t>(5 | UniquePickFlag));
    EXPECT_EQ(codes.mapEntry(ByeFlag + 20), ByeFlag + 31);
    EXPECT_EQ(codes.mapEntry(ByeFlag + 8), 33);
    EXPECT_EQ(codes.mapEntry(32), 33); // no schedule entry is a tie
    EXPECT_EQ(codes.deletedTeams, std::vector<int16_t>{8});

    copy.load(*pool);
    EXPECT_FALSE(mapTeamCodes(*pool, copy.alignment()).changesCodes);
    copy.remove(7, 3); // the last team: only the tie and none codes move
    const TeamCodeMap shrunk = mapTeamCodes(*pool, copy.alignment());
    EXPECT_TRUE(shrunk.changesCodes);
    EXPECT_EQ(shrunk.map(30), 30);
    EXPECT_EQ(shrunk.map(31), 32);
    EXPECT_EQ(shrunk.map(32), 31);
    EXPECT_EQ(shrunk.map(33), 32);
}

} // namespace
} // namespace vek
