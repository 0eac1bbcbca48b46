#include "model/datareader.h"

#include "model/textcodec.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace vek {
namespace {

constexpr QByteArrayView Utf8ByteOrderMark("\xEF\xBB\xBF");

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

QByteArrayView trimmed(QByteArrayView text) {
    while (!text.isEmpty() && isBlank(text.front())) {
        text = text.sliced(1);
    }
    while (!text.isEmpty() && isBlank(text.back())) {
        text.chop(1);
    }
    return text;
}

// The text of a number as the files hold it: blanks around it and a leading "+" dropped.
QByteArrayView numberText(QByteArrayView text) {
    text = trimmed(text);
    if (!text.isEmpty() && text.front() == '+') {
        text = text.sliced(1);
    }
    return text;
}

} // namespace

std::optional<int64_t> parseWholeNumber(QByteArrayView text) {
    text = numberText(text);
    if (text.isEmpty()) {
        return std::nullopt;
    }
    int64_t value = 0;
    const char* first = text.data();
    const char* last = first + text.size();
    const auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || ptr != last) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> parseDecimalNumber(QByteArrayView text) {
    text = numberText(text);
    if (text.isEmpty()) {
        return std::nullopt;
    }
    double value = 0.0;
    const char* first = text.data();
    const char* last = first + text.size();
    const auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ec != std::errc() || ptr != last || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

DataReader::DataReader(QByteArray bytes) : m_bytes(std::move(bytes)) {
    // Text editors that save UTF-8 may put a byte-order mark first; it belongs to no value.
    if (m_bytes.startsWith(Utf8ByteOrderMark)) {
        m_pos = Utf8ByteOrderMark.size();
    }
}

bool DataReader::atEnd() const {
    qsizetype pos = m_pos;
    while (pos < m_bytes.size() && isBlank(m_bytes[pos])) {
        ++pos;
    }
    return pos >= m_bytes.size();
}

std::optional<QByteArrayView> DataReader::next() {
    const char* const bytes = m_bytes.constData();
    const qsizetype size = m_bytes.size();
    qsizetype pos = m_pos;
    while (pos < size && isBlank(bytes[pos])) {
        ++pos;
    }
    if (pos >= size) {
        m_pos = pos;
        m_hitEnd = true;
        return std::nullopt;
    }
    const auto toSeparator = [bytes, size](qsizetype from) {
        while (from < size && bytes[from] != ',' && !isLineEnd(bytes[from])) {
            ++from;
        }
        return from;
    };
    QByteArrayView value;
    if (bytes[pos] == '"') {
        const qsizetype start = pos + 1;
        const void* quote =
            start < size ? std::memchr(bytes + start, '"', static_cast<std::size_t>(size - start)) : nullptr;
        const qsizetype close = quote != nullptr ? static_cast<const char*>(quote) - bytes : size;
        value = QByteArrayView(bytes + start, close - start);
        // Whatever follows the closing quote up to the separator belongs to no value.
        pos = toSeparator(std::min(close + 1, size));
    } else {
        const qsizetype start = pos;
        pos = toSeparator(pos);
        value = QByteArrayView(bytes + start, pos - start);
        while (!value.isEmpty() && isBlank(value.back())) {
            value.chop(1);
        }
    }
    skipSeparator(bytes, size, pos); // the value ended at a separator or at the file's end
    m_pos = pos;
    return value;
}

ReadStatus DataReader::read(int32_t& target) {
    return readInteger(target);
}

ReadStatus DataReader::read(int64_t& target) {
    return readInteger(target);
}

std::optional<int64_t> DataReader::nextWholeNumber(bool& atEnd) {
    const auto raw = next();
    atEnd = !raw;
    return raw ? parseWholeNumber(*raw) : std::nullopt;
}

ReadStatus DataReader::read(float& target) {
    const auto raw = next();
    if (!raw) {
        return ReadStatus::End;
    }
    const auto number = parseDecimalNumber(*raw);
    if (!number || std::fabs(*number) > static_cast<double>(std::numeric_limits<float>::max())) {
        markValueUnused();
        return ReadStatus::Skipped;
    }
    target = static_cast<float>(*number);
    return ReadStatus::Stored;
}

ReadStatus DataReader::read(QString& target) {
    const auto raw = next();
    if (!raw) {
        return ReadStatus::End;
    }
    target = decodeFileText(*raw);
    return ReadStatus::Stored;
}

bool DataReader::skip() {
    return next().has_value();
}

} // namespace vek
