// The pictures of the solid screens: line drawings of each solid with its
// measurements marked by the symbols of the fields.
#pragma once

#include "solids.h"

#include <QImage>

namespace solid {

// A black drawing on white, 100 x 101 pixels.
QImage illustration(Solid solid);

} // namespace solid
