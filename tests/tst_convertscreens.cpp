// The thirteen conversion screens driven through their controls, found by
// object name: their look and layout, the Tab order, a conversion by button
// and by Enter, bad input in both click flows, and the answer waiting for the
// next click.
#include "Unit18.h"
#include "Unit20.h"
#include "Unit21.h"
#include "Unit22.h"
#include "Unit23.h"
#include "Unit28.h"
#include "Unit29.h"
#include "Unit30.h"
#include "Unit41.h"
#include "Unit42.h"
#include "Unit7.h"
#include "Unit8.h"
#include "Unit9.h"
#include "appearance.h"
#include "support.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

const QString kInvalid = QStringLiteral("Ошибка! Вы ввели неправильное значение!!!");
const QString kTooLarge = QStringLiteral("Ошибка! Значение для округления слишком большое!");
// An answer line no conversion writes: rows that expect no answer see it kept.
const QString kEarlierAnswer = QStringLiteral("Ответ: 777  Грамм");

}  // namespace

class TestConvertScreens : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void screenLook_data();
    void screenLook();
    void layout_data();
    void layout();
    void tabOrder_data();
    void tabOrder();
    void byButton_data();
    void byButton();
    void byEnter_data();
    void byEnter();
    void badInput_data();
    void badInput();
    void listChangeWaitsForClick_data();
    void listChangeWaitsForClick();
    void informationHasNoRoundingList();

private:
    QWidget *screen(const QString &name) const;
    void fill(QWidget *screen, const QString &value, const QString &from, const QString &to,
              const QString &rounding);
    static QComboBox *list(QWidget *screen, const char *name) { return screen->findChild<QComboBox *>(name); }
    static QString answer(QWidget *screen) { return screen->findChild<QLabel *>(QStringLiteral("Label4"))->text(); }
    // The named control of the screen that has the keyboard focus (an
    // editable list for its text field); empty when none has.
    static QString focused(QWidget *screen);

    support::RecordingContext m_context;
    support::ScreenSet m_screens;
    QStringList &m_messages = m_context.recorded;
};

void TestConvertScreens::initTestCase()
{
    Form7 = m_screens.add(new TForm7(m_context));
    Form8 = m_screens.add(new TForm8(m_context));
    Form9 = m_screens.add(new TForm9(m_context));
    Form18 = m_screens.add(new TForm18(m_context));
    Form20 = m_screens.add(new TForm20(m_context));
    Form21 = m_screens.add(new TForm21(m_context));
    Form22 = m_screens.add(new TForm22(m_context));
    Form23 = m_screens.add(new TForm23(m_context));
    Form28 = m_screens.add(new TForm28(m_context));
    Form29 = m_screens.add(new TForm29(m_context));
    Form30 = m_screens.add(new TForm30(m_context));
    Form41 = m_screens.add(new TForm41(m_context));
    Form42 = m_screens.add(new TForm42(m_context));
}

void TestConvertScreens::cleanupTestCase() {}

void TestConvertScreens::init()
{
    m_messages.clear();
    for (QWidget *w : m_screens.all()) {
        w->findChild<QLineEdit *>(QStringLiteral("Edit1"))->clear();
        list(w, "RzComboBox1")->setCurrentIndex(0);
        list(w, "RzComboBox2")->setCurrentIndex(0);
        if (QComboBox *rounding = list(w, "RzComboBox3"))
            rounding->setEditText(QStringLiteral("0"));
        w->findChild<calc::TAnswerLabel *>(QStringLiteral("Label4"))->setCaption(kEarlierAnswer);
    }
}

QWidget *TestConvertScreens::screen(const QString &name) const { return m_screens.byName(name); }

void TestConvertScreens::fill(QWidget *w, const QString &value, const QString &from, const QString &to,
                              const QString &rounding)
{
    // Typed key by key, as the user does.
    support::typeInto(w, QStringLiteral("Edit1"), value);
    for (const auto &[name, unit] : {std::pair{"RzComboBox1", from}, std::pair{"RzComboBox2", to}})
        QVERIFY2(support::choose(list(w, name), unit), qPrintable(unit));
    if (list(w, "RzComboBox3"))
        support::typeInto(w, QStringLiteral("RzComboBox3"), rounding);
}

QString TestConvertScreens::focused(QWidget *screen)
{
    for (QWidget *w = QApplication::focusWidget(); w && w != screen; w = w->parentWidget())
        if (w->parentWidget() == screen)
            return w->objectName();
    return {};
}

void TestConvertScreens::screenLook_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<int>("units");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("roundingTail");  // empty: no rounding list
    QTest::addColumn<QString>("firstFocus");

    const QString tail = QStringLiteral("нулей после запятой");
    QTest::newRow("mass") << "Form7" << "Меры массы" << QSize(377, 246) << QPoint(232, 254)
                          << "Перевод единиц масс" << 17 << "Килограмм" << tail << "Edit1";
    QTest::newRow("length") << "Form8" << "Меры длины" << QSize(396, 246) << QPoint(293, 240) << "Перевод длин"
                            << 19 << "Метр" << tail << "Edit1";
    QTest::newRow("temperature") << "Form9" << "Температура" << QSize(386, 237) << QPoint(301, 236)
                                 << "Перевод температур" << 4 << "Цельсий" << "нулей после запятой." << "Edit1";
    QTest::newRow("information") << "Form18" << "Единицы информации" << QSize(396, 205) << QPoint(308, 243)
                                 << "Перевод единиц информации" << 14 << "бит" << "" << "Edit1";
    QTest::newRow("speed") << "Form20" << "Скорость" << QSize(386, 237) << QPoint(311, 237) << "Перевод скорости"
                           << 5 << "M / сек." << tail << "Edit1";
    QTest::newRow("pressure") << "Form21" << "Давление" << QSize(396, 243) << QPoint(284, 259)
                              << "Перевод единиц давления" << 11 << "Бар" << tail << "Edit1";
    QTest::newRow("force") << "Form22" << "Единицы сил" << QSize(400, 234) << QPoint(297, 237)
                           << "Перевод единиц сил" << 4 << "Мегадин" << tail << "RzComboBox3";
    QTest::newRow("power") << "Form23" << "Единицы мощности" << QSize(421, 235) << QPoint(293, 245)
                           << "Перевод единиц мощности" << 4 << "Кгм/сек." << tail << "RzComboBox3";
    QTest::newRow("area") << "Form28" << "Меры площади" << QSize(377, 246) << QPoint(322, 247)
                          << "Перевод мер площадей" << 13 << "Квадратный километр" << tail << "Edit1";
    QTest::newRow("solid volume") << "Form29" << "Меры объёма тел" << QSize(377, 246) << QPoint(316, 254)
                                  << "Перевод объёмов" << 9 << "Кубический метр" << tail << "Edit1";
    QTest::newRow("liquid volume") << "Form30" << "Меры объёма жидкостей" << QSize(377, 246) << QPoint(309, 249)
                                   << "Перевод объёмов" << 19 << "Гектолитр" << tail << "Edit1";
    QTest::newRow("angle") << "Form41" << "Угловая мера" << QSize(377, 245) << QPoint(328, 240)
                           << "Перевод угловых мер" << 10 << "Окружность" << tail << "Edit1";
    QTest::newRow("energy") << "Form42" << "Единицы энергии" << QSize(399, 245) << QPoint(312, 231)
                            << "Перевод единиц энергии" << 14 << "Джоуль" << tail << "Edit1";
}

// Caption, fixed size, first position, texts, the two lists, the control
// that has the focus when the screen opens, and every visible control inside
// the window.
void TestConvertScreens::screenLook()
{
    QFETCH(QString, screen);
    QFETCH(QString, caption);
    QFETCH(QSize, size);
    QFETCH(QPoint, position);
    QFETCH(QString, heading);
    QFETCH(int, units);
    QFETCH(QString, first);
    QFETCH(QString, roundingTail);
    QFETCH(QString, firstFocus);

    QWidget *w = this->screen(screen);
    QCOMPARE(w->pos(), position);
    QCOMPARE(w->windowTitle(), caption);
    QCOMPARE(w->size(), size);
    QCOMPARE(w->minimumSize(), w->maximumSize());
    QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(w->findChild<QLabel *>(QStringLiteral("Label2"))->text(), heading);
    QCOMPARE(w->findChild<QLabel *>(QStringLiteral("Label1"))->text(), QStringLiteral("Перевести"));
    QCOMPARE(w->findChild<QLabel *>(QStringLiteral("Label3"))->text(), QStringLiteral("в"));
    QCOMPARE(w->findChild<QPushButton *>(QStringLiteral("Button1"))->text(), QStringLiteral("Перевести"));

    QComboBox *from = list(w, "RzComboBox1");
    QComboBox *to = list(w, "RzComboBox2");
    QCOMPARE(from->count(), units);
    QStringList fromItems, toItems;
    for (int k = 0; k < units; ++k) {
        fromItems << from->itemText(k);
        toItems << to->itemText(k);
    }
    QCOMPARE(toItems, fromItems);
    QCOMPARE(from->currentText(), first);
    QCOMPARE(to->currentText(), first);
    QVERIFY(!from->isEditable() && !to->isEditable());

    QComboBox *rounding = list(w, "RzComboBox3");
    QCOMPARE(rounding != nullptr, !roundingTail.isEmpty());
    if (rounding) {
        QCOMPARE(rounding->currentText(), QStringLiteral("0"));
        QCOMPARE(rounding->count(), 11);
        QVERIFY(rounding->isEditable());
        QCOMPARE(w->findChild<QLabel *>(QStringLiteral("Label6"))->text(), QStringLiteral("Округлить до:"));
        QCOMPARE(w->findChild<QLabel *>(QStringLiteral("Label7"))->text(), roundingTail);
    }

    auto *answer = w->findChild<calc::TAnswerLabel *>(QStringLiteral("Label4"));
    QCOMPARE(answer->font().pixelSize(), 16);

    QVERIFY(support::showActive(w));
    QTRY_COMPARE(focused(w), firstFocus);
    for (QWidget *child : w->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child->isHidden() || child->objectName() == u"Image1" || child->objectName().isEmpty())
            continue;
        QVERIFY2(w->rect().contains(child->geometry()), qPrintable(child->objectName()));
    }
    support::hideScreen(w);
}

void TestConvertScreens::layout_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QPoint>("heading");
    QTest::addColumn<QPoint>("value");
    QTest::addColumn<QRect>("from");  // left, top, width; the height is the list's own
    QTest::addColumn<QRect>("to");
    QTest::addColumn<QPoint>("rounding");
    QTest::addColumn<QPoint>("button");
    QTest::addColumn<QPoint>("answer");
    QTest::addColumn<QList<QPoint>>("captions");  // Label1, Label3, then Label6 and Label7 if there

    const auto rows = [](const char *name, const char *screen, QPoint heading, QPoint value, QRect from, QRect to,
                         QPoint rounding, QPoint button, QPoint answer, const QList<QPoint> &captions) {
        QTest::newRow(name) << screen << heading << value << from << to << rounding << button << answer << captions;
    };
    // The mass screen's arrangement, kept by the first screens.
    for (const auto &[name, screen] : {std::pair{"mass", "Form7"}, std::pair{"length", "Form8"},
                                       std::pair{"temperature", "Form9"}, std::pair{"speed", "Form20"}})
        rows(name, screen, {128, 16}, {80, 56}, {224, 56, 129, 0}, {128, 96, 129, 0}, {112, 144}, {136, 184},
             {16, 216}, {{8, 64}, {104, 104}, {16, 152}, {263, 152}});
    rows("information", "Form18", {128, 16}, {88, 48}, {232, 48, 129, 0}, {160, 88, 129, 0}, {}, {144, 136},
         {16, 176}, {{16, 56}, {128, 96}});
    const QList<QPoint> upper{{16, 56}, {128, 96}, {24, 136}, {271, 136}};
    rows("pressure", "Form21", {128, 16}, {88, 48}, {232, 48, 145, 0}, {160, 88, 145, 0}, {120, 128}, {144, 168},
         {16, 200}, upper);
    rows("force", "Form22", {144, 16}, {88, 48}, {232, 48, 145, 0}, {160, 88, 145, 0}, {120, 128}, {160, 168},
         {16, 200}, upper);
    rows("power", "Form23", {136, 16}, {88, 48}, {224, 48, 185, 0}, {160, 88, 177, 0}, {120, 128}, {160, 168},
         {16, 200}, upper);
    for (const auto &[name, screen] : {std::pair{"area", "Form28"}, std::pair{"solid volume", "Form29"},
                                       std::pair{"liquid volume", "Form30"}})
        rows(name, screen, {128, 16}, {80, 56}, {208, 56, 161, 0}, {128, 96, 169, 0}, {112, 144}, {136, 184},
             {16, 216}, {{8, 64}, {104, 104}, {16, 152}, {263, 152}});
    rows("angle", "Form41", {128, 16}, {80, 56}, {208, 56, 161, 0}, {128, 96, 169, 0}, {112, 144}, {136, 184},
         {16, 216}, {{8, 64}, {104, 104}, {16, 152}, {261, 152}});
    rows("energy", "Form42", {128, 16}, {80, 56}, {208, 56, 185, 0}, {128, 96, 185, 0}, {112, 144}, {136, 184},
         {16, 216}, {{8, 64}, {104, 104}, {16, 152}, {261, 152}});
}

// Where the controls and their captions stand and how wide the unit lists
// are.
void TestConvertScreens::layout()
{
    QFETCH(QString, screen);
    QFETCH(QPoint, heading);
    QFETCH(QPoint, value);
    QFETCH(QRect, from);
    QFETCH(QRect, to);
    QFETCH(QPoint, rounding);
    QFETCH(QPoint, button);
    QFETCH(QPoint, answer);
    QFETCH(QList<QPoint>, captions);

    QWidget *w = this->screen(screen);
    const auto place = [w](const char *name) { return w->findChild<QWidget *>(name)->geometry(); };
    QCOMPARE(place("Label2").topLeft(), heading);
    QCOMPARE(place("Edit1").topLeft(), value);
    QCOMPARE(place("Edit1").width(), 121);
    QCOMPARE(place("RzComboBox1").topLeft(), from.topLeft());
    QCOMPARE(place("RzComboBox1").width(), from.width());
    QCOMPARE(place("RzComboBox2").topLeft(), to.topLeft());
    QCOMPARE(place("RzComboBox2").width(), to.width());
    if (list(w, "RzComboBox3")) {
        QCOMPARE(place("RzComboBox3").topLeft(), rounding);
        QCOMPARE(place("RzComboBox3").width(), 145);
    }
    QCOMPARE(place("Button1"), QRect(button, QSize(75, 25)));
    QCOMPARE(place("Label4").topLeft(), answer);
    QList<QPoint> shown{place("Label1").topLeft(), place("Label3").topLeft()};
    if (list(w, "RzComboBox3"))
        shown << place("Label6").topLeft() << place("Label7").topLeft();
    QCOMPARE(shown, captions);
}

void TestConvertScreens::tabOrder_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("order");

    const QStringList madeOrder{"Edit1", "RzComboBox1", "RzComboBox2", "RzComboBox3", "Button1"};
    const QStringList valueFirst{"Edit1", "Button1", "RzComboBox3", "RzComboBox2", "RzComboBox1"};
    const QStringList roundingFirst{"RzComboBox3", "RzComboBox2", "RzComboBox1", "Edit1", "Button1"};
    QTest::newRow("mass") << "Form7" << madeOrder;
    QTest::newRow("information") << "Form18" << QStringList{"Edit1", "RzComboBox1", "RzComboBox2", "Button1"};
    QTest::newRow("pressure") << "Form21" << valueFirst;
    QTest::newRow("force") << "Form22" << roundingFirst;
    QTest::newRow("power") << "Form23" << roundingFirst;
    QTest::newRow("area") << "Form28" << valueFirst;
    QTest::newRow("solid volume") << "Form29" << valueFirst;
    QTest::newRow("liquid volume") << "Form30" << valueFirst;
    QTest::newRow("angle") << "Form41" << valueFirst;
    QTest::newRow("energy") << "Form42" << valueFirst;
}

// Tab from the first control visits the others in order and comes back.
void TestConvertScreens::tabOrder()
{
    QFETCH(QString, screen);
    QFETCH(QStringList, order);

    QWidget *w = this->screen(screen);
    QVERIFY(support::showActive(w));
    w->findChild<QWidget *>(order.front())->setFocus();
    QTRY_COMPARE(focused(w), order.front());
    QStringList visited{focused(w)};
    for (qsizetype k = 0; k < order.size(); ++k) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << focused(w);
    }
    QCOMPARE(visited, order + QStringList{order.front()});
    support::hideScreen(w);
}

void TestConvertScreens::byButton_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("rounding");
    QTest::addColumn<QString>("answer");

    QTest::newRow("mass 5 kg to grams") << "Form7" << "5" << "Килограмм" << "Грамм" << "2"
                                        << "Ответ: 5000,00  Грамм";
    QTest::newRow("length verst to sazhens") << "Form8" << "1" << "Верста" << "Сажень" << "0"
                                             << "Ответ: 500  Сажень";
    QTest::newRow("temperature 100 C to K") << "Form9" << "100" << "Цельсий" << "Кельвин" << "2"
                                            << "Ответ: 373,15  Кельвин";
    QTest::newRow("information megabytes to gigabytes") << "Form18" << "1536" << "мегабайт" << "гигабайт" << ""
                                                        << "Ответ: 1,5  гигабайт";
    QTest::newRow("speed m/s to knots") << "Form20" << "1" << "M / сек." << "Узлов" << "4" << "Ответ: 1,9438  Узлов";
    QTest::newRow("pressure bar to psi") << "Form21" << "1" << "Бар" << "Фунт на кв. дюйм" << "5"
                                         << "Ответ: 14,50377  Фунт на кв. дюйм";
    QTest::newRow("force kilogram to pound") << "Form22" << "1" << "Вес килограмма" << "Вес фунта" << "5"
                                             << "Ответ: 2,44191  Вес фунта";
    QTest::newRow("power kgm/s to metric horsepower") << "Form23" << "1" << "Кгм/сек." << "Лош. сила(ЛС)" << "5"
                                                      << "Ответ: 0,01333  Лош. сила(ЛС)";
    QTest::newRow("area square verst to square feet") << "Form28" << "1" << "Квадратная верста" << "Квадратный фут"
                                                      << "7" << "Ответ: 12249730,8934338  Квадратный фут";
    QTest::newRow("solid volume cubic metre to cubic feet") << "Form29" << "1" << "Кубический метр"
                                                            << "Кубический фут" << "5"
                                                            << "Ответ: 35,31472  Кубический фут";
    QTest::newRow("liquid volume litre to pints") << "Form30" << "1" << "Литр" << "Пинта" << "4"
                                                  << "Ответ: 1,7598  Пинта";
    QTest::newRow("angle 180 degrees to radians") << "Form41" << "180" << "Градус" << "Радиан" << "6"
                                                  << "Ответ: 3,141592  Радиан";
    QTest::newRow("energy joule to electronvolts") << "Form42" << "1" << "Джоуль" << "Электронвольт" << "2"
                                                   << "Ответ: 6,24145E18  Электронвольт";
}

void TestConvertScreens::byButton()
{
    QFETCH(QString, screen);
    QFETCH(QString, value);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, rounding);
    QFETCH(QString, answer);

    QWidget *w = this->screen(screen);
    fill(w, value, from, to, rounding);
    QVERIFY(support::showActive(w));
    QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("Button1")), Qt::LeftButton);
    QCOMPARE(this->answer(w), answer);
    QVERIFY(m_messages.isEmpty());

    // Hovering shows the whole line as the hint.
    auto *label = w->findChild<QLabel *>(QStringLiteral("Label4"));
    QMouseEvent move(QEvent::MouseMove, QPointF(6, 6), label->mapToGlobal(QPointF(6, 6)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(label, &move);
    QCOMPARE(label->toolTip(), answer);
    support::hideScreen(w);
}

void TestConvertScreens::byEnter_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("rounding");
    QTest::addColumn<QString>("answer");

    QTest::newRow("mass drops the sign") << "Form7" << "Edit1" << "-3" << "Килограмм" << "Грамм" << "0"
                                         << "Ответ: 3000  Грамм";
    QTest::newRow("length foot to yard") << "Form8" << "Edit1" << "1" << "Фут" << "Ярд" << "10"
                                         << "Ответ: 0,3333333333  Ярд";
    QTest::newRow("temperature from the rounding list") << "Form9" << "RzComboBox3" << "0" << "Кельвин"
                                                        << "Фаренгейт" << "3" << "Ответ: -459,670  Фаренгейт";
    QTest::newRow("information bit to byte") << "Form18" << "Edit1" << "1" << "бит" << "байт" << ""
                                             << "Ответ: 0,125  байт";
    QTest::newRow("information from the to-list") << "Form18" << "RzComboBox2" << "-1" << "байт" << "бит" << ""
                                                   << "Ответ: -8  бит";
    QTest::newRow("speed from the from-list") << "Form20" << "RzComboBox1" << "100" << "Англ. миль / ч."
                                              << "Узлов" << "1" << "Ответ: 86,9  Узлов";
    QTest::newRow("pressure keeps the sign") << "Form21" << "Edit1" << "-1" << "Бар" << "Паскаль" << "0"
                                             << "Ответ: -100000  Паскаль";
    QTest::newRow("force from the value field") << "Form22" << "Edit1" << "-2" << "Мегадин" << "Вес килограмма"
                                                << "5" << "Ответ: -2,03942  Вес килограмма";
    QTest::newRow("power from the rounding list") << "Form23" << "RzComboBox3" << "1" << "Англ. лош. сила(HP)"
                                                  << "Кгм/сек." << "2" << "Ответ: 76,05  Кгм/сек.";
    QTest::newRow("area drops the sign") << "Form28" << "Edit1" << "-3" << "Гектар" << "Ар" << "0"
                                         << "Ответ: 300  Ар";
    QTest::newRow("solid volume cubic sazhen to arshins") << "Form29" << "Edit1" << "1" << "Кубическая сажень"
                                                          << "Кубический аршин" << "6"
                                                          << "Ответ: 27,000047  Кубический аршин";
    QTest::newRow("liquid volume quarter to litres") << "Form30" << "Edit1" << "1" << "Квартер" << "Литр" << "5"
                                                     << "Ответ: 290,94976  Литр";
    QTest::newRow("angle from the to-list") << "Form41" << "RzComboBox2" << "-1" << "Румб" << "Градус" << "2"
                                            << "Ответ: -11,25  Градус";
    QTest::newRow("energy from the value field") << "Form42" << "Edit1" << "1" << "Килокалория"
                                                 << "Метр-килограмм" << "1" << "Ответ: 426,9  Метр-килограмм";
}

void TestConvertScreens::byEnter()
{
    QFETCH(QString, screen);
    QFETCH(QString, control);
    QFETCH(QString, value);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, rounding);
    QFETCH(QString, answer);

    QWidget *w = this->screen(screen);
    fill(w, value, from, to, rounding);
    QVERIFY(support::showActive(w));
    auto *target = w->findChild<QWidget *>(control);
    target->setFocus();
    QTRY_VERIFY(target->hasFocus() || target->isAncestorOf(QApplication::focusWidget()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(this->answer(w), answer);
    QVERIFY(m_messages.isEmpty());
    support::hideScreen(w);
}

void TestConvertScreens::badInput_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("rounding");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("answer");  // the new answer line; empty: the earlier one stays

    const QStringList invalid{kInvalid};
    const QStringList tooLarge{kTooLarge};

    QTest::newRow("mass letters") << "Form7" << "abc" << "0" << invalid << "";
    QTest::newRow("mass empty value") << "Form7" << "" << "0" << invalid << "";
    QTest::newRow("mass bad rounding") << "Form7" << "5" << "abc" << invalid << "";
    QTest::newRow("length point under a comma locale") << "Form8" << "2.5" << "0" << invalid << "";
    QTest::newRow("length bad rounding") << "Form8" << "5" << "1,5" << invalid << "";
    QTest::newRow("temperature letters") << "Form9" << "abc" << "0" << invalid << "";
    QTest::newRow("temperature bad rounding") << "Form9" << "5" << "x" << invalid << "";
    QTest::newRow("information empty value") << "Form18" << "" << "" << invalid << "";
    QTest::newRow("information letters") << "Form18" << "12kb" << "" << invalid << "";
    QTest::newRow("speed letters") << "Form20" << "fast" << "0" << invalid << "";
    QTest::newRow("speed bad rounding") << "Form20" << "5" << "2 " << invalid << "";
    QTest::newRow("force bad rounding") << "Form22" << "1" << "a" << invalid << "";
    QTest::newRow("power empty value") << "Form23" << "" << "0" << invalid << "";
    QTest::newRow("area letters") << "Form28" << "1O" << "0" << invalid << "";
    QTest::newRow("solid volume bad rounding") << "Form29" << "1" << "1,5" << invalid << "";
    QTest::newRow("liquid volume point") << "Form30" << "0.5" << "0" << invalid << "";
    // Guarded reading: the message, then the answer for 0 (or with no places)
    // unless the rounding digits are past the limit.
    QTest::newRow("pressure empty value answers 0") << "Form21" << "" << "3" << invalid << "Ответ: 0  Паскаль";
    QTest::newRow("pressure bad rounding answers with no places")
        << "Form21" << "2,5" << "x" << invalid << "Ответ: 250000  Паскаль";
    QTest::newRow("pressure rounding past the limit") << "Form21" << "1" << "100000000" << tooLarge << "";
    QTest::newRow("pressure rounding just below the limit")
        << "Form21" << "1" << "99999999" << QStringList{} << "Ответ: 100000,000000000000000000  Паскаль";
    QTest::newRow("angle letters answer 0") << "Form41" << "abc" << "2" << invalid << "Ответ: 0  Минута";
    QTest::newRow("angle rounding past the limit") << "Form41" << "1" << "2147483647" << tooLarge << "";
    QTest::newRow("angle bad value, rounding past the limit not read")
        << "Form41" << "" << "100000000" << invalid << "Ответ: 0  Минута";
    QTest::newRow("energy bad rounding") << "Form42" << "1" << "1e2" << invalid << "Ответ: 0  Килокалория";
    QTest::newRow("energy rounding past the limit") << "Form42" << "1" << "100000000" << tooLarge << "";
}

// From the first unit to the second: the messages, and the answer line
// keeps what it showed or shows what the flow answers after a message.
void TestConvertScreens::badInput()
{
    QFETCH(QString, screen);
    QFETCH(QString, value);
    QFETCH(QString, rounding);
    QFETCH(QStringList, messages);
    QFETCH(QString, answer);

    QWidget *w = this->screen(screen);
    auto *units = list(w, "RzComboBox2");
    fill(w, value, units->itemText(0), units->itemText(1), rounding);
    w->findChild<QPushButton *>(QStringLiteral("Button1"))->click();
    QCOMPARE(m_messages, messages);
    QCOMPARE(this->answer(w), answer.isEmpty() ? kEarlierAnswer : answer);
}

void TestConvertScreens::listChangeWaitsForClick_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("nextTo");
    QTest::addColumn<QString>("rounding");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("nextAnswer");

    QTest::newRow("mass") << "Form7" << "1" << "Грамм" << "Карат" << "Миллиграм" << "0" << "Ответ: 5  Карат"
                          << "Ответ: 1000  Миллиграм";
    QTest::newRow("length") << "Form8" << "1" << "Ярд" << "Фут" << "Дюйм" << "0" << "Ответ: 3  Фут"
                            << "Ответ: 36  Дюйм";
    QTest::newRow("temperature") << "Form9" << "212" << "Фаренгейт" << "Цельсий" << "Реомюр" << "0"
                                 << "Ответ: 100  Цельсий" << "Ответ: 80  Реомюр";
    QTest::newRow("information") << "Form18" << "1" << "килобайт" << "бит" << "байт" << "" << "Ответ: 8192  бит"
                                 << "Ответ: 1024  байт";
    QTest::newRow("speed") << "Form20" << "10" << "M / сек." << "Км. / ч." << "Врс. / ч." << "0"
                           << "Ответ: 36  Км. / ч." << "Ответ: 34  Врс. / ч.";
    QTest::newRow("pressure") << "Form21" << "1" << "Техническая атм." << "Кг. силы на кв. м." << "Паскаль" << "0"
                              << "Ответ: 10000  Кг. силы на кв. м." << "Ответ: 98067  Паскаль";
    QTest::newRow("force") << "Form22" << "1" << "Вес фунта англ." << "Вес фунта" << "Мегадин" << "5"
                           << "Ответ: 1,10764  Вес фунта" << "Ответ: 0,44481  Мегадин";
    QTest::newRow("power") << "Form23" << "1" << "Международный киловатт(KW)" << "Лош. сила(ЛС)"
                           << "Англ. лош. сила(HP)" << "3" << "Ответ: 1,360  Лош. сила(ЛС)"
                           << "Ответ: 1,341  Англ. лош. сила(HP)";
    QTest::newRow("area") << "Form28" << "1" << "Квадратная миля" << "Ар" << "Гектар" << "1"
                          << "Ответ: 25899,9  Ар" << "Ответ: 259,0  Гектар";
    QTest::newRow("solid volume") << "Form29" << "1" << "Кубический дюйм" << "Кубический сантиметер"
                                  << "Кубический миллиметер" << "1" << "Ответ: 16,4  Кубический сантиметер"
                                  << "Ответ: 16387,1  Кубический миллиметер";
    QTest::newRow("liquid volume") << "Form30" << "1" << "Галлон" << "Пинта" << "Кварта" << "0"
                                   << "Ответ: 8  Пинта" << "Ответ: 4  Кварта";
    QTest::newRow("angle") << "Form41" << "90" << "Минута" << "Градус" << "Секунда" << "1" << "Ответ: 1,5  Градус"
                           << "Ответ: 5400,0  Секунда";
    QTest::newRow("energy") << "Form42" << "2,5" << "Джоуль" << "Ват секунда" << "Эрг" << "1"
                            << "Ответ: 2,5  Ват секунда" << "Ответ: 25000000,0  Эрг";
}

void TestConvertScreens::listChangeWaitsForClick()
{
    QFETCH(QString, screen);
    QFETCH(QString, value);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, nextTo);
    QFETCH(QString, rounding);
    QFETCH(QString, answer);
    QFETCH(QString, nextAnswer);

    QWidget *w = this->screen(screen);
    auto *button = w->findChild<QPushButton *>(QStringLiteral("Button1"));
    fill(w, value, from, to, rounding);
    button->click();
    QCOMPARE(this->answer(w), answer);

    QComboBox *units = list(w, "RzComboBox2");
    units->setCurrentIndex(units->findText(nextTo));
    QCOMPARE(units->currentText(), nextTo);
    QCOMPARE(this->answer(w), answer);
    QComboBox *fromUnits = list(w, "RzComboBox1");
    fromUnits->setCurrentIndex(fromUnits->count() - 1);
    fromUnits->setCurrentIndex(fromUnits->findText(from));
    QCOMPARE(this->answer(w), answer);

    button->click();
    QCOMPARE(this->answer(w), nextAnswer);
    QVERIFY(m_messages.isEmpty());
}

// The information screen reads its digits from a hidden label, and its Enter
// item has a name of its own.
void TestConvertScreens::informationHasNoRoundingList()
{
    QVERIFY(!Form18->findChild<QComboBox *>(QStringLiteral("RzComboBox3")));
    QVERIFY(!Form18->findChild<QLabel *>(QStringLiteral("Label6")));
    QVERIFY(!Form18->findChild<QLabel *>(QStringLiteral("Label7")));
    QCOMPARE(Form18->findChildren<QComboBox *>().size(), 2);
    auto *digits = Form18->findChild<QLabel *>(QStringLiteral("Label5"));
    QVERIFY(digits);
    QCOMPARE(digits->text(), QStringLiteral("1"));
    QVERIFY(digits->isHidden());
    QVERIFY(!Form18->findChild<QAction *>(QStringLiteral("jkujk1")));
    QAction *enter = Form18->findChild<QAction *>(QStringLiteral("MenuItem2"));
    QVERIFY(enter);
    QCOMPARE(enter, Form18->MenuItem2);

    fill(Form18, QStringLiteral("1"), QStringLiteral("эксабит"), QStringLiteral("бит"), QString());
    enter->trigger();
    QCOMPARE(answer(Form18), QStringLiteral("Ответ: 1,15292150460684698E18  бит"));
    QVERIFY(m_messages.isEmpty());
}

QTEST_MAIN(TestConvertScreens)
#include "tst_convertscreens.moc"
