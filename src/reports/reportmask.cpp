#include "reports/reportmask.h"

#include "model/rounding.h"

#include <cmath>

namespace vek {
namespace {

bool isDigitPlace(QChar c) {
    return c == QLatin1Char('0') || c == QLatin1Char('#');
}

} // namespace

QString formatNumber(double value, QStringView mask) {
    if (!std::isfinite(value)) {
        value = 0.0;
    }
    const qsizetype point = mask.indexOf(QLatin1Char('.'));
    const qsizetype intEnd = point < 0 ? mask.size() : point;
    int intPlaces = 0;
    int minIntDigits = 0;
    bool zeroSeen = false;
    for (qsizetype i = 0; i < intEnd; ++i) {
        if (!isDigitPlace(mask[i])) {
            continue;
        }
        ++intPlaces;
        zeroSeen = zeroSeen || mask[i] == QLatin1Char('0');
        if (zeroSeen) {
            ++minIntDigits;
        }
    }
    QString decimalPlaces;
    for (qsizetype i = intEnd + 1; i < mask.size(); ++i) {
        if (isDigitPlace(mask[i])) {
            decimalPlaces.push_back(mask[i]);
        }
    }
    const int decimals = static_cast<int>(decimalPlaces.size());
    if (mask.contains(QLatin1Char('%'))) {
        value *= 100.0;
    }

    const double rounded = std::fabs(roundedUnits(value, decimals));
    // All the digits of the rounded magnitude, the last `decimals` of them after the point.
    QString digits = QString::number(rounded, 'f', 0);
    if (digits.size() <= decimals) {
        digits = QString(decimals - digits.size() + 1, QLatin1Char('0')) + digits;
    }
    QString intDigits = digits.left(digits.size() - decimals);
    QString fraction = digits.right(decimals);
    if (intDigits == QLatin1String("0")) {
        intDigits.clear();
    }
    if (intDigits.size() < minIntDigits) {
        intDigits = QString(minIntDigits - intDigits.size(), QLatin1Char('0')) + intDigits;
    }
    // "#" places after the point show no trailing zeros.
    while (!fraction.isEmpty() && decimalPlaces[fraction.size() - 1] == QLatin1Char('#') &&
           fraction.endsWith(QLatin1Char('0'))) {
        fraction.chop(1);
    }

    QString out;
    // Integer places are filled from the right; digits beyond them go in front of the first place.
    qsizetype nextDigit = intDigits.size() - intPlaces; // index of the digit the first place shows
    int placesSeen = 0;
    for (qsizetype i = 0; i < intEnd; ++i) {
        const QChar c = mask[i];
        if (!isDigitPlace(c)) {
            out += c;
            continue;
        }
        if (placesSeen == 0 && nextDigit > 0) {
            out += intDigits.left(nextDigit);
        }
        if (nextDigit >= 0) {
            out += intDigits[nextDigit];
        }
        ++nextDigit;
        ++placesSeen;
    }
    if (intPlaces == 0) {
        out += intDigits;
    }
    if (point >= 0) {
        out += QLatin1Char('.');
        qsizetype nextFraction = 0;
        for (qsizetype i = point + 1; i < mask.size(); ++i) {
            const QChar c = mask[i];
            if (!isDigitPlace(c)) {
                out += c;
            } else if (nextFraction < fraction.size()) {
                out += fraction[nextFraction++];
            }
        }
    }
    if (value < 0.0 && rounded != 0.0) {
        out.prepend(QLatin1Char('-'));
    }
    return out;
}

QString formatText(const QString& text, QStringView mask) {
    const bool fromLeft = mask.startsWith(QLatin1Char('!'));
    if (fromLeft) {
        mask = mask.mid(1);
    }
    const auto places = static_cast<qsizetype>(mask.count(QLatin1Char('@')));
    const qsizetype extra = std::max<qsizetype>(0, text.size() - places);
    QString out;
    if (fromLeft) {
        // Places take the text's first characters; what does not fit follows the last place.
        qsizetype next = 0;
        qsizetype placesSeen = 0;
        for (const QChar c : mask) {
            if (c != QLatin1Char('@')) {
                out += c;
                continue;
            }
            out += next < text.size() ? text[next++] : QLatin1Char(' ');
            if (++placesSeen == places) {
                out += text.mid(next, extra);
            }
        }
        if (places == 0) {
            out += text;
        }
        return out;
    }
    // Places take the text's last characters; what does not fit comes before the first place.
    const qsizetype shown = text.size() - extra;
    qsizetype next = extra - (places - shown); // index of the character the first place shows
    bool firstPlace = true;
    for (const QChar c : mask) {
        if (c != QLatin1Char('@')) {
            out += c;
            continue;
        }
        if (firstPlace) {
            out += text.left(extra);
            firstPlace = false;
        }
        out += next >= extra ? text[next] : QLatin1Char(' ');
        ++next;
    }
    if (places == 0) {
        out.prepend(text);
    }
    return out;
}

QString formatCell(double value, QStringView numberMask, QStringView textMask) {
    return formatText(formatNumber(value, numberMask), textMask);
}

QString blanks(int count) {
    return count > 0 ? QString(count, QLatin1Char(' ')) : QString();
}

} // namespace vek
