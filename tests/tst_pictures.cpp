// Background picture files through the real loader.
#include "jpegfixtures.h"
#include "pictures.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

class TestPictures : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void load_data();
    void load();
    void pictureAtThePixelCapIsHeldOnce();

private:
    QString write(const QString &name, const QByteArray &bytes);
    QTemporaryDir m_dir;
};

namespace {

QByteArray bmp(int width, int height, const QColor &colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

// A figure of /proc/self/status, in KiB.
qint64 statusKiB(const QByteArray &name)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(name + ':'))
            return line.mid(name.size() + 1).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

void putLittleEndian(QByteArray &bytes, int offset, quint32 value)
{
    for (int k = 0; k < 4; ++k)
        bytes[offset + k] = char((value >> (8 * k)) & 0xFF);
}

}  // namespace

QString TestPictures::write(const QString &name, const QByteArray &bytes)
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    file.write(bytes);
    return path;
}

void TestPictures::initTestCase() { QVERIFY(m_dir.isValid()); }

void TestPictures::load_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");     // empty when the file must be refused
    QTest::addColumn<QColor>("colour");  // of the middle pixel
    QTest::addColumn<QString>("error");  // part of the reason

    const QColor orange(240, 120, 20);
    const QByteArray jpeg = fixtures::encodeJpeg(64, 48, orange);
    const QByteArray progressive = fixtures::encodeJpeg(64, 48, orange, true);

    QTest::newRow("JPEG") << write("a.jpg", jpeg) << QSize(64, 48) << orange << QString();
    QTest::newRow("JPEG with .jpeg in capitals") << write("b.JPEG", jpeg) << QSize(64, 48) << orange << QString();
    QTest::newRow("progressive JPEG") << write("p.jpg", progressive) << QSize(64, 48) << orange << QString();
    QTest::newRow("BMP") << write("c.bmp", bmp(30, 20, Qt::blue)) << QSize(30, 20) << QColor(Qt::blue) << QString();

    QTest::newRow("truncated JPEG") << write("t.jpg", jpeg.left(jpeg.size() / 2)) << QSize() << QColor()
                                    << "файл обрезан";
    QTest::newRow("JPEG claiming 65000 x 65000") << write("huge.jpg", fixtures::withDimensions(jpeg, 65000, 65000))
                                                 << QSize() << QColor() << "слишком большой";
    QTest::newRow("progressive JPEG with 60 scans")
        << write("sixty.jpg", fixtures::withRepeatedLastScan(progressive, 50)) << QSize(64, 48) << orange << QString();
    QTest::newRow("progressive JPEG with thousands of scans")
        << write("scans.jpg", fixtures::withRepeatedLastScan(progressive, 5000)) << QSize() << QColor()
        << "слишком много проходов";
    QByteArray png;
    {
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(Qt::red);
        image.save(&buffer, "PNG");
    }
    QTest::newRow("PNG renamed .jpg") << write("png.jpg", png) << QSize() << QColor() << "не JPEG";
    QTest::newRow("PNG renamed .bmp") << write("png.bmp", png) << QSize() << QColor() << "не рисунок BMP";
    QTest::newRow("empty JPEG") << write("empty.jpg", {}) << QSize() << QColor() << "файл пуст";
    QTest::newRow("empty BMP") << write("empty.bmp", {}) << QSize() << QColor() << "файл пуст";
    QTest::newRow("unknown extension") << write("a.gif", jpeg) << QSize() << QColor() << "неизвестный вид";

    // A bitmap whose file and image size fields claim 4 GB: those fields are
    // not trusted, the pixels are read from the dimensions.
    QByteArray sizeClaim = bmp(30, 20, Qt::blue);
    putLittleEndian(sizeClaim, 2, 0xFFFFFFFFu);
    putLittleEndian(sizeClaim, 34, 0xFFFFFFFFu);
    QTest::newRow("BMP whose size fields claim 4 GB") << write("claim.bmp", sizeClaim) << QSize(30, 20)
                                                      << QColor(Qt::blue) << QString();
    QByteArray tooLarge = bmp(30, 20, Qt::blue);
    putLittleEndian(tooLarge, 18, 70000);
    putLittleEndian(tooLarge, 22, 70000);
    QTest::newRow("BMP claiming 70000 x 70000") << write("large.bmp", tooLarge) << QSize() << QColor()
                                                << "слишком большой";
    QByteArray lowest = bmp(30, 20, Qt::blue);
    putLittleEndian(lowest, 22, 0x80000000u);
    QTest::newRow("BMP with height -2^31") << write("lowest.bmp", lowest) << QSize() << QColor()
                                           << "слишком большой";
    QByteArray cut = bmp(30, 20, Qt::blue);
    QTest::newRow("truncated BMP") << write("cut.bmp", cut.left(70)) << QSize() << QColor() << "файл обрезан";

    const QString folder = m_dir.filePath("folder.jpg");
    QDir().mkpath(folder);
    QTest::newRow("directory") << folder << QSize() << QColor() << "не обычный файл";
    const QString pipe = m_dir.filePath("pipe.jpg");
    ::mkfifo(QFile::encodeName(pipe).constData(), 0600);
    QTest::newRow("named pipe") << pipe << QSize() << QColor() << "не обычный файл";
    const QString zero = m_dir.filePath("zero.bmp");
    QFile::link(QStringLiteral("/dev/zero"), zero);
    QTest::newRow("link to /dev/zero") << zero << QSize() << QColor() << "не обычный файл";
    QTest::newRow("missing file") << m_dir.filePath("missing.jpg") << QSize() << QColor() << "No such file";
}

void TestPictures::load()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QFETCH(QColor, colour);
    QFETCH(QString, error);

    QElapsedTimer timer;
    timer.start();
    const pictures::Picture picture = pictures::loadPictureFile(path);
    qDebug("%s: %lld ms", qPrintable(QFileInfo(path).fileName()), qint64(timer.elapsed()));
    if (size.isEmpty()) {
        QVERIFY(!picture.ok());
        QVERIFY2(picture.error.contains(error), qPrintable(picture.error));
        return;
    }
    QVERIFY2(picture.ok(), qPrintable(picture.error));
    QCOMPARE(picture.image.size(), size);
    const QColor middle = picture.image.pixelColor(size.width() / 2, size.height() / 2);
    QVERIFY2(qAbs(middle.red() - colour.red()) <= 3 && qAbs(middle.green() - colour.green()) <= 3 &&
                 qAbs(middle.blue() - colour.blue()) <= 3,
             qPrintable(middle.name()));
}

// The largest picture allowed is decoded straight into its image: the
// memory it takes at its peak is that of the pixels, once.
void TestPictures::pictureAtThePixelCapIsHeldOnce()
{
    const int side = 5792;  // 5792 x 5792 <= kMaxPixels < 5793 x 5793
    QVERIFY(qint64(side) * side <= pictures::kMaxPixels && qint64(side + 1) * (side + 1) > pictures::kMaxPixels);
    const QColor blue(40, 90, 200);
    const QString path = write("cap.jpg", fixtures::encodeJpeg(side, side, blue));
    // From here on the peak of resident memory counts.
    QFile peak(QStringLiteral("/proc/self/clear_refs"));
    if (!peak.open(QIODevice::WriteOnly) || peak.write("5") != 1 || !peak.flush())
        QSKIP("the peak of resident memory cannot be reset here");
    peak.close();
    const qint64 before = statusKiB("VmHWM");
    QVERIFY(before > 0);
    {
        const pictures::Picture picture = pictures::loadPictureFile(path);
        QVERIFY2(picture.ok(), qPrintable(picture.error));
        QCOMPARE(picture.image.size(), QSize(side, side));
        const QColor corner = picture.image.pixelColor(side - 1, side - 1);
        QVERIFY2(qAbs(corner.red() - blue.red()) <= 3 && qAbs(corner.blue() - blue.blue()) <= 3,
                 qPrintable(corner.name()));
    }
    const qint64 taken = statusKiB("VmHWM") - before;
    const qint64 pixels = qint64(side) * side * 4 / 1024;
    qInfo("the picture's pixels: %lld KiB; the peak grew by %lld KiB", pixels, taken);
    QVERIFY(taken >= pixels * 9 / 10);  // the measure sees the picture at all
    QVERIFY2(taken < pixels * 5 / 4, "the pixels are held once");
}

QTEST_GUILESS_MAIN(TestPictures)
#include "tst_pictures.moc"
