#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <limits>
#include <optional>

namespace vek {

/// Outcome of reading one value into a target.
enum class ReadStatus {
    Stored,  // the value was read and stored
    Skipped, // a value was there but did not parse or overflowed the target: the target is unchanged
    End,     // the file has no further value: the target is unchanged
};

/// Reads a data file the lenient way every data file is read: values separated by a comma or a line end
/// (CR LF, LF or CR); blanks before a value skipped; a value that begins with a double quote runs to the
/// closing quote, any other value to the next separator (trailing blanks dropped). A number that does not
/// parse or overflows its target leaves the target as it was; so does the end of the file. A UTF-8
/// byte-order mark at the start of the file is skipped.
class DataReader {
public:
    explicit DataReader(QByteArray bytes);

    ReadStatus read(int16_t& target) { return readInteger(target); }
    ReadStatus read(int32_t& target);
    ReadStatus read(float& target);
    ReadStatus read(QString& target);
    /// Reads a number into a wide integer (for values such as a port that must be checked by the caller).
    ReadStatus read(int64_t& target);
    /// Consumes one value without storing it; false at the end of the file.
    bool skip();

    /// True when no value is left.
    [[nodiscard]] bool atEnd() const;
    /// True once any read met the end of the file (the file was shorter than its layout).
    [[nodiscard]] bool hitEnd() const { return m_hitEnd; }

    /// Records that a value read could not be used (it lay outside the range its target allows), so its
    /// target kept what it held. A number that does not parse or overflows is recorded by the read.
    void markValueUnused() { m_unusedValues = true; }
    /// True once any value of the file could not be used.
    [[nodiscard]] bool unusedValues() const { return m_unusedValues; }

private:
    // Steps over the separator at `pos`: a comma, CR LF, LF or a lone CR (or nothing at the file's end).
    // False, with `pos` kept, when another byte stands there.
    static bool skipSeparator(const char* bytes, qsizetype size, qsizetype& pos) {
        if (pos >= size) {
            return true;
        }
        if (bytes[pos] == ',' || bytes[pos] == '\n') {
            ++pos;
            return true;
        }
        if (bytes[pos] == '\r') {
            ++pos;
            if (pos < size && bytes[pos] == '\n') {
                ++pos;
            }
            return true;
        }
        return false;
    }
    // The bytes of the next value, seen in place in the file's bytes: reading a value allocates nothing.
    std::optional<QByteArrayView> next();
    // The next value as a whole number, the general way: nullopt when it is none, and atEnd when the
    // file has no further value.
    std::optional<int64_t> nextWholeNumber(bool& atEnd);
    // A whole number as the program writes it (digits with an optional "-", then a separator or the
    // file's end), taken in one pass over its bytes: nearly every value of the per-game files is one,
    // so this is inline where the 16-bit values are read. False, with nothing consumed, for any other
    // value. A flag and an out value: an optional result goes through memory and stalls every read.
    bool takePlainWholeNumber(int64_t& number) {
        constexpr int MaxDigits = 18; // below the 64-bit limit whatever the digits
        const char* const bytes = m_bytes.constData();
        const qsizetype size = m_bytes.size();
        qsizetype pos = m_pos;
        const bool negative = pos < size && bytes[pos] == '-';
        if (negative) {
            ++pos;
        }
        const qsizetype firstDigit = pos;
        int64_t value = 0;
        while (pos < size && pos - firstDigit < MaxDigits && bytes[pos] >= '0' && bytes[pos] <= '9') {
            value = 10 * value + (bytes[pos] - '0');
            ++pos;
        }
        if (pos == firstDigit) {
            return false;
        }
        // Only a separator may follow; blanks, quotes and anything else go the general way.
        if (!skipSeparator(bytes, size, pos)) {
            return false;
        }
        m_pos = pos;
        number = negative ? -value : value;
        return true;
    }
    template <class Int> ReadStatus readInteger(Int& target) {
        int64_t number = 0;
        if (!takePlainWholeNumber(number)) {
            bool atEnd = false;
            const std::optional<int64_t> parsed = nextWholeNumber(atEnd);
            if (atEnd) {
                return ReadStatus::End;
            }
            if (!parsed) {
                markValueUnused();
                return ReadStatus::Skipped;
            }
            number = *parsed;
        }
        if (number < std::numeric_limits<Int>::min() || number > std::numeric_limits<Int>::max()) {
            markValueUnused();
            return ReadStatus::Skipped;
        }
        target = static_cast<Int>(number);
        return ReadStatus::Stored;
    }

    QByteArray m_bytes;
    qsizetype m_pos = 0;
    bool m_hitEnd = false;
    bool m_unusedValues = false;
};

/// Parses a whole number as the data files hold it ("-1", " 0 ", "+7"); nullopt when it is no number.
[[nodiscard]] std::optional<int64_t> parseWholeNumber(QByteArrayView text);
/// Parses a decimal number with "." as the decimal point (".5", "3.5", "-1", "1E3").
[[nodiscard]] std::optional<double> parseDecimalNumber(QByteArrayView text);

} // namespace vek
