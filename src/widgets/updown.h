#pragma once

#include <QSpinBox>

namespace vek {

/// An up-down control: a spin box that shows only its two arrows; a label beside it shows the value
/// (the week chooser of the entry windows, the spread spinner, the member choosers of the views).
class UpDown final : public QSpinBox {
    Q_OBJECT
public:
    static constexpr int Width = 22;
    static constexpr int Height = 24;

    explicit UpDown(QWidget* parent = nullptr);
};

} // namespace vek
