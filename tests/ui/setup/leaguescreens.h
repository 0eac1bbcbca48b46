#pragma once

#include "model/leaguefile.h"
#include "model/pooldata.h"

#include <QLineEdit>
#include <QListWidget>
#include <QStringList>
#include <QWidget>

#include <gtest/gtest.h>

namespace vek::test {

/// The largest league the tables hold: 37 teams with long names, five teams in each NFC division and in
/// AFC East, four in the other AFC divisions.
inline void fillLargestLeague(PoolData& pool) {
    static const QStringList cities{"Port Alderbrook", "Northern Highlands", "Kingsbridge Valley",
                                    "Saint Ormond",    "Lower Marshfield",   "Greywater Bay",
                                    "Eastern Plateau", "Blackthorn Ridge"};
    static const QStringList nicknames{"Thunderbirds", "Harbour Masters", "Ironclads",   "Mountaineers",
                                       "Stormriders",  "Lumberjacks",     "Grey Wolves", "Night Owls",
                                       "Riverhawks",   "Ramblers"};
    const std::array<int, Divisions> sizes{5, 5, 5, 5, 5, 4, 4, 4};
    pool.numTeams = MaxRealTeams;
    for (int d = 0; d < Divisions; ++d) {
        pool.divisionRec[d].teamCount = static_cast<int16_t>(sizes[static_cast<std::size_t>(d)]);
    }
    for (int team = 0; team < MaxRealTeams; ++team) {
        const QString city = cities[team % cities.size()];
        const QString nickname = nicknames[(team * 3) % nicknames.size()];
        pool.teamName[team] = city + QLatin1Char(' ') + nickname;
        pool.teamAbbr[team] =
            QStringLiteral("%1%2%3").arg(city.left(2).toUpper(), nickname.left(1)).arg(team % 10);
        pool.teamIcon[team] = static_cast<int16_t>(team % 36);
    }
    deriveLeagueTables(pool);
}

/// A season of 19 weeks of 19 slots for the largest league: 18 games and one bye every week.
inline void fillLongestSeason(PoolData& pool) {
    pool.seasonYear = 2032;
    pool.numWeeks = WeekSlots;
    pool.gamesPerWeek = GameSlots;
    pool.byesPerTeam = 1;
    for (int week = 0; week < WeekSlots; ++week) {
        int slot = 0;
        int waiting = -1;
        for (int team = 0; team < MaxRealTeams; ++team) {
            if (team == week) {
                continue;
            }
            if (waiting < 0) {
                waiting = team;
                continue;
            }
            pool.scheduleGrid[week][slot] = {static_cast<int16_t>(week % 2 ? team : waiting),
                                             static_cast<int16_t>(week % 2 ? waiting : team), 0};
            waiting = -1;
            ++slot;
        }
        pool.scheduleGrid[week][18] = {static_cast<int16_t>(ByeFlag + week), pool.noneCode(), 0};
        pool.openDates[week] = 1;
    }
    pool.currentWeek = -1;
}

/// Fails for every row of a shown list and every shown text box whose text is wider than its room: what
/// the shared check of labels and buttons does not look at.
inline void expectRowsWhole(const QWidget& window) {
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window)) {
            continue;
        }
        const std::string name = widget->objectName().toStdString();
        if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
            EXPECT_LE(edit->fontMetrics().horizontalAdvance(edit->text()) + 10, edit->width()) << name;
        }
        if (const auto* list = qobject_cast<const QListWidget*>(widget)) {
            for (int row = 0; row < list->count(); ++row) {
                const QString text = list->item(row)->text();
                EXPECT_LE(list->fontMetrics().horizontalAdvance(text) + 8, list->viewport()->width())
                    << name << ": " << text.toStdString();
            }
        }
    }
}

} // namespace vek::test
