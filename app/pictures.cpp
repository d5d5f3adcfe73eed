#include "pictures.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

// Everything the decoder hands back; plain data only, since it lives across
// the setjmp of decodeJpegRaw.
struct JpegOutput {
    unsigned char *pixels;  // malloc'd, 4 bytes per pixel, B G R X
    int width;
    int height;
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

void cmykToBgrx(unsigned char *row, int width, bool inverted)
{
    // In place, left to right: each CMYK pixel becomes a B G R X pixel.
    for (int x = 0; x < width; ++x) {
        unsigned char *p = row + 4 * x;
        int c = p[0], m = p[1], y = p[2], k = p[3];
        if (!inverted) {
            c = 255 - c;
            m = 255 - m;
            y = 255 - y;
            k = 255 - k;
        }
        p[0] = static_cast<unsigned char>(y * k / 255);
        p[1] = static_cast<unsigned char>(m * k / 255);
        p[2] = static_cast<unsigned char>(c * k / 255);
        p[3] = 255;
    }
}

// Every libjpeg call is here. Returns the error; on success `out` holds
// the pixels, which the caller frees.
JpegError decodeJpegRaw(const unsigned char *data, unsigned long size, JpegOutput *out, char *message)
{
    jpeg_decompress_struct info;
    JpegErrorManager errors;
    JpegProgress progress;
    std::memset(&info, 0, sizeof info);
    out->pixels = nullptr;
    out->width = 0;
    out->height = 0;

    info.err = jpeg_std_error(&errors.pub);
    errors.pub.error_exit = onError;
    errors.pub.emit_message = onMessage;
    errors.error = JpegError::None;
    errors.message[0] = '\0';

    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        std::free(out->pixels);
        out->pixels = nullptr;
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
    info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRX;
    jpeg_start_decompress(&info);

    const std::size_t stride = std::size_t(info.output_width) * 4;
    out->pixels = static_cast<unsigned char *>(std::malloc(stride * info.output_height));
    if (!out->pixels)
        fail(reinterpret_cast<j_common_ptr>(&info), JpegError::OutOfMemory);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = out->pixels + stride * info.output_scanline;
        jpeg_read_scanlines(&info, &row, 1);
        if (cmyk)
            cmykToBgrx(row, int(info.output_width), info.saw_Adobe_marker);
    }
    out->width = int(info.output_width);
    out->height = int(info.output_height);
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return JpegError::None;
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
    JpegOutput out;
    char message[JMSG_LENGTH_MAX] = {};
    const JpegError error = decodeJpegRaw(reinterpret_cast<const unsigned char *>(data.constData()),
                                          static_cast<unsigned long>(data.size()), &out, message);
    switch (error) {
    case JpegError::None:
        break;
    case JpegError::TooLarge:
        return failure(QStringLiteral("рисунок слишком большой"));
    case JpegError::TooManyScans:
        return failure(QStringLiteral("слишком много проходов в прогрессивном JPEG"));
    case JpegError::Truncated:
        return failure(QStringLiteral("файл обрезан"));
    case JpegError::OutOfMemory:
        return failure(QStringLiteral("не хватает памяти"));
    case JpegError::Library:
        return failure(QStringLiteral("файл повреждён или это не JPEG (%1)").arg(QString::fromLocal8Bit(message)));
    }
    QImage image(out.pixels, out.width, out.height, out.width * 4, QImage::Format_RGB32, std::free, out.pixels);
    if (image.isNull()) {
        std::free(out.pixels);
        return failure(QStringLiteral("не хватает памяти"));
    }
    // Detach from the decoder's buffer into an image of its own.
    return {image.copy(), {}};
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

    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    if (::stat(name.constData(), &status) != 0)
        return failure(QString::fromLocal8Bit(std::strerror(errno)));
    if (!S_ISREG(status.st_mode))
        return failure(QStringLiteral("это не обычный файл"));

    // Non-blocking, in case the name now stands for a pipe after all.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return failure(QString::fromLocal8Bit(std::strerror(errno)));
    QByteArray data;
    QString readError;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        readError = QStringLiteral("это не обычный файл");
    } else if (status.st_size > kMaxFileBytes) {
        readError = QStringLiteral("файл слишком большой");
    } else {
        data.resize(qsizetype(status.st_size));
        qsizetype done = 0;
        while (done < data.size()) {
            const ssize_t got = ::read(fd, data.data() + done, size_t(data.size() - done));
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0) {
                readError = QString::fromLocal8Bit(std::strerror(errno));
                break;
            }
            if (got == 0)
                break;
            done += got;
        }
        data.truncate(done);
    }
    ::close(fd);
    if (!readError.isEmpty())
        return failure(readError);
    return jpeg ? decodeJpeg(data) : decodeBmp(data);
}

QString failureMessage(const QString &path, const QString &reason)
{
    return QStringLiteral("Не удалось загрузить рисунок «%1»: %2.").arg(path, reason);
}

}  // namespace pictures
