// Pictures the program draws itself: the built-in backgrounds, the emblem,
// and the window picture of the settings screen's preview.
#pragma once

#include <QImage>

class QPainter;

namespace artwork {

inline constexpr int kBuiltInCount = 18;

// The pictures are drawn at a device pixel ratio: at 2 they have twice the
// pixels each way and the same size on the screen.

// Built-in background 1 to 18: a 497 x 4 horizontal gradient.
QImage builtInBackground(int position, qreal devicePixelRatio = 1);

inline constexpr int kEmblemSize = 80;

// The program's emblem, kEmblemSize x kEmblemSize.
QImage emblem(qreal devicePixelRatio = 1);

// Paints the emblem into the square (0, 0) - (kEmblemSize, kEmblemSize) of the
// painter's coordinates; a scaled painter draws it at any size (the desktop
// icons are drawn this way).
void paintEmblem(QPainter &painter);

// An empty application window, 397 x 272 (a JPEG among the resources).
QImage windowPicture();

}  // namespace artwork
