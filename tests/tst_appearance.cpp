// The appearance settings, the About and welcome screens, and the settings
// store applied to the real windows across simulated restarts.
#include "Unit1.h"
#include "Unit10.h"
#include "Unit24.h"
#include "Unit25.h"
#include "Unit3.h"
#include "Unit5.h"
#include "appearance.h"
#include "artwork.h"
#include "jpegfixtures.h"
#include "screens.h"
#include "support.h"
#include "windowframe.h"

#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <cerrno>
#include <climits>
#include <cstring>
#include <sys/resource.h>
#include <sys/stat.h>

class TestAppearance : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void firstRunGreetsAndSaves();
    void applyChangesTheBackgroundOfScreensShownLater();
    void trackBarWithoutApplyIsRestored();
    void ownPictureIsRestored();
    void trackBarAfterOwnPictureForgetsIt();
    void badPictureKeepsPreviewAndFlag();
    void unstretchedPictureIsDrawnOnceTopLeft();
    void missingStoredPictureFallsBack_data();
    void missingStoredPictureFallsBack();
    void unreachablePlaceIsMended_data();
    void unreachablePlaceIsMended();
    void restartsKeepTheOuterPlace();
    void mainWindowPlacement_data();
    void mainWindowPlacement();
    void failedSaveIsShown_data();
    void failedSaveIsShown();
    void pictureDialogFilter();
    void pictureDialogReportsWhatItCannotUse_data();
    void pictureDialogReportsWhatItCannotUse();
    void aboutScreen();

private:
    void restart();
    void writeStore(const QByteArray &text);
    QString writeJpeg(const QString &name, const QColor &colour, QSize size = QSize(40, 30));

    QTemporaryDir m_dir;
    QString m_store;
    support::RecordingContext m_context;
    QStringList &m_messages = m_context.recorded;
    int m_welcomes = 0;
    QList<QUrl> m_opened;
};

namespace {

QByteArray fullStore(int track, int custom, const QString &picture, int stretch, const QString &groups = "010100",
                     int height = 637, int top = 29, int left = 399)
{
    static const char *names[] = {"FormGlMen", "FormPlo", "FormPer", "FormReZad", "FormRaz", "FormOb"};
    QByteArray text = QStringLiteral("FormTop1.6.1Pro=%1\nFormLeft1.6.1Pro=%2\nTrackPosition1.6.1Pro=%3\n"
                                     "PhonSvoi1.6.1Pro=%4\n")
                          .arg(top)
                          .arg(left)
                          .arg(track)
                          .arg(custom)
                          .toUtf8();
    if (!picture.isEmpty())
        text += "PhonSvoiName1.6.1Pro=" + picture.toUtf8() + "\n";
    // groups: "Главное меню", "Площадь", "Переводы", "Решение задач", "Разное", "Объём"
    for (int k = 0; k < 6; ++k)
        text += QByteArray(names[k]) + "1.6.1Pro=" + groups[k].toLatin1() + "\n";
    text += "Form1.Heigh1.6.1Pro=" + QByteArray::number(height) + "\nStrech1.6.1Pro=" + QByteArray::number(stretch) +
            "\n";
    return text;
}

QStringList openedGroups()
{
    QStringList names;
    for (const TRzGroup *group : Form1->RzGroupBar1->groups())
        if (group->opened())
            names << group->objectName();
    return names;
}

// The id the program's AppStream metainfo declares.
QString metainfoId()
{
    QFile file(QStringLiteral(KALKORT_METAINFO));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader xml(&file);
    if (xml.readNextStartElement() && xml.name() == u"component")
        while (xml.readNextStartElement()) {
            if (xml.name() == u"id")
                return xml.readElementText();
            xml.skipCurrentElement();
        }
    return {};
}

}  // namespace

void TestAppearance::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_store = m_dir.filePath(QStringLiteral("config/kalkort.conf"));
    QDir().mkpath(m_dir.filePath(QStringLiteral("config")));
    m_context.settingsFile = m_store;
    m_context.presentWelcome = [this] { ++m_welcomes; };
    m_context.openLink = [this](const QUrl &url) { m_opened << url; };
}

void TestAppearance::init()
{
    if (QFileInfo(m_store).isDir())
        QDir(m_store).removeRecursively();
    QFile::remove(m_store);
    m_messages.clear();
    m_welcomes = 0;
}

void TestAppearance::cleanup()
{
    if (Form1) {
        Form1->close();
        destroyScreens();
    }
}

void TestAppearance::cleanupTestCase() {}

// Closes the program as the user does (the store is saved) and starts it
// again: fresh screens, fresh appearance state, the main window shown.
void TestAppearance::restart()
{
    if (Form1) {
        Form1->close();
        destroyScreens();
    }
    calc::Appearance::instance().setBackground(calc::defaultBackground());
    calc::Appearance::instance().setStretch(true);
    createScreens(m_context);
    Form1->show();
    QVERIFY(QTest::qWaitForWindowExposed(Form1));
    QCoreApplication::processEvents();
}

void TestAppearance::writeStore(const QByteArray &text)
{
    QFile file(m_store);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}

QString TestAppearance::writeJpeg(const QString &name, const QColor &colour, QSize size)
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(fixtures::encodeJpeg(size.width(), size.height(), colour));
    return path;
}

void TestAppearance::firstRunGreetsAndSaves()
{
    restart();
    QTRY_COMPARE(m_welcomes, 1);
    QCOMPARE(Form1->pos(), QPoint(399, 29));
    QCOMPARE(Form1->size(), QSize(215, 637));
    QCOMPARE(openedGroups(), (QStringList{"RzGroup1", "RzGroup2"}));
    QCOMPARE(calc::Appearance::instance().background(), artwork::builtInBackground(1));
    QVERIFY(calc::Appearance::instance().stretch());

    Form1->move(420, 60);
    QTRY_COMPARE(WindowFrame::of(*Form1).outerRect().topLeft(), QPoint(420, 60));  // where the desktop shows it
    Form1->RzGroup4->setOpened(true);
    restart();
    QTest::qWait(20);
    QCOMPARE(m_welcomes, 1);  // not greeted again
    QTRY_COMPARE(Form1->pos(), QPoint(420, 60));
    QCOMPARE(openedGroups(), QStringList{"RzGroup4"});
    QCOMPARE(Form1->height(), 309);
    QFile file(m_store);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().count('\n'), 12);  // no picture file name
    QVERIFY(screens::lastSaveSucceeded());
}

void TestAppearance::applyChangesTheBackgroundOfScreensShownLater()
{
    restart();
    screens::openItem(QStringLiteral("RzGroup1Items1"));  // "Прямоугольник"
    QVERIFY(QTest::qWaitForWindowExposed(Form3));
    showScreen(Form24);
    Form24->TrackBar1->setValue(5);
    QCOMPARE(Form24->Image2->picture(), artwork::builtInBackground(5));
    QCOMPARE(calc::Appearance::instance().background(), artwork::builtInBackground(1));
    Form24->Button2->click();
    QCOMPARE(calc::Appearance::instance().background(), artwork::builtInBackground(5));
    QCOMPARE(Form1->Image1->picture(), artwork::builtInBackground(5));
    QCOMPARE(Form24->Image1->picture(), artwork::builtInBackground(5));

    screens::openItem(QStringLiteral("RzGroup1Items0"));  // "Треугольник", made now
    QCOMPARE(Form5->Image1->picture(), artwork::builtInBackground(5));
    QCOMPARE(Form3->Image1->picture(), artwork::builtInBackground(1));  // open before Apply
    Form3->hide();
    showScreen(Form3);
    QCOMPARE(Form3->Image1->picture(), artwork::builtInBackground(5));
}

void TestAppearance::trackBarWithoutApplyIsRestored()
{
    restart();
    showScreen(Form24);
    Form24->TrackBar1->setValue(5);
    Form24->close();
    QCOMPARE(calc::Appearance::instance().background(), artwork::builtInBackground(1));
    restart();
    QCOMPARE(Form24->TrackBar1->value(), 5);
    QCOMPARE(calc::Appearance::instance().background(), artwork::builtInBackground(5));
    QCOMPARE(m_welcomes, 1);  // only the first start
}

void TestAppearance::ownPictureIsRestored()
{
    const QString picture = writeJpeg(QStringLiteral("своё фото.jpg"), QColor(30, 160, 60), QSize(50, 20));
    restart();
    bool canClose = false;
    Form24->OpenPictureDialog1CanClose(picture, canClose);
    QVERIFY(canClose);
    QCOMPARE(Form24->customBackground(), 1);
    QCOMPARE(Form24->Image2->picture().size(), QSize(50, 20));
    Form24->Button2Click();
    restart();
    QCOMPARE(Form24->customBackground(), 1);
    QCOMPARE(Form24->pictureFileName(), picture);
    const QImage background = calc::Appearance::instance().background();
    QCOMPARE(background.size(), QSize(50, 20));
    QVERIFY(qAbs(background.pixelColor(25, 10).green() - 160) <= 3);
    QVERIFY(m_messages.isEmpty());
}

void TestAppearance::trackBarAfterOwnPictureForgetsIt()
{
    const QString picture = writeJpeg(QStringLiteral("a.jpg"), Qt::red);
    restart();
    bool canClose = false;
    Form24->OpenPictureDialog1CanClose(picture, canClose);
    QCOMPARE(Form24->customBackground(), 1);
    Form24->TrackBar1->setValue(3);
    QCOMPARE(Form24->customBackground(), 0);
    restart();
    QCOMPARE(Form24->customBackground(), 0);
    QCOMPARE(calc::Appearance::instance().background(), artwork::builtInBackground(3));
    QFile file(m_store);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY(text.contains("PhonSvoi1.6.1Pro=0\n"));
    QVERIFY(!text.contains("PhonSvoiName"));
}

void TestAppearance::badPictureKeepsPreviewAndFlag()
{
    restart();
    Form24->TrackBar1->setValue(4);
    const QString broken = m_dir.filePath(QStringLiteral("broken.jpg"));
    QFile file(broken);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not a picture");
    file.close();
    bool canClose = true;
    Form24->OpenPictureDialog1CanClose(broken, canClose);
    QVERIFY(!canClose);
    QCOMPARE(m_messages.size(), 1);
    QVERIFY(m_messages[0].contains(broken));
    QCOMPARE(Form24->customBackground(), 0);
    QCOMPARE(Form24->Image2->picture(), artwork::builtInBackground(4));
}

void TestAppearance::unstretchedPictureIsDrawnOnceTopLeft()
{
    restart();
    Form24->RadioButton2->click();
    QVERIFY(!calc::Appearance::instance().stretch());
    QVERIFY(!Form24->Image2->stretch());
    screens::openItem(QStringLiteral("RzGroup1Items0"));
    QVERIFY(QTest::qWaitForWindowExposed(Form5));
    const QImage shot = Form5->grab().toImage();
    const QImage picture = artwork::builtInBackground(1);
    // The 4-pixel strip at the top, the window colour below it.
    QCOMPARE(shot.pixelColor(1, 1), picture.pixelColor(1, 1));
    QCOMPARE(shot.pixelColor(1, 8), Form5->palette().color(QPalette::Window));
    QCOMPARE(shot.pixelColor(Form5->width() - 3, 300 / 2), Form5->palette().color(QPalette::Window));
    restart();
    QVERIFY(Form24->RadioButton2->isChecked());
    QVERIFY(!calc::Appearance::instance().stretch());
}

void TestAppearance::missingStoredPictureFallsBack_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("moved away") << "missing";
    QTest::newRow("now a directory") << "directory";
    QTest::newRow("now a named pipe") << "pipe";
    QTest::newRow("now not a picture") << "garbage";
}

// A picture that can no longer be loaded is reported; the built-in picture of
// the stored track position is the background and the rest is restored.
void TestAppearance::missingStoredPictureFallsBack()
{
    QFETCH(QString, kind);
    const QString picture = m_dir.filePath(kind + QStringLiteral(".jpg"));
    if (kind == "directory")
        QDir().mkpath(picture);
    if (kind == "pipe")
        QCOMPARE(::mkfifo(QFile::encodeName(picture).constData(), 0600), 0);
    if (kind == "garbage") {
        QFile file(picture);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(1000, '\x7f'));
    }
    writeStore(fullStore(7, 1, picture, 2, "000100", 309));
    restart();
    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages[0].contains(picture), qPrintable(m_messages[0]));
    QCOMPARE(calc::Appearance::instance().background(), artwork::builtInBackground(7));
    QCOMPARE(Form24->customBackground(), 0);
    QCOMPARE(openedGroups(), QStringList{"RzGroup4"});
    QTRY_COMPARE(Form1->frameGeometry().height(), 309);  // the stored height is the outer one
    QVERIFY(!calc::Appearance::instance().stretch());
    QTest::qWait(20);
    QCOMPARE(m_welcomes, 0);
}

void TestAppearance::unreachablePlaceIsMended_data()
{
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("height");
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<int>("shownHeight");  // -1: the screen's work area height

    QTest::newRow("on screen") << 100 << 500 << 637 << QPoint(500, 100) << 637;
    QTest::newRow("far right of every screen") << 29 << 90000 << 637 << QPoint(399, 29) << 637;
    QTest::newRow("above every screen") << -5000 << 399 << 637 << QPoint(399, 29) << 637;
    QTest::newRow("partly off the right edge") << 100 << 1200 << 637 << QPoint(399, 29) << 637;
    QTest::newRow("title bar partly above the top") << -1 << 399 << 637 << QPoint(399, 29) << 637;
    QTest::newRow("largest left, smallest top") << INT_MIN << INT_MAX << 637 << QPoint(399, 29) << 637;
    QTest::newRow("smallest left, largest top") << INT_MAX << INT_MIN << 637 << QPoint(399, 29) << 637;
    QTest::newRow("taller than the screen") << 0 << 399 << 90000 << QPoint(399, 0) << -1;
    QTest::newRow("largest height") << 0 << 399 << INT_MAX << QPoint(399, 0) << -1;
    QTest::newRow("negative height") << 29 << 399 << -300 << QPoint(399, 29) << 176;
}

void TestAppearance::unreachablePlaceIsMended()
{
    QFETCH(int, top);
    QFETCH(int, left);
    QFETCH(int, height);
    QFETCH(QPoint, position);
    QFETCH(int, shownHeight);
    writeStore(fullStore(1, 0, QString(), 1, "010100", height, top, left));
    restart();
    if (shownHeight < 0)
        shownHeight = Form1->screen()->availableGeometry().height();
    QTRY_COMPARE(WindowFrame::of(*Form1).outerRect().topLeft(), position);
    QTRY_COMPARE(WindowFrame::of(*Form1).outerRect().height(), shownHeight);
    QTRY_COMPARE(Form1->frameGeometry().topLeft(), position);
    QTRY_COMPARE(Form1->frameGeometry().height(), shownHeight);
}

// What is saved is what the next start shows, frame included, however often.
void TestAppearance::restartsKeepTheOuterPlace()
{
    restart();
    WindowFrame *frame = &WindowFrame::of(*Form1);
    QTRY_VERIFY(frame->settled());
    frame->moveOuter(QPoint(300, 200));
    QTRY_COMPARE(frame->outerRect().topLeft(), QPoint(300, 200));
    Form1->RzGroup4->setOpened(true);
    const QRect left = frame->outerRect();
    for (int run = 0; run < 3; ++run) {
        restart();
        frame = &WindowFrame::of(*Form1);
        QTRY_VERIFY(frame->settled());
        QTRY_COMPARE(frame->outerRect(), left);
        QCOMPARE(Form1->frameGeometry(), left);
    }
}

void TestAppearance::mainWindowPlacement_data()
{
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QString>("where");
    QTest::newRow("top right") << "В правом верхнем углу" << "right";
    QTest::newRow("centre") << "В центре" << "centre";
    QTest::newRow("top left") << "В левом верхнем углу" << "left";
}

void TestAppearance::mainWindowPlacement()
{
    QFETCH(QString, choice);
    QFETCH(QString, where);
    restart();
    QTRY_VERIFY(WindowFrame::of(*Form1).settled());
    const int height = Form1->height();
    const QRect area = Form1->screen()->availableGeometry();
    const int width = Form1->frameGeometry().width();
    Form24->RzComboBox1->setCurrentText(choice);
    QCOMPARE(Form24->RzComboBox1->currentText(), choice);
    const int right = area.x() + area.width();
    const int expectedLeft = where == "right" ? right - width : where == "centre" ? (right - width + 1) / 2 : 0;
    // The frame, title bar included, is placed, and stays there after a restart.
    QTRY_COMPARE(WindowFrame::of(*Form1).outerRect().topLeft(), QPoint(expectedLeft, 0));
    QCOMPARE(Form1->height(), height);
    restart();
    QTRY_VERIFY(WindowFrame::of(*Form1).settled());
    QCOMPARE(WindowFrame::of(*Form1).outerRect().topLeft(), QPoint(expectedLeft, 0));
    QVERIFY(Form1->geometry().top() >= area.top());
}

void TestAppearance::failedSaveIsShown_data()
{
    QTest::addColumn<QString>("cause");
    QTest::addColumn<QString>("reason");
    QTest::newRow("the store is a folder") << "folder" << "это не обычный файл";
    QTest::newRow("full disk") << "full" << QString::fromLocal8Bit(std::strerror(EFBIG));
}

// A save that fails is told to the user, naming the file and the reason,
// and the old file stays as it was.
void TestAppearance::failedSaveIsShown()
{
    QFETCH(QString, cause);
    QFETCH(QString, reason);
    restart();  // a first run, whose close writes the store
    Form1->close();
    destroyScreens();
    QFile stored(m_store);
    QVERIFY(stored.open(QIODevice::ReadOnly));
    const QByteArray old = stored.readAll();
    stored.close();
    if (cause == "folder") {
        QVERIFY(QFile::remove(m_store));
        QVERIFY(QDir().mkpath(m_store));
    }
    restart();
    Form1->RzGroup4->setOpened(true);  // something to save
    m_messages.clear();

    rlimit saved {};
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    if (cause == "full") {
        const rlimit small{16, saved.rlim_max};  // the file no longer fits
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
    }
    Form1->close();
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &saved), 0);
    destroyScreens();

    QVERIFY(!m_messages.isEmpty());
    QCOMPARE(m_messages.last(), QStringLiteral("Не удалось сохранить настройки в файл «%1»: %2.").arg(m_store, reason));
    if (cause == "folder") {
        QVERIFY(QFileInfo(m_store).isDir());
        QDir(m_store).removeRecursively();
    } else {
        QVERIFY(stored.open(QIODevice::ReadOnly));
        QCOMPARE(stored.readAll(), old);
    }
    // Nothing was left beside the store.
    QCOMPARE(QDir(QFileInfo(m_store).absolutePath()).entryList(QDir::Files | QDir::Hidden),
             cause == "folder" ? QStringList() : QStringList{"kalkort.conf"});
}

void TestAppearance::pictureDialogFilter()
{
    restart();
    TOpenPictureDialog *dialog = Form24->openPictureDialog();
    QCOMPARE(dialog->objectName(), QStringLiteral("OpenPictureDialog1"));
    QCOMPARE(dialog->nameFilters(),
             (QStringList{"All (*.jpg *.jpeg *.bmp)", "JPEG Image File (*.jpg)", "JPEG Image File (*.jpeg)",
                          "Bitmaps (*.bmp)"}));
    QCOMPARE(dialog->selectedNameFilter(), QStringLiteral("All (*.jpg *.jpeg *.bmp)"));
    // It opens in the user's pictures or home folder, not in the working
    // directory a desktop launcher happened to give.
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    QVERIFY2(dialog->directory() == QDir(pictures) || dialog->directory() == QDir::home(),
             qPrintable(dialog->directory().absolutePath()));

    // Confirming a file in the dialog loads it before the dialog closes.
    const QString picture = writeJpeg(QStringLiteral("dialog.jpg"), Qt::blue, QSize(33, 22));
    Form24->Button1->click();
    QTRY_VERIFY(dialog->isVisible());
    dialog->selectFile(picture);
    dialog->accept();
    QTRY_VERIFY(!dialog->isVisible());
    QCOMPARE(Form24->customBackground(), 1);
    QCOMPARE(Form24->pictureFileName(), picture);
    QCOMPARE(Form24->Image2->picture().size(), QSize(33, 22));
}

void TestAppearance::pictureDialogReportsWhatItCannotUse_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("named pipe") << "pipe";
    QTest::newRow("link to a device") << "device";
}

// A FIFO or a device chosen in the dialog is reported like any bad picture,
// naming the file, and the dialog stays open with nothing changed.
void TestAppearance::pictureDialogReportsWhatItCannotUse()
{
    QFETCH(QString, kind);
    restart();
    Form24->TrackBar1->setValue(6);
    const QString path = m_dir.filePath(kind + QStringLiteral(".jpg"));
    QFile::remove(path);
    if (kind == "pipe")
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));

    TOpenPictureDialog *dialog = Form24->openPictureDialog();
    Form24->Button1->click();
    QTRY_VERIFY(dialog->isVisible());
    dialog->selectFile(path);
    dialog->accept();
    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages[0].contains(path) && m_messages[0].contains(QStringLiteral("не обычный файл")),
             qPrintable(m_messages[0]));
    QVERIFY(dialog->isVisible());
    QCOMPARE(Form24->customBackground(), 0);
    QCOMPARE(Form24->Image2->picture(), artwork::builtInBackground(6));
    dialog->reject();
    QTRY_VERIFY(!dialog->isVisible());
    QFile::remove(path);
}

void TestAppearance::aboutScreen()
{
    const QString picture = writeJpeg(QStringLiteral("about.jpg"), Qt::darkCyan);
    restart();
    bool canClose = false;
    Form24->OpenPictureDialog1CanClose(picture, canClose);
    Form24->Button2Click();

    QList<QUrl> &opened = m_opened;
    opened.clear();
    bool checked = false;
    QTimer::singleShot(0, this, [&] {
        QCOMPARE(QApplication::activeModalWidget(), Form10);
        QCOMPARE(Form10->Image1->picture().size(), QSize(40, 30));
        QCOMPARE(Form10->Label3->text(), QStringLiteral("Калькорт 1.6.1 Pro"));
        QVERIFY(Form10->Label1->text().startsWith(QStringLiteral("Программист:")));
        QVERIFY(Form10->Label2->text().startsWith(QStringLiteral("Бета-тестер:")));
        QVERIFY(Form10->RzURLLabel1->text().startsWith(QStringLiteral("E-mail: ")));
        QCOMPARE(Form10->RzURLLabel2->text(), QStringLiteral("Сайт программы"));
        for (TRzURLLabel *link : {Form10->RzURLLabel1, Form10->RzURLLabel2, Form10->RzURLLabel3, Form10->RzURLLabel4})
            QTest::mouseClick(link, Qt::LeftButton);
        checked = true;
        Form10->Button1->click();
    });
    Form1->RzGroup3->setOpened(true);
    Form1->item(Form1->RzGroup3, 1)->click();  // returns when the modal screen closes
    QVERIFY(checked);
    QVERIFY(!Form10->isVisible());
    QCOMPARE(Form10->result(), int(QDialog::Accepted));
    QCOMPARE(opened.size(), 4);
    QCOMPARE(opened[0].scheme(), QStringLiteral("mailto"));
    // "Сайт программы": the README as installed beside the program (bin/ and
    // share/doc/kalkort/ under one prefix).
    QCOMPARE(opened[1], QUrl::fromLocalFile(QDir::cleanPath(QCoreApplication::applicationDirPath()
                                                            + QStringLiteral("/../share/doc/kalkort/README.md"))));
    // The shop links: the program's page in the software centre, by the id
    // its metainfo gives.
    const QUrl page(QStringLiteral("appstream:") + metainfoId());
    QCOMPARE(opened[2], page);
    QCOMPARE(opened[3], page);
}

QTEST_MAIN(TestAppearance)
#include "tst_appearance.moc"
