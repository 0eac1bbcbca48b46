#pragma once

#include "model/datareader.h"
#include "model/pooldata.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>

namespace vek {

class DataFolder;

/// What a loading stage learns from reading one data file.
struct ReadOutcome {
    bool opened = false;         // the file was there and could be read
    bool endedEarly = false;     // the file ended before its layout did
    bool valuesReplaced = false; // a value did not parse or lay outside its range: a default, the
                                 // nearest allowed value or what the target held took its place; or the
                                 // whole file could not be used, and the stage's defaults took its place
    QString unusable;            // why the whole file could not be used; empty when it could
};

/// Reads a data file for its loading stage: its bytes, with `outcome` marked opened; nullopt when the
/// file cannot be read, and the stage applies its defaults. A file that is missing is the quiet case; one
/// that is there but cannot be read (no permission, a socket), is none of the pool's (a folder, a device,
/// a FIFO, larger than any data file) or fails while it is read also marks its values replaced and says
/// why in `unusable`, so the user hears of it; no save replaces it for the rest of the session
/// (`DataFolder::noteRead`), since the pool now holds defaults in its place.
[[nodiscard]] std::optional<QByteArray> readDataBytes(const DataFolder& folder, const QString& fileName,
                                                      ReadOutcome& outcome);
/// The same, as a reader of the file's values.
[[nodiscard]] std::optional<DataReader> openDataFile(const DataFolder& folder, const QString& fileName,
                                                     ReadOutcome& outcome);

/// Reads one value as a team code and stores it only when it names a team slot, so that a damaged file
/// never puts a code into the model that would index past the team tables. The value is consumed
/// whether or not it is stored; one outside the team slots is marked unused.
ReadStatus readTeamCode(DataReader& reader, int16_t& target);

/// Stores a value worked out in wider arithmetic only when it fits the model's 16-bit integers; otherwise
/// the target keeps what it held. Returns whether it was stored.
bool storeInt16(int16_t& target, int value);

/// Calls f(week, game) for every game of the layout, week by week and game by game: the order in which
/// every per-game file holds its values.
template <class F> void forEachGame(const WeekLayout& layout, F&& f) {
    for (int week = 0; week < layout.weeks(); ++week) {
        for (int game = 0; game < layout.games(week); ++game) {
            f(week, game);
        }
    }
}

} // namespace vek
