// Pictures the program draws itself: the built-in backgrounds, the emblem,
// and the window picture of the settings screen's preview.
#pragma once

#include <QImage>

namespace artwork {

inline constexpr int kBuiltInCount = 18;

// Built-in background 1 to 18: a 497 x 4 horizontal gradient.
QImage builtInBackground(int position);

// The program's emblem, 80 x 80.
QImage emblem();

// An empty application window, 397 x 272 (a JPEG among the resources).
QImage windowPicture();

}  // namespace artwork
