#include "widgets/updown.h"

#include <QLineEdit>

namespace vek {

UpDown::UpDown(QWidget* parent) : QSpinBox(parent) {
    lineEdit()->hide();
    setFixedSize(Width, Height);
    setWrapping(false);
}

} // namespace vek
