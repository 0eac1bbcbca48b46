#pragma once

#include <QColor>
#include <QSpinBox>
#include <QString>

class QGridLayout;
class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

namespace vek {
struct PoolData;
}

namespace vek::viewwidgets {

// The looks the standings and analysis windows share: value boxes, headings, up-downs and colours.

// Colours of the views (RGB).
inline const QColor Red{0xFF, 0x00, 0x00};
inline const QColor White{0xFF, 0xFF, 0xFF};
inline const QColor Black{0x00, 0x00, 0x00};
inline const QColor Blue{0x00, 0x00, 0xFF};
inline const QColor Navy{0x00, 0x00, 0x80};
inline const QColor LightGreen{0xC0, 0xFF, 0xC0};
inline const QColor LightCyan{0xC0, 0xFF, 0xFF};

constexpr int BoxHeight = 18;

/// An up-down control: only the two arrows; what it chooses is shown beside it.
class UpDown final : public QSpinBox {
public:
    UpDown(QWidget* parent, const QString& name);
    /// Range and value at once, without raising a change.
    void setQuietly(int minimum, int maximum, int value);
};

/// The platform's button-face colour, the background of every neutral box.
[[nodiscard]] QColor buttonFace();

/// Sets a widget's background and text colour.
void setColours(QWidget* widget, const QColor& back, const QColor& text);

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

} // namespace vek::viewwidgets
