// Any bytes as a JPEG and as a bitmap file.
#include "pictures.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const pictures::Picture &picture : {pictures::decodeJpeg(bytes), pictures::decodeBmp(bytes)}) {
        // Either a picture within the limits or a reason, never both or neither.
        if (picture.ok() == !picture.error.isEmpty())
            std::abort();
        if (picture.ok() && qint64(picture.image.width()) * picture.image.height() > pictures::kMaxPixels)
            std::abort();
    }
    return 0;
}
