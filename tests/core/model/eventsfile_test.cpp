// events.dat: the scoring rules and the period tables derived on reading.
#include "model/eventsfile.h"
#include "model/pooldata.h"
#include "support/filetext.h"
#include "support/poolbuilder.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

namespace vek {
namespace {

const QString Events = QStringLiteral("events.dat");

TEST(EventsFile, MissingFileGivesTheDefaultsAndWritingThemBackGivesTheDefaultFile) {
    test::TempFolder dir;
    auto pool = test::newPool();
    EXPECT_FALSE(readEventProfiles(dir.folder(), *pool).opened);

    EXPECT_EQ(pool->halfFirstWeek[0], 0);
    EXPECT_EQ(pool->halfLastWeek[0], 9);
    EXPECT_EQ(pool->halfFirstWeek[1], 10);
    EXPECT_EQ(pool->halfLastWeek[1], 17);
    const std::array<int16_t, 4> quarterFirst{0, 4, 9, 13};
    const std::array<int16_t, 4> quarterLast{3, 8, 12, 17};
    for (std::size_t q = 0; q < 4; ++q) {
        EXPECT_EQ(pool->quarterFirstWeek[q], quarterFirst[q]);
        EXPECT_EQ(pool->quarterLastWeek[q], quarterLast[q]);
    }
    EXPECT_EQ(pool->goodWeekMinWins[8], 0); // entry 8 is never set
    EXPECT_EQ(pool->badWeekPoints[8], 0);

    ASSERT_TRUE(writeEventProfiles(dir.folder(), *pool).ok);
    // The defaults in file order, as runs of equal values.
    const std::pair<QByteArray, int> runs[] = {
        {"2500", 1}, {"100", 1}, {"1250", 1}, {"50", 1},  {"10", 1},   {"8", 1},   {"1000", 1}, {"25", 1},
        {"4", 1},    {"5", 1},   {"4", 1},    {"5", 1},   {"10", 8},   {"500", 8}, {"0", 8},    {"2", 8},
        {"2000", 8}, {"0", 8},   {"2000", 8}, {"500", 3}, {"1000", 1}, {"0", 8},   {"1000", 1}};
    QList<QByteArray> expected;
    for (const auto& [value, count] : runs) {
        expected << QList<QByteArray>(count, value);
    }
    EXPECT_EQ(expected.size(), 81);
    EXPECT_EQ(test::fileLines(dir.read(Events)), expected);
}

TEST(EventsFile, RoundTripOfAll81Values) {
    test::TempFolder dir;
    auto written = test::newPool();
    // A distinct value for every one of the 81 places, negative ones included, so a value in the wrong
    // place shows.
    int next = 1;
    auto value = [&next] {
        const int n = next++;
        return static_cast<int16_t>(n % 3 == 0 ? -n : n);
    };
    written->seasonPoints = 70000; // beyond 16 bits: the point values are 32-bit
    written->seasonGbPoints = value();
    written->halfPoints = value();
    written->halfGbPoints = value();
    written->halfWeeks = {9, 9};
    written->quarterPoints = value();
    written->quarterGbPoints = value();
    written->quarterWeeks = {5, 4, 5, -4};
    for (int i = 0; i < StoredWeekSizeEntries; ++i) {
        written->goodWeekMinWins[i] = value();
        written->goodWeekPoints[i] = value();
        written->goodWeekMinCp[i] = value();
        written->badWeekMaxWins[i] = value();
        written->badWeekPoints[i] = value();
        written->badWeekMaxCp[i] = value();
        written->perfectWeekPoints[i] = value();
    }
    written->goodWeekPoints[8] = 99; // never written
    written->wildChoicePoints = value();
    written->over50Points = value();
    written->mondayNightPoints = value();
    written->postSeasonPoints = value();
    written->divWinnerPoints = {value(), value(), value(), value()};
    written->wildCardPoints = {value(), value()};
    written->divAsWildCardPoints = value();
    written->wildCardAsDivPoints = value();
    written->bigGamePoints = -2000000;
    ASSERT_TRUE(writeEventProfiles(dir.folder(), *written).ok);
    const QList<QByteArray> lines = test::fileLines(dir.read(Events));
    ASSERT_EQ(lines.size(), 81);
    EXPECT_EQ(lines[0], "70000");
    EXPECT_EQ(lines[11], "-4");
    EXPECT_EQ(lines[80], "-2000000");
    const std::pair<int, int32_t> places[] = {
        {4, written->halfWeeks[0]},        {12, written->goodWeekMinWins[0]},
        {20, written->goodWeekPoints[0]},  {35, written->goodWeekMinCp[7]},
        {52, written->badWeekMaxCp[0]},    {67, written->perfectWeekPoints[7]},
        {68, written->wildChoicePoints},   {71, written->postSeasonPoints},
        {72, written->divWinnerPoints[0]}, {77, written->wildCardPoints[1]},
        {78, written->divAsWildCardPoints}};
    for (const auto& [line, value] : places) {
        EXPECT_EQ(lines[line], QByteArray::number(value)) << line;
    }

    // Reading the file back and writing it again gives the same 81 values: each went to its own place.
    auto read = test::newPool();
    EXPECT_FALSE(readEventProfiles(dir.folder(), *read).endedEarly);
    EXPECT_EQ(read->goodWeekPoints[8], 0);
    EXPECT_EQ(read->quarterWeeks, written->quarterWeeks);
    EXPECT_EQ(read->perfectWeekPoints[7], written->perfectWeekPoints[7]);
    const QByteArray first = dir.read(Events);
    ASSERT_TRUE(writeEventProfiles(dir.folder(), *read).ok);
    EXPECT_EQ(dir.read(Events), first);
    // The periods follow from the lengths read.
    EXPECT_EQ(read->halfLastWeek[0], 8);
    EXPECT_EQ(read->halfFirstWeek[1], 9);
    EXPECT_EQ(read->quarterFirstWeek[3], 14);
    EXPECT_EQ(read->quarterLastWeek[3], 9); // a negative length: the quarter covers no week
}

TEST(EventsFile, FileEndingAfterTheQuarterLengthsLeavesTheRestZero) {
    test::TempFolder dir;
    dir.write(Events,
              test::fileOf({"2500", "100", "1250", "50", "9", "9", "1000", "25", "5", "4", "5", "4"}));
    auto pool = test::newPool();
    EXPECT_TRUE(readEventProfiles(dir.folder(), *pool).endedEarly);
    EXPECT_EQ(pool->quarterPoints, 1000);
    EXPECT_EQ(pool->goodWeekMinWins, (std::array<int16_t, WeekSizeEntries>{}));
    EXPECT_EQ(pool->perfectWeekPoints, (std::array<int32_t, WeekSizeEntries>{}));
    EXPECT_EQ(pool->postSeasonPoints, 0);
    EXPECT_EQ(pool->bigGamePoints, 0);
    EXPECT_EQ(pool->halfLastWeek[1], 17);
    EXPECT_EQ(pool->quarterFirstWeek[2], 9);
    EXPECT_EQ(pool->quarterLastWeek[3], 17);
}

} // namespace
} // namespace vek
