#include "reports/predictionlisting.h"

#include "engine/gameresult.h"
#include "engine/seasonscoring.h"
#include "engine/weekperiods.h"
#include "model/appinfo.h"
#include "model/textcells.h"
#include "reports/membergroups.h"
#include "reports/reportcell.h"
#include "reports/reportchoice.h"
#include "reports/reportfile.h"
#include "reports/reportmask.h"
#include "reports/weekpage.h"
#include "reports/weektitle.h"
#include "views/standingsfigures.h"

#include <QStringList>

#include <algorithm>
#include <functional>
#include <numeric>

namespace vek {
namespace {

constexpr int GroupSize = 12;
constexpr int BalancesPerLine = 3;
const QString FormFeed = QStringLiteral("\f");
const QString FormCell = QStringLiteral("____");

template <class Points> bool anyPoints(const Points& points) {
    return std::accumulate(points.begin(), points.begin() + StoredWeekSizeEntries, int64_t{0}) > 0;
}

/// One tally line: its label and each member's value from the member's record of the week.
struct Tally {
    QString label;
    bool shown;
    std::function<QString(const WeekStanding&)> cell;
};

class ListingWriter {
public:
    ListingWriter(PoolData& pool, ReportFile& file, int16_t kind, bool html)
        : m_pool(pool), m_file(file), m_kind(kind), m_html(html) {}

    void write(int fromWeek, int toWeek) {
        m_file.create();
        const bool wholeSeason = fromWeek == 0 && toWeek == m_pool.numWeeks - 1;
        if (m_kind == KindResultsSeason || (m_kind == KindPredictions && wholeSeason)) {
            writeTitleBlock();
        }
        if (results()) {
            ScoreSeason(m_pool);
        }
        WeekPeriods periods;
        const int last = std::min(toWeek, WeekSlots - 1);
        for (int w = std::max(fromWeek, 0); w <= last; ++w) {
            periods = {QuarterOfWeek(m_pool, static_cast<int16_t>(w)),
                       periodsOfWeek(m_pool, w, periods).half};
            const int members = m_pool.memberCount();
            for (int first = 0; first < members; first += GroupSize) {
                writeGroup(w, periods, {first, std::min(first + GroupSize, members) - 1});
                if (!m_html && first + GroupSize < members) {
                    m_file.writeLine(FormFeed);
                }
            }
            if (!m_html && w != last) {
                m_file.writeLine(FormFeed);
            }
        }
    }

private:
    [[nodiscard]] bool results() const { return isResultsKind(m_kind); }

    void writeTitleBlock() {
        const QStringList lines{
            blanks(22) + formatNumber(m_pool.seasonYear, u"0") + QStringLiteral(" VEK Season"),
            blanks(26) + appinfo::titleAndDescription(),
            blanks(21) + (m_kind == KindPredictions ? QStringLiteral("Member Predictions")
                                                    : QStringLiteral("Prediction Results"))};
        const QStringList tags{QStringLiteral("h1"), QStringLiteral("h2"), QStringLiteral("h3")};
        for (int i = 0; i < 3; ++i) {
            m_file.writeLine(m_html ? QStringLiteral("<%1>%2</%1>").arg(tags[i], lines[i]) : lines[i]);
            if (i < 2) {
                m_file.writeLine();
            }
        }
        m_file.writeLine(FormFeed);
    }

    /// A line of member cells: in the text one blank between cells; in the HTML each cell in its
    /// own data cell, a blank after every cell but the group's last.
    [[nodiscard]] QString memberCells(const MemberGroup& group,
                                      const std::function<QString(int)>& cell) const {
        QStringList cells;
        for (int m = group.first; m <= group.last; ++m) {
            cells << (m_html
                          ? QStringLiteral("<td>") + cell(m) +
                                (m < group.last ? QStringLiteral(" ") : QString()) + QStringLiteral("</td>")
                          : cell(m));
        }
        return cells.join(m_html ? QString() : QStringLiteral(" "));
    }

    /// A labelled line of member cells; the label takes 12 characters in the text.
    void writeRow(const QString& label, const MemberGroup& group, const std::function<QString(int)>& cell) {
        if (m_html) {
            m_file.writeLine(QStringLiteral("<tr><td>") + label + QStringLiteral("</td>") +
                             memberCells(group, cell) + QStringLiteral("</tr>"));
        } else {
            m_file.writeLine(formatText(label, u"!@@@@@@@@@@@@") + memberCells(group, cell));
        }
    }

    void writeGroup(int w, WeekPeriods periods, const MemberGroup& group) {
        const PoolData& p = m_pool;
        const QString title = formatNumber(p.seasonYear, u"0") + QStringLiteral(" VEK Season    Week ") +
                              formatNumber(w + 1, u"00") + weekTitlePeriods(p, w, periods);
        if (m_html) {
            m_file.writeLine(QStringLiteral("<h4>") + title + QStringLiteral("</h4>"));
            m_file.writeLine(QStringLiteral("<table border=1 cellspacing=1 cellpadding=1 font=courier>"));
            QString columns = QStringLiteral("<tr><th bgcolor=c0dcc0>Game</th>");
            for (int m = group.first; m <= group.last; ++m) {
                columns += QStringLiteral("<th bgcolor=c0dcc0>") + htmlText(p.memberName[m]) +
                           (m < group.last ? QStringLiteral(" ") : QString()) + QStringLiteral("</th>");
            }
            m_file.writeLine(columns + QStringLiteral("</tr>"));
        } else {
            m_file.writeLine(title);
            m_file.writeLine(QStringLiteral("   Game     ") +
                             memberCells(group, [&](int m) { return fitCharacters(p.memberName[m], 4); }));
        }
        for (int g = 0; g < p.games(w); ++g) {
            writeGame(w, g, group);
        }
        if (p.mnTieBreaker != 0) {
            writeRow(QStringLiteral("Tie Breaker:"), group,
                     [&](int m) { return formatNumber(p.mondayNightTotal[w][m], u" 00 "); });
        }
        writeTallies(w, periods, group);
        writeBalances(w, group);
    }

    void writeGame(int w, int g, const MemberGroup& group) {
        const PoolData& p = m_pool;
        const int16_t away = p.scheduleGrid[w][g][0];
        QString separator = QStringLiteral(" @ ");
        if (results()) {
            const bool awayWon = p.gameWinner[w][g] == away;
            separator = m_html ? (awayWon ? QStringLiteral(" ) ") : QStringLiteral(" ( "))
                               : (awayWon ? QStringLiteral(" > ") : QStringLiteral(" < "));
        }
        const QString label =
            reportAbbr(p, away) + separator + reportAbbr(p, p.scheduleGrid[w][g][1]) + QStringLiteral(" ");
        const int16_t winner = winnerToMark(p, w, g);
        const auto cell = [&](int m) {
            const int16_t team = pickCode(p.memberPicks[w][g][m]);
            const bool shown = !results() || (team == winner && team != p.noneCode());
            const QString abbr = reportAbbr(p, team);
            return shown ? (m_html ? htmlText(abbr) : abbr) : blanks(4);
        };
        if (m_html) {
            m_file.writeLine(QStringLiteral("<tr><td>") + htmlText(label) + QStringLiteral("</td>"));
            m_file.writeLine(memberCells(group, cell) + QStringLiteral("</tr>"));
        } else {
            m_file.writeLine(label + memberCells(group, cell));
        }
    }

    void writeTallies(int w, WeekPeriods periods, const MemberGroup& group) {
        const PoolData& p = m_pool;
        const auto count = [](int value) { return formatText(QString::number(value), u"@@@@"); };
        const std::vector<Tally> tallies{
            {QStringLiteral("Season"), p.seasonPoints > 0 || p.seasonGbPoints > 0,
             [&](const WeekStanding& s) { return count(s.seasonWins); }},
            {QStringLiteral("Half"), p.halfPoints > 0 || p.halfGbPoints > 0,
             [&](const WeekStanding& s) { return count(halfTally(s, periods.half).wins); }},
            {QStringLiteral("Quarter"), p.quarterPoints > 0 || p.quarterGbPoints > 0,
             [&](const WeekStanding& s) { return count(quarterTally(s, periods.quarter).wins); }},
            {QStringLiteral("Week"),
             anyPoints(p.goodWeekPoints) || anyPoints(p.badWeekPoints) || anyPoints(p.perfectWeekPoints),
             [&](const WeekStanding& s) { return count(s.weekWins); }},
            {QStringLiteral("WC"), p.wildChoicePoints > 0,
             [&](const WeekStanding& s) { return count(s.uniqueWins); }},
            {QStringLiteral(">50%"), p.over50Points > 0,
             [&](const WeekStanding& s) {
                 return formatText(QString::number(s.overStreak), u"@@@") +
                        (leadsOverStreak(p, w, s) ? QStringLiteral("<") : QStringLiteral(" "));
             }},
        };
        for (const Tally& tally : tallies) {
            if (tally.shown) {
                writeRow(tally.label, group,
                         [&](int m) { return results() ? tally.cell(memberRecord(p, w, m)) : FormCell; });
            }
        }
        if (!m_html) {
            m_file.writeLine();
        }
    }

    void writeBalances(int w, const MemberGroup& group) {
        const PoolData& p = m_pool;
        if (m_html) {
            m_file.writeLine(QStringLiteral("<tr><td>Point Balances</td>"));
        } else {
            m_file.writeLine(blanks(24) + QStringLiteral("Point Balances"));
            m_file.writeLine();
        }
        QStringList line;
        for (int m = group.first; m <= group.last; ++m) {
            QString cell;
            if (!results()) {
                cell = m_html ? QStringLiteral("________") : QStringLiteral("________ ________");
            } else {
                // A name longer than eight characters is written whole and widens its cell.
                const QString& name = p.memberName[m];
                cell = (m_html ? htmlText(name) : name) + QStringLiteral(" ") +
                       blanks(8 - characterCount(name)) +
                       formatText(formatNumber(memberRecord(p, w, m).pointsTotal, u"#####0"), u"@@@@@@@ ");
            }
            line << (m_html ? QStringLiteral("<td>") + cell : cell);
            if (line.size() == BalancesPerLine || m == group.last) {
                m_file.writeLine(line.join(blanks(7)) + (m_html ? QStringLiteral("</td>") : QString()));
                line.clear();
            }
        }
        if (m_html) {
            m_file.writeLine(QStringLiteral("</tr>"));
            m_file.writeLine(QStringLiteral("</table>"));
        }
    }

    PoolData& m_pool;
    ReportFile& m_file;
    int16_t m_kind;
    bool m_html;
};

} // namespace

void WritePredictionReportText(PoolData& pool, ReportFile& file, int16_t kind, int fromWeek, int toWeek) {
    ListingWriter(pool, file, kind, false).write(fromWeek, toWeek);
}

void WritePredictionReportHtml(PoolData& pool, ReportFile& file, int16_t kind, int fromWeek, int toWeek) {
    ListingWriter(pool, file, kind, true).write(fromWeek, toWeek);
}

} // namespace vek
