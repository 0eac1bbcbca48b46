#include "reports/seasonform.h"

#include "model/pooldata.h"
#include "reports/reportcell.h"
#include "reports/reportfile.h"
#include "reports/reportmask.h"
#include "reports/reportprinter.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <vector>

namespace vek {
namespace {

constexpr int BlockWeeks = 6;
constexpr int FullFormWeeks = 13;
const QString NameLine =
    QStringLiteral("Member's Name: ___________________  (make copy & give original to administrator)");
const QString KeyTitle = QStringLiteral("Key: (D)ivisional Champs, (W)ild Card team, (S)Big Game winner");
const QString KeyColumns = QStringLiteral("                 DWS       DWS       DWS       DWS       DWS");
const Table<QString, Divisions> KeyLabels{
    QStringLiteral("NFC East    "), QStringLiteral("NFC North   "), QStringLiteral("NFC South   "),
    QStringLiteral("NFC.West    "), QStringLiteral("AFC East    "), QStringLiteral("AFC North   "),
    QStringLiteral("AFC South   "), QStringLiteral("AFC West    "),
};
const QString PrintedScore = QStringLiteral("MNF _______");
const QString FileScore = QStringLiteral("Score: ____");
const QString HeadingCellTag = QStringLiteral("<th align=center bgcolor=c0dcc0>");

/// The weeks of one block: its columns start at `first`; block 3 holds the weeks from 13 on.
struct Block {
    int first = 0;
    int columns = BlockWeeks;
    bool last = false;
};

/// How the form lays the season out: which blocks it prints and what each column of a block shows.
class FormLayout {
public:
    explicit FormLayout(const PoolData& pool)
        : m_pool(pool), m_weeks(pool.weekLayout().weeks()), m_confidence(pool.confidenceMode != 0) {}

    [[nodiscard]] const PoolData& pool() const { return m_pool; }
    [[nodiscard]] bool mondayNight() const { return m_pool.mnTieBreaker != 0; }
    [[nodiscard]] bool keyShown() const { return m_pool.postSeasonPoints > 0 || m_pool.bigGamePoints > 0; }
    [[nodiscard]] int slotCount() const { return std::clamp<int>(m_pool.gamesPerWeek, 0, GameSlots); }

    /// From 13 weeks on: weeks 1-6, 7-12 and the rest. A shorter season prints only the blocks that
    /// hold some of its weeks; the weeks a printed block lacks stay blank.
    [[nodiscard]] std::vector<Block> blocks() const {
        if (m_weeks >= FullFormWeeks) {
            return {{0}, {BlockWeeks}, {2 * BlockWeeks, m_weeks - 2 * BlockWeeks, true}};
        }
        std::vector<Block> blocks;
        for (int first = 0; first < m_weeks; first += BlockWeeks) {
            blocks.push_back({first});
        }
        return blocks;
    }

    [[nodiscard]] bool hasWeek(int week) const { return week < m_weeks; }

    /// Two blanks, "WEEK" and the week's number, then its games count; without counts the block's last
    /// week shown has nothing after its label. Empty for a week the season lacks.
    [[nodiscard]] QString headingCell(const Block& block, int week) const {
        if (!hasWeek(week)) {
            return {};
        }
        QString cell = blanks(2) + QStringLiteral("WEEK ") + formatCell(week + 1, u"##", u"@@");
        if (m_confidence) {
            cell += formatNumber(m_pool.games(week), u"  (##) ");
        } else if (week != lastWeekShown(block)) {
            cell += blanks(7);
        }
        return cell;
    }

    [[nodiscard]] QString heading(const Block& block) const {
        QString line;
        for (int c = 0; c < block.columns; ++c) {
            line += headingCell(block, block.first + c);
        }
        return line;
    }

    /// The away team and " @ ", the home team and the confidence box; blanks for a bye entry's side.
    /// Empty for a week the season lacks.
    [[nodiscard]] QString gameCell(int week, int slot, bool html) const {
        if (!hasWeek(week)) {
            return {};
        }
        const auto abbr = [&](int side) {
            const QString text = reportAbbr(m_pool, m_pool.scheduleGrid[week][slot][side]);
            return html ? htmlText(text) : text;
        };
        const auto isTeam = [&](int side) { return m_pool.scheduleGrid[week][slot][side] < ByeFlag; };
        QString cell = isTeam(0) ? abbr(0) + QStringLiteral(" @ ") : blanks(7);
        if (isTeam(1)) {
            cell += abbr(1) + (m_confidence ? QStringLiteral(" [_] ") : blanks(5));
        } else {
            cell += blanks(9);
        }
        return cell;
    }

    [[nodiscard]] QString gameLine(const Block& block, int slot) const {
        QString line;
        for (int c = 0; c < block.columns; ++c) {
            line += gameCell(block.first + c, slot, false);
        }
        return line;
    }

    /// The Monday-night fields under a block: one per week it shows; block 3 has them only in a season
    /// of 17 or 18 weeks.
    [[nodiscard]] int scoreFields(const Block& block) const {
        if (block.last) {
            return m_weeks == 17 || m_weeks == 18 ? m_weeks - 2 * BlockWeeks : 0;
        }
        return lastWeekShown(block) - block.first + 1;
    }

    /// The division's teams, each as `before`, its abbreviation and `after`.
    [[nodiscard]] QString divisionTeams(int division, const QString& before, const QString& after,
                                        bool html) const {
        const Division& range = m_pool.divisionRec[division];
        QString text;
        for (int t = std::max<int>(range.firstTeam, 0); t <= std::min<int>(range.lastTeam, TeamSlots - 1);
             ++t) {
            const QString abbr = reportAbbr(m_pool, t);
            text += before + (html ? htmlText(abbr) : abbr) + after;
        }
        return text;
    }

private:
    [[nodiscard]] int lastWeekShown(const Block& block) const {
        return std::min(block.first + block.columns, m_weeks) - 1;
    }

    const PoolData& m_pool;
    int m_weeks;
    bool m_confidence;
};

QString title(const PoolData& pool) {
    return formatNumber(pool.seasonYear, u"0") + QStringLiteral(" VEK Season");
}

/// One line of the printed form and of its text file.
struct FormLine {
    enum Kind { Title, Circle, Heading, Game, Score, Empty, KeyTitle, KeyColumns, Division, Name } kind;
    QString text;
};

std::vector<FormLine> formLines(const FormLayout& form, const QString& scoreField) {
    std::vector<FormLine> lines{{FormLine::Title, blanks(22) + title(form.pool())},
                                {FormLine::Circle, blanks(19) + QStringLiteral("(circle predictions)")}};
    for (const Block& block : form.blocks()) {
        lines.push_back({FormLine::Heading, form.heading(block)});
        for (int slot = 0; slot < form.slotCount(); ++slot) {
            lines.push_back({FormLine::Game, form.gameLine(block, slot)});
        }
        if (!form.mondayNight()) {
            lines.push_back({FormLine::Empty, {}});
        } else if (const int fields = form.scoreFields(block); fields > 0) {
            lines.push_back({FormLine::Score, QStringList(fields, scoreField).join(blanks(5))});
        }
    }
    if (form.keyShown()) {
        lines.push_back({FormLine::KeyTitle, KeyTitle});
        lines.push_back({FormLine::KeyColumns, KeyColumns});
        for (int d = 0; d < Divisions; ++d) {
            lines.push_back({FormLine::Division,
                             KeyLabels[d] + form.divisionTeams(d, {}, QStringLiteral(" OOO  "), false)});
        }
    }
    lines.push_back({FormLine::Name, NameLine});
    return lines;
}

} // namespace

void PrintSeasonForm(const PoolData& pool, ReportPrinter& printer) {
    for (const FormLine& line : formLines(FormLayout(pool), PrintedScore)) {
        switch (line.kind) {
        case FormLine::Title:
            printer.setBold(true);
            printer.setFontSize(16);
            printer.printLine(line.text);
            break;
        case FormLine::Circle:
            printer.setBold(false);
            printer.printLine(line.text);
            printer.setFontSize(10);
            break;
        case FormLine::Heading:
            printer.setBold(true);
            printer.printLine(line.text);
            printer.setBold(false);
            break;
        case FormLine::KeyTitle:
            printer.setBold(true);
            printer.printLine(line.text);
            break;
        case FormLine::KeyColumns:
            printer.printLine(line.text);
            printer.setBold(false);
            break;
        case FormLine::Name:
            printer.endLine();
            printer.printLine(line.text);
            break;
        case FormLine::Empty:
            printer.endLine();
            break;
        case FormLine::Game:
        case FormLine::Score:
        case FormLine::Division:
            printer.printLine(line.text);
            break;
        }
    }
    printer.endDocument();
}

void WriteSeasonFormText(const PoolData& pool, ReportFile& file) {
    file.create();
    for (const FormLine& line : formLines(FormLayout(pool), FileScore)) {
        file.writeLine(line.text);
    }
}

void WriteSeasonFormHtml(const PoolData& pool, ReportFile& file) {
    const FormLayout form(pool);
    file.create();
    file.writeLine(blanks(22) + QStringLiteral("<h1>") + title(pool) + QStringLiteral("</h1>"));
    file.writeLine(blanks(19) + QStringLiteral("<h2>(circle predictions)</h2>"));
    const std::vector<Block> blocks = form.blocks();
    for (const Block& block : blocks) {
        QString heading =
            block.first == 0 ? QStringLiteral("<table border=1 cellspacing=1 cellpadding=1 font=courier><tr>")
                             : QStringLiteral("<table border=1 cellspacing=1 cellpadding=1><tr>");
        for (int c = 0; c < block.columns; ++c) {
            heading += HeadingCellTag + form.headingCell(block, block.first + c) + QStringLiteral("</th>");
        }
        file.writeLine(heading + QStringLiteral("</tr>"));
        for (int slot = 0; slot < form.slotCount(); ++slot) {
            QString row = QStringLiteral("<tr>");
            for (int c = 0; c < block.columns; ++c) {
                row += QStringLiteral("<td align=center>") + form.gameCell(block.first + c, slot, true) +
                       QStringLiteral("</td>");
            }
            file.writeLine(row + QStringLiteral("</tr>"));
        }
        QString scores;
        if (!form.mondayNight()) {
            scores = QStringLiteral("<tr></tr>");
        } else if (const int fields = form.scoreFields(block); fields > 0) {
            scores = QStringLiteral("<tr>");
            for (int c = 0; c < std::max(fields, block.last ? 0 : block.columns); ++c) {
                scores += c < fields ? QStringLiteral("<td>Score: ____</td>") : QStringLiteral("<td></td>");
            }
            scores += QStringLiteral("</tr>");
        }
        if (block.last) {
            if (!scores.isEmpty()) {
                file.writeLine(scores);
            }
            file.writeLine(QStringLiteral("</table><br><br>"));
        } else {
            file.writeLine(scores + QStringLiteral("</table><br>"));
        }
    }
    if (form.keyShown()) {
        file.writeLine(QStringLiteral("<table border=1 cellspacing=1 cellpadding=1><h3>") + KeyTitle +
                       QStringLiteral("</h3>"));
        file.writeLine(QStringLiteral("<table border=2 cellspacing=1 cellpadding=1><tr>"));
        QString columns = QStringLiteral("<td align=right bgcolor=c0dcc0>Division</td>");
        for (int c = 0; c < 4; ++c) {
            columns += QStringLiteral("<td align=right bgcolor=c0dcc0>DWS</td>");
        }
        file.writeLine(columns + QStringLiteral("</tr><tr>"));
        for (int d = 0; d < Divisions; ++d) {
            QString label = KeyLabels[d];
            label.replace(QLatin1Char('.'), QLatin1Char(' '));
            file.writeLine(
                QStringLiteral("<td>") + label + QStringLiteral("</td>") +
                form.divisionTeams(d, QStringLiteral("<td align=right>"), QStringLiteral(" OOO  </td>"),
                                   true) +
                (d + 1 < Divisions ? QStringLiteral("</tr><tr>") : QStringLiteral("</tr></table>")));
        }
    }
    file.writeLine(QStringLiteral("<p>") + NameLine + QStringLiteral("</p>"));
}

} // namespace vek
