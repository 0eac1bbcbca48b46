#pragma once

#include "widgets/colours.h"

#include <QColor>
#include <QString>

class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QWidget;

namespace vek {
struct PoolData;
class UpDown;
} // namespace vek

// The controls that the standings, analysis and setup windows build alike: value boxes, headings,
// frames, buttons and up-downs.
namespace vek::controls {

using namespace colours;

constexpr int BoxHeight = 18;

/// A member, week or event chooser: the shared up-down control, named.
UpDown* makeUpDown(QWidget* parent, const QString& name);

/// An up-down's range and value at once, without raising a change.
void setQuietly(QSpinBox* upDown, int minimum, int maximum, int value);

/// A value box: a sunken panel of fixed size holding one figure, centred unless said otherwise.
QLabel* makeBox(QWidget* parent, const QString& name, int width, Qt::Alignment align = Qt::AlignCenter);

/// A column heading above value boxes.
QLabel* makeHeading(QWidget* parent, const QString& text, const QString& name = QString(),
                    Qt::Alignment align = Qt::AlignCenter);

/// A plain label of the window's design.
QLabel* makeText(QWidget* parent, const QString& text, const QString& name = QString());

/// A frame with a caption, named as the window's design names it.
QGroupBox* makeFrame(QWidget* parent, const QString& name, const QString& caption);

/// A command button that Enter never presses by itself.
QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption);

/// The width a box needs to show every one of these texts whole, with the box's margins.
[[nodiscard]] int widthFor(const QWidget* widget, const QStringList& texts, int atLeast = 0);

/// The width of the boxes that hold member names: the longest name's, from `atLeast` up to a limit.
[[nodiscard]] int memberNameWidth(const QWidget* widget, const PoolData& pool, int atLeast);

/// Shows a member's name in its box, cut with an ellipsis when the box is too narrow for it; the box's
/// tip then shows it whole.
void showName(QLabel* box, const QString& name);

} // namespace vek::controls
