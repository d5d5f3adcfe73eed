#include "regularfile.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace files {

QString notRegularReason() { return QStringLiteral("это не обычный файл"); }

QString tooLargeReason() { return QStringLiteral("файл слишком большой"); }

QString systemReason(int errorNumber) { return QString::fromLocal8Bit(std::strerror(errorNumber)); }

Contents readRegularFile(const QString &path, qint64 maxBytes)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    if (::stat(name.constData(), &status) != 0)
        return {{}, systemReason(errno)};
    if (!S_ISREG(status.st_mode))
        return {{}, notRegularReason()};
    if (status.st_size > maxBytes)
        return {{}, tooLargeReason()};

    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return {{}, systemReason(errno)};
    Contents contents;
    if (::fstat(fd, &status) != 0) {
        contents.error = systemReason(errno);
    } else if (!S_ISREG(status.st_mode)) {
        contents.error = notRegularReason();
    } else if (status.st_size > maxBytes) {
        contents.error = tooLargeReason();
    } else {
        // One byte more than allowed tells a file that grew since fstat.
        contents.bytes.resize(qsizetype(status.st_size) + 1);
        qsizetype done = 0;
        while (done < contents.bytes.size()) {
            const ssize_t got = ::read(fd, contents.bytes.data() + done, size_t(contents.bytes.size() - done));
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0) {
                contents.error = systemReason(errno);
                break;
            }
            if (got == 0)
                break;
            done += got;
            if (done > maxBytes) {
                contents.error = tooLargeReason();
                break;
            }
            if (done == contents.bytes.size())
                contents.bytes.resize(std::min<qint64>(maxBytes + 1, done * 2));
        }
        contents.bytes.truncate(done);
    }
    ::close(fd);
    if (!contents.ok())
        contents.bytes.clear();
    return contents;
}

}  // namespace files
