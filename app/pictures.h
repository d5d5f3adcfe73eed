// Background picture files: JPEG (decoded with libjpeg) and BMP.
//
// Only regular files are read, up to kMaxFileBytes. A picture larger than
// kMaxPixels (128 MiB of 32-bit pixels) is refused before any pixel memory is
// taken, and so is a progressive JPEG with more than kMaxScans scans. A JPEG
// is decoded straight into its picture, so the pixels are held once.
// A JPEG file that ends before its picture data is complete (a truncated
// download, say) is refused rather than shown with a grey lower part.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace pictures {

inline constexpr qint64 kMaxPixels = 33'554'432;
inline constexpr qint64 kMaxFileBytes = 256 * 1024 * 1024;
inline constexpr int kMaxScans = 100;

struct Picture {
    QImage image;    // null on failure
    QString error;   // why, on failure
    bool ok() const { return !image.isNull(); }
};

// The file's kind is chosen by its extension: .jpg and .jpeg are JPEG, .bmp
// is a bitmap, anything else is refused.
Picture loadPictureFile(const QString &path);

Picture decodeJpeg(const QByteArray &data);
Picture decodeBmp(const QByteArray &data);

// The message shown when a picture file cannot be loaded.
QString failureMessage(const QString &path, const QString &reason);

}  // namespace pictures
