#pragma once

#include <QString>
#include <QStringView>

namespace vek {

// The masks that lay out every printed report and report file in characters. Most cells use both: a
// number mask that turns the value into digits, then a text mask that sets the text in its column.

/// A number under a number mask: "0" a digit always shown, "#" a digit shown only when significant
/// ("##" turns 0 into an empty text, "#0" into "0"), "." the decimal point, "%" multiplies by 100 and
/// stands where it is; every other character is copied where it stands ("-00" turns 7 into "-07").
/// Digits beyond the mask's places are all shown. The value is rounded to the mask's last digit, halves
/// away from zero; a negative value gets a leading minus sign, unless it rounds to zero.
[[nodiscard]] QString formatNumber(double value, QStringView mask);

/// A text under a text mask: each "@" is one place, filled from the right (the text right-aligned,
/// blanks on its left), or from the left when the mask begins with "!" (left-aligned, blanks after it);
/// other characters are copied. A text longer than the places is written whole, its column widened, so a
/// writer that must keep a column's width cuts the text first.
[[nodiscard]] QString formatText(const QString& text, QStringView mask);

/// Both steps: formatText(formatNumber(value, numberMask), textMask).
[[nodiscard]] QString formatCell(double value, QStringView numberMask, QStringView textMask);

/// `count` blanks; none for a count below 1.
[[nodiscard]] QString blanks(int count);

} // namespace vek
