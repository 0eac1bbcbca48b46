#pragma once

#include <QColor>

class QWidget;

namespace vek {

/// The colours the windows share, in RGB. NFC is blue and AFC red wherever a team or a division is
/// coloured by its conference; a winner's text is red, a tie's or a push's blue.
namespace colours {
inline constexpr QColor Red{0xFF, 0x00, 0x00};
inline constexpr QColor Blue{0x00, 0x00, 0xFF};
inline constexpr QColor Green{0x00, 0xFF, 0x00};
inline constexpr QColor White{0xFF, 0xFF, 0xFF};
inline constexpr QColor Black{0x00, 0x00, 0x00};
inline constexpr QColor Reference{0xFF, 0xC0, 0x80}; // light orange: the reference member's header
inline constexpr QColor Totals{0xC0, 0xFF, 0xFF};    // light cyan: a totals row
inline constexpr QColor Week{0xC0, 0xFF, 0xC0};      // light green: a week number
inline constexpr QColor Cell{0xE0, 0xE0, 0xE0};      // light grey: a grid cell
inline constexpr QColor Navy{0x00, 0x00, 0x80};      // a positive balance
inline constexpr QColor LightGreen = Week;           // the title box of what a view shows
inline constexpr QColor LightCyan = Totals;          // a team's heading in the statistics
} // namespace colours

/// The platform's button-face colour, the background of neutral boxes and buttons.
[[nodiscard]] QColor buttonFace();

/// Sets a control's background and text colours: a button's face, or the background of a label that
/// fills it (autoFillBackground).
void setColours(QWidget* widget, const QColor& back, const QColor& text);

/// The emphasis of a header or a label beside its colours (bold), set or cleared.
void setEmphasis(QWidget* widget, bool on);

} // namespace vek
