#include "model/textcells.h"

#include <algorithm>

namespace vek {
namespace {

/// The UTF-16 length of the first `count` characters.
qsizetype unitsOf(const QString& text, int count) {
    qsizetype end = 0;
    for (int characters = 0; characters < count && end < text.size(); ++characters) {
        const bool pair =
            text[end].isHighSurrogate() && end + 1 < text.size() && text[end + 1].isLowSurrogate();
        end += pair ? 2 : 1;
    }
    return end;
}

} // namespace

int characterCount(const QString& text) {
    int characters = 0;
    for (qsizetype i = 0; i < text.size(); ++characters) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        i += pair ? 2 : 1;
    }
    return characters;
}

QString leftCharacters(const QString& text, int count) {
    return text.left(unitsOf(text, std::max(count, 0)));
}

QString fitCharacters(const QString& text, int width) {
    QString fitted = leftCharacters(text, width);
    const int shown = characterCount(fitted);
    if (shown < width) {
        fitted += QString(width - shown, QLatin1Char(' '));
    }
    return fitted;
}

} // namespace vek
