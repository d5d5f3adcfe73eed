// The pictures of the solid screens: line drawings of each solid with its
// measurements marked by the symbols of the fields.
#pragma once

#include "solids.h"

#include <QImage>

namespace solid {

// A black drawing on white, 100 x 101 pixels, drawn at a device pixel ratio
// (at 2 it has 200 x 202 pixels).
QImage illustration(Solid solid, qreal devicePixelRatio = 1);

} // namespace solid
