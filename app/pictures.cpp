#include "pictures.h"

#include "regularfile.h"

#include <QBuffer>
#include <QImageReader>

#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>
#include <jerror.h>

namespace pictures {

namespace {

Picture failure(const QString &reason) { return {QImage(), reason}; }

// ---- JPEG -----------------------------------------------------------------

enum class JpegError { None, Library, TooLarge, TooManyScans, Truncated, OutOfMemory };

struct JpegErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    JpegError error;
    char message[JMSG_LENGTH_MAX];
};

struct JpegProgress {
    jpeg_progress_mgr pub;
    JpegErrorManager *errors;
};

// Where the decoder writes its rows: the caller's picture, made by
// `allocate` once the size is known, so the pixels are decoded straight into
// it. Plain data only, since it lives across the setjmp of decodeJpegRaw.
struct JpegOutput {
    unsigned char *(*allocate)(void *picture, int width, int height, std::size_t *stride);
    void *picture;
};

[[noreturn]] void fail(j_common_ptr info, JpegError error)
{
    auto *errors = reinterpret_cast<JpegErrorManager *>(info->err);
    errors->error = error;
    std::longjmp(errors->jump, 1);
}

[[noreturn]] void onError(j_common_ptr info)
{
    auto *errors = reinterpret_cast<JpegErrorManager *>(info->err);
    info->err->format_message(info, errors->message);
    fail(info, JpegError::Library);
}

void onMessage(j_common_ptr info, int level)
{
    // A warning about data ending early means the file is truncated.
    if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) {
        auto *errors = reinterpret_cast<JpegErrorManager *>(info->err);
        info->err->format_message(info, errors->message);
        fail(info, JpegError::Truncated);
    }
}

void onProgress(j_common_ptr info)
{
    if (!info->is_decompressor)
        return;
    const auto *decompress = reinterpret_cast<j_decompress_ptr>(info);
    if (decompress->input_scan_number > kMaxScans)
        fail(info, JpegError::TooManyScans);
}

void cmykToRgb32(unsigned char *row, int width, bool inverted)
{
    // In place, left to right: each CMYK pixel becomes an RGB32 pixel.
    auto *pixels = reinterpret_cast<QRgb *>(row);
    for (int x = 0; x < width; ++x) {
        const unsigned char *p = row + 4 * x;
        int c = p[0], m = p[1], y = p[2], k = p[3];
        if (!inverted) {
            c = 255 - c;
            m = 255 - m;
            y = 255 - y;
            k = 255 - k;
        }
        pixels[x] = qRgb(c * k / 255, m * k / 255, y * k / 255);
    }
}

// Every libjpeg call is here. Returns the error; on success the picture
// made by out->allocate holds the pixels.
JpegError decodeJpegRaw(const unsigned char *data, unsigned long size, const JpegOutput *out, char *message)
{
    jpeg_decompress_struct info;
    JpegErrorManager errors;
    JpegProgress progress;
    std::memset(&info, 0, sizeof info);

    info.err = jpeg_std_error(&errors.pub);
    errors.pub.error_exit = onError;
    errors.pub.emit_message = onMessage;
    errors.error = JpegError::None;
    errors.message[0] = '\0';

    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        std::memcpy(message, errors.message, JMSG_LENGTH_MAX);
        return errors.error;
    }

    jpeg_create_decompress(&info);
    progress.pub.progress_monitor = onProgress;
    progress.errors = &errors;
    info.progress = &progress.pub;
    jpeg_mem_src(&info, data, size);
    jpeg_read_header(&info, TRUE);

    if (std::int64_t(info.image_width) * info.image_height > kMaxPixels)
        fail(reinterpret_cast<j_common_ptr>(&info), JpegError::TooLarge);

    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    // The byte order of a 32-bit 0xffRRGGBB pixel in memory.
    info.out_color_space = cmyk ? JCS_CMYK : Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRX : JCS_EXT_XRGB;
    jpeg_start_decompress(&info);

    std::size_t stride = 0;
    unsigned char *pixels = out->allocate(out->picture, int(info.output_width), int(info.output_height), &stride);
    if (!pixels)
        fail(reinterpret_cast<j_common_ptr>(&info), JpegError::OutOfMemory);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = pixels + stride * info.output_scanline;
        jpeg_read_scanlines(&info, &row, 1);
        if (cmyk)
            cmykToRgb32(row, int(info.output_width), info.saw_Adobe_marker);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return JpegError::None;
}

// Makes the picture the decoder writes into.
unsigned char *allocatePicture(void *picture, int width, int height, std::size_t *stride)
{
    auto *image = static_cast<QImage *>(picture);
    *image = QImage(width, height, QImage::Format_RGB32);
    if (image->isNull())
        return nullptr;
    *stride = std::size_t(image->bytesPerLine());
    return image->bits();
}

// ---- BMP ------------------------------------------------------------------

std::uint32_t littleEndian(const QByteArray &data, qsizetype offset, int bytes)
{
    std::uint32_t value = 0;
    for (int k = bytes - 1; k >= 0; --k)
        value = (value << 8) | static_cast<unsigned char>(data[offset + k]);
    return value;
}

// The dimensions a bitmap's header claims, checked before the reader sees it.
QString checkBmpHeader(const QByteArray &data)
{
    if (data.size() < 26 || data[0] != 'B' || data[1] != 'M')
        return QStringLiteral("это не рисунок BMP");
    const std::uint32_t headerSize = littleEndian(data, 14, 4);
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::int64_t bitsPerPixel = 0;
    std::uint32_t compression = 0;
    if (headerSize == 12) {
        width = std::int16_t(littleEndian(data, 18, 2));
        height = std::int16_t(littleEndian(data, 20, 2));
        bitsPerPixel = littleEndian(data, 24, 2);
    } else if (headerSize >= 40 && data.size() >= 34) {
        width = std::int32_t(littleEndian(data, 18, 4));
        height = std::int32_t(littleEndian(data, 22, 4));
        bitsPerPixel = littleEndian(data, 28, 2);
        compression = littleEndian(data, 30, 4);
    } else {
        return QStringLiteral("неизвестный заголовок BMP");
    }
    if (height < 0)
        height = -height;  // top-down bitmap; in 64 bits, so -2^31 is safe
    if (width <= 0 || height <= 0)
        return QStringLiteral("неверные размеры рисунка");
    if (width * height > kMaxPixels)
        return QStringLiteral("рисунок слишком большой");
    // Uncompressed pixels must all be there, as in a JPEG file.
    constexpr std::uint32_t kRgb = 0, kBitFields = 3;
    if (compression == kRgb || compression == kBitFields) {
        const std::int64_t stride = (width * bitsPerPixel + 31) / 32 * 4;
        const std::int64_t pixelsStart = littleEndian(data, 10, 4);
        if (pixelsStart + stride * height > data.size())
            return QStringLiteral("файл обрезан");
    }
    return {};
}

}  // namespace

Picture decodeJpeg(const QByteArray &data)
{
    if (data.isEmpty())
        return failure(QStringLiteral("файл пуст"));
    QImage image;
    const JpegOutput out{allocatePicture, &image};
    char message[JMSG_LENGTH_MAX] = {};
    const JpegError error = decodeJpegRaw(reinterpret_cast<const unsigned char *>(data.constData()),
                                          static_cast<unsigned long>(data.size()), &out, message);
    switch (error) {
    case JpegError::None:
        return {image, {}};
    case JpegError::TooLarge:
        return failure(QStringLiteral("рисунок слишком большой"));
    case JpegError::TooManyScans:
        return failure(QStringLiteral("слишком много проходов в прогрессивном JPEG"));
    case JpegError::Truncated:
        return failure(QStringLiteral("файл обрезан"));
    case JpegError::OutOfMemory:
        return failure(QStringLiteral("не хватает памяти"));
    case JpegError::Library:
        break;
    }
    return failure(QStringLiteral("файл повреждён или это не JPEG (%1)").arg(QString::fromLocal8Bit(message)));
}

Picture decodeBmp(const QByteArray &data)
{
    if (data.isEmpty())
        return failure(QStringLiteral("файл пуст"));
    const QString headerProblem = checkBmpHeader(data);
    if (!headerProblem.isEmpty())
        return failure(headerProblem);
    QByteArray copy = data;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    reader.setAllocationLimit(128);
    QImage image = reader.read();
    if (image.isNull())
        return failure(QStringLiteral("файл повреждён или это не BMP (%1)").arg(reader.errorString()));
    return {image.convertToFormat(QImage::Format_RGB32), {}};
}

Picture loadPictureFile(const QString &path)
{
    const QString lower = path.toLower();
    const bool jpeg = lower.endsWith(QLatin1String(".jpg")) || lower.endsWith(QLatin1String(".jpeg"));
    const bool bmp = lower.endsWith(QLatin1String(".bmp"));
    if (!jpeg && !bmp)
        return failure(QStringLiteral("неизвестный вид рисунка (нужен JPEG или BMP)"));

    const files::Contents contents = files::readRegularFile(path, kMaxFileBytes);
    if (!contents.ok())
        return failure(contents.error);
    const QByteArray &data = contents.bytes;
    return jpeg ? decodeJpeg(data) : decodeBmp(data);
}

QString failureMessage(const QString &path, const QString &reason)
{
    return QStringLiteral("Не удалось загрузить рисунок «%1»: %2.").arg(path, reason);
}

}  // namespace pictures
