#include "model/filehelpers.h"

#include "model/datafolder.h"

#include <limits>

namespace vek {

std::optional<QByteArray> readDataBytes(const DataFolder& folder, const QString& fileName,
                                        ReadOutcome& outcome) {
    DataFolder::FileContent content = folder.readContent(fileName);
    folder.noteRead(fileName, content);
    outcome.opened = content.state == DataFolder::FileState::Read;
    // Only a missing file is the quiet case: a file that is there and cannot be read holds values the
    // user entered, and the next save would replace it with the defaults.
    outcome.valuesReplaced = !outcome.opened && content.state != DataFolder::FileState::Missing;
    if (outcome.valuesReplaced) {
        outcome.unusable = content.reason;
    }
    if (!outcome.opened) {
        return std::nullopt;
    }
    return std::move(content.bytes);
}

std::optional<DataReader> openDataFile(const DataFolder& folder, const QString& fileName,
                                       ReadOutcome& outcome) {
    std::optional<QByteArray> bytes = readDataBytes(folder, fileName, outcome);
    if (!bytes) {
        return std::nullopt;
    }
    return DataReader(std::move(*bytes));
}

ReadStatus readTeamCode(DataReader& reader, int16_t& target) {
    int16_t code = 0;
    const ReadStatus status = reader.read(code);
    if (status != ReadStatus::Stored) {
        return status;
    }
    if (!isTeamSlot(code)) {
        reader.markValueUnused();
        return ReadStatus::Skipped;
    }
    target = code;
    return ReadStatus::Stored;
}

bool storeInt16(int16_t& target, int value) {
    if (value < std::numeric_limits<int16_t>::min() || value > std::numeric_limits<int16_t>::max()) {
        return false;
    }
    target = static_cast<int16_t>(value);
    return true;
}

} // namespace vek
