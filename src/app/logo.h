#pragma once

#include <QPixmap>

namespace vek {

/// The product logo drawn in code (a football on the pool's green badge), so that the program ships
/// no picture files. The main window and the splash window show it.
[[nodiscard]] QPixmap drawLogo(int size);

/// The product title as a small picture, shown under the logo in the main window.
[[nodiscard]] QPixmap drawWordmark(int width, int height);

} // namespace vek
