// The quadratic, biquadratic and two-equation screens driven through their
// controls, found by object name: their look, solutions and "Нет решений",
// bad coefficients and rounding texts, the root lines' visibility, Enter, and
// the chart of the system with its width over closing and reopening.
#include "Unit11.h"
#include "Unit13.h"
#include "Unit52.h"
#include "support.h"

#include <QAction>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QValueAxis>
#include <QtTest>

#include <memory>

namespace {

const QString kInvalid = QStringLiteral("Ошибка! Вы ввели неправильное значение!!!");
const QString kNo = QStringLiteral("Нет решений");
const QString kUnique = QStringLiteral("Система имеет единственное решение");
const QString kMany = QStringLiteral("Система имеет бесконечно много решений");
const QString kNone = QStringLiteral("Система не имеет решений");

QString text(const QWidget *screen, const char *label)
{
    return screen->findChild<QLabel *>(QLatin1String(label))->text();
}

QList<QPointF> points(const QLineSeries *series) { return series->points(); }

}  // namespace

class TestEquationScreens : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();

    void look_data();
    void look();
    void equations_data();
    void equations();
    void rootLinesVisibility();
    void enter_data();
    void enter();
    void system_data();
    void system();
    void chartLook();
    void chartMadeWhenWanted();
    void chartCrossing();
    void verdictBeforeBadRounding();
    void widthToggle();
    void brace();

private:
    // Types the coefficients and the rounding text, then clicks "Рассчитать".
    void solve(QWidget *screen, const QStringList &fields, const QStringList &texts, const QString &rounding);
    void solveEquation(QWidget *screen, const QStringList &texts);
    void solveSystem(const QStringList &texts);

    support::RecordingContext m_context;
    support::ScreenSet m_screens;
    QStringList &m_messages = m_context.recorded;
};

void TestEquationScreens::initTestCase()
{
    Form11 = m_screens.add(new TForm11(m_context));
    Form13 = m_screens.add(new TForm13(m_context));
    Form52 = m_screens.add(new TForm52(m_context));
}

void TestEquationScreens::solve(QWidget *screen, const QStringList &fields, const QStringList &texts,
                                const QString &rounding)
{
    for (qsizetype i = 0; i < fields.size(); ++i)
        support::typeInto(screen, fields[i], texts[i]);
    support::typeInto(screen, QStringLiteral("RzComboBox2"), rounding);
    QTest::mouseClick(screen->findChild<QPushButton *>(QStringLiteral("Button2")), Qt::LeftButton);
}

// a, b, c, rounding.
void TestEquationScreens::solveEquation(QWidget *screen, const QStringList &texts)
{
    solve(screen, {"Edit1", "Edit2", "Edit3"}, texts, texts[3]);
}

// a1, b1, c1, a2, b2, c2, rounding.
void TestEquationScreens::solveSystem(const QStringList &texts)
{
    solve(Form13, {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6"}, texts, texts[6]);
}

void TestEquationScreens::look_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<QString>("background");
    QTest::addColumn<QStringList>("labels");  // name=text
    QTest::addColumn<bool>("enter");

    QTest::newRow("quadratic") << "Form11" << "Квадратное уравнение" << QSize(435, 271) << QPoint(272, 207) << "Image1"
                               << QStringList{"Label1=Квадратное уравнение", "Label2=Введите значения коэффициентов",
                                              "Label3=X", "Label4=2", "Label5=X", "Label6== 0",
                                              "Label7=Например:    - 5  X                   + 2 X               "
                                              "-124            =0",
                                              "Label13=2", "Label11=Округлить до:", "Label12=нулей после запятой",
                                              "Label8=D=", "Label9=", "Label10="}
                               << true;
    QTest::newRow("biquadratic") << "Form52" << "Биквадоатное уравнение" << QSize(408, 292) << QPoint(235, 140)
                                 << "Image1"
                                 << QStringList{"Label1=Биквадратное уравнение",
                                                "Label2=Введите значения коэффициентов", "Label3=X", "Label4=4",
                                                "Label5=X", "Label14=2", "Label6== 0",
                                                "Label7=Например:    - 5  X                   + 2 X               "
                                                "-124        =0",
                                                "Label13=4", "Label15=2", "Label11=Округлить до:",
                                                "Label12=нулей после запятой", "Label8=D=", "Label18=Корни:",
                                                "Label9=X=", "Label10=X=", "Label16=X=", "Label17=X="}
                                 << false;
    QTest::newRow("system") << "Form13" << "Система двух линейных уравнений" << QSize(398, 269) << QPoint(286, 245)
                            << "Image2"
                            << QStringList{"Label9=Введите значения коэффициентов", "Label1=X", "Label2=+", "Label3=Y",
                                           "Label4==", "Label8=X", "Label7=+", "Label6=Y", "Label5==",
                                           "Label12=Округлить до:", "Label13=нулей после запятой", "Label14=",
                                           "Label10=Ответ: X=", "Label11=Y="}
                            << true;
}

// Caption, size, place, background holder, fixed texts, the rounding list,
// no answer line, Enter where the screen has it, and what lies inside the
// window.
void TestEquationScreens::look()
{
    QFETCH(QString, screen);
    QFETCH(QString, caption);
    QFETCH(QSize, size);
    QFETCH(QPoint, position);
    QFETCH(QString, background);
    QFETCH(QStringList, labels);
    QFETCH(bool, enter);

    auto *w = qobject_cast<calc::Screen *>(m_screens.byName(screen));
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), caption);
    QCOMPARE(w->size(), size);
    QCOMPARE(w->minimumSize(), w->maximumSize());
    QCOMPARE(w->pos(), position);
    QCOMPARE(w->background()->objectName(), background);
    for (const QString &entry : labels) {
        const qsizetype equals = entry.indexOf(u'=');
        const QString name = entry.left(equals);
        auto *label = w->findChild<QLabel *>(name);
        QVERIFY2(label, qPrintable(name));
        QCOMPARE(label->text(), entry.mid(equals + 1));
    }
    QCOMPARE(w->findChildren<calc::TAnswerLabel *>().size(), 0);
    QCOMPARE(w->findChildren<calc::TNanWatch *>().size(), 0);
    QCOMPARE(w->jkujk1 != nullptr, enter);
    QCOMPARE(w->MainMenu1 != nullptr, enter);

    QComboBox *rounding = w->findChild<QComboBox *>(QStringLiteral("RzComboBox2"));
    QVERIFY(rounding->isEditable());
    QCOMPARE(rounding->count(), 11);
    QCOMPARE(rounding->currentText(), QStringLiteral("0"));
    QCOMPARE(w->findChild<QPushButton *>(QStringLiteral("Button2"))->text(), QStringLiteral("Рассчитать"));

    if (screen != u"Form13") {
        // The raised digit stands above and right of its X, in a smaller font.
        auto *x = w->findChild<QLabel *>(QStringLiteral("Label3"));
        auto *power = w->findChild<QLabel *>(QStringLiteral("Label4"));
        QVERIFY(power->y() < x->y());
        QVERIFY(power->x() > x->x());
        QVERIFY(power->font().pixelSize() < x->font().pixelSize());
    }

    QVERIFY(support::showActive(w));
    QTRY_COMPARE(QApplication::focusWidget(), w->findChild<QLineEdit *>(QStringLiteral("Edit1")));
    for (QWidget *child : w->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child->isHidden() || child == w->background() || child->objectName() == u"Chart1")
            continue;
        QVERIFY2(w->rect().contains(child->geometry()), qPrintable(child->objectName()));
    }
    support::hideScreen(w);
}

// Rows start from the lines of an earlier click with 1, -3, 2; a failed click
// leaves them as they are.
void TestEquationScreens::equations_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("typed");  // a, b, c, rounding
    QTest::addColumn<QString>("discriminant");
    QTest::addColumn<QStringList>("roots");
    QTest::addColumn<QStringList>("messages");

    const QStringList none;
    const QStringList invalid{kInvalid};
    const QStringList earlier11{"X1= 1", "X2= 2"};
    const QStringList earlier52{"X= 1", "X= 1", "X= -1", "X= -1"};
    QTest::newRow("quadratic: two roots") << "Form11" << QStringList{"2", "-7", "3", "3"} << "D= 25"
                                          << QStringList{"X1= 0,500", "X2= 3,000"} << none;
    QTest::newRow("quadratic: D = 0") << "Form11" << QStringList{"1", "2", "1", "2"} << "D= 0"
                                      << QStringList{"X1= -1,00", "X2= -1,00"} << none;
    QTest::newRow("quadratic: no solutions") << "Form11" << QStringList{"1", "0", "1", "0"} << "D= -4"
                                             << QStringList{kNo, kNo} << none;
    QTest::newRow("quadratic: a = 0") << "Form11" << QStringList{"0", "2", "1", "2"} << "D= 4"
                                      << QStringList{"X1= -INF", "X2= NAN"} << none;
    QTest::newRow("quadratic: empty c") << "Form11" << QStringList{"1", "2", "", "0"} << "D= 1" << earlier11
                                        << invalid;
    QTest::newRow("quadratic: point under a comma") << "Form11" << QStringList{"1.5", "2", "1", "0"} << "D= 1"
                                                    << earlier11 << invalid;
    QTest::newRow("quadratic: rounding of letters") << "Form11" << QStringList{"1", "0", "1", "abc"} << "D= 1"
                                                    << earlier11 << invalid;
    QTest::newRow("biquadratic: four roots") << "Form52" << QStringList{"1", "-5", "4", "0"} << "D= 9"
                                             << QStringList{"X= 1", "X= 2", "X= -1", "X= -2"} << none;
    QTest::newRow("biquadratic: one pair") << "Form52" << QStringList{"1", "1", "-2", "1"} << "D= 9"
                                           << QStringList{kNo, "X= 1,0", kNo, "X= -1,0"} << none;
    QTest::newRow("biquadratic: no solutions") << "Form52" << QStringList{"1", "3", "2", "0"} << "D= 1"
                                               << QStringList{kNo, kNo, kNo, kNo} << none;
    QTest::newRow("biquadratic: a = 0, 2X² - 8 = 0") << "Form52" << QStringList{"0", "2", "-8", "0"} << "D= 4"
                                                     << QStringList{"X= 2", "X= 2", "X= -2", "X= -2"} << none;
    QTest::newRow("biquadratic: letters in b") << "Form52" << QStringList{"1", "b", "4", "0"} << "D= 1"
                                               << earlier52 << invalid;
    QTest::newRow("biquadratic: rounding 2,5") << "Form52" << QStringList{"1", "-5", "4", "2,5"} << "D= 1"
                                               << earlier52 << invalid;
}

void TestEquationScreens::equations()
{
    QFETCH(QString, screen);
    QFETCH(QStringList, typed);
    QFETCH(QString, discriminant);
    QFETCH(QStringList, roots);
    QFETCH(QStringList, messages);

    QWidget *w = m_screens.byName(screen);
    const QStringList names = screen == u"Form11" ? QStringList{"Label9", "Label10"}
                                                   : QStringList{"Label9", "Label10", "Label16", "Label17"};
    solveEquation(w, {"1", "-3", "2", "0"});
    m_messages.clear();

    solveEquation(w, typed);
    QCOMPARE(m_messages, messages);
    QCOMPARE(text(w, "Label8"), discriminant);
    QStringList shown;
    for (const QString &name : names)
        shown << w->findChild<QLabel *>(name)->text();
    QCOMPARE(shown, roots);
}

// The quadratic screen's root lines appear with the first computation and
// stay; the biquadratic screen's four are there from the start.
void TestEquationScreens::rootLinesVisibility()
{
    support::RecordingContext context;
    const std::unique_ptr<TForm11> quadratic(new TForm11(context));
    QVERIFY(support::showActive(quadratic.get()));
    QVERIFY(!quadratic->Label9->isVisible() && !quadratic->Label10->isVisible());
    solveEquation(quadratic.get(), {"1", "-3", "", "0"});
    QCOMPARE(context.recorded, QStringList{kInvalid});
    QVERIFY(!quadratic->Label9->isVisible() && !quadratic->Label10->isVisible());
    solveEquation(quadratic.get(), {"1", "0", "1", "0"});
    QVERIFY(quadratic->Label9->isVisible() && quadratic->Label10->isVisible());
    QCOMPARE(quadratic->Label9->text(), kNo);
    solveEquation(quadratic.get(), {"1", "-3", "2", "0"});
    QVERIFY(quadratic->Label9->isVisible() && quadratic->Label10->isVisible());
    support::hideScreen(quadratic.get());
    QVERIFY(support::showActive(quadratic.get()));
    QVERIFY(quadratic->Label9->isVisible() && quadratic->Label10->isVisible());
    QCOMPARE(quadratic->Label10->text(), QStringLiteral("X2= 2"));
    support::hideScreen(quadratic.get());

    const std::unique_ptr<TForm52> biquadratic(new TForm52(context));
    QVERIFY(support::showActive(biquadratic.get()));
    for (QLabel *label : {biquadratic->Label18, biquadratic->Label9, biquadratic->Label10, biquadratic->Label16,
                          biquadratic->Label17})
        QVERIFY2(label->isVisible(), qPrintable(label->objectName()));
    support::hideScreen(biquadratic.get());
}

// Enter computes wherever the focus is on the screens that have it; on the
// biquadratic screen only the button computes.
void TestEquationScreens::enter_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("line");  // name=text after Enter
    QTest::addColumn<QString>("after");  // the same line after the button

    QTest::newRow("quadratic from c") << "Form11" << "Edit3" << QStringList{"1", "-1", "-6", "0"} << "Label10=X2= 3"
                                      << "Label10=X2= 3";
    QTest::newRow("quadratic from the rounding list") << "Form11" << "RzComboBox2" << QStringList{"1", "0", "-4", "1"}
                                                      << "Label9=X1= -2,0" << "Label9=X1= -2,0";
    QTest::newRow("quadratic keypad Enter on the button") << "Form11" << "Button2" << QStringList{"1", "-4", "4", "0"}
                                                          << "Label8=D= 0" << "Label8=D= 0";
    QTest::newRow("system from b2") << "Form13" << "Edit5" << QStringList{"1", "1", "3", "1", "-1", "1", "0"}
                                    << "Label10=Ответ: X= 2" << "Label10=Ответ: X= 2";
    QTest::newRow("biquadratic: Enter does nothing") << "Form52" << "Edit3" << QStringList{"1", "-5", "4", "0"}
                                                     << "Label8=D=" << "Label8=D= 9";
}

void TestEquationScreens::enter()
{
    QFETCH(QString, screen);
    QFETCH(QString, control);
    QFETCH(QStringList, typed);
    QFETCH(QString, line);
    QFETCH(QString, after);

    // A fresh screen, so that the lines read as they do at start.
    support::RecordingContext context;
    std::unique_ptr<QWidget> w;
    if (screen == u"Form11")
        w.reset(new TForm11(context));
    else if (screen == u"Form13")
        w.reset(new TForm13(context));
    else
        w.reset(new TForm52(context));
    const QStringList fields{"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6"};
    for (qsizetype i = 0; i + 1 < typed.size(); ++i)
        support::typeInto(w.get(), fields[i], typed[i]);
    support::typeInto(w.get(), QStringLiteral("RzComboBox2"), typed.last());

    QVERIFY(support::showActive(w.get()));
    auto *target = w->findChild<QWidget *>(control);
    target->setFocus();
    QTRY_VERIFY(target->hasFocus() || target->isAncestorOf(QApplication::focusWidget()));
    QTest::keyClick(QApplication::focusWidget(), control == u"Button2" ? Qt::Key_Enter : Qt::Key_Return);
    const auto check = [&](const QString &entry) {
        const qsizetype equals = entry.indexOf(u'=');
        return w->findChild<QLabel *>(entry.left(equals))->text() == entry.mid(equals + 1);
    };
    QVERIFY2(check(line), qPrintable(line));
    QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("Button2")), Qt::LeftButton);
    QVERIFY2(check(after), qPrintable(after));
    QVERIFY(context.recorded.isEmpty());
    support::hideScreen(w.get());
}

// Rows start from an earlier click with 3X + 6Y = 3, 3X + 3Y = 2 rounded to
// 2 places; a refused click leaves its verdict, lines and chart.
void TestEquationScreens::system_data()
{
    QTest::addColumn<QStringList>("typed");  // a1, b1, c1, a2, b2, c2, rounding
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<QString>("xLine");
    QTest::addColumn<QString>("yLine");
    QTest::addColumn<QList<QPointF>>("chart");  // Series1 at -4 and 4, then Series2
    QTest::addColumn<QStringList>("messages");

    const QStringList none;
    const QStringList invalid{kInvalid};
    // y = (3 - 3x) / 6 and y = (2 - 3x) / 3.
    const QList<QPointF> earlier{{-4, 2.5}, {4, -1.5}, {-4, 14.0 / 3}, {4, -10.0 / 3}};
    QTest::newRow("unique") << QStringList{"1", "1", "3", "1", "-1", "1", "0"} << kUnique << "Ответ: X= 2"
                            << "Y= 1" << QList<QPointF>{{-4, 7}, {4, -1}, {-4, -5}, {4, 3}} << none;
    QTest::newRow("unique, negative answers") << QStringList{"2", "3", "-7", "5", "-4", "-3", "3"} << kUnique
                                              << "Ответ: X= -1,609" << "Y= -1,261"
                                              << QList<QPointF>{{-4, 1.0 / 3}, {4, -5}, {-4, -4.25}, {4, 5.75}}
                                              << none;
    QTest::newRow("infinitely many") << QStringList{"1", "2", "3", "2", "4", "6", "0"} << kMany << "Ответ: X="
                                     << "Y=" << QList<QPointF>{{-4, 3.5}, {4, -0.5}, {-4, 3.5}, {4, -0.5}} << none;
    QTest::newRow("none") << QStringList{"1", "2", "3", "2", "4", "7", "0"} << kNone << "Ответ: X=" << "Y="
                          << QList<QPointF>{{-4, 3.5}, {4, -0.5}, {-4, 3.75}, {4, -0.25}} << none;
    QTest::newRow("none, bad rounding not read") << QStringList{"2", "3", "4", "4", "6", "9", "x"} << kNone
                                                 << "Ответ: X=" << "Y="
                                                 << QList<QPointF>{{-4, 4}, {4, -4.0 / 3}, {-4, 25.0 / 6}, {4, -7.0 / 6}}
                                                 << none;
    QTest::newRow("zero coefficient") << QStringList{"1", "1", "3", "1", "0", "1", "0"} << kUnique << "Ответ: X= 0,33"
                                      << "Y= 0,33" << earlier << invalid;
    QTest::newRow("coefficient 1,5") << QStringList{"1,5", "1", "3", "1", "-1", "1", "0"} << kUnique
                                     << "Ответ: X= 0,33" << "Y= 0,33" << earlier << invalid;
    QTest::newRow("empty coefficient") << QStringList{"1", "1", "3", "1", "-1", "", "0"} << kUnique
                                       << "Ответ: X= 0,33" << "Y= 0,33" << earlier << invalid;
    QTest::newRow("unique with a bad rounding") << QStringList{"1", "1", "3", "1", "-1", "1", "abc"} << kUnique
                                                << "Ответ: X= 0,33" << "Y= 0,33" << earlier << invalid;
}

void TestEquationScreens::system()
{
    QFETCH(QStringList, typed);
    QFETCH(QString, verdict);
    QFETCH(QString, xLine);
    QFETCH(QString, yLine);
    QFETCH(QList<QPointF>, chart);
    QFETCH(QStringList, messages);

    solveSystem({"3", "6", "3", "3", "3", "2", "2"});
    QCOMPARE(Form13->Label10->text(), QStringLiteral("Ответ: X= 0,33"));
    m_messages.clear();

    solveSystem(typed);
    QCOMPARE(m_messages, messages);
    QCOMPARE(Form13->Label14->text(), verdict);
    QCOMPARE(Form13->Label10->text(), xLine);
    QCOMPARE(Form13->Label11->text(), yLine);
    QCOMPARE(points(Form13->chart()->Series1) + points(Form13->chart()->Series2), chart);
    // The axes take in every point.
    for (const QPointF &point : chart) {
        QVERIFY(Form13->chart()->axisX->min() <= point.x() && point.x() <= Form13->chart()->axisX->max());
        QVERIFY(Form13->chart()->axisY->min() <= point.y() && point.y() <= Form13->chart()->axisY->max());
    }
}

// The chart is made when it is first wanted, with the lines of the clicks
// before it.
void TestEquationScreens::chartMadeWhenWanted()
{
    TForm13 fresh(m_context);
    QVERIFY(!fresh.Chart1);
    QVERIFY(!fresh.findChild<QChartView *>());
    const QStringList typed{"1", "1", "3", "1", "-1", "1", "0"};
    for (int k = 0; k < 6; ++k)
        support::type(fresh.findChild<QLineEdit *>(QStringLiteral("Edit%1").arg(k + 1)), typed[k]);
    fresh.Button2->click();
    QCOMPARE(fresh.Label10->text(), QStringLiteral("Ответ: X= 2"));
    QVERIFY(!fresh.Chart1);
    fresh.Button3->click();
    QVERIFY(fresh.Chart1);
    QCOMPARE(fresh.Chart1->Series1->points() + fresh.Chart1->Series2->points(),
             (QList<QPointF>{{-4, 7}, {4, -1}, {-4, -5}, {4, 3}}));
    QCOMPARE(fresh.Series1, fresh.Chart1->Series1);
}

void TestEquationScreens::chartLook()
{
    solve::SystemChart *chart = Form13->chart();
    QCOMPARE(chart->objectName(), QStringLiteral("Chart1"));
    QCOMPARE(chart->parentWidget(), Form13);
    QCOMPARE(chart->geometry(), QRect(400, 5, 273, 260));
    QCOMPARE(Form13->chart()->Series1->objectName(), QStringLiteral("Series1"));
    QCOMPARE(Form13->chart()->Series2->objectName(), QStringLiteral("Series2"));
    QCOMPARE(Form13->chart()->Series1->pen().color(), QColor(Qt::red));
    QCOMPARE(Form13->chart()->Series2->pen().color(), QColor(Qt::blue));
    for (const QLineSeries *series : {Form13->chart()->Series1, Form13->chart()->Series2}) {
        QCOMPARE(series->pen().width(), 2);
        QVERIFY(!series->pointsVisible());
        QVERIFY(!series->pointLabelsVisible());
    }
    QCOMPARE(chart->chart()->series().size(), 2);
    QVERIFY(!chart->chart()->legend()->isVisible());
    QVERIFY(chart->chart()->title().isEmpty());
    QVERIFY(!chart->chart()->isPlotAreaBackgroundVisible());
    QVERIFY(!chart->isInteractive());
    QCOMPARE(chart->rubberBand(), QChartView::NoRubberBand);
    const QGradientStops stops = chart->chart()->backgroundBrush().gradient()->stops();
    QCOMPARE(stops.first(), QGradientStop(0, QColor(9, 205, 247)));
    QCOMPARE(stops.last(), QGradientStop(1, QColor(21, 218, 234)));
    const auto *gradient = static_cast<const QLinearGradient *>(chart->chart()->backgroundBrush().gradient());
    QCOMPARE(gradient->start().x(), gradient->finalStop().x());  // vertical, top to bottom
    QVERIFY(gradient->start().y() < gradient->finalStop().y());
}

// The red and blue lines cross at the solution the answer lines give, inside
// the plot.
void TestEquationScreens::chartCrossing()
{
    solveSystem({"2", "3", "7", "5", "-4", "3", "6"});
    QCOMPARE(Form13->Label10->text(), QStringLiteral("Ответ: X= 1,608696"));
    QCOMPARE(Form13->Label11->text(), QStringLiteral("Y= 1,260870"));
    const QList<QPointF> red = points(Form13->chart()->Series1);
    const QList<QPointF> blue = points(Form13->chart()->Series2);
    QCOMPARE(red.size(), 2);
    QCOMPARE(blue.size(), 2);
    const auto slope = [](const QList<QPointF> &p) { return (p[1].y() - p[0].y()) / (p[1].x() - p[0].x()); };
    const double x = red[0].x() + (blue[0].y() - red[0].y()) / (slope(red) - slope(blue));
    const double y = red[0].y() + slope(red) * (x - red[0].x());
    QCOMPARE(QString::number(x, 'f', 6).replace(u'.', u','), QStringLiteral("1,608696"));
    QCOMPARE(QString::number(y, 'f', 6).replace(u'.', u','), QStringLiteral("1,260870"));

    QVERIFY(support::showActive(Form13));
    if (!Form13->wide())
        Form13->Button3->click();
    QChart *chart = Form13->chart()->chart();
    QTRY_VERIFY(chart->plotArea().width() > 0);
    QVERIFY(chart->plotArea().contains(chart->mapToPosition(QPointF(x, y), Form13->chart()->Series1)));
    Form13->Button3->click();
    support::hideScreen(Form13);
}

// The verdict is written before the rounding text is read: a bad one leaves
// the answer lines and the chart of the earlier click.
void TestEquationScreens::verdictBeforeBadRounding()
{
    solveSystem({"1", "2", "3", "2", "4", "6", "0"});
    QCOMPARE(Form13->Label14->text(), kMany);
    const QList<QPointF> before = points(Form13->chart()->Series1) + points(Form13->chart()->Series2);
    m_messages.clear();
    solveSystem({"1", "1", "3", "1", "-1", "1", "two"});
    QCOMPARE(m_messages, QStringList{kInvalid});
    QCOMPARE(Form13->Label14->text(), kUnique);
    QCOMPARE(Form13->Label10->text(), QStringLiteral("Ответ: X="));
    QCOMPARE(Form13->Label11->text(), QStringLiteral("Y="));
    QCOMPARE(points(Form13->chart()->Series1) + points(Form13->chart()->Series2), before);
}

// "График >>" widens the window to show the whole chart and narrows it
// again; the width outlives closing the screen.
void TestEquationScreens::widthToggle()
{
    QVERIFY(support::showActive(Form13));
    QCOMPARE(Form13->width(), 398);
    QVERIFY(!Form13->rect().intersects(Form13->chart()->geometry()));
    const QString caption = Form13->Button3->text();

    QTest::mouseClick(Form13->Button3, Qt::LeftButton);
    QCOMPARE(Form13->width(), 680);
    QCOMPARE(Form13->minimumWidth(), Form13->maximumWidth());
    QVERIFY(Form13->rect().contains(Form13->chart()->geometry()));
    QCOMPARE(Form13->Image2->geometry(), Form13->rect());
    QCOMPARE(Form13->Button3->text(), caption);

    Form13->close();
    support::hideScreen(Form13);
    QVERIFY(support::showActive(Form13));
    QCOMPARE(Form13->width(), 680);
    QVERIFY(Form13->chart()->isVisible());

    QTest::mouseClick(Form13->Button3, Qt::LeftButton);
    QCOMPARE(Form13->width(), 398);
    Form13->close();
    support::hideScreen(Form13);
    QVERIFY(support::showActive(Form13));
    QCOMPARE(Form13->width(), 398);
    QCOMPARE(Form13->height(), 269);
    support::hideScreen(Form13);
}

// The brace: 11 × 81, transparent around its strokes, its point at the
// middle of the left side and its ends at the right-hand corners, drawn at
// the full resolution of the screen.
void TestEquationScreens::brace()
{
    solve::CurlyBrace *brace = Form13->Image1;
    QCOMPARE(brace->objectName(), QStringLiteral("Image1"));
    QCOMPARE(brace->geometry(), QRect(40, 32, 11, 81));

    const auto render = [brace](int scale) {
        QImage image(brace->size() * scale, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(scale);
        image.fill(Qt::transparent);
        brace->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        return image;
    };
    const QImage image = render(1);
    const auto alpha = [&image](int x, int y) { return qAlpha(image.pixel(x, y)); };
    QCOMPARE(alpha(0, 0), 0);
    QCOMPARE(alpha(0, 80), 0);
    QCOMPARE(alpha(10, 40), 0);
    QVERIFY(alpha(0, 40) > 100);   // the point
    QVERIFY(alpha(10, 0) > 100);   // the upper end
    QVERIFY(alpha(10, 80) > 100);  // the lower end
    QVERIFY(alpha(5, 20) > 100);   // the upper stem
    QVERIFY(alpha(5, 60) > 100);   // the lower stem

    // At four times the pixels the strokes are drawn anew: their blurred
    // edges are a thin rim, not a quarter of the ink as in an enlarged copy.
    const auto rim = [](const QImage &picture) {
        int inked = 0, partial = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                const int a = qAlpha(picture.pixel(x, y));
                inked += a > 0;
                partial += a > 0 && a < 255;
            }
        return double(partial) / inked;
    };
    const QImage sharp = render(4);
    const QImage enlarged = image.scaled(sharp.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QVERIFY2(rim(sharp) < 0.5 * rim(enlarged), qPrintable(QStringLiteral("%1 vs %2").arg(rim(sharp)).arg(rim(enlarged))));
}

QTEST_MAIN(TestEquationScreens)
#include "tst_equationscreens.moc"
