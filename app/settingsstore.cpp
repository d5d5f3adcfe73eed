#include "settingsstore.h"

#include "settingsformat.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QStandardPaths>

#include <charconv>
#include <string>

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

}  // namespace

QString settingsFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/kalkort/kalkort.conf");
}

void removeLeftovers(const QString &filePath)
{
    // QLockFile takes over a lock whose owner is gone; unlocking removes it.
    // A lock file killed before its owner wrote into it names no owner and
    // would block the next save for half a minute: it goes too.
    const QString lockPath = filePath + QStringLiteral(".lock");
    QLockFile lock(lockPath);
    if (lock.tryLock(0)) {
        lock.unlock();
    } else {
        qint64 pid = 0;
        QString host, application;
        if (!lock.getLockInfo(&pid, &host, &application))
            QFile::remove(lockPath);
    }

    const QFileInfo file(filePath);
    QDir folder = file.absoluteDir();
    const QRegularExpression temporary(QStringLiteral("^") + QRegularExpression::escape(file.fileName()) +
                                       QStringLiteral("\\.[A-Za-z0-9]{6}$"));
    const QStringList entries = folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &entry : entries)
        if (temporary.match(entry).hasMatch())
            folder.remove(entry);
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

LoadOutcome loadSettings(const QSettings &settings, SettingsTarget &target)
{
    return loadSettings([&settings](const QString &name) { return settings.value(name); }, target);
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

bool saveSettings(QSettings &settings, const SettingsSnapshot &snapshot)
{
    settings.setValue(kTop, integerText(snapshot.top));
    settings.setValue(kLeft, integerText(snapshot.left));
    settings.setValue(kTrackPosition, integerText(snapshot.trackPosition));
    settings.setValue(kCustomBackground, integerText(snapshot.customBackground));
    if (snapshot.customBackground == 1)
        settings.setValue(kPictureFileName, snapshot.pictureFileName);
    for (int group = 0; group < kGroupCount; ++group)
        settings.setValue(kGroups[group], integerText(snapshot.groups[group] ? 1 : 0));
    settings.setValue(kHeight, integerText(snapshot.outerHeight));
    settings.setValue(kStretch, integerText(snapshot.stretch ? 1 : 2));
    settings.sync();
    return settings.status() == QSettings::NoError;
}

}  // namespace store
