#pragma once

#include "model/pooldata.h"
#include "reports/reportcell.h"
#include "views/standingsfigures.h"

#include <QString>
#include <QStringList>

#include <cstdint>

namespace vek {

/// One week of the sorted results: the pool's members in the week's rank order with their season,
/// half and quarter tallies, games behind and contest marks, the week's tally, the wild-choice,
/// over-50% and Monday-night tallies and the points balance. What the printed, text and HTML versions
/// share is worked out here once; the rows follow the week's sorted records.
struct SortedWeek {
    explicit SortedWeek(const PoolData& data) : pool(data) {}

    const PoolData& pool;
    int16_t kind = 0;
    int week = 0;
    WeekPeriods periods; // the quarter and half shown: a week in no period keeps the ones before
    WeekLeaders leaders;
    GamesBehindTotals behind; // the games-behind points at stake, over all members

    // The captions of the periods that hold the week ("" for a week in none): "1st Quarter" or, in
    // its last week, "End 1st Qtr"; "2nd Half", "End 2nd Half"; "Season", "End Of Season".
    QString quarterCaption;
    QString halfCaption;
    QString seasonCaption;
    int32_t quarterBit = 0; // the event flag of the quarter and the half that hold the week
    int32_t halfBit = 0;

    // The column groups the pool's events call for.
    bool season = false;
    bool half = false;
    bool quarter = false;
    bool wild = false;
    bool over50 = false;
    bool monday = false;
};

/// The week's figures, with the periods shown in the week before (`previous`).
[[nodiscard]] SortedWeek sortedWeek(const PoolData& pool, int16_t kind, int week, WeekPeriods previous);

/// The standings table's layouts: on paper the names take 14 characters, in the files 9.
enum class SortedLayout { Printed, File };

/// The two heading lines and the rule under them, each exactly as wide as the rows.
[[nodiscard]] QStringList standingsHeadings(const SortedWeek& w, SortedLayout layout);
/// The line of rank row `row`: its cells grouped as the columns are, bold on paper where the member
/// won the column's event this week (the rank and name for any event, the balance when positive).
[[nodiscard]] CellRow standingsRow(const SortedWeek& w, int row, SortedLayout layout);
/// The HTML table's opening and its two heading rows (two lines).
[[nodiscard]] QStringList standingsHtmlHeadings(const SortedWeek& w);

} // namespace vek
