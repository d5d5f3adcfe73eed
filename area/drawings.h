// The drawings of the plane figures beside their fields: black lines on
// white, 100 x 100 pixels, the measurements dashed and marked with the
// letters of the fields' captions.
#pragma once

#include <QImage>

namespace area {

QImage trapezoidDrawing(qreal devicePixelRatio);
QImage polygonDrawing(qreal devicePixelRatio);
QImage ellipseDrawing(qreal devicePixelRatio);
QImage semicircleDrawing(qreal devicePixelRatio);

}  // namespace area
