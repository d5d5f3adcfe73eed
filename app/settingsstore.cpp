#include "settingsstore.h"

#include "regularfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <limits>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace store {

namespace {

const QString kTop = QStringLiteral("FormTop1.6.1Pro");
const QString kLeft = QStringLiteral("FormLeft1.6.1Pro");
const QString kTrackPosition = QStringLiteral("TrackPosition1.6.1Pro");
const QString kCustomBackground = QStringLiteral("PhonSvoi1.6.1Pro");
const QString kPictureFileName = QStringLiteral("PhonSvoiName1.6.1Pro");
const std::array<QString, kGroupCount> kGroups = {
    QStringLiteral("FormGlMen1.6.1Pro"), QStringLiteral("FormPlo1.6.1Pro"), QStringLiteral("FormPer1.6.1Pro"),
    QStringLiteral("FormReZad1.6.1Pro"), QStringLiteral("FormRaz1.6.1Pro"), QStringLiteral("FormOb1.6.1Pro"),
};
const QString kHeight = QStringLiteral("Form1.Heigh1.6.1Pro");
const QString kStretch = QStringLiteral("Strech1.6.1Pro");

QString integerText(int value)
{
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

// An unfinished copy is named ".<file>~saving-<pid>-<six characters>": hidden,
// and naming the process that writes it.
QString copyPrefix(const QString &fileName)
{
    return QLatin1Char('.') + fileName + QStringLiteral("~saving-");
}

// SIGXFSZ ends the program by default when a write meets the file size
// limit; while saving, the write fails with EFBIG instead.
class FileSizeSignalIgnored
{
public:
    FileSizeSignalIgnored()
    {
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        sigemptyset(&ignore.sa_mask);
        ::sigaction(SIGXFSZ, &ignore, &m_previous);
    }
    ~FileSizeSignalIgnored() { ::sigaction(SIGXFSZ, &m_previous, nullptr); }
    FileSizeSignalIgnored(const FileSizeSignalIgnored &) = delete;
    FileSizeSignalIgnored &operator=(const FileSizeSignalIgnored &) = delete;

private:
    struct sigaction m_previous {};
};

bool writeAll(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = EIO;
            return false;
        }
        done += written;
    }
    return true;
}

mode_t newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Replaces the file with `bytes` through a copy beside it, renamed over it
// once complete. Returns the reason on failure.
QString replaceFile(const QString &filePath, const QByteArray &bytes)
{
    QString target = filePath;
    mode_t mode = newFileMode();
    struct stat status {};
    const QByteArray name = QFile::encodeName(filePath);
    if (::stat(name.constData(), &status) == 0) {
        if (!S_ISREG(status.st_mode))
            return files::notRegularReason();
        // A link to a regular file: the file it names is replaced, the link stays.
        target = QFileInfo(filePath).canonicalFilePath();
        if (target.isEmpty())
            return files::systemReason(ENOENT);
        mode = status.st_mode & 07777;
    } else if (errno != ENOENT) {
        return files::systemReason(errno);
    } else if (::lstat(name.constData(), &status) == 0) {
        return files::notRegularReason();  // a link to nothing: where it points is not ours to create
    }

    const QFileInfo info(target);
    if (!QDir().mkpath(info.absolutePath()))
        return QStringLiteral("не удалось создать папку «%1»").arg(info.absolutePath());
    QByteArray copy = QFile::encodeName(info.absolutePath() + QLatin1Char('/') + copyPrefix(info.fileName()) +
                                        QString::number(::getpid()) + QStringLiteral("-XXXXXX"));
    const int fd = ::mkostemp(copy.data(), O_CLOEXEC);
    if (fd < 0)
        return files::systemReason(errno);

    QString error;
    {
        const FileSizeSignalIgnored guard;
        if (!writeAll(fd, bytes) || ::fchmod(fd, mode) != 0 || ::fsync(fd) != 0)
            error = files::systemReason(errno);
    }
    if (::close(fd) != 0 && error.isEmpty())
        error = files::systemReason(errno);
    if (error.isEmpty() && ::rename(copy.constData(), QFile::encodeName(target).constData()) != 0)
        error = files::systemReason(errno);
    if (!error.isEmpty()) {
        ::unlink(copy.constData());
        return error;
    }
    // The rename itself reaches the disk with the folder.
    const int folder = ::open(QFile::encodeName(info.absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return {};
}

void removeLeftoversIn(const QString &folderPath, const QString &fileName)
{
    QDir folder(folderPath);
    const QRegularExpression copy(QStringLiteral("^") + QRegularExpression::escape(copyPrefix(fileName)) +
                                  QStringLiteral("([0-9]{1,10})-[A-Za-z0-9]{6}$"));
    const QStringList entries = folder.entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    for (const QString &entry : entries) {
        const QRegularExpressionMatch match = copy.match(entry);
        if (!match.hasMatch())
            continue;
        bool number = false;
        const qint64 pid = match.captured(1).toLongLong(&number);
        // A copy whose saving process still runs is being written.
        if (!number || pid <= 0 || pid > std::numeric_limits<pid_t>::max() ||
            (::kill(pid_t(pid), 0) == 0 || errno == EPERM))
            continue;
        const QByteArray path = QFile::encodeName(folder.filePath(entry));
        struct stat status {};
        if (::lstat(path.constData(), &status) == 0 && S_ISREG(status.st_mode) && status.st_uid == ::geteuid())
            ::unlink(path.constData());
    }
}

}  // namespace

QString settingsFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/kalkort/kalkort.conf");
}

StoredValues readStore(const QString &filePath)
{
    const files::Contents contents = files::readRegularFile(filePath, kMaxFileBytes);
    if (!contents.ok())
        return {};
    return parseSettingsText(contents.bytes);
}

void removeLeftovers(const QString &filePath)
{
    const QFileInfo file(filePath);
    removeLeftoversIn(file.absolutePath(), file.fileName());
    // Saves through a link write their copy beside the file it names.
    const QString target = file.canonicalFilePath();
    if (!target.isEmpty() && target != file.absoluteFilePath()) {
        const QFileInfo real(target);
        removeLeftoversIn(real.absolutePath(), real.fileName());
    }
}

std::optional<int> parseStoredInteger(const QVariant &value)
{
    if (!value.isValid())
        return std::nullopt;
    const QString text = value.toString();
    if (text.isEmpty() || text.size() > 12)
        return std::nullopt;
    std::string ascii;
    for (QChar c : text) {
        if (c.unicode() > 127)
            return std::nullopt;
        ascii.push_back(char(c.unicode()));
    }
    int result = 0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), result);
    if (error != std::errc() || end != ascii.data() + ascii.size())
        return std::nullopt;
    return result;
}

LoadOutcome loadSettings(const StoredValues &stored, SettingsTarget &target)
{
    return loadSettings(
        [&stored](const QString &name) {
            const auto it = stored.constFind(name);
            return it == stored.cend() ? QVariant() : QVariant(*it);
        },
        target);
}

LoadOutcome loadSettings(const std::function<QVariant(const QString &)> &stored, SettingsTarget &target)
{
    auto integer = [&](const QString &name) { return parseStoredInteger(stored(name)); };

    const auto top = integer(kTop);
    if (!top)
        return LoadOutcome::FirstRun;
    target.setTop(*top);
    const auto left = integer(kLeft);
    if (!left)
        return LoadOutcome::FirstRun;
    target.setLeft(*left);

    const auto track = integer(kTrackPosition);
    if (!track)
        return LoadOutcome::FirstRun;
    target.setTrackPosition(*track);

    const auto custom = integer(kCustomBackground);
    if (!custom)
        return LoadOutcome::FirstRun;
    target.setCustomBackground(*custom);
    if (*custom == 1) {
        const QVariant name = stored(kPictureFileName);
        if (!name.isValid())
            return LoadOutcome::FirstRun;
        target.loadPictureFile(name.toString());
    }

    for (int group = 0; group < kGroupCount; ++group) {
        const auto opened = integer(kGroups[group]);
        if (!opened)
            return LoadOutcome::FirstRun;
        target.setGroupOpened(group, *opened != 0);
    }

    const auto height = integer(kHeight);
    if (!height)
        return LoadOutcome::FirstRun;
    target.setHeight(*height);

    target.apply();

    const auto stretch = integer(kStretch);
    if (!stretch)
        return LoadOutcome::FirstRun;
    if (*stretch == 1)
        target.setStretch(true);
    else if (*stretch == 2)
        target.setStretch(false);
    return LoadOutcome::Complete;
}

SaveOutcome saveSettings(const QString &filePath, const SettingsSnapshot &snapshot)
{
    // Values of other versions and a stale picture name stay as they are.
    StoredValues values = readStore(filePath);
    values.insert(kTop, integerText(snapshot.top));
    values.insert(kLeft, integerText(snapshot.left));
    values.insert(kTrackPosition, integerText(snapshot.trackPosition));
    values.insert(kCustomBackground, integerText(snapshot.customBackground));
    if (snapshot.customBackground == 1)
        values.insert(kPictureFileName, snapshot.pictureFileName);
    for (int group = 0; group < kGroupCount; ++group)
        values.insert(kGroups[group], integerText(snapshot.groups[group] ? 1 : 0));
    values.insert(kHeight, integerText(snapshot.outerHeight));
    values.insert(kStretch, integerText(snapshot.stretch ? 1 : 2));
    return {replaceFile(filePath, settingsText(values))};
}

QString saveFailureMessage(const QString &filePath, const QString &reason)
{
    return QStringLiteral("Не удалось сохранить настройки в файл «%1»: %2.").arg(filePath, reason);
}

}  // namespace store
