#include "jpegfixtures.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace fixtures {

QByteArray encodeJpeg(int width, int height, const QColor &colour, bool progressive)
{
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    if (progressive)
        jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(std::size_t(width) * 3);
    for (int x = 0; x < width; ++x) {
        row[3 * x] = static_cast<unsigned char>(colour.red());
        row[3 * x + 1] = static_cast<unsigned char>(colour.green());
        row[3 * x + 2] = static_cast<unsigned char>(colour.blue());
    }
    while (info.next_scanline < info.image_height) {
        JSAMPROW line = row.data();
        jpeg_write_scanlines(&info, &line, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray out(reinterpret_cast<const char *>(buffer), qsizetype(size));
    std::free(buffer);
    return out;
}

QByteArray withRepeatedLastScan(const QByteArray &jpeg, int copies)
{
    // The last scan runs from the last SOS marker to the EOI marker.
    const qsizetype start = jpeg.lastIndexOf(QByteArray("\xFF\xDA", 2));
    const qsizetype end = jpeg.lastIndexOf(QByteArray("\xFF\xD9", 2));
    const QByteArray scan = jpeg.mid(start, end - start);
    QByteArray out = jpeg.left(end);
    for (int k = 0; k < copies; ++k)
        out += scan;
    out += jpeg.mid(end);
    return out;
}

QByteArray withDimensions(const QByteArray &jpeg, int width, int height)
{
    QByteArray out = jpeg;
    // Baseline (C0) or progressive (C2) frame header: FF Cx, length, precision, height, width.
    for (qsizetype i = 0; i + 9 < out.size(); ++i) {
        if (uchar(out[i]) == 0xFF && (uchar(out[i + 1]) == 0xC0 || uchar(out[i + 1]) == 0xC2)) {
            out[i + 5] = char(height >> 8);
            out[i + 6] = char(height & 0xFF);
            out[i + 7] = char(width >> 8);
            out[i + 8] = char(width & 0xFF);
            break;
        }
    }
    return out;
}

}  // namespace fixtures
