#pragma once

#include <QString>

#include <cstdint>

namespace vek {

/// The report options of the output dialog.
enum class ReportOption {
    NotChosen,   // the dialog opens with none selected
    Predictions, // "Predictions Listing"
    Results,     // "Results Listing"
    SeasonForm,  // "Season Schedule / Entry Form"
    WeeklyForms, // "Weekly Schedule / Entry Form"
    None,        // "None": only the ticked sections
};

/// Report kinds as the reports receive them.
constexpr int16_t KindNotChosen = 0;
constexpr int16_t KindResultsRange = 1;
constexpr int16_t KindResultsSeason = 2;
constexpr int16_t KindPredictions = 3;

[[nodiscard]] constexpr bool isResultsKind(int16_t kind) {
    return kind == KindResultsRange || kind == KindResultsSeason;
}

enum class PageOrientation { Portrait = 1, Landscape = 2 };

/// What the administrator chose in the output dialog, as a value: the reports and the report dispatch
/// read it and never the dialog's controls. The section ticks are the boxes' values as they stand: a
/// box the dialog disabled keeps its tick, and the reports still see it.
struct ReportChoice {
    ReportOption report = ReportOption::NotChosen;
    int16_t kind = KindNotChosen;
    int16_t fromWeek = 0; // 0-based, inclusive
    int16_t toWeek = 0;
    bool unsorted = false; // results listed game by game rather than as sorted standings

    bool postSeason = false;    // "Post Season"
    bool ledger = false;        // "Ledger"
    bool teamStandings = false; // "Team Standings": the member charts
    bool differences = false;   // "Differences Charts"
    bool profiles = false;      // "Event Pool Profiles"

    bool toFile = false; // write the report file instead of printing
    bool html = false;   // the file as HTML fragments
    QString fileName;    // the report file's name in the program's folder
    int copies = 1;
    PageOrientation orientation = PageOrientation::Portrait;
};

} // namespace vek
