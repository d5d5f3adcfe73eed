// The settings store against real files: the load order and where it
// stops, what a save writes, and saves that fail or are killed.
#include "placement.h"
#include "settingsformat.h"
#include "settingsstore.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/stat.h>
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

    void placement_data();
    void placement();
    void reachable_data();
    void reachable();

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

    QByteArray longValue = "FormTop1.6.1Pro=" + QByteArray(10 * 1024 * 1024, '2') + '\n';
    QTest::newRow("a 10 MB value is skipped") << longValue + storeText(kStored.mid(1)) << LoadOutcome::FirstRun
                                              << QStringList{};
    QTest::newRow("a 10 MB line before the values")
        << QByteArray(10 * 1024 * 1024, 'z') + '\n' + storeText(kStored) << LoadOutcome::Complete << kApplied;
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
    const QSettings settings(m_path, store::settingsFormat());
    Recorder recorder;
    QCOMPARE(store::loadSettings(settings, recorder), outcome);
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
    const QSettings settings(m_path, store::settingsFormat());
    Recorder recorder;
    QCOMPARE(store::loadSettings(settings, recorder), store::LoadOutcome::FirstRun);
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
    {
        QSettings settings(m_path, store::settingsFormat());
        QVERIFY(store::saveSettings(settings, snapshot));
    }
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
    {
        QSettings settings(m_path, store::settingsFormat());
        QVERIFY(store::saveSettings(settings, snapshot));
    }
    const QSettings settings(m_path, store::settingsFormat());
    Recorder recorder;
    QCOMPARE(store::loadSettings(settings, recorder), store::LoadOutcome::Complete);
    QCOMPARE(recorder.calls,
             (QStringList{"top -4", "left 1300", "track 12", "custom 1", "picture " + snapshot.pictureFileName,
                          "group 0 0", "group 1 0", "group 2 0", "group 3 1", "group 4 0", "group 5 0", "height 309",
                          "apply", "stretch 0"}));
}

void TestSettings::staleFileNameIsKept()
{
    writeAll(m_path, "PhonSvoiName1.6.1Pro=/old/picture.bmp\nPhonSvoi1.6.1Pro=1\n");
    {
        QSettings settings(m_path, store::settingsFormat());
        QVERIFY(store::saveSettings(settings, sampleSnapshot()));
    }
    const QByteArray text = readAll(m_path);
    QVERIFY(text.contains("PhonSvoiName1.6.1Pro=/old/picture.bmp\n"));
    QVERIFY(text.contains("PhonSvoi1.6.1Pro=0\n"));
}

void TestSettings::failedSaveKeepsTheOldFile_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::newRow("full disk") << QStringList{"--file-size-limit", "120", "--name-length", "2000"};
    QTest::newRow("read-only folder") << QStringList{"--read-only"};
}

void TestSettings::failedSaveKeepsTheOldFile()
{
    QFETCH(QStringList, options);
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
    saver.start(QStringLiteral(SETTINGS_SAVER), QStringList{m_path, "once"} + options);
    QVERIFY(saver.waitForFinished(10000));
    QCOMPARE(saver.exitStatus(), QProcess::NormalExit);
    QCOMPARE(saver.exitCode(), 3);  // the failure is reported
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
        const QSettings settings(m_path, store::settingsFormat());
        Recorder recorder;
        QCOMPARE(store::loadSettings(settings, recorder), store::LoadOutcome::Complete);
        QCOMPARE(QDir(QFileInfo(m_path).absolutePath()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"kalkort.conf"});
    }
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
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<int>("height");

    QTest::newRow("inside") << QRect(399, 29, 221, 660) << QPoint(399, 29) << 660;
    QTest::newRow("partly off the right edge") << QRect(1200, 100, 221, 400) << QPoint(1200, 100) << 400;
    QTest::newRow("far right") << QRect(5000, 29, 221, 660) << QPoint(399, 29) << 660;
    QTest::newRow("above the top") << QRect(399, -900, 221, 660) << QPoint(399, 29) << 660;
    QTest::newRow("left of every screen") << QRect(-400, 29, 221, 660) << QPoint(399, 29) << 660;
    QTest::newRow("taller than the screen") << QRect(399, 29, 221, 5000) << QPoint(399, 29) << 1000;
    QTest::newRow("negative height") << QRect(399, 29, 221, -50) << QPoint(399, 29) << 176;
}

void TestSettings::reachable()
{
    QFETCH(QRect, frame);
    QFETCH(QPoint, position);
    QFETCH(int, height);
    const QList<QRect> areas = {QRect(0, 0, 1280, 1000)};
    QCOMPARE(placement::reachablePosition(QRect(frame.topLeft(), QSize(frame.width(), std::max(frame.height(), 1))),
                                          areas),
             position);
    QCOMPARE(placement::reachableHeight(frame.height(), 176, areas), height);
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
