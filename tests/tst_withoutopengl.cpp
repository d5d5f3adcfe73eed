// A solid screen where OpenGL does not work (here: no OpenGL integration at
// all): it opens, computes, and its model panel shows a message in place of
// the model.
#include "Unit45.h"
#include "support.h"

#include <QPushButton>
#include <QtTest>

using solid::TModelPanel;

class TestWithoutOpenGL : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void solidScreenOpensAndComputes();
};

void TestWithoutOpenGL::initTestCase() { QVERIFY(!TModelPanel::openGLUsable()); }

void TestWithoutOpenGL::solidScreenOpensAndComputes()
{
    support::RecordingContext context;
    TForm45 screen(context);
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));

    screen.Edit1->setText(QStringLiteral("2"));
    screen.Edit2->setText(QStringLiteral("3"));
    screen.RzComboBox2->setEditText(QStringLiteral("2"));
    screen.Button2->click();
    QCOMPARE(screen.Label4->text(), QStringLiteral("Ответ: 37,70"));

    screen.Button1->click();
    QVERIFY(screen.wide());
    QVERIFY(screen.Panel1->isVisible());
    QTRY_COMPARE(screen.Panel1->faceText(), TModelPanel::kNoOpenGL);  // at the next redraw tick
    QVERIFY(!screen.Panel1->showsModel());
    QCOMPARE(screen.Panel1->modelFrames(), 0);
    // The message is on the panel: dark text over the panel's face.
    const QImage shown = screen.Panel1->grabFramebuffer();
    QCOMPARE(shown.size(), QSize(210, 170));
    int text = 0;
    for (int x = 0; x < shown.width(); ++x)
        for (int y = 40; y < 130; ++y)
            text += shown.pixelColor(x, y).lightness() < 80;
    QVERIFY2(text > 50, "the message is shown");

    // A bad dimension still shows the error caption, and a good one the message again.
    screen.Edit1->setText(QStringLiteral("2,5"));
    screen.Button3->click();
    QCOMPARE(screen.Panel1->faceText(), QStringLiteral("Ошибка! Вы ввели неправильное значение!!!"));
    screen.Edit1->setText(QStringLiteral("2"));
    screen.Button3->click();
    QCOMPARE(screen.Panel1->faceText(), TModelPanel::kNoOpenGL);

    screen.close();
    QVERIFY(!screen.wide());
    QVERIFY(context.recorded.isEmpty());
}

int main(int argc, char *argv[])
{
    // Set before the application starts: no OpenGL integration is loaded.
    qputenv("QT_XCB_GL_INTEGRATION", "none");
    QApplication application(argc, argv);
    TestWithoutOpenGL test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_withoutopengl.moc"
