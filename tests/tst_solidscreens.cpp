// The seven solid screens driven through their controls: the volume, the
// layout, and the 3D model read back from the drawing area's framebuffer.
#include "Unit45.h"
#include "Unit46.h"
#include "Unit47.h"
#include "Unit48.h"
#include "Unit49.h"
#include "Unit50.h"
#include "Unit51.h"
#include "appearance.h"
#include "support.h"

#include <QActionGroup>
#include <QFrame>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>

using solid::SolidScreen;

namespace {

const QString kInvalid = QStringLiteral("Ошибка! Вы ввели неправильное значение!!!");
// An answer line no computation writes: rows that expect no answer see it kept.
const QString kEarlierAnswer = QStringLiteral("Ответ: 777");
const QString kUnchanged = QStringLiteral("unchanged");

// What a pixel of the drawing area shows.
enum class Seen { Background, Blue, Red, Green, Other };

Seen classify(const QColor &c)
{
    // The clear colour (0.55, 0.7, 0.7).
    if (qAbs(c.red() - 140) <= 2 && qAbs(c.green() - 178) <= 2 && qAbs(c.blue() - 178) <= 2)
        return Seen::Background;
    if (c.blue() >= c.green() && c.green() >= c.red() && c.blue() - c.red() > 80)
        return Seen::Blue;
    if (c.red() - c.green() > 80 && c.red() - c.blue() > 80)
        return Seen::Red;
    if (c.green() - c.red() > 80 && c.green() - c.blue() > 80)
        return Seen::Green;
    return Seen::Other;
}

const char *name(Seen seen)
{
    switch (seen) {
    case Seen::Background:
        return "background";
    case Seen::Blue:
        return "blue";
    case Seen::Red:
        return "red";
    case Seen::Green:
        return "green";
    case Seen::Other:
        break;
    }
    return "other";
}

// What most of the 5 x 5 pixels around the centre of the picture show.
Seen centre(const QImage &frame)
{
    std::map<Seen, int> votes;
    const QPoint c = frame.rect().center();
    for (int dx = -2; dx <= 2; ++dx)
        for (int dy = -2; dy <= 2; ++dy)
            ++votes[classify(frame.pixelColor(c + QPoint(dx, dy)))];
    return std::max_element(votes.begin(), votes.end(), [](auto &a, auto &b) { return a.second < b.second; })->first;
}

// The pixels that are neither background nor face: the model.
struct Coverage {
    int pixels = 0;
    QPointF centroid;
    QRect bounds;
};

Coverage modelCoverage(const QImage &frame)
{
    Coverage coverage;
    double sx = 0, sy = 0;
    for (int y = 0; y < frame.height(); ++y)
        for (int x = 0; x < frame.width(); ++x) {
            if (classify(frame.pixelColor(x, y)) == Seen::Background)
                continue;
            ++coverage.pixels;
            sx += x;
            sy += y;
            coverage.bounds |= QRect(x, y, 1, 1);
        }
    if (coverage.pixels)
        coverage.centroid = QPointF(sx / coverage.pixels, sy / coverage.pixels);
    return coverage;
}

int countOf(const QImage &frame, Seen seen)
{
    int n = 0;
    for (int y = 0; y < frame.height(); ++y)
        for (int x = 0; x < frame.width(); ++x)
            n += classify(frame.pixelColor(x, y)) == seen;
    return n;
}

}  // namespace

class TestSolidScreens : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void compute_data();
    void compute();
    void enterComputes();
    void screenLook_data();
    void screenLook();

    void panelWidensAndNarrows();
    void modelDrawnOnTheNextTick();
    void modelColours_data();
    void modelColours();
    void colourMenu();
    void trackBarsMoveTheModel_data();
    void trackBarsMoveTheModel();
    void invalidDimensions_data();
    void invalidDimensions();
    void captionStaysUnderLaterFrames();
    void redrawRunsOnlyWhileTheModelIsShown();
    void nothingDrawnWhileNarrowOrHidden();
    void closingNarrowsAndKeepsTheChoices();
    void hugeDimensions_data();
    void hugeDimensions();
    void hints_data();
    void hints();
    void coneHandlers();

private:
    SolidScreen *screen(const QString &name) const;
    void fill(SolidScreen *screen, const QStringList &inputs, const QString &rounding = QStringLiteral("0"));
    // Shows the screen wide and waits until the drawing area is on screen.
    void showWide(SolidScreen *screen);
    // A redraw, then the drawing area's picture.
    QImage redrawn(SolidScreen *screen);

    support::RecordingContext m_context;
    std::vector<SolidScreen *> m_screens;
    support::ScreenSet m_owned;
    QStringList &m_messages = m_context.recorded;
};

void TestSolidScreens::initTestCase()
{
    Form45 = m_owned.add(new TForm45(m_context));
    Form46 = m_owned.add(new TForm46(m_context));
    Form47 = m_owned.add(new TForm47(m_context));
    Form48 = m_owned.add(new TForm48(m_context));
    Form49 = m_owned.add(new TForm49(m_context));
    Form50 = m_owned.add(new TForm50(m_context));
    Form51 = m_owned.add(new TForm51(m_context));
    m_screens = {Form45, Form46, Form47, Form48, Form49, Form50, Form51};
}

void TestSolidScreens::cleanupTestCase() {}

void TestSolidScreens::init()
{
    m_messages.clear();
    for (SolidScreen *w : m_screens) {
        for (QLineEdit *edit : w->findChildren<QLineEdit *>(QRegularExpression(QStringLiteral("^Edit\\d$"))))
            edit->clear();
        w->RzComboBox2->setEditText(QStringLiteral("0"));
        w->Label4->setCaption(kEarlierAnswer);
    }
}

void TestSolidScreens::cleanup()
{
    for (SolidScreen *w : m_screens) {
        if (w->isVisible())
            w->close();
        w->N3Click();
        for (QSlider *bar : {w->TrackBar1, w->TrackBar2, w->TrackBar3})
            bar->setValue(0);
    }
}

SolidScreen *TestSolidScreens::screen(const QString &name) const
{
    for (SolidScreen *w : m_screens)
        if (w->objectName() == name)
            return w;
    return nullptr;
}

void TestSolidScreens::fill(SolidScreen *w, const QStringList &inputs, const QString &rounding)
{
    // Typed key by key, as the user does.
    for (const QString &input : inputs)
        support::typeInto(w, input.section(u'=', 0, 0), input.section(u'=', 1));
    support::type(w->RzComboBox2, rounding);
}

void TestSolidScreens::showWide(SolidScreen *w)
{
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    if (!w->wide())
        w->Button1->click();
    QVERIFY(w->wide());
    QVERIFY(QTest::qWaitForWindowExposed(w->Panel1));
}

QImage TestSolidScreens::redrawn(SolidScreen *w)
{
    w->Button3->click();
    return w->Panel1->grabFramebuffer();
}

void TestSolidScreens::compute_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QString>("rounding");
    QTest::addColumn<QString>("answer");  // or "unchanged"
    QTest::addColumn<QStringList>("messages");

    const QStringList none;
    const QStringList invalid{kInvalid};
    QTest::newRow("cylinder r 2 h 3: 12 pi")
        << "Form45" << QStringList{"Edit1=2", "Edit2=3"} << "2" << "Ответ: 37,70" << none;
    QTest::newRow("cylinder negative height: absolute value, then the message")
        << "Form45" << QStringList{"Edit1=2", "Edit2=-3"} << "2" << "Ответ: 37,70" << invalid;
    QTest::newRow("cylinder all zeros: message only")
        << "Form45" << QStringList{"Edit1=0", "Edit2=0"} << "2" << kUnchanged << invalid;
    QTest::newRow("cylinder all zeros, bad rounding not read")
        << "Form45" << QStringList{"Edit1=0", "Edit2=0"} << "x" << kUnchanged << invalid;
    QTest::newRow("cylinder decimals: 25 pi")
        << "Form45" << QStringList{"Edit1=2,5", "Edit2=4"} << "3" << "Ответ: 78,540" << none;
    QTest::newRow("cylinder point under a comma locale")
        << "Form45" << QStringList{"Edit1=2.5", "Edit2=4"} << "0" << kUnchanged << invalid;
    QTest::newRow("cylinder empty fields") << "Form45" << QStringList{} << "0" << kUnchanged << invalid;
    QTest::newRow("cylinder letters in the second field")
        << "Form45" << QStringList{"Edit1=2", "Edit2=abc"} << "0" << kUnchanged << invalid;
    QTest::newRow("cylinder bad rounding text")
        << "Form45" << QStringList{"Edit1=2", "Edit2=3"} << "x" << kUnchanged << invalid;
    QTest::newRow("cone r 3 h 4: 12 pi")
        << "Form46" << QStringList{"Edit1=3", "Edit2=4"} << "4" << "Ответ: 37,6991" << none;
    QTest::newRow("cone negative radius")
        << "Form46" << QStringList{"Edit1=-3", "Edit2=4"} << "4" << "Ответ: 37,6991" << invalid;
    QTest::newRow("sphere R 1") << "Form47" << QStringList{"Edit1=1"} << "3" << "Ответ: 4,189" << none;
    QTest::newRow("sphere R 1000") << "Form47" << QStringList{"Edit1=1000"} << "2" << "Ответ: 4188790204,79"
                                   << none;
    QTest::newRow("sphere R 0: message only") << "Form47" << QStringList{"Edit1=0"} << "3" << kUnchanged
                                              << invalid;
    QTest::newRow("sphere negative R: message only") << "Form47" << QStringList{"Edit1=-1"} << "3" << kUnchanged
                                                     << invalid;
    QTest::newRow("truncated cone 1 1 1: pi")
        << "Form48" << QStringList{"Edit1=1", "Edit2=1", "Edit3=1"} << "2" << "Ответ: 3,14" << none;
    QTest::newRow("truncated cone r 2 r1 1 h 3: 7 pi")
        << "Form48" << QStringList{"Edit1=2", "Edit2=1", "Edit3=3"} << "2" << "Ответ: 21,99" << none;
    QTest::newRow("truncated cone r1 0: the cone, then the message")
        << "Form48" << QStringList{"Edit1=1", "Edit2=0", "Edit3=3"} << "2" << "Ответ: 3,14" << invalid;
    QTest::newRow("pyramid S 6 h 5") << "Form49" << QStringList{"Edit1=6", "Edit2=5"} << "2" << "Ответ: 10,00"
                                     << none;
    QTest::newRow("pyramid negative height")
        << "Form49" << QStringList{"Edit1=6", "Edit2=-5"} << "0" << "Ответ: 10" << invalid;
    QTest::newRow("truncated pyramid h 3 S 4 S1 1")
        << "Form50" << QStringList{"Edit1=3", "Edit2=4", "Edit3=1"} << "0" << "Ответ: 7" << none;
    QTest::newRow("truncated pyramid S = S1 is the prism")
        << "Form50" << QStringList{"Edit1=5", "Edit2=2", "Edit3=2"} << "0" << "Ответ: 10" << none;
    QTest::newRow("truncated pyramid one negative area: NAN, then the message")
        << "Form50" << QStringList{"Edit1=3", "Edit2=-4", "Edit3=1"} << "2" << "Ответ: NAN" << invalid;
    QTest::newRow("truncated pyramid two negative areas: a number, then the message")
        << "Form50" << QStringList{"Edit1=3", "Edit2=-4", "Edit3=-1"} << "0" << "Ответ: 3" << invalid;
    QTest::newRow("truncated pyramid all negative: message only")
        << "Form50" << QStringList{"Edit1=-3", "Edit2=-4", "Edit3=-1"} << "0" << kUnchanged << invalid;
    QTest::newRow("prism h 4 S 2,5") << "Form51" << QStringList{"Edit1=4", "Edit2=2,5"} << "0" << "Ответ: 10"
                                     << none;
    QTest::newRow("prism S 0") << "Form51" << QStringList{"Edit1=4", "Edit2=0"} << "0" << "Ответ: 0" << invalid;
}

void TestSolidScreens::compute()
{
    QFETCH(QString, screen);
    QFETCH(QStringList, inputs);
    QFETCH(QString, rounding);
    QFETCH(QString, answer);
    QFETCH(QStringList, messages);

    SolidScreen *w = this->screen(screen);
    fill(w, inputs, rounding);
    w->Button2->click();
    QCOMPARE(w->Label4->text(), answer == kUnchanged ? kEarlierAnswer : answer);
    QCOMPARE(m_messages, messages);
}

void TestSolidScreens::enterComputes()
{
    fill(Form48, {"Edit1=1", "Edit2=1", "Edit3=1"}, QStringLiteral("2"));
    QVERIFY(support::showActive(Form48));
    for (QWidget *control : std::initializer_list<QWidget *>{Form48->Edit3, Form48->RzComboBox2, Form48->Button1}) {
        Form48->Label4->setCaption(kEarlierAnswer);
        control->setFocus();
        QTRY_VERIFY(control->hasFocus() || control->isAncestorOf(QApplication::focusWidget()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(Form48->Label4->text(), QStringLiteral("Ответ: 3,14"));
    }
    QVERIFY(!Form48->wide());  // Enter clicks "Рассчитать", not the model button
    QVERIFY(m_messages.isEmpty());
    support::hideScreen(Form48);
}

void TestSolidScreens::screenLook_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<QStringList>("fields");  // caption@x,y of each field in order
    QTest::addColumn<QPoint>("image");
    QTest::addColumn<QStringList>("rounding");  // caption label name@x,y, list x,y, after label name@x,y
    QTest::addColumn<int>("buttonsY");
    QTest::addColumn<int>("answerY");

    const QStringList standard{"Label6@5,160", "80,152", "Label7@236,160"};
    QTest::newRow("cylinder") << "Form45" << "Цилиндр" << "Объём цилиндра" << QSize(368, 260) << QPoint(292, 148)
                              << QStringList{"Радиус (r)@80,40", "Высота (h)@80,96"} << QPoint(240, 32) << standard
                              << 200 << 232;
    QTest::newRow("cone") << "Form46" << "Конус" << "Объём конуса" << QSize(368, 266) << QPoint(319, 217)
                          << QStringList{"Радиус (r)@80,40", "Высота (h)@80,96"} << QPoint(240, 32) << standard
                          << 200 << 232;
    QTest::newRow("sphere") << "Form47" << "Сфера" << "Объём сферы" << QSize(368, 258) << QPoint(309, 246)
                            << QStringList{"Радиус (R)@80,64"} << QPoint(240, 32)
                            << QStringList{"Label6@5,152", "80,144", "Label7@236,152"} << 192 << 224;
    QTest::newRow("truncated cone") << "Form48" << "Усечённый конус" << "Объём усечённого конуса" << QSize(368, 258)
                                    << QPoint(298, 210)
                                    << QStringList{"Радиус (r)@88,40", "Радиус (r1)@88,72", "Высота (h)@88,104"}
                                    << QPoint(248, 32) << QStringList{"Label7@5,152", "88,144", "Label8@244,152"}
                                    << 192 << 232;
    QTest::newRow("pyramid") << "Form49" << "Пирамида" << "Объём пирамиды" << QSize(368, 266) << QPoint(310, 151)
                             << QStringList{"Площадь основ.(S)@80,48", "Высота (h)@80,96"} << QPoint(240, 32)
                             << standard << 200 << 232;
    QTest::newRow("truncated pyramid")
        << "Form50" << "Усечённая пирамида" << "Объём усечённой пирамиды" << QSize(368, 266) << QPoint(302, 241)
        << QStringList{"Высота (h)@80,40", "Площадь основ.(S)@80,80", "Площадь основ.(S1)@80,120"} << QPoint(240, 32)
        << QStringList{"Label6@5,168", "80,160", "Label7@236,168"} << 200 << 232;
    QTest::newRow("prism") << "Form51" << "Призма" << "Объём призмы" << QSize(368, 266) << QPoint(297, 183)
                           << QStringList{"Высота (h)@80,40", "Площадь основания (S)@80,80"} << QPoint(240, 32)
                           << QStringList{"Label6@5,168", "80,160", "Label7@236,168"} << 200 << 232;
}

// Caption, size, fields, the bottom row and the model panel; every caption
// fits its label and every control of the narrow window lies inside it.
void TestSolidScreens::screenLook()
{
    QFETCH(QString, screen);
    QFETCH(QString, caption);
    QFETCH(QString, heading);
    QFETCH(QSize, size);
    QFETCH(QPoint, position);
    QFETCH(QStringList, fields);
    QFETCH(QPoint, image);
    QFETCH(QStringList, rounding);
    QFETCH(int, buttonsY);
    QFETCH(int, answerY);

    const auto point = [](const QString &text) {
        const QStringList xy = text.split(u',');
        return QPoint(xy[0].toInt(), xy[1].toInt());
    };
    SolidScreen *w = this->screen(screen);
    QCOMPARE(w->windowTitle(), caption);
    QCOMPARE(w->Label1->text(), heading);
    QCOMPARE(w->minimumSize(), size);
    QCOMPARE(w->maximumSize(), size);
    QCOMPARE(w->pos(), position);
    QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));

    for (int k = 0; k < fields.size(); ++k) {
        auto *edit = w->findChild<QLineEdit *>(QStringLiteral("Edit%1").arg(k + 1));
        QVERIFY(edit);
        QCOMPARE(edit->pos(), point(fields[k].section(u'@', 1)));
        QCOMPARE(edit->width(), 145);
        // The caption is the label left of the field, level with it.
        QLabel *label = nullptr;
        for (QLabel *candidate : w->findChildren<QLabel *>())
            if (candidate->text() == fields[k].section(u'@', 0, 0))
                label = candidate;
        QVERIFY2(label, qPrintable(fields[k]));
        QVERIFY(label->geometry().right() < edit->x());
        QVERIFY(label->geometry().top() <= edit->geometry().center().y());
        QVERIFY(label->geometry().bottom() >= edit->geometry().center().y());
        QCOMPARE(label->font().pixelSize(), 13);
    }
    QVERIFY(!w->findChild<QLineEdit *>(QStringLiteral("Edit%1").arg(fields.size() + 1)));

    QCOMPARE(w->Image2->geometry(), QRect(image, QSize(105, 105)));
    QVERIFY(!w->Image2->stretch());
    // The illustration is there once the screen is shown.
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    const QImage picture = w->Image2->picture();
    w->hide();
    QCOMPARE(picture.size(), QSize(100, 101));
    QCOMPARE(picture.pixelColor(0, 0), QColor(Qt::white));
    int dark = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            dark += picture.pixelColor(x, y).lightness() < 100;
    QVERIFY2(dark > 200, "the illustration shows a drawing");

    auto *before = w->findChild<QLabel *>(rounding[0].section(u'@', 0, 0));
    QVERIFY(before);
    QCOMPARE(before->text(), QStringLiteral("Округлить до:"));
    QCOMPARE(before->pos(), point(rounding[0].section(u'@', 1)));
    QCOMPARE(w->RzComboBox2->geometry(), QRect(point(rounding[1]), QSize(145, 21)));
    QCOMPARE(w->RzComboBox2->currentText(), QStringLiteral("0"));
    QCOMPARE(w->RzComboBox2->count(), 11);
    auto *after = w->findChild<QLabel *>(rounding[2].section(u'@', 0, 0));
    QVERIFY(after);
    QCOMPARE(after->text(), QStringLiteral("нулей после запятой"));
    QCOMPARE(after->pos(), point(rounding[2].section(u'@', 1)));

    QCOMPARE(w->Button2->text(), QStringLiteral("Рассчитать"));
    QCOMPARE(w->Button2->geometry(), QRect(120, buttonsY, 75, 25));
    QCOMPARE(w->Button1->text(), QStringLiteral("3D-модель>>"));
    QCOMPARE(w->Button1->geometry(), QRect(280, buttonsY, 75, 25));
    QCOMPARE(w->Label4->pos(), QPoint(16, answerY));
    QCOMPARE(w->Label4->font().pixelSize(), 16);

    QCOMPARE(w->Panel2->geometry(), QRect(368, 16, 249, 233));
    QCOMPARE(w->Panel1->parentWidget(), w->Panel2);
    QCOMPARE(w->Panel1->geometry(), QRect(29, 8, 210, 170));
    QCOMPARE(w->Panel1->property("caption").toString(), QString());
    QCOMPARE(w->TrackBar1->geometry(), QRect(8, 184, 233, 17));
    QCOMPARE(w->TrackBar2->geometry(), QRect(8, 208, 233, 17));
    QCOMPARE(w->TrackBar3->geometry(), QRect(8, 8, screen == "Form46" ? 14 : 17, 169));
    for (QSlider *bar : {w->TrackBar1, w->TrackBar2, w->TrackBar3}) {
        QCOMPARE(bar->minimum(), -100);
        QCOMPARE(bar->maximum(), 100);
        QCOMPARE(bar->value(), 0);
        QCOMPARE(bar->tickPosition(), QSlider::NoTicks);
    }
    QCOMPARE(w->TrackBar3->orientation(), Qt::Vertical);
    QVERIFY(w->TrackBar3->invertedAppearance());  // minimum at the top
    auto *timer = w->findChild<QTimer *>(screen == "Form46" ? "Timer2" : "Timer1");
    QVERIFY(timer);
    QCOMPARE(timer->interval(), 500);
    // The redraw runs only while the model is on the screen.
    QVERIFY(!timer->isActive());
    QVERIFY(w->Button3->isHidden());

    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    const QRect client(QPoint(0, 0), size);
    for (QWidget *child : w->findChildren<QWidget *>()) {
        if (!child->isVisible() || child->parentWidget() != w || child == w->Image1)
            continue;
        QVERIFY2(client.contains(child->geometry()), qPrintable(child->objectName()));
        if (auto *label = qobject_cast<QLabel *>(child); label && label != w->Label4) {
            const QRect needed = label->fontMetrics().boundingRect(label->rect(), Qt::TextWordWrap, label->text());
            QVERIFY2(needed.height() <= label->height() && needed.width() <= label->width(),
                     qPrintable(label->objectName()));
        }
    }
    // The drawing area made no surface and drew nothing.
    QVERIFY(!w->Panel1->isVisible());
    QCOMPARE(w->Panel1->modelFrames(), 0);
}

void TestSolidScreens::panelWidensAndNarrows()
{
    SolidScreen *w = Form49;
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QVERIFY(!w->wide());
    QCOMPARE(w->width(), 368);
    w->Button1->click();
    QVERIFY(w->wide());
    QCOMPARE(w->width(), 622);
    QCOMPARE(w->minimumWidth(), 622);
    QCOMPARE(w->height(), 266);
    QVERIFY(w->Panel1->isVisible());
    QCOMPARE(w->Image1->geometry(), w->rect());  // the background fills the wider window
    QVERIFY(QRect(QPoint(0, 0), w->size()).contains(w->Panel2->geometry()));
    w->Button1->click();
    QVERIFY(!w->wide());
    QCOMPARE(w->width(), 368);
    QCOMPARE(w->maximumWidth(), 368);
    QVERIFY(!w->Panel1->isVisible());
}

void TestSolidScreens::modelDrawnOnTheNextTick()
{
    SolidScreen *w = Form45;
    fill(w, {"Edit1=10", "Edit2=20"});
    showWide(w);
    QVERIFY(!w->Panel1->showsModel());  // widening itself draws nothing
    QTRY_VERIFY(w->Panel1->modelFrames() > 0);
    QVERIFY(w->Panel1->showsModel());
    QCOMPARE(centre(w->Panel1->grabFramebuffer()), Seen::Blue);
}

void TestSolidScreens::modelColours_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("inputs");

    // Dimensions that cover the centre of the view.
    QTest::newRow("cylinder") << "Form45" << QStringList{"Edit1=10", "Edit2=20"};
    QTest::newRow("cone") << "Form46" << QStringList{"Edit1=12", "Edit2=40"};
    QTest::newRow("sphere") << "Form47" << QStringList{"Edit1=15"};
    QTest::newRow("truncated cone") << "Form48" << QStringList{"Edit1=14", "Edit2=8", "Edit3=25"};
    QTest::newRow("pyramid") << "Form49" << QStringList{"Edit1=6", "Edit2=40"};
    QTest::newRow("truncated pyramid") << "Form50" << QStringList{"Edit1=25", "Edit2=16", "Edit3=9"};
    QTest::newRow("prism") << "Form51" << QStringList{"Edit1=25", "Edit2=8"};
}

// Each model in the three colours over the clear colour. With
// SOLID_SCREENSHOTS set to a folder, the pictures are saved there.
void TestSolidScreens::modelColours()
{
    QFETCH(QString, screen);
    QFETCH(QStringList, inputs);

    SolidScreen *w = this->screen(screen);
    fill(w, inputs);
    showWide(w);
    const QString folder = qEnvironmentVariable("SOLID_SCREENSHOTS");
    const std::vector<std::tuple<QAction *, Seen, solid::Colour>> colours = {
        {w->N3, Seen::Blue, solid::kBlue}, {w->N2, Seen::Red, solid::kRed}, {w->N4, Seen::Green, solid::kGreen}};
    for (const auto &[item, seen, rgb] : colours) {
        item->trigger();
        QVERIFY(w->modelColour() == rgb);
        const QImage frame = redrawn(w);
        QVERIFY(w->Panel1->showsModel());
        QCOMPARE(frame.size(), QSize(210, 170));
        QCOMPARE(name(centre(frame)), name(seen));
        for (const QPoint corner : {QPoint(1, 1), QPoint(208, 1), QPoint(1, 168), QPoint(208, 168)})
            QCOMPARE(name(classify(frame.pixelColor(corner))), name(Seen::Background));
        const Coverage coverage = modelCoverage(frame);
        QVERIFY(coverage.pixels > 300);
        // Hardly anything of another colour: one solid, lit in one colour.
        QVERIFY(countOf(frame, seen) > coverage.pixels * 6 / 10);
        if (!folder.isEmpty()) {
            frame.save(QStringLiteral("%1/%2-%3.png").arg(folder, screen, QLatin1String(name(seen))));
            // What the window system shows, the drawing area composed in.
            QCoreApplication::processEvents();
            w->screen()
                ->grabWindow(w->winId())
                .save(QStringLiteral("%1/%2-%3-window.png").arg(folder, screen, QLatin1String(name(seen))));
        }
    }
}

void TestSolidScreens::colourMenu()
{
    SolidScreen *w = Form47;
    fill(w, {"Edit1=15"});
    showWide(w);
    w->findChild<QTimer *>(QStringLiteral("Timer1"))->stop();

    QCOMPARE(w->PopupMenu1->actions(), (QList<QAction *>{w->N3, w->N2, w->N4}));
    QCOMPARE(w->N3->text(), QStringLiteral("Синий"));
    QCOMPARE(w->N2->text(), QStringLiteral("Красный"));
    QCOMPARE(w->N4->text(), QStringLiteral("Зелёный"));
    for (QAction *item : w->PopupMenu1->actions())
        QVERIFY2(item->isCheckable() && item->actionGroup() && item->actionGroup()->isExclusive(), "radio items");
    const auto ticked = [w] {
        QStringList names;
        for (QAction *item : w->PopupMenu1->actions())
            if (item->isChecked())
                names << item->objectName();
        return names;
    };
    QCOMPARE(ticked(), QStringList{"N3"});
    QCOMPARE(centre(redrawn(w)), Seen::Blue);

    // A right click on the drawing area opens the menu there.
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(100, 80), w->Panel1->mapToGlobal(QPoint(100, 80)));
    QCoreApplication::sendEvent(w->Panel1, &click);
    QTRY_VERIFY(w->PopupMenu1->isVisible());
    QVERIFY(w->PopupMenu1->geometry().contains(w->Panel1->mapToGlobal(QPoint(101, 81))));
    QTest::mouseClick(w->PopupMenu1, Qt::LeftButton, {}, w->PopupMenu1->actionGeometry(w->N2).center());
    QTRY_VERIFY(!w->PopupMenu1->isVisible());
    QCOMPARE(ticked(), QStringList{"N2"});
    QVERIFY(w->modelColour() == solid::kRed);
    // The choice draws nothing by itself; the next redraw is red.
    QCoreApplication::processEvents();
    QCOMPARE(centre(w->Panel1->grabFramebuffer()), Seen::Blue);
    QCOMPARE(centre(redrawn(w)), Seen::Red);

    w->N4Click();
    QCOMPARE(ticked(), QStringList{"N4"});
    w->N3Click();
    QCOMPARE(ticked(), QStringList{"N3"});
    w->findChild<QTimer *>(QStringLiteral("Timer1"))->start();
}

void TestSolidScreens::trackBarsMoveTheModel_data()
{
    QTest::addColumn<QString>("bar");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("expected");

    QTest::newRow("TrackBar1 at 20: right") << "TrackBar1" << 20 << "right";
    QTest::newRow("TrackBar1 at -20: left") << "TrackBar1" << -20 << "left";
    QTest::newRow("TrackBar1 at 100: out of view") << "TrackBar1" << 100 << "gone";
    QTest::newRow("TrackBar1 at -100: out of view") << "TrackBar1" << -100 << "gone";
    QTest::newRow("TrackBar2 at 100: away, smaller") << "TrackBar2" << 100 << "smaller";
    QTest::newRow("TrackBar2 at -50: nearer, larger") << "TrackBar2" << -50 << "larger";
    QTest::newRow("TrackBar3 at -20 (thumb up): higher") << "TrackBar3" << -20 << "up";
    QTest::newRow("TrackBar3 at 20 (thumb down): lower") << "TrackBar3" << 20 << "down";
}

// A moved track bar redraws at once, without the timer.
void TestSolidScreens::trackBarsMoveTheModel()
{
    QFETCH(QString, bar);
    QFETCH(int, position);
    QFETCH(QString, expected);

    SolidScreen *w = Form45;
    fill(w, {"Edit1=10", "Edit2=20"});
    showWide(w);
    auto *timer = w->findChild<QTimer *>(QStringLiteral("Timer1"));
    timer->stop();
    const Coverage before = modelCoverage(redrawn(w));
    QCOMPARE(centre(w->Panel1->grabFramebuffer()), Seen::Blue);
    QVERIFY(qAbs(before.centroid.x() - 105) < 10);

    const int frames = w->Panel1->modelFrames();
    w->findChild<QSlider *>(bar)->setValue(position);
    QTRY_VERIFY(w->Panel1->modelFrames() > frames);
    const QImage frame = w->Panel1->grabFramebuffer();
    const Coverage after = modelCoverage(frame);
    if (expected == "gone") {
        QCOMPARE(after.pixels, 0);
        QCOMPARE(centre(frame), Seen::Background);
    } else if (expected == "right") {
        QVERIFY(after.centroid.x() > before.centroid.x() + 20);
    } else if (expected == "left") {
        QVERIFY(after.centroid.x() < before.centroid.x() - 20);
    } else if (expected == "smaller") {
        QVERIFY(after.pixels > 0 && after.pixels < before.pixels / 2);
    } else if (expected == "larger") {
        QVERIFY(after.pixels > before.pixels * 2);
    } else if (expected == "up") {
        QVERIFY(after.centroid.y() < before.centroid.y() - 15);  // image rows grow downwards
    } else if (expected == "down") {
        QVERIFY(after.centroid.y() > before.centroid.y() + 15);
    }
    timer->start();
}

void TestSolidScreens::invalidDimensions_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QString>("answer");  // of "Рассчитать", which accepts decimals

    QTest::newRow("prism S 2,5") << "Form51" << QStringList{"Edit1=4", "Edit2=2,5"} << "Ответ: 10";
    QTest::newRow("cylinder h 0") << "Form45" << QStringList{"Edit1=10", "Edit2=0"} << "Ответ: 0";
    QTest::newRow("sphere negative") << "Form47" << QStringList{"Edit1=-15"} << kUnchanged;
    QTest::newRow("pyramid S blank") << "Form49" << QStringList{"Edit1=", "Edit2=40"} << kUnchanged;
    QTest::newRow("pyramid S 2,5 does not shape it but must be whole")
        << "Form49" << QStringList{"Edit1=2,5", "Edit2=6"} << "Ответ: 5";
    QTest::newRow("truncated pyramid letters") << "Form50" << QStringList{"Edit1=25", "Edit2=16", "Edit3=x"}
                                               << kUnchanged;
    QTest::newRow("truncated cone 3,0") << "Form48" << QStringList{"Edit1=3,0", "Edit2=2", "Edit3=6"}
                                        << "Ответ: 119";
}

void TestSolidScreens::invalidDimensions()
{
    QFETCH(QString, screen);
    QFETCH(QStringList, inputs);
    QFETCH(QString, answer);

    SolidScreen *w = this->screen(screen);
    fill(w, inputs);
    showWide(w);
    const int frames = w->Panel1->modelFrames();
    const QImage frame = redrawn(w);
    QCOMPARE(w->Panel1->property("caption").toString(), kInvalid);
    QVERIFY(!w->Panel1->showsModel());
    QCOMPARE(w->Panel1->modelFrames(), frames);
    // The plain face: neither the clear colour nor a model, and the caption.
    QCOMPARE(countOf(frame, Seen::Background), 0);
    QCOMPARE(frame.pixelColor(100, 20), w->Panel1->palette().color(QPalette::Window));
    int text = 0;
    for (int x = 0; x < frame.width(); ++x)
        for (int y = 70; y < 100; ++y)
            text += frame.pixelColor(x, y).lightness() < 80;
    QVERIFY2(text > 50, "the caption is shown in the middle");

    w->Button2->click();
    QCOMPARE(w->Label4->text(), answer == kUnchanged ? kEarlierAnswer : answer);
}

void TestSolidScreens::captionStaysUnderLaterFrames()
{
    TForm51 *w = Form51;
    fill(w, {"Edit1=25", "Edit2=0"});
    showWide(w);
    redrawn(w);
    QCOMPARE(w->Panel1->property("caption").toString(), kInvalid);
    w->Edit2->setText(QStringLiteral("8"));
    const QImage frame = redrawn(w);
    QVERIFY(w->Panel1->showsModel());
    QCOMPARE(centre(frame), Seen::Blue);
    QCOMPARE(name(classify(frame.pixelColor(2, 2))), name(Seen::Background));
    QCOMPARE(w->Panel1->property("caption").toString(), kInvalid);  // covered, not cleared
}

// The redraw timer runs while the model is on the screen, and only then: a
// program at rest with its screens hidden wakes for nothing.
void TestSolidScreens::redrawRunsOnlyWhileTheModelIsShown()
{
    SolidScreen *w = Form47;
    auto *timer = w->findChild<QTimer *>(QStringLiteral("Timer1"));
    QVERIFY(!timer->isActive());
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QVERIFY(!timer->isActive());  // narrow
    w->Button1->click();
    QVERIFY(timer->isActive());
    w->hide();
    QVERIFY(!timer->isActive());
    w->show();
    QVERIFY(timer->isActive());
    w->showMinimized();
    QTRY_VERIFY(!timer->isActive());
    w->showNormal();
    QTRY_VERIFY(timer->isActive());
    w->Button1->click();
    QVERIFY(!timer->isActive());
    w->close();
}

void TestSolidScreens::nothingDrawnWhileNarrowOrHidden()
{
    SolidScreen *w = Form46;
    auto *timer = w->findChild<QTimer *>(QStringLiteral("Timer2"));
    auto *r = w->findChild<QLineEdit *>(QStringLiteral("Edit1"));
    fill(w, {"Edit1=12", "Edit2=40"});
    showWide(w);
    QTRY_VERIFY(w->Panel1->modelFrames() > 0);
    const QString caption = w->Panel1->property("caption").toString();

    // Narrow: the timer keeps running, nothing is drawn, not even the caption.
    w->Button1->click();
    int frames = w->Panel1->modelFrames();
    w->Button3->click();
    w->TrackBar2->setValue(10);
    r->setText(QStringLiteral("0"));
    QTest::qWait(1200);
    QCOMPARE(w->Panel1->modelFrames(), frames);
    QCOMPARE(w->Panel1->property("caption").toString(), caption);
    QVERIFY(!w->Panel1->isVisible());
    r->setText(QStringLiteral("12"));

    // Wide again: the face until the next tick, then the model.
    w->Button1->click();
    QVERIFY(!w->Panel1->showsModel());
    QTRY_VERIFY(w->Panel1->modelFrames() > frames);

    // Hidden while wide (not closed): no redraw prepares a frame.
    timer->stop();
    QCOMPARE(centre(redrawn(w)), Seen::Blue);
    w->hide();
    QVERIFY(w->wide());
    frames = w->Panel1->modelFrames();
    w->N2->trigger();
    w->Button3->click();
    w->TrackBar1->setValue(10);
    r->setText(QStringLiteral("0"));
    timer->start();
    QTest::qWait(1200);
    timer->stop();
    QCOMPARE(w->Panel1->modelFrames(), frames);
    QCOMPARE(w->Panel1->property("caption").toString(), caption);
    r->setText(QStringLiteral("12"));
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w->Panel1));
    QVERIFY(w->Panel1->showsModel());
    QCOMPARE(centre(w->Panel1->grabFramebuffer()), Seen::Blue);  // the frame from before hiding
    // Shown again, it redraws.
    timer->start();
    QTRY_VERIFY(countOf(w->Panel1->grabFramebuffer(), Seen::Red) > 100);
}

void TestSolidScreens::closingNarrowsAndKeepsTheChoices()
{
    TForm50 *w = Form50;
    fill(w, {"Edit1=25", "Edit2=16", "Edit3=9"});
    showWide(w);
    w->N4->trigger();
    w->TrackBar1->setValue(-30);
    w->TrackBar3->setValue(40);
    QTRY_VERIFY(w->Panel1->modelFrames() > 0);

    w->close();
    QVERIFY(!w->isVisible());
    QVERIFY(!w->wide());
    QCOMPARE(w->width(), 368);
    const int frames = w->Panel1->modelFrames();
    QTest::qWait(700);
    QCOMPARE(w->Panel1->modelFrames(), frames);

    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QVERIFY(!w->wide());
    QCOMPARE(w->width(), 368);
    QVERIFY(w->N4->isChecked());
    QVERIFY(w->modelColour() == solid::kGreen);
    QCOMPARE(w->TrackBar1->value(), -30);
    QCOMPARE(w->TrackBar3->value(), 40);
    QCOMPARE(w->Edit3->text(), QStringLiteral("9"));

    // Closing a narrow screen leaves it narrow.
    w->close();
    QVERIFY(!w->wide());
}

void TestSolidScreens::hugeDimensions_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("inputs");

    const QString max = QStringLiteral("2147483647");
    QTest::newRow("cylinder") << "Form45" << QStringList{"Edit1=" + max, "Edit2=" + max};
    QTest::newRow("cone") << "Form46" << QStringList{"Edit1=" + max, "Edit2=" + max};
    QTest::newRow("sphere") << "Form47" << QStringList{"Edit1=" + max};
    QTest::newRow("truncated cone") << "Form48" << QStringList{"Edit1=" + max, "Edit2=" + max, "Edit3=" + max};
    QTest::newRow("truncated pyramid S 300 S1 200")
        << "Form50" << QStringList{"Edit1=30", "Edit2=300", "Edit3=200"};
    QTest::newRow("truncated pyramid") << "Form50" << QStringList{"Edit1=" + max, "Edit2=" + max, "Edit3=" + max};
    QTest::newRow("prism") << "Form51" << QStringList{"Edit1=" + max, "Edit2=" + max};
}

// Nothing limits the size: the frame is drawn, whatever it shows.
void TestSolidScreens::hugeDimensions()
{
    QFETCH(QString, screen);
    QFETCH(QStringList, inputs);

    SolidScreen *w = this->screen(screen);
    fill(w, inputs);
    showWide(w);
    const QImage frame = redrawn(w);
    QVERIFY(w->Panel1->showsModel());
    QVERIFY(w->Panel1->modelFrames() > 0);
    QCOMPARE(frame.size(), QSize(210, 170));
}

void TestSolidScreens::hints_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("shownX");  // the tooltip of TrackBar1

    QTest::newRow("cylinder") << "Form45" << "";
    QTest::newRow("cone") << "Form46" << "Ось X";
    QTest::newRow("sphere") << "Form47" << "";
    QTest::newRow("truncated cone") << "Form48" << "";
    QTest::newRow("pyramid") << "Form49" << "";
    QTest::newRow("truncated pyramid") << "Form50" << "";
    QTest::newRow("prism") << "Form51" << "";
}

void TestSolidScreens::hints()
{
    QFETCH(QString, screen);
    QFETCH(QString, shownX);

    SolidScreen *w = this->screen(screen);
    QCOMPARE(w->TrackBar1->property("hint").toString(), QStringLiteral("Ось X"));
    QCOMPARE(w->TrackBar2->property("hint").toString(), QStringLiteral("Ось Z"));
    QCOMPARE(w->TrackBar3->property("hint").toString(), QStringLiteral("Ось Y"));
    QCOMPARE(w->TrackBar1->toolTip(), shownX);
    QCOMPARE(w->TrackBar2->toolTip(), QStringLiteral("Ось Z"));
    QCOMPARE(w->TrackBar3->toolTip(), QString());
}

// The cone's handlers have names of their own; every bar still redraws.
void TestSolidScreens::coneHandlers()
{
    const QMetaObject *meta = Form46->metaObject();
    QVERIFY(meta->indexOfSlot("TrackBa1Change()") >= 0);
    QVERIFY(meta->indexOfSlot("Timer2Timer()") >= 0);
    QVERIFY(Form46->findChild<QTimer *>(QStringLiteral("Timer2")));
    QVERIFY(!Form46->findChild<QTimer *>(QStringLiteral("Timer1")));

    fill(Form46, {"Edit1=12", "Edit2=40"});
    showWide(Form46);
    Form46->Timer2->stop();
    for (QSlider *bar : {Form46->TrackBar1, Form46->TrackBar2, Form46->TrackBar3}) {
        const int frames = Form46->Panel1->modelFrames();
        bar->setValue(5);
        QTRY_VERIFY2(Form46->Panel1->modelFrames() > frames, qPrintable(bar->objectName()));
    }
    const int frames = Form46->Panel1->modelFrames();
    Form46->Timer2->start();
    QTRY_VERIFY(Form46->Panel1->modelFrames() > frames);
}

QTEST_MAIN(TestSolidScreens)
#include "tst_solidscreens.moc"
