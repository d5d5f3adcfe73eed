// The settings store against real files: the load order and where it
// stops, what a save writes, saves that fail or are killed, and files under
// the store's name that are no store at all.
#include "placement.h"
#include "settingsformat.h"
#include "settingsstore.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

Q_DECLARE_METATYPE(store::LoadOutcome)

namespace {

// Records what the load applies, one line per call.
class Recorder : public store::SettingsTarget
{
public:
    QStringList calls;
    void setTop(int v) override { calls << QStringLiteral("top %1").arg(v); }
    void setLeft(int v) override { calls << QStringLiteral("left %1").arg(v); }
    void setTrackPosition(int v) override { calls << QStringLiteral("track %1").arg(v); }
    void setCustomBackground(int v) override { calls << QStringLiteral("custom %1").arg(v); }
    void loadPictureFile(const QString &name) override { calls << QStringLiteral("picture ") + name; }
    void setGroupOpened(int g, bool o) override { calls << QStringLiteral("group %1 %2").arg(g).arg(int(o)); }
    void setHeight(int v) override { calls << QStringLiteral("height %1").arg(v); }
    void apply() override { calls << QStringLiteral("apply"); }
    void setStretch(bool s) override { calls << QStringLiteral("stretch %1").arg(int(s)); }
};

// The values in the order the load reads them, as a first run leaves them.
const QList<QPair<QString, QString>> kStored = {
    {"FormTop1.6.1Pro", "29"},   {"FormLeft1.6.1Pro", "399"},   {"TrackPosition1.6.1Pro", "5"},
    {"PhonSvoi1.6.1Pro", "0"},   {"FormGlMen1.6.1Pro", "0"},    {"FormPlo1.6.1Pro", "1"},
    {"FormPer1.6.1Pro", "1"},    {"FormReZad1.6.1Pro", "0"},    {"FormRaz1.6.1Pro", "0"},
    {"FormOb1.6.1Pro", "0"},     {"Form1.Heigh1.6.1Pro", "637"}, {"Strech1.6.1Pro", "1"},
};
// What loading kStored applies.
const QStringList kApplied = {"top 29",    "left 399",  "track 5",    "custom 0",  "group 0 0",
                              "group 1 1", "group 2 1", "group 3 0",  "group 4 0", "group 5 0",
                              "height 637", "apply",    "stretch 1"};

QByteArray storeText(const QList<QPair<QString, QString>> &values)
{
    QByteArray text;
    for (const auto &[name, value] : values)
        text += name.toUtf8() + '=' + value.toUtf8() + '\n';
    return text;
}

// kStored with some values changed.
QList<QPair<QString, QString>> changed(std::initializer_list<QPair<QString, QString>> changes)
{
    QList<QPair<QString, QString>> values = kStored;
    for (const auto &[name, value] : changes)
        for (auto &entry : values)
            if (entry.first == name)
                entry.second = value;
    return values;
}

QList<QPair<QString, QString>> replaced(const QString &name, const QString &value) { return changed({{name, value}}); }

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

store::LoadOutcome loadFile(const QString &path, Recorder &recorder)
{
    return store::loadSettings(store::readStore(path), recorder);
}

// Runs the settings tool on the file; false when it did not end in time.
bool runTool(QProcess &tool, const QStringList &arguments, int milliseconds)
{
    tool.start(QStringLiteral(SETTINGS_SAVER), arguments);
    if (!tool.waitForFinished(milliseconds)) {
        tool.kill();
        tool.waitForFinished();
        return false;
    }
    return tool.exitStatus() == QProcess::NormalExit;
}

store::SettingsSnapshot sampleSnapshot()
{
    store::SettingsSnapshot snapshot;
    snapshot.top = -4;
    snapshot.left = 1300;
    snapshot.trackPosition = 12;
    snapshot.customBackground = 0;
    snapshot.groups = {false, false, false, true, false, false};
    snapshot.outerHeight = 309;
    snapshot.stretch = false;
    return snapshot;
}

}  // namespace

class TestSettings : public QObject
{
    Q_OBJECT
private slots:
    void init();

    void load_data();
    void load();
    void loadStopsAtEachMissingValue_data();
    void loadStopsAtEachMissingValue();
    void saveWritesEveryValue_data();
    void saveWritesEveryValue();
    void saveThenLoadRoundTrip();
    void staleFileNameIsKept();
    void failedSaveKeepsTheOldFile_data();
    void failedSaveKeepsTheOldFile();
    void killedSavesLeaveAReadableFile();
    void notAStore_data();
    void notAStore();
    void leftoversOfThisProgramOnly();

    void placement_data();
    void placement();
    void reachable_data();
    void reachable();
    void reachableHeight_data();
    void reachableHeight();

private:
    QString m_path;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestSettings::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_path = m_dir->filePath(QStringLiteral("kalkort/kalkort.conf"));
    QDir().mkpath(QFileInfo(m_path).absolutePath());
}

void TestSettings::load_data()
{
    QTest::addColumn<QByteArray>("file");  // "absent": no file at all
    QTest::addColumn<store::LoadOutcome>("outcome");
    QTest::addColumn<QStringList>("calls");

    using store::LoadOutcome;
    QTest::newRow("no file") << QByteArray("absent") << LoadOutcome::FirstRun << QStringList{};
    QTest::newRow("empty file") << QByteArray() << LoadOutcome::FirstRun << QStringList{};
    QTest::newRow("every value") << storeText(kStored) << LoadOutcome::Complete << kApplied;
    QTest::newRow("stretch 2") << storeText(replaced("Strech1.6.1Pro", "2")) << LoadOutcome::Complete
                               << (kApplied.mid(0, 12) << "stretch 0");
    QTest::newRow("stretch 7 changes nothing") << storeText(replaced("Strech1.6.1Pro", "7")) << LoadOutcome::Complete
                                               << kApplied.mid(0, 12);
    QTest::newRow("only Решение задач opened")
        << storeText(changed({{"FormPlo1.6.1Pro", "0"},
                              {"FormPer1.6.1Pro", "0"},
                              {"FormReZad1.6.1Pro", "1"},
                              {"Form1.Heigh1.6.1Pro", "309"}}))
        << LoadOutcome::Complete
        << QStringList{"top 29",    "left 399",  "track 5",   "custom 0",   "group 0 0", "group 1 0", "group 2 0",
                       "group 3 1", "group 4 0", "group 5 0", "height 309", "apply",     "stretch 1"};
    QTest::newRow("a group stored as 5 is opened") << storeText(replaced("FormOb1.6.1Pro", "5"))
                                                   << LoadOutcome::Complete
                                                   << (QStringList(kApplied).replaceInStrings("group 5 0", "group 5 1"));

    auto custom = replaced("PhonSvoi1.6.1Pro", "1");
    custom.insert(4, {"PhonSvoiName1.6.1Pro", "/home/user/Рисунки/фон.jpg"});
    QStringList customCalls = kApplied;
    customCalls[3] = "custom 1";
    customCalls.insert(4, "picture /home/user/Рисунки/фон.jpg");
    QTest::newRow("own picture") << storeText(custom) << LoadOutcome::Complete << customCalls;
    QTest::newRow("own picture without its name") << storeText(replaced("PhonSvoi1.6.1Pro", "1"))
                                                  << LoadOutcome::FirstRun << kApplied.mid(0, 3) + QStringList{"custom 1"};
    QTest::newRow("flag 2 is a built-in picture") << storeText(replaced("PhonSvoi1.6.1Pro", "2"))
                                                  << LoadOutcome::Complete
                                                  << (QStringList(kApplied).replaceInStrings("custom 0", "custom 2"));
    QTest::newRow("negative position") << storeText(replaced("FormTop1.6.1Pro", "-5")) << LoadOutcome::Complete
                                       << (QStringList(kApplied).replaceInStrings("top 29", "top -5"));

    for (const char *bad : {"12abc", "1,5", "99999999999", "2147483648", " 29", "29 ", "", "+29", "0x1D", "$1D",
                            "@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x1d)", "@ByteArray(29)", "٢٩"})
        QTest::newRow(qPrintable(QStringLiteral("top mistyped as '%1'").arg(QString::fromUtf8(bad))))
            << storeText(replaced("FormTop1.6.1Pro", QString::fromUtf8(bad))) << LoadOutcome::FirstRun
            << QStringList{};
    QTest::newRow("height mistyped") << storeText(replaced("Form1.Heigh1.6.1Pro", "1,5")) << LoadOutcome::FirstRun
                                     << kApplied.mid(0, 10);
    QTest::newRow("values of another version are ignored")
        << QByteArray("FormTop1.6.0Pro=29\nFormLeft1.6.0Pro=399\n") << LoadOutcome::FirstRun << QStringList{};
    QTest::newRow("Windows line ends") << storeText(kStored).replace("\n", "\r\n") << LoadOutcome::Complete
                                       << kApplied;

    QByteArray longValue = "FormTop1.6.1Pro=" + QByteArray(500 * 1024, '2') + '\n';
    QTest::newRow("a 500 KB value is skipped") << longValue + storeText(kStored.mid(1)) << LoadOutcome::FirstRun
                                               << QStringList{};
    QTest::newRow("a 500 KB line before the values")
        << QByteArray(500 * 1024, 'z') + '\n' + storeText(kStored) << LoadOutcome::Complete << kApplied;

    // A value hidden in a long line, where a reader taking the line in 8 KB
    // pieces would see a line of its own.
    QByteArray forged(20 * 1024, 'x');
    forged.replace(8192, 21, "FormLeft1.6.1Pro=5000");
    forged.replace(16384, 21, "FormLeft1.6.1Pro=5000");
    auto withoutLeft = kStored;
    withoutLeft.removeAt(1);
    QTest::newRow("a 20 KB line hiding a value cannot set it") << forged + '\n' + storeText(withoutLeft)
                                                              << LoadOutcome::FirstRun << QStringList{"top 29"};

    // The longest line read is 8 KB long, line end not counted.
    const QByteArray nameValue = "PhonSvoiName1.6.1Pro=";
    auto withName = [&](qsizetype lineBytes, const char *lineEnd) {
        auto values = replaced("PhonSvoi1.6.1Pro", "1");
        QByteArray text = storeText(values);
        return QByteArray(nameValue + QByteArray(lineBytes - nameValue.size(), 'n') + lineEnd) + text;
    };
    QStringList longName = kApplied;
    longName[3] = "custom 1";
    longName.insert(4, "picture " + QString(8192 - nameValue.size(), u'n'));
    QTest::newRow("a line of exactly the limit is read") << withName(8192, "\n")
                                                         << LoadOutcome::Complete << longName;
    QTest::newRow("a line of exactly the limit is read, CR LF") << withName(8192, "\r\n")
                                                                << LoadOutcome::Complete << longName;
    QTest::newRow("a line one byte over the limit is skipped")
        << withName(8193, "\n") << LoadOutcome::FirstRun
        << kApplied.mid(0, 3) + QStringList{"custom 1"};

    // Thirteen values need a few hundred bytes: a file over a megabyte is no store.
    const QByteArray values = storeText(kStored);
    const QByteArray padding(1024 * 1024 - values.size() - 1, '#');
    QTest::newRow("a file of exactly a megabyte") << values + padding + '\n' << LoadOutcome::Complete << kApplied;
    QTest::newRow("a file one byte over a megabyte") << values + padding + "#\n" << LoadOutcome::FirstRun
                                                     << QStringList{};
    QByteArray garbage(64 * 1024, '\0');
    QRandomGenerator generator(20261210);
    for (char &c : garbage)
        c = char(generator.bounded(256));
    QTest::newRow("binary garbage") << garbage << LoadOutcome::FirstRun << QStringList{};
    QTest::newRow("binary garbage around the values") << garbage + '\n' + storeText(kStored) + garbage
                                                      << LoadOutcome::Complete << kApplied;
}

void TestSettings::load()
{
    QFETCH(QByteArray, file);
    QFETCH(store::LoadOutcome, outcome);
    QFETCH(QStringList, calls);

    if (file != "absent")
        writeAll(m_path, file);
    Recorder recorder;
    QCOMPARE(loadFile(m_path, recorder), outcome);
    QCOMPARE(recorder.calls, calls);
}

void TestSettings::loadStopsAtEachMissingValue_data()
{
    QTest::addColumn<int>("missing");
    for (int k = 0; k < kStored.size(); ++k)
        QTest::newRow(qPrintable(kStored[k].first)) << k;
}

// Everything before the missing value is applied, nothing after it.
void TestSettings::loadStopsAtEachMissingValue()
{
    QFETCH(int, missing);
    auto values = kStored;
    values.removeAt(missing);
    writeAll(m_path, storeText(values));
    Recorder recorder;
    QCOMPARE(loadFile(m_path, recorder), store::LoadOutcome::FirstRun);
    // The picture is applied before the stretch value is read.
    const int applied = kStored[missing].first == QLatin1String("Strech1.6.1Pro") ? 12 : missing;
    QCOMPARE(recorder.calls, kApplied.mid(0, applied));
}

void TestSettings::saveWritesEveryValue_data()
{
    QTest::addColumn<int>("custom");
    QTest::addColumn<QStringList>("lines");
    const QStringList common = {
        "Form1.Heigh1.6.1Pro=309", "FormGlMen1.6.1Pro=0", "FormLeft1.6.1Pro=1300", "FormOb1.6.1Pro=0",
        "FormPer1.6.1Pro=0",       "FormPlo1.6.1Pro=0",   "FormRaz1.6.1Pro=0",     "FormReZad1.6.1Pro=1",
        "FormTop1.6.1Pro=-4",      "Strech1.6.1Pro=2",    "TrackPosition1.6.1Pro=12",
    };
    QTest::newRow("built-in picture: twelve values") << 0 << (QStringList(common) << "PhonSvoi1.6.1Pro=0");
    QTest::newRow("own picture: thirteen values")
        << 1 << (QStringList(common) << "PhonSvoi1.6.1Pro=1" << "PhonSvoiName1.6.1Pro=/tmp/a b=c.jpg");
}

void TestSettings::saveWritesEveryValue()
{
    QFETCH(int, custom);
    QFETCH(QStringList, lines);
    store::SettingsSnapshot snapshot = sampleSnapshot();
    snapshot.customBackground = custom;
    snapshot.pictureFileName = QStringLiteral("/tmp/a b=c.jpg");
    QVERIFY(store::saveSettings(m_path, snapshot).ok());
    QStringList written = QString::fromUtf8(readAll(m_path)).split(u'\n', Qt::SkipEmptyParts);
    written.sort();
    lines.sort();
    QCOMPARE(written, lines);
    // Nothing but the file is left in the folder.
    QCOMPARE(QDir(QFileInfo(m_path).absolutePath()).entryList(QDir::Files | QDir::Hidden),
             QStringList{"kalkort.conf"});
}

void TestSettings::saveThenLoadRoundTrip()
{
    store::SettingsSnapshot snapshot = sampleSnapshot();
    snapshot.customBackground = 1;
    snapshot.pictureFileName = QStringLiteral("/tmp/строка\nвторая\\C:\\path=1.jpg");
    QVERIFY(store::saveSettings(m_path, snapshot).ok());
    Recorder recorder;
    QCOMPARE(loadFile(m_path, recorder), store::LoadOutcome::Complete);
    QCOMPARE(recorder.calls,
             (QStringList{"top -4", "left 1300", "track 12", "custom 1", "picture " + snapshot.pictureFileName,
                          "group 0 0", "group 1 0", "group 2 0", "group 3 1", "group 4 0", "group 5 0", "height 309",
                          "apply", "stretch 0"}));
}

void TestSettings::staleFileNameIsKept()
{
    writeAll(m_path, "PhonSvoiName1.6.1Pro=/old/picture.bmp\nPhonSvoi1.6.1Pro=1\n");
    QVERIFY(store::saveSettings(m_path, sampleSnapshot()).ok());
    const QByteArray text = readAll(m_path);
    QVERIFY(text.contains("PhonSvoiName1.6.1Pro=/old/picture.bmp\n"));
    QVERIFY(text.contains("PhonSvoi1.6.1Pro=0\n"));
}

void TestSettings::failedSaveKeepsTheOldFile_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("reason");  // the error number the message gives
    QTest::newRow("full disk") << QStringList{"--file-size-limit", "120", "--name-length", "2000"} << EFBIG;
    QTest::newRow("read-only folder") << QStringList{"--read-only"} << EACCES;
}

void TestSettings::failedSaveKeepsTheOldFile()
{
    QFETCH(QStringList, options);
    QFETCH(int, reason);
    writeAll(m_path, storeText(kStored));
    const QByteArray before = readAll(m_path);
    const QString folder = QFileInfo(m_path).absolutePath();
    ::chmod(QFile::encodeName(m_dir->path()).constData(), 0755);

    if (options.contains("--read-only")) {
        options.clear();
        if (::geteuid() == 0)
            options << "--as-nobody";  // root writes anywhere; nobody does not
        else
            QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                                      QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther));
        ::chmod(QFile::encodeName(folder).constData(), 0755);
        ::chmod(QFile::encodeName(m_path).constData(), 0644);
    }
    QProcess saver;
    QVERIFY(runTool(saver, QStringList{m_path, "once"} + options, 10000));
    QCOMPARE(saver.exitCode(), 3);  // the failure is reported
    // The message names the file and the reason.
    const QString message = QString::fromUtf8(saver.readAllStandardOutput()).trimmed();
    QCOMPARE(message, store::saveFailureMessage(m_path, QString::fromLocal8Bit(std::strerror(reason))));
    QCOMPARE(readAll(m_path), before);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    store::removeLeftovers(m_path);
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"kalkort.conf"});
}

void TestSettings::killedSavesLeaveAReadableFile()
{
    writeAll(m_path, storeText(kStored));
    const quint32 seed = QRandomGenerator::global()->generate();
    qInfo("random seed %u", seed);
    QRandomGenerator random(seed);
    for (int round = 0; round < 12; ++round) {
        QProcess saver;
        saver.start(QStringLiteral(SETTINGS_SAVER), {m_path, "loop"});
        QVERIFY(saver.waitForStarted());
        QTest::qWait(int(random.bounded(5, 80)));
        ::kill(pid_t(saver.processId()), SIGKILL);
        QVERIFY(saver.waitForFinished(5000));

        store::removeLeftovers(m_path);
        Recorder recorder;
        QCOMPARE(loadFile(m_path, recorder), store::LoadOutcome::Complete);
        QCOMPARE(QDir(QFileInfo(m_path).absolutePath()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"kalkort.conf"});
    }
}

void TestSettings::notAStore_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("named pipe") << "pipe";
    QTest::newRow("directory") << "directory";
    QTest::newRow("link to a device") << "device";
    QTest::newRow("link to a named pipe") << "pipe link";
    QTest::newRow("link to nothing") << "dangling link";
    QTest::newRow("100 MB of values") << "huge";
}

// Whatever stands under the store's name, a start reads no store (defaults
// and the welcome screen) within a second, and a save writes only to a
// regular file: anything else stays as it was and the failure is told.
void TestSettings::notAStore()
{
    QFETCH(QString, kind);
    const QByteArray path = QFile::encodeName(m_path);
    const QString other = m_dir->filePath(QStringLiteral("other"));
    const QByteArray otherPath = QFile::encodeName(other);
    if (kind == "pipe")
        QCOMPARE(::mkfifo(path.constData(), 0600), 0);
    if (kind == "directory")
        QVERIFY(QDir().mkpath(m_path));
    if (kind == "pipe link") {
        QCOMPARE(::mkfifo(otherPath.constData(), 0600), 0);
        QVERIFY(QFile::link(other, m_path));
    }
    if (kind == "dangling link")
        QVERIFY(QFile::link(other, m_path));
    if (kind == "device") {
        // A node of its own where one can be made: a save that wrote through
        // the link would replace this node, not one of the system's.
        if (::mknod(otherPath.constData(), S_IFCHR | 0666, makedev(1, 5)) == 0)
            QVERIFY(QFile::link(other, m_path));
        else if (::geteuid() != 0)
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), m_path));  // out of reach of this user
        else
            QSKIP("no device node can be made here");
    }
    if (kind == "huge") {
        // Distinct short lines, the whole store at the end.
        QFile file(m_path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QByteArray chunk;
        qint64 written = 0;
        for (int line = 0; written + chunk.size() < 100 * 1024 * 1024; ++line) {
            chunk += "Value" + QByteArray::number(line) + "=" + QByteArray::number(line * 7) + '\n';
            if (chunk.size() > 1024 * 1024) {
                QCOMPARE(file.write(chunk), chunk.size());
                written += chunk.size();
                chunk.clear();
            }
        }
        chunk += storeText(kStored);
        QCOMPARE(file.write(chunk), chunk.size());
    }
    struct stat before {};
    QCOMPARE(::lstat(path.constData(), &before), 0);

    QElapsedTimer timer;
    timer.start();
    QProcess reader;
    QVERIFY2(runTool(reader, {m_path, "read"}, 5000), "the read ended");
    QVERIFY2(timer.elapsed() < 1000, qPrintable(QStringLiteral("%1 ms").arg(timer.elapsed())));
    QCOMPARE(reader.readAllStandardOutput().trimmed(), QByteArray("first-run 0"));

    timer.restart();
    QProcess saver;
    QVERIFY2(runTool(saver, {m_path, "once"}, 5000), "the save ended");
    QVERIFY2(timer.elapsed() < 1000, qPrintable(QStringLiteral("%1 ms").arg(timer.elapsed())));
    if (kind == "huge") {
        // A regular file: replaced by a store of the values written.
        QCOMPARE(saver.exitCode(), 0);
        QVERIFY(QFileInfo(m_path).size() < 1000);
        Recorder recorder;
        QCOMPARE(loadFile(m_path, recorder), store::LoadOutcome::Complete);
        QCOMPARE(recorder.calls.first(), QStringLiteral("top 100"));
        return;
    }
    QCOMPARE(saver.exitCode(), 3);
    const QString message = QString::fromUtf8(saver.readAllStandardOutput()).trimmed();
    QCOMPARE(message, store::saveFailureMessage(m_path, QStringLiteral("это не обычный файл")));
    struct stat after {};
    QCOMPARE(::lstat(path.constData(), &after), 0);
    QCOMPARE(after.st_mode, before.st_mode);
    QCOMPARE(after.st_ino, before.st_ino);
    struct stat target {};
    if (kind == "device") {
        QCOMPARE(::stat(path.constData(), &target), 0);
        QVERIFY(S_ISCHR(target.st_mode));
    }
    if (kind == "pipe link") {
        QCOMPARE(::stat(path.constData(), &target), 0);
        QVERIFY(S_ISFIFO(target.st_mode));
    }
    if (kind == "dangling link")
        QVERIFY(!QFileInfo::exists(other));
    const QStringList left = QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    QVERIFY2(left.size() <= 2, qPrintable(left.join(u' ')));  // the folder, and "other" when made
}

void TestSettings::leftoversOfThisProgramOnly()
{
    const QString folder = QFileInfo(m_path).absolutePath();
    writeAll(m_path, storeText(kStored));
    // The user's own files beside the store, named as people do.
    const QStringList own = {"kalkort.conf.backup", "kalkort.conf.old123", "kalkort.conf~", "kalkort.conf.AbC123",
                             ".kalkort.conf~saving-backup", ".kalkort.conf~saving-12-copy"};
    for (const QString &name : own)
        writeAll(folder + u'/' + name, name.toUtf8() + "=mine\n");

    // A copy left by a save that was killed: its process has ended.
    QProcess ended;
    ended.start(QStringLiteral(SETTINGS_SAVER), QStringList{});
    QVERIFY(ended.waitForStarted());
    const qint64 endedPid = ended.processId();
    QVERIFY(ended.waitForFinished());
    const QString killed = QStringLiteral(".kalkort.conf~saving-%1-Ab12Cd").arg(endedPid);
    // A copy a running save is writing (this process stands for it).
    const QString running = QStringLiteral(".kalkort.conf~saving-%1-Zz99Yy").arg(::getpid());
    writeAll(folder + u'/' + killed, "unfinished");
    writeAll(folder + u'/' + running, "being written");

    store::removeLeftovers(m_path);
    QStringList expected = own;
    expected << "kalkort.conf" << running;
    expected.sort();
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);

    QVERIFY(store::saveSettings(m_path, sampleSnapshot()).ok());
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
    for (const QString &name : own)
        QCOMPARE(readAll(folder + u'/' + name), name.toUtf8() + "=mine\n");
}

void TestSettings::placement_data()
{
    QTest::addColumn<int>("choice");
    QTest::addColumn<QRect>("workArea");
    QTest::addColumn<int>("width");
    QTest::addColumn<QPoint>("position");

    const QRect screen(0, 0, 1024, 738);
    QTest::newRow("centre rounds the half up") << int(placement::Choice::Centre) << screen << 221 << QPoint(402, 0);
    QTest::newRow("centre without a half") << int(placement::Choice::Centre) << screen << 222 << QPoint(401, 0);
    QTest::newRow("top right") << int(placement::Choice::TopRight) << screen << 221 << QPoint(803, 0);
    QTest::newRow("top left") << int(placement::Choice::TopLeft) << screen << 221 << QPoint(0, 0);
    const QRect right(1280, 0, 1920, 1050);
    QTest::newRow("top right of a second screen") << int(placement::Choice::TopRight) << right << 221
                                                  << QPoint(2979, 0);
    QTest::newRow("centre of a second screen uses its right edge") << int(placement::Choice::Centre) << right << 221
                                                                   << QPoint(1490, 0);
}

void TestSettings::placement()
{
    QFETCH(int, choice);
    QFETCH(QRect, workArea);
    QFETCH(int, width);
    QFETCH(QPoint, position);
    QCOMPARE(placement::place(placement::Choice(choice), workArea, width), position);
}

void TestSettings::reachable_data()
{
    QTest::addColumn<QPoint>("place");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("titleBar");
    QTest::addColumn<bool>("reachable");

    // One screen 1280 x 1000 and a second one right of it, 800 x 600.
    QTest::newRow("inside") << QPoint(399, 29) << 217 << 20 << true;
    QTest::newRow("top-left corner") << QPoint(0, 0) << 217 << 20 << true;
    QTest::newRow("touching the right edge") << QPoint(1063, 0) << 217 << 20 << true;
    QTest::newRow("one pixel over the right edge") << QPoint(1064, 0) << 217 << 20 << false;
    QTest::newRow("one pixel over the left edge") << QPoint(-1, 100) << 217 << 20 << false;
    QTest::newRow("title bar one pixel above the top") << QPoint(399, -1) << 217 << 20 << false;
    QTest::newRow("title bar touching the bottom") << QPoint(399, 980) << 217 << 20 << true;
    QTest::newRow("title bar one pixel below the bottom") << QPoint(399, 981) << 217 << 20 << false;
    QTest::newRow("only 10 x 20 pixels on the screen") << QPoint(1270, 500) << 217 << 20 << false;
    QTest::newRow("far right of every screen") << QPoint(5000, 29) << 217 << 20 << false;
    QTest::newRow("above every screen") << QPoint(399, -900) << 217 << 20 << false;
    QTest::newRow("whole on the second screen") << QPoint(1500, 100) << 217 << 20 << true;
    QTest::newRow("across both screens") << QPoint(1200, 100) << 217 << 20 << false;
    QTest::newRow("no frame: the top row counts") << QPoint(399, 999) << 215 << 0 << true;
    QTest::newRow("no frame, below the bottom") << QPoint(399, 1000) << 215 << 0 << false;
    QTest::newRow("largest left, smallest top") << QPoint(INT_MAX, INT_MIN) << 217 << 20 << false;
    QTest::newRow("smallest left, largest top") << QPoint(INT_MIN, INT_MAX) << 217 << 20 << false;
    QTest::newRow("largest both") << QPoint(INT_MAX, INT_MAX) << INT_MAX << INT_MAX << false;
    QTest::newRow("right edge past the largest integer") << QPoint(INT_MAX - 100, 10) << 217 << 20 << false;
    QTest::newRow("title bar past the largest integer") << QPoint(10, INT_MAX - 5) << 217 << 20 << false;
    QTest::newRow("largest width") << QPoint(0, 0) << INT_MAX << 20 << false;
    QTest::newRow("largest title bar") << QPoint(0, 0) << 217 << INT_MAX << false;
}

void TestSettings::reachable()
{
    QFETCH(QPoint, place);
    QFETCH(int, width);
    QFETCH(int, titleBar);
    QFETCH(bool, reachable);
    const QList<QRect> areas = {QRect(0, 0, 1280, 1000), QRect(1280, 0, 800, 600)};
    QCOMPARE(placement::titleBarReachable(place.x(), place.y(), width, titleBar, areas), reachable);
    QCOMPARE(placement::reachablePosition(place.x(), place.y(), width, titleBar, areas),
             reachable ? place : placement::kDesigned);
}

void TestSettings::reachableHeight_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("kept");
    QTest::newRow("within") << 660 << 660;
    QTest::newRow("taller than the tallest screen") << 5000 << 1000;
    QTest::newRow("the largest height") << INT_MAX << 1000;
    QTest::newRow("below the minimum") << 100 << 176;
    QTest::newRow("negative") << -50 << 176;
    QTest::newRow("the smallest height") << INT_MIN << 176;
}

void TestSettings::reachableHeight()
{
    QFETCH(int, height);
    QFETCH(int, kept);
    const QList<QRect> areas = {QRect(0, 0, 1280, 1000), QRect(1280, 0, 800, 600)};
    QCOMPARE(placement::reachableHeight(height, 176, areas), kept);
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
