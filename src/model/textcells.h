#pragma once

#include <QString>

namespace vek {

// Texts laid out in character places: the reports' columns and the members' file names. A place
// holds one character, whatever its UTF-16 length, so a character outside the Basic Multilingual
// Plane (an emoji in a name) is never cut in half and takes one place, as it does on paper.

/// The number of characters of a text.
[[nodiscard]] int characterCount(const QString& text);

/// The first `count` characters of a text (the whole text when shorter; none for a count below 1).
[[nodiscard]] QString leftCharacters(const QString& text, int count);

/// The text in `width` places: cut to its first `width` characters, or followed by blanks up to them.
[[nodiscard]] QString fitCharacters(const QString& text, int width);

} // namespace vek
