// JPEG files made for the picture tests with libjpeg's encoder.
#pragma once

#include <QByteArray>
#include <QColor>

namespace fixtures {

// A width x height picture filled with `colour`; progressive when asked.
QByteArray encodeJpeg(int width, int height, const QColor &colour, bool progressive = false);

// The same file with its last scan repeated `copies` more times.
QByteArray withRepeatedLastScan(const QByteArray &progressiveJpeg, int copies);

// The file with the dimensions in its frame header replaced.
QByteArray withDimensions(const QByteArray &jpeg, int width, int height);

}  // namespace fixtures
