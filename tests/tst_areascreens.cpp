// The five area screens driven through their controls, found by object name.
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit6.h"
#include "Unit14.h"
#include "Unit16.h"
#include "Unit17.h"
#include "Unit19.h"
#include "appearance.h"
#include "support.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

const QString kInvalid = QStringLiteral("Ошибка! Вы ввели неправильное значение!!!");
const QString kBilingual = QStringLiteral(
    "Русский: Ошибка! Вы ввели неправильное значение!!!   English: Error! You entered wrong importance!!!");
const QString kTriangleNan =
    QStringLiteral("Русский: Ошибка! Не может быть такого треугольника!!!English: Error! Can not be such triangle!!!");
const QString kRectangleNan = QStringLiteral(
    "Русский: Ошибка! Не может быть такого прямоугольника!!!English: Error! Can not be such rectangle!!!");
const QString kNanAnswer = QStringLiteral("Русский: Ошибка! English: Error!");
// An answer line no computation writes: rows that expect no answer see it kept.
const QString kEarlierAnswer = QStringLiteral("Ответ: 777");
const QString kUnchanged = QStringLiteral("unchanged");

}  // namespace

class TestAreaScreens : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void compute_data();
    void compute();
    void nanWatchFiresOnce_data();
    void nanWatchFiresOnce();
    void modeVisibility_data();
    void modeVisibility();
    void modeChangeKeepsFieldsAndAnswer();
    void enterFromEveryControl_data();
    void enterFromEveryControl();
    void roundingListKeepsTypedTextOut();
    void answerHint();
    void backgroundCopiedOnShow();
    void screenLook_data();
    void screenLook();
    void startModes();
    void drawings_data();
    void drawings();

private:
    QWidget *screen(const QString &name) const;
    QComboBox *modeList(QWidget *screen) const;
    void fill(QWidget *screen, const QString &mode, const QStringList &inputs, const QString &rounding);

    support::RecordingContext m_context;
    support::ScreenSet m_screens;
    QStringList &m_messages = m_context.recorded;
};

void TestAreaScreens::initTestCase()
{
    Form2 = m_screens.add(new TForm2(m_context));
    Form3 = m_screens.add(new TForm3(m_context));
    Form4 = m_screens.add(new TForm4(m_context));
    Form5 = m_screens.add(new TForm5(m_context));
    Form6 = m_screens.add(new TForm6(m_context));
    Form14 = m_screens.add(new TForm14(m_context));
    Form16 = m_screens.add(new TForm16(m_context));
    Form17 = m_screens.add(new TForm17(m_context));
    Form19 = m_screens.add(new TForm19(m_context));
}

void TestAreaScreens::cleanupTestCase() {}

void TestAreaScreens::init()
{
    m_messages.clear();
    for (QWidget *w : m_screens.all()) {
        for (QLineEdit *edit : w->findChildren<QLineEdit *>(QRegularExpression(QStringLiteral("^Edit\\d$"))))
            edit->clear();
        if (QComboBox *list = modeList(w))
            list->setCurrentIndex(0);
        w->findChild<QComboBox *>(QStringLiteral("RzComboBox2"))->setEditText(QStringLiteral("0"));
        w->findChild<calc::TAnswerLabel *>(QStringLiteral("Label4"))->setCaption(kEarlierAnswer);
    }
    QCoreApplication::processEvents();
}

QWidget *TestAreaScreens::screen(const QString &name) const { return m_screens.byName(name); }

QComboBox *TestAreaScreens::modeList(QWidget *screen) const
{
    if (auto *list = screen->findChild<QComboBox *>(QStringLiteral("RzComboBox3")))
        return list;
    return screen->findChild<QComboBox *>(QStringLiteral("RzComboBox1"));
}

void TestAreaScreens::fill(QWidget *w, const QString &mode, const QStringList &inputs, const QString &rounding)
{
    if (!mode.isEmpty()) {
        QComboBox *list = modeList(w);
        QVERIFY(list);
        const int index = list->findText(mode);
        QVERIFY2(index >= 0, qPrintable(mode));
        list->setCurrentIndex(index);
    }
    // Typed key by key, as the user does.
    for (const QString &input : inputs)
        support::typeInto(w, input.section(u'=', 0, 0), input.section(u'=', 1));
    support::typeInto(w, QStringLiteral("RzComboBox2"), rounding);
}

void TestAreaScreens::compute_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QString>("rounding");
    QTest::addColumn<QString>("answer");  // or "unchanged"
    QTest::addColumn<QStringList>("messages");

    const QString sideHeight = QStringLiteral("По стороне и высоте");
    const QString threeSides = QStringLiteral("По трём сторонам");
    QTest::newRow("triangle side 4 height 3")
        << "Form5" << sideHeight << QStringList{"Edit1=4", "Edit2=3"} << "0" << "Ответ: 6" << QStringList{};
    QTest::newRow("triangle decimal side and height")
        << "Form5" << sideHeight << QStringList{"Edit1=2,5", "Edit2=3"} << "2" << "Ответ: 3,75" << QStringList{};
    QTest::newRow("triangle negative side: answer and message")
        << "Form5" << sideHeight << QStringList{"Edit1=-4", "Edit2=3"} << "0" << "Ответ: 6" << QStringList{kInvalid};
    QTest::newRow("triangle all zeros: message only")
        << "Form5" << sideHeight << QStringList{"Edit1=0", "Edit2=0"} << "0" << kUnchanged << QStringList{kInvalid};
    QTest::newRow("triangle all zeros, bad rounding not read")
        << "Form5" << sideHeight << QStringList{"Edit1=0", "Edit2=0"} << "abc" << kUnchanged << QStringList{kInvalid};
    QTest::newRow("triangle empty fields")
        << "Form5" << sideHeight << QStringList{} << "0" << kUnchanged << QStringList{kInvalid};
    QTest::newRow("triangle point under a comma locale")
        << "Form5" << sideHeight << QStringList{"Edit1=2.5", "Edit2=3"} << "0" << kUnchanged << QStringList{kInvalid};
    QTest::newRow("triangle bad rounding text")
        << "Form5" << sideHeight << QStringList{"Edit1=4", "Edit2=3"} << "abc" << kUnchanged << QStringList{kInvalid};
    QTest::newRow("triangle rounding 25 gives 18 places")
        << "Form5" << sideHeight << QStringList{"Edit1=2,5", "Edit2=2"} << "25" << "Ответ: 2,500000000000000000"
        << QStringList{};
    QTest::newRow("triangle negative rounding taken as 0")
        << "Form5" << sideHeight << QStringList{"Edit1=4", "Edit2=3,3"} << "-2" << "Ответ: 7" << QStringList{};
    QTest::newRow("triangle hexadecimal rounding")
        << "Form5" << sideHeight << QStringList{"Edit1=1", "Edit2=1"} << "$2" << "Ответ: 0,50" << QStringList{};
    QTest::newRow("triangle 3 4 5")
        << "Form5" << threeSides << QStringList{"Edit1=3", "Edit2=4", "Edit3=5"} << "2" << "Ответ: 6,00"
        << QStringList{};
    QTest::newRow("triangle leading blank and hexadecimal side")
        << "Form5" << threeSides << QStringList{"Edit1= 3", "Edit2=$4", "Edit3=5"} << "0" << "Ответ: 6"
        << QStringList{};
    QTest::newRow("triangle decimal in a whole-number mode")
        << "Form5" << threeSides << QStringList{"Edit1=3,0", "Edit2=4", "Edit3=5"} << "0" << kUnchanged
        << QStringList{kInvalid};
    QTest::newRow("triangle trailing blank in a whole-number mode")
        << "Form5" << threeSides << QStringList{"Edit1=3 ", "Edit2=4", "Edit3=5"} << "0" << kUnchanged
        << QStringList{kInvalid};
    QTest::newRow("triangle degenerate side 0")
        << "Form5" << threeSides << QStringList{"Edit1=0", "Edit2=2", "Edit3=2"} << "0" << "Ответ: 0"
        << QStringList{kInvalid};
    QTest::newRow("triangle negative side squares away")
        << "Form5" << threeSides << QStringList{"Edit1=-3", "Edit2=4", "Edit3=5"} << "1" << "Ответ: 6,0"
        << QStringList{kInvalid};

    const QString twoSides = QStringLiteral("По двум сторонам");
    const QString diagonal = QStringLiteral("По диагонали и одной стороне");
    QTest::newRow("rectangle two sides")
        << "Form3" << twoSides << QStringList{"Edit2=2,5", "Edit3=4"} << "2" << "Ответ: 10,00" << QStringList{};
    QTest::newRow("rectangle negative side")
        << "Form3" << twoSides << QStringList{"Edit2=-2", "Edit3=3"} << "0" << "Ответ: 6" << QStringList{kInvalid};
    QTest::newRow("rectangle overflow is INF")
        << "Form3" << twoSides << QStringList{"Edit2=1E200", "Edit3=1E200"} << "2" << "Ответ: INF"
        << QStringList{};
    QTest::newRow("rectangle side 3 diagonal 5")
        << "Form3" << diagonal << QStringList{"Edit2=3", "Edit3=5"} << "0" << "Ответ: 12" << QStringList{};
    QTest::newRow("rectangle side 0 diagonal 5")
        << "Form3" << diagonal << QStringList{"Edit2=0", "Edit3=5"} << "0" << "Ответ: 0" << QStringList{kBilingual};
    QTest::newRow("rectangle diagonal mode, decimal side")
        << "Form3" << diagonal << QStringList{"Edit2=3,5", "Edit3=5"} << "0" << kUnchanged
        << QStringList{kBilingual};
    QTest::newRow("rectangle diagonal mode, bad rounding")
        << "Form3" << diagonal << QStringList{"Edit2=3", "Edit3=5"} << "x" << kUnchanged << QStringList{kBilingual};
    QTest::newRow("rectangle diagonal mode, all zeros")
        << "Form3" << diagonal << QStringList{"Edit2=0", "Edit3=0"} << "0" << kUnchanged << QStringList{kBilingual};

    const QString bySide = QStringLiteral("Одной стороне");
    const QString byDiagonal = QStringLiteral("По диагонали");
    QTest::newRow("square side 2,5")
        << "Form2" << bySide << QStringList{"Edit1=2,5"} << "2" << "Ответ: 6,25" << QStringList{};
    QTest::newRow("square negative side")
        << "Form2" << bySide << QStringList{"Edit1=-3"} << "0" << kUnchanged << QStringList{kInvalid};
    QTest::newRow("square side 0")
        << "Form2" << bySide << QStringList{"Edit1=0"} << "0" << kUnchanged << QStringList{kInvalid};
    QTest::newRow("square diagonal 10")
        << "Form2" << byDiagonal << QStringList{"Edit1=10"} << "0" << "Ответ: 50" << QStringList{};
    QTest::newRow("square decimal diagonal")
        << "Form2" << byDiagonal << QStringList{"Edit1=10,0"} << "0" << kUnchanged << QStringList{kInvalid};
    QTest::newRow("square largest whole diagonal")
        << "Form2" << byDiagonal << QStringList{"Edit1=2147483647"} << "0" << "Ответ: 2,3058430070662103E18"
        << QStringList{};

    QTest::newRow("parallelogram side 5 height 2")
        << "Form4" << QString() << QStringList{"Edit1=5", "Edit2=2"} << "1" << "Ответ: 10,0" << QStringList{};
    QTest::newRow("parallelogram height 0")
        << "Form4" << QString() << QStringList{"Edit1=5", "Edit2=0"} << "0" << "Ответ: 0" << QStringList{kInvalid};
    QTest::newRow("parallelogram letters")
        << "Form4" << QString() << QStringList{"Edit1=5", "Edit2=abc"} << "0" << kUnchanged << QStringList{kInvalid};

    const QString byRadius = QStringLiteral("По радиусу");
    const QString byDiameter = QStringLiteral("По диаметру");
    QTest::newRow("circle radius 1")
        << "Form6" << byRadius << QStringList{"Edit2=1"} << "10" << "Ответ: 3,1415926536" << QStringList{};
    QTest::newRow("circle radius 1 with 18 places")
        << "Form6" << byRadius << QStringList{"Edit2=1"} << "18" << "Ответ: 3,141592653589793120" << QStringList{};
    QTest::newRow("circle negative radius")
        << "Form6" << byRadius << QStringList{"Edit2=-2"} << "2" << kUnchanged << QStringList{kInvalid};
    QTest::newRow("circle diameter 2")
        << "Form6" << byDiameter << QStringList{"Edit2=2"} << "10" << "Ответ: 3,1415926536" << QStringList{};
    QTest::newRow("circle diameter 0")
        << "Form6" << byDiameter << QStringList{"Edit2=0"} << "10" << kUnchanged << QStringList{kInvalid};
    QTest::newRow("circle decimal diameter")
        << "Form6" << byDiameter << QStringList{"Edit2=2,5"} << "0" << kUnchanged << QStringList{kInvalid};

    QTest::newRow("trapezoid 3 5 2") << "Form14" << QString() << QStringList{"Edit1=3", "Edit2=5", "Edit3=2"} << "0"
                                     << "Ответ: 8" << QStringList{};
    QTest::newRow("trapezoid decimal bases")
        << "Form14" << QString() << QStringList{"Edit1=2,5", "Edit2=3,5", "Edit3=1,5"} << "2" << "Ответ: 4,50"
        << QStringList{};
    QTest::newRow("trapezoid negative base: absolute value and message")
        << "Form14" << QString() << QStringList{"Edit1=-9", "Edit2=5", "Edit3=2"} << "0" << "Ответ: 4"
        << QStringList{kInvalid};
    QTest::newRow("trapezoid height 0") << "Form14" << QString() << QStringList{"Edit1=3", "Edit2=5", "Edit3=0"}
                                        << "0" << "Ответ: 0" << QStringList{kInvalid};
    QTest::newRow("trapezoid letters") << "Form14" << QString() << QStringList{"Edit1=3", "Edit2=b", "Edit3=2"}
                                       << "0" << kUnchanged << QStringList{kInvalid};

    const QString first = QStringLiteral("По 1-ой формуле");
    const QString second = QStringLiteral("По 2-ой формуле");
    QTest::newRow("polygon first formula, hexagon")
        << "Form16" << first << QStringList{"Edit1=6", "Edit2=1,7320508", "Edit3=2"} << "3" << "Ответ: 10,392"
        << QStringList{};
    QTest::newRow("polygon second formula, hexagon")
        << "Form16" << second << QStringList{"Edit1=6", "Edit2=2", "Edit3=2"} << "6" << "Ответ: 10,392305"
        << QStringList{};
    QTest::newRow("polygon second formula, no such polygon: NAN and no message")
        << "Form16" << second << QStringList{"Edit1=6", "Edit2=2", "Edit3=5"} << "2" << "Ответ: NAN"
        << QStringList{};
    QTest::newRow("polygon 2,5 sides") << "Form16" << first << QStringList{"Edit1=2,5", "Edit2=1", "Edit3=2"} << "2"
                                       << "Ответ: 2,50" << QStringList{};
    QTest::newRow("polygon 0 sides: answer 0 and message")
        << "Form16" << first << QStringList{"Edit1=0", "Edit2=1", "Edit3=2"} << "0" << "Ответ: 0"
        << QStringList{kInvalid};
    QTest::newRow("polygon empty side") << "Form16" << second << QStringList{"Edit1=6", "Edit2=2"} << "0"
                                        << kUnchanged << QStringList{kInvalid};

    QTest::newRow("ellipse 2 3") << "Form17" << QString() << QStringList{"Edit1=2", "Edit2=3"} << "4"
                                 << "Ответ: 18,8496" << QStringList{};
    QTest::newRow("ellipse a 0: answer 0 and message")
        << "Form17" << QString() << QStringList{"Edit1=0", "Edit2=3"} << "4" << "Ответ: 0,0000"
        << QStringList{kInvalid};
    QTest::newRow("ellipse both 0") << "Form17" << QString() << QStringList{"Edit1=0", "Edit2=0"} << "0"
                                    << kUnchanged << QStringList{kInvalid};

    const QString semicircleRadius = QStringLiteral("По радиусу");
    const QString semicircleDiameter = QStringLiteral("По диаметру");
    QTest::newRow("semicircle diameter 2") << "Form19" << semicircleDiameter << QStringList{"Edit2=2"} << "4"
                                           << "Ответ: 1,5708" << QStringList{};
    QTest::newRow("semicircle decimal diameter: bilingual message")
        << "Form19" << semicircleDiameter << QStringList{"Edit2=2,5"} << "2" << kUnchanged << QStringList{kBilingual};
    QTest::newRow("semicircle diameter 0: message only")
        << "Form19" << semicircleDiameter << QStringList{"Edit2=0"} << "2" << kUnchanged << QStringList{kBilingual};
    QTest::newRow("semicircle hexadecimal diameter")
        << "Form19" << semicircleDiameter << QStringList{"Edit2=$A"} << "1" << "Ответ: 39,3" << QStringList{};
    QTest::newRow("semicircle radius 2") << "Form19" << semicircleRadius << QStringList{"Edit2=2"} << "2"
                                         << "Ответ: 6,28" << QStringList{};
    QTest::newRow("semicircle negative radius: message only")
        << "Form19" << semicircleRadius << QStringList{"Edit2=-2"} << "2" << kUnchanged << QStringList{kBilingual};
    QTest::newRow("semicircle bad rounding") << "Form19" << semicircleRadius << QStringList{"Edit2=2"} << "z"
                                             << kUnchanged << QStringList{kBilingual};
}

void TestAreaScreens::compute()
{
    QFETCH(QString, screen);
    QFETCH(QString, mode);
    QFETCH(QStringList, inputs);
    QFETCH(QString, rounding);
    QFETCH(QString, answer);
    QFETCH(QStringList, messages);

    QWidget *w = this->screen(screen);
    fill(w, mode, inputs, rounding);
    w->findChild<QPushButton *>(QStringLiteral("Button2"))->click();
    QCoreApplication::processEvents();

    const QString shown = w->findChild<QLabel *>(QStringLiteral("Label4"))->text();
    QCOMPARE(shown, answer == kUnchanged ? kEarlierAnswer : answer);
    QCOMPARE(m_messages, messages);
}

void TestAreaScreens::nanWatchFiresOnce_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QStringList>("messages");

    const QString threeSides = QStringLiteral("По трём сторонам");
    const QString diagonal = QStringLiteral("По диагонали и одной стороне");
    QTest::newRow("triangle 1 2 5") << "Form5" << threeSides << QStringList{"Edit1=1", "Edit2=2", "Edit3=5"}
                                    << QStringList{kTriangleNan};
    QTest::newRow("triangle with base 0") << "Form5" << threeSides << QStringList{"Edit1=3", "Edit2=0", "Edit3=3"}
                                          << QStringList{kInvalid, kTriangleNan};
    QTest::newRow("triangle impossible with a negative side")
        << "Form5" << threeSides << QStringList{"Edit1=-1", "Edit2=2", "Edit3=5"}
        << QStringList{kInvalid, kTriangleNan};
    QTest::newRow("rectangle side 5 diagonal 3")
        << "Form3" << diagonal << QStringList{"Edit2=5", "Edit3=3"} << QStringList{kRectangleNan};
}

void TestAreaScreens::nanWatchFiresOnce()
{
    QFETCH(QString, screen);
    QFETCH(QString, mode);
    QFETCH(QStringList, inputs);
    QFETCH(QStringList, messages);

    QWidget *w = this->screen(screen);
    fill(w, mode, inputs, QStringLiteral("2"));
    w->findChild<QPushButton *>(QStringLiteral("Button2"))->click();
    auto *answer = w->findChild<QLabel *>(QStringLiteral("Label4"));
    QTRY_COMPARE(answer->text(), kNanAnswer);
    QTest::qWait(50);
    QCOMPARE(m_messages, messages);
}

void TestAreaScreens::modeVisibility_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("hidden");

    QTest::newRow("triangle side and height")
        << "Form5" << "По стороне и высоте" << QStringList{"Label5", "Label2", "Edit1", "Edit2"}
        << QStringList{"Label8", "Label9", "Edit3"};
    QTest::newRow("triangle three sides") << "Form5" << "По трём сторонам"
                                          << QStringList{"Label5", "Label8", "Label9", "Edit1", "Edit2", "Edit3"}
                                          << QStringList{"Label2"};
    QTest::newRow("rectangle two sides") << "Form3" << "По двум сторонам"
                                         << QStringList{"Label8", "Label9", "Edit2", "Edit3"}
                                         << QStringList{"Label10"};
    QTest::newRow("rectangle diagonal") << "Form3" << "По диагонали и одной стороне"
                                        << QStringList{"Label8", "Label10", "Edit2", "Edit3"}
                                        << QStringList{"Label9"};
    QTest::newRow("square side") << "Form2" << "Одной стороне" << QStringList{"Label3", "Edit1"}
                                 << QStringList{"Label5"};
    QTest::newRow("square diagonal") << "Form2" << "По диагонали" << QStringList{"Label5", "Edit1"}
                                     << QStringList{"Label3"};
    QTest::newRow("circle radius") << "Form6" << "По радиусу" << QStringList{"Label8", "Edit2"}
                                   << QStringList{"Label2"};
    QTest::newRow("circle diameter") << "Form6" << "По диаметру" << QStringList{"Label2", "Edit2"}
                                     << QStringList{"Label8"};
    QTest::newRow("polygon first formula") << "Form16" << "По 1-ой формуле"
                                           << QStringList{"Label2", "Label8", "Label9", "Edit1", "Edit2", "Edit3"}
                                           << QStringList{"Label5"};
    QTest::newRow("polygon second formula") << "Form16" << "По 2-ой формуле"
                                            << QStringList{"Label2", "Label5", "Label9", "Edit1", "Edit2", "Edit3"}
                                            << QStringList{"Label8"};
    QTest::newRow("semicircle radius") << "Form19" << "По радиусу" << QStringList{"Label8", "Edit2"}
                                       << QStringList{"Label2"};
    QTest::newRow("semicircle diameter") << "Form19" << "По диаметру" << QStringList{"Label2", "Edit2"}
                                         << QStringList{"Label8"};
}

void TestAreaScreens::modeVisibility()
{
    QFETCH(QString, screen);
    QFETCH(QString, mode);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, hidden);

    QWidget *w = this->screen(screen);
    fill(w, mode, {}, QStringLiteral("0"));
    for (const QString &name : shown)
        QVERIFY2(!w->findChild<QWidget *>(name)->isHidden(), qPrintable(name));
    for (const QString &name : hidden)
        QVERIFY2(w->findChild<QWidget *>(name)->isHidden(), qPrintable(name));
}

void TestAreaScreens::modeChangeKeepsFieldsAndAnswer()
{
    fill(Form5, QStringLiteral("По трём сторонам"), {"Edit1=3", "Edit2=4", "Edit3=5"}, QStringLiteral("0"));
    Form5->Button2->click();
    QCOMPARE(Form5->Label4->text(), QStringLiteral("Ответ: 6"));
    Form5->RzComboBox3->setCurrentIndex(0);
    QCOMPARE(Form5->Label4->text(), QStringLiteral("Ответ: 6"));
    QVERIFY(Form5->Edit3->isHidden());
    QCOMPARE(Form5->Edit3->text(), QStringLiteral("5"));
    Form5->RzComboBox3->setCurrentIndex(1);
    QCOMPARE(Form5->Edit3->text(), QStringLiteral("5"));

    fill(Form3, QStringLiteral("По двум сторонам"), {"Edit2=3", "Edit3=5"}, QStringLiteral("0"));
    Form3->Button2->click();
    Form3->RzComboBox3->setCurrentIndex(1);
    QCOMPARE(Form3->Edit3->text(), QStringLiteral("5"));
    QCOMPARE(Form3->Label4->text(), QStringLiteral("Ответ: 15"));
    Form3->Button2->click();
    QCOMPARE(Form3->Label4->text(), QStringLiteral("Ответ: 12"));
    QVERIFY(m_messages.isEmpty());
}

void TestAreaScreens::enterFromEveryControl_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("key");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QString>("answer");

    const QStringList triangle{"Edit1=4", "Edit2=3"};
    QTest::newRow("triangle Edit1") << "Form5" << "Edit1" << int(Qt::Key_Return) << triangle << "Ответ: 6";
    QTest::newRow("triangle Edit2") << "Form5" << "Edit2" << int(Qt::Key_Return) << triangle << "Ответ: 6";
    QTest::newRow("triangle keypad Enter") << "Form5" << "Edit2" << int(Qt::Key_Enter) << triangle << "Ответ: 6";
    QTest::newRow("triangle mode list") << "Form5" << "RzComboBox3" << int(Qt::Key_Return) << triangle
                                        << "Ответ: 6";
    QTest::newRow("triangle rounding list") << "Form5" << "RzComboBox2" << int(Qt::Key_Return) << triangle
                                            << "Ответ: 6";
    QTest::newRow("triangle button") << "Form5" << "Button2" << int(Qt::Key_Return) << triangle << "Ответ: 6";
    QTest::newRow("rectangle Edit3") << "Form3" << "Edit3" << int(Qt::Key_Return)
                                     << QStringList{"Edit2=2", "Edit3=3"} << "Ответ: 6";
    QTest::newRow("square Edit1") << "Form2" << "Edit1" << int(Qt::Key_Return) << QStringList{"Edit1=3"}
                                  << "Ответ: 9";
    QTest::newRow("square mode list") << "Form2" << "RzComboBox1" << int(Qt::Key_Return)
                                      << QStringList{"Edit1=3"} << "Ответ: 9";
    QTest::newRow("parallelogram rounding list") << "Form4" << "RzComboBox2" << int(Qt::Key_Return)
                                                 << QStringList{"Edit1=3", "Edit2=2"} << "Ответ: 6";
    QTest::newRow("circle Edit2") << "Form6" << "Edit2" << int(Qt::Key_Enter) << QStringList{"Edit2=1"}
                                  << "Ответ: 3";
    QTest::newRow("trapezoid Edit3") << "Form14" << "Edit3" << int(Qt::Key_Return)
                                     << QStringList{"Edit1=3", "Edit2=5", "Edit3=2"} << "Ответ: 8";
    QTest::newRow("polygon mode list") << "Form16" << "RzComboBox3" << int(Qt::Key_Return)
                                       << QStringList{"Edit1=4", "Edit2=1", "Edit3=2"} << "Ответ: 4";
    QTest::newRow("ellipse Edit2") << "Form17" << "Edit2" << int(Qt::Key_Enter)
                                   << QStringList{"Edit1=1", "Edit2=1"} << "Ответ: 3";
    QTest::newRow("semicircle Edit2, radius") << "Form19" << "Edit2" << int(Qt::Key_Return)
                                              << QStringList{"Edit2=4"} << "Ответ: 25";
}

void TestAreaScreens::enterFromEveryControl()
{
    QFETCH(QString, screen);
    QFETCH(QString, control);
    QFETCH(int, key);
    QFETCH(QStringList, inputs);
    QFETCH(QString, answer);

    QWidget *w = this->screen(screen);
    fill(w, QString(), inputs, QStringLiteral("0"));
    QVERIFY(support::showActive(w));
    auto *target = w->findChild<QWidget *>(control);
    target->setFocus();
    QTRY_VERIFY(target->hasFocus() || target->isAncestorOf(QApplication::focusWidget()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QCOMPARE(w->findChild<QLabel *>(QStringLiteral("Label4"))->text(), answer);
    QVERIFY(m_messages.isEmpty());
    support::hideScreen(w);
}

void TestAreaScreens::roundingListKeepsTypedTextOut()
{
    QVERIFY(support::showActive(Form2));
    Form2->Edit1->setText(QStringLiteral("2"));
    QComboBox *rounding = Form2->RzComboBox2;
    QCOMPARE(rounding->count(), 11);
    QCOMPARE(rounding->itemText(10), QStringLiteral("10"));
    rounding->setFocus();
    rounding->lineEdit()->selectAll();
    QTest::keyClicks(rounding->lineEdit(), QStringLiteral("1"));
    QCOMPARE(rounding->currentText(), QStringLiteral("1"));  // no completion to "10"
    QTest::keyClick(rounding->lineEdit(), Qt::Key_Return);
    QCOMPARE(Form2->Label4->text(), QStringLiteral("Ответ: 4,0"));
    QCOMPARE(rounding->count(), 11);
    QCOMPARE(rounding->currentText(), QStringLiteral("1"));
    support::hideScreen(Form2);
}

void TestAreaScreens::answerHint()
{
    fill(Form6, QStringLiteral("По радиусу"), {"Edit2=1000000"}, QStringLiteral("10"));
    Form6->Button2->click();
    // 10^12 x pi in extended precision, stored as a double (double arithmetic
    // throughout would give ...,7929700000).
    const QString line = QStringLiteral("Ответ: 3141592653589,7934600000");
    QCOMPARE(Form6->Label4->text(), line);
    QTest::mouseMove(Form6->Label4, QPoint(5, 5));
    QMouseEvent move(QEvent::MouseMove, QPointF(6, 6), Form6->Label4->mapToGlobal(QPointF(6, 6)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(Form6->Label4, &move);
    QCOMPARE(Form6->Label4->toolTip(), line);
}

void TestAreaScreens::backgroundCopiedOnShow()
{
    auto &appearance = calc::Appearance::instance();
    const QImage original = appearance.background();
    QCOMPARE(Form4->Image1->picture(), calc::defaultBackground());

    QImage red(10, 10, QImage::Format_RGB32);
    red.fill(Qt::red);
    Form4->show();
    QVERIFY(QTest::qWaitForWindowExposed(Form4));
    appearance.setBackground(red);
    appearance.setStretch(false);
    // An open screen keeps its background until it is shown again.
    QCOMPARE(Form4->Image1->picture(), original);
    QVERIFY(Form4->Image1->stretch());
    Form4->hide();
    Form4->show();
    QCOMPARE(Form4->Image1->picture(), red);
    QVERIFY(!Form4->Image1->stretch());
    const QImage shot = Form4->grab().toImage();
    QCOMPARE(shot.pixelColor(2, 2), QColor(Qt::red));
    QVERIFY(shot.pixelColor(Form4->width() - 3, Form4->height() - 3) != QColor(Qt::red));

    appearance.setStretch(true);
    Form4->hide();
    Form4->show();
    const QImage stretched = Form4->grab().toImage();
    QCOMPARE(stretched.pixelColor(Form4->width() - 3, Form4->height() - 3), QColor(Qt::red));

    appearance.setBackground(original);
    Form4->hide();
}

void TestAreaScreens::screenLook_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("titlePixels");

    QTest::newRow("triangle") << "Form5" << "Треугольник" << QSize(442, 290) << "Площадь треугольника" << 13;
    QTest::newRow("rectangle") << "Form3" << "Прямоугольник" << QSize(408, 255) << "Площадь прямоугольника" << 13;
    QTest::newRow("square") << "Form2" << "Квадрат" << QSize(436, 234) << "Площадь квадрата" << 13;
    QTest::newRow("parallelogram") << "Form4" << "Параллелограмм" << QSize(412, 255) << "Площадь параллелограмма"
                                   << 13;
    QTest::newRow("circle") << "Form6" << "Круг" << QSize(410, 227) << "Площадь круга" << 11;
    QTest::newRow("trapezoid") << "Form14" << "Трапеция" << QSize(421, 283) << "Площадь трапеции" << 13;
    QTest::newRow("polygon") << "Form16" << "Правильный многоугольник" << QSize(414, 263)
                             << "Площадь правильного многоугольника" << 13;
    QTest::newRow("ellipse") << "Form17" << "Эллипс" << QSize(391, 240) << "Площадь эллипса" << 13;
    QTest::newRow("semicircle") << "Form19" << "Полукруг" << QSize(412, 234) << "Площадь полукруга" << 11;
}

// Caption, fixed size, title, and every visible control inside the window.
void TestAreaScreens::screenLook()
{
    QFETCH(QString, screen);
    QFETCH(QString, caption);
    QFETCH(QSize, size);
    QFETCH(QString, title);
    QFETCH(int, titlePixels);

    QWidget *w = this->screen(screen);
    QCOMPARE(w->windowTitle(), caption);
    QCOMPARE(w->minimumSize(), size);
    QCOMPARE(w->maximumSize(), size);
    QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!(w->windowFlags() & Qt::WindowMinimizeButtonHint));
    QCOMPARE(w->findChild<QLabel *>(QStringLiteral("Label1"))->text(), title);
    QCOMPARE(w->findChild<QLabel *>(QStringLiteral("Label1"))->font().pixelSize(), titlePixels);
    QCOMPARE(w->findChild<QPushButton *>(QStringLiteral("Button2"))->text(), QStringLiteral("Рассчитать"));
    QCOMPARE(w->findChild<QLabel *>(QStringLiteral("Label4"))->font().pixelSize(), 16);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    const QRect client(QPoint(0, 0), size);
    for (QWidget *child : w->findChildren<QWidget *>()) {
        if (!child->isVisible() || child->parentWidget() != w || child->objectName() == QLatin1String("Image1"))
            continue;
        QVERIFY2(client.contains(child->geometry()), qPrintable(child->objectName()));
        if (auto *label = qobject_cast<QLabel *>(child); label && label != w->findChild<QLabel *>("Label4")) {
            // The whole caption fits its label.
            const QRect needed = label->fontMetrics().boundingRect(label->rect(), Qt::TextWordWrap, label->text());
            QVERIFY2(needed.height() <= label->height() && needed.width() <= label->width(),
                     qPrintable(label->objectName()));
        }
    }
    w->hide();
}

// A fresh polygon screen starts on its first formula, a fresh semicircle
// screen on its second mode, the diameter.
void TestAreaScreens::startModes()
{
    TForm16 polygon(m_context);
    QCOMPARE(polygon.RzComboBox3->currentText(), QStringLiteral("По 1-ой формуле"));
    QVERIFY(!polygon.Label8->isHidden());
    QVERIFY(polygon.Label5->isHidden());
    QCOMPARE(polygon.Label8->text(), QStringLiteral("r:"));
    QCOMPARE(polygon.Label5->text(), QStringLiteral("R:"));
    QCOMPARE(polygon.Label5->geometry(), polygon.Label8->geometry());

    TForm19 semicircle(m_context);
    QCOMPARE(semicircle.RzComboBox3->currentText(), QStringLiteral("По диаметру"));
    QCOMPARE(semicircle.RzComboBox3->itemText(0), QStringLiteral("По радиусу"));
    QVERIFY(!semicircle.Label2->isHidden());
    QVERIFY(semicircle.Label8->isHidden());
    QCOMPARE(semicircle.Label2->text(), QStringLiteral("Размер диаметра:"));
    QCOMPARE(semicircle.Label8->text(), QStringLiteral("Размер радиуса:"));
    QCOMPARE(semicircle.Label2->geometry(), semicircle.Label8->geometry());

    // Switching modes keeps the field's text.
    support::type(semicircle.Edit2, QStringLiteral("7"));
    semicircle.RzComboBox3->setCurrentIndex(0);
    QCOMPARE(semicircle.Edit2->text(), QStringLiteral("7"));
    QVERIFY(!semicircle.Label8->isHidden());

    TForm14 trapezoid(m_context);
    QCOMPARE(trapezoid.Label5->text(), QStringLiteral("a :"));
    QCOMPARE(trapezoid.Label5->font().pixelSize(), 19);
}

void TestAreaScreens::drawings_data()
{
    QTest::addColumn<QString>("screen");
    QTest::newRow("trapezoid") << "Form14";
    QTest::newRow("polygon") << "Form16";
    QTest::newRow("ellipse") << "Form17";
    QTest::newRow("semicircle") << "Form19";
}

// The figure's drawing stands right of the fields, 100 x 100, drawn once the
// screen is shown: dark lines on white.
void TestAreaScreens::drawings()
{
    QFETCH(QString, screen);
    QWidget *w = this->screen(screen);
    auto *image = w->findChild<calc::TImage *>(QStringLiteral("Image2"));
    QVERIFY(image);
    QCOMPARE(image->size(), QSize(100, 100));
    for (const QLineEdit *field : w->findChildren<QLineEdit *>(QRegularExpression(QStringLiteral("^Edit\\d$"))))
        QVERIFY2(field->geometry().right() < image->x(), qPrintable(field->objectName()));
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    const QImage picture = image->picture();
    QVERIFY(!picture.isNull());
    QCOMPARE(picture.size() / picture.devicePixelRatio(), QSize(100, 100));
    int dark = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            dark += qGray(picture.pixel(x, y)) < 100;
    QVERIFY2(dark > 150, qPrintable(QString::number(dark)));
    QCOMPARE(picture.pixelColor(1, 1), QColor(Qt::white));
    w->hide();
}

QTEST_MAIN(TestAreaScreens)
#include "tst_areascreens.moc"
