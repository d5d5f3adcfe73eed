// The main window: its start state, the accordion of its group bar and the
// items that open the other screens.
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit5.h"
#include "Unit7.h"
#include "Unit24.h"
#include "Unit45.h"
#include "Unit46.h"
#include "Unit47.h"
#include "Unit48.h"
#include "Unit49.h"
#include "Unit50.h"
#include "Unit51.h"
#include "screens.h"
#include "support.h"

#include <QLineEdit>
#include <QPushButton>

#include <map>

namespace {

QStringList openedGroups(const TForm1 &form)
{
    QStringList names;
    for (const TRzGroup *group : form.RzGroupBar1->groups())
        if (group->opened())
            names << group->objectName();
    return names;
}

// The program's top-level window of that name, or null.
QWidget *topLevel(const QString &name)
{
    for (QWidget *top : QApplication::topLevelWidgets())
        if (top->objectName() == name)
            return top;
    return nullptr;
}

void clickCaption(TForm1 &form, const QString &group)
{
    auto *g = form.RzGroupBar1->findChild<TRzGroup *>(group);
    QVERIFY2(g, qPrintable(group));
    QTest::mouseClick(g->captionBar(), Qt::LeftButton);
}

// Clicking a group's item opens its screen, active, with its caption; the
// group opened first where `openGroup`.
void clickOpens(TRzGroup *group, int item, const QString &screen, const QString &caption, bool openGroup)
{
    QWidget *w = topLevel(screen);
    QVERIFY(!w || !w->isVisible());
    QVERIFY(support::showActive(Form1));
    if (openGroup)
        group->setOpened(true);
    QTest::mouseClick(Form1->item(group, item), Qt::LeftButton);
    w = topLevel(screen);
    QVERIFY(w);
    QVERIFY(QTest::qWaitForWindowActive(w));
    QCOMPARE(w->windowTitle(), caption);
    support::hideScreen(w);
}

}  // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();

    void startState();
    void screensMadeWhenFirstOpened();
    void screenTable();
    void accordion_data();
    void accordion();
    void closedGroupItemsAreNotReachable();
    void items_data();
    void items();
    void itemOpensScreenAndBringsItToFront();
    void conversionItems_data();
    void conversionItems();
    void keyboardOpensGroupsAndItems_data();
    void keyboardOpensGroupsAndItems();
    void solidItems_data();
    void solidItems();
    void solidItemHidesTheOtherSolids();
    void exitClosesLikeTheTitleBar();
    void referenceItems_data();
    void referenceItems();
    void calculatorItem_data();
    void calculatorItem();

private:
    QTemporaryDir m_settings;
    support::RecordingContext m_context;
};

void TestMainWindow::initTestCase()
{
    m_context.messages = [](const QString &text) { QFAIL(qPrintable(text)); };
    // An empty store: every window starts in its designed state.
    QVERIFY(m_settings.isValid());
    m_context.settingsFile = m_settings.filePath(QStringLiteral("kalkort.conf"));
    m_context.presentWelcome = [] {};
    createScreens(m_context);
}

void TestMainWindow::cleanupTestCase() { destroyScreens(); }

void TestMainWindow::startState()
{
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.windowTitle(), QStringLiteral("Калькорт 1.6.1 Pro"));
    QCOMPARE(form.pos(), QPoint(399, 29));
    QCOMPARE(form.size(), QSize(215, 637));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(form.windowFlags() & Qt::WindowMinimizeButtonHint);
    QCOMPARE(form.RzGroupBar1->geometry(), form.rect());
    QCOMPARE(openedGroups(form), (QStringList{"RzGroup1", "RzGroup2"}));

    // Top to bottom, with their captions and opened heights.
    const std::vector<std::tuple<QString, QString, int>> expected = {
        {"RzGroup3", "Главное меню", 20}, {"RzGroup1", "Площадь", 208},      {"RzGroup6", "Объём", 20},
        {"RzGroup2", "Переводы", 288},    {"RzGroup4", "Решение задач", 20}, {"RzGroup5", "Разное", 20},
    };
    int previousBottom = 0;
    QCOMPARE(form.RzGroupBar1->groups().size(), expected.size());
    for (std::size_t k = 0; k < expected.size(); ++k) {
        const TRzGroup *group = form.RzGroupBar1->groups()[k];
        QCOMPARE(group->objectName(), std::get<0>(expected[k]));
        QCOMPARE(group->caption(), std::get<1>(expected[k]));
        QCOMPARE(group->captionBar()->text(), std::get<1>(expected[k]));
        QCOMPARE(group->height(), std::get<2>(expected[k]));
        QVERIFY(group->y() >= previousBottom + 8);
        previousBottom = group->geometry().bottom() + 1;
    }
    // The background holder lies under the bar.
    QVERIFY(form.Image1->isVisible());
    QCOMPARE(form.Image1->geometry(), QRect(0, -16, 161, 469));
    QCOMPARE(form.childAt(20, 200), form.RzGroupBar1->childAt(20, 200) ? form.RzGroupBar1->childAt(20, 200)
                                                                          : form.RzGroupBar1);
}

// At start the main window and the settings screen exist; a screen is made
// when its item first opens it, and kept: closing only hides it.
void TestMainWindow::screensMadeWhenFirstOpened()
{
    QVERIFY(Form1);
    QVERIFY(Form24);
    QVERIFY(!Form5);
    QVERIFY(!Form7);
    QVERIFY(!Form45);
    QVERIFY(!topLevel(QStringLiteral("Form5")));
    QVERIFY(support::showActive(Form1));
    QTest::mouseClick(Form1->item(Form1->RzGroup1, 0), Qt::LeftButton);
    QVERIFY(Form5);
    TForm5 *made = Form5;
    QVERIFY(QTest::qWaitForWindowActive(Form5));
    Form5->close();
    QTest::mouseClick(Form1->item(Form1->RzGroup1, 0), Qt::LeftButton);
    QCOMPARE(Form5, made);
    QVERIFY(Form5->isVisible());
    support::hideScreen(Form5);
    QVERIFY(!Form7);
}

// The screens in their creation order, and the item that opens each, as the
// program's design lists them.
void TestMainWindow::screenTable()
{
    const QStringList order = {
        "TForm1",  "TForm2",  "TForm3",  "TForm4",  "TForm5",  "TForm6",  "TForm7",  "TForm8",
        "TForm9",  "TForm10", "TForm11", "TForm12", "TForm13", "TForm14", "TForm16", "TForm17",
        "TForm18", "TForm19", "TForm20", "TForm21", "TForm22", "TForm23", "TForm24", "TForm25",
        "TForm28", "TForm29", "TForm30", "TForm32", "TForm33", "TForm34", "TForm35", "TForm36",
        "TForm38", "TForm39", "TForm40", "TForm41", "TForm42", "TForm43", "TForm44", "TForm45",
        "TForm46", "TForm47", "TForm48", "TForm49", "TForm50", "TForm51", "TForm52", "TForm53"};
    const std::map<QString, QString> opens = {
        {"RzGroup3Items0", "TForm24"}, {"RzGroup3Items1", "TForm10"}, {"RzGroup1Items0", "TForm5"},
        {"RzGroup1Items1", "TForm3"},  {"RzGroup1Items2", "TForm4"},  {"RzGroup1Items3", "TForm6"},
        {"RzGroup1Items4", "TForm2"},  {"RzGroup1Items5", "TForm14"}, {"RzGroup1Items7", "TForm16"},
        {"RzGroup1Items8", "TForm17"}, {"RzGroup1Items9", "TForm19"}, {"RzGroup6Items0", "TForm46"},
        {"RzGroup6Items3", "TForm48"}, {"RzGroup6Items1", "TForm45"}, {"RzGroup6Items2", "TForm47"},
        {"RzGroup6Items4", "TForm49"}, {"RzGroup6Items5", "TForm50"}, {"RzGroup6Items6", "TForm51"},
        {"RzGroup2Items0", "TForm7"},  {"RzGroup2Items1", "TForm8"},  {"RzGroup2Items2", "TForm9"},
        {"RzGroup2Items3", "TForm18"}, {"RzGroup2Items4", "TForm20"}, {"RzGroup2Items5", "TForm21"},
        {"RzGroup2Items6", "TForm22"}, {"RzGroup2Items7", "TForm23"}, {"RzGroup2Items8", "TForm28"},
        {"RzGroup2Items9", "TForm29"}, {"RzGroup2Items10", "TForm30"}, {"RzGroup2Items11", "TForm41"},
        {"RzGroup2Items12", "TForm42"}, {"RzGroup4Items0", "TForm11"}, {"RzGroup4Items5", "TForm52"},
        {"RzGroup4Items1", "TForm13"}, {"RzGroup4Items2", "TForm40"}, {"RzGroup4Items3", "TForm43"},
        {"RzGroup4Items4", "TForm44"}, {"RzGroup5Items0", "TForm12"}, {"RzGroup5Items1", "TForm32"},
        {"RzGroup5Items2", "TForm33"}, {"RzGroup5Items3", "TForm34"}, {"RzGroup5Items4", "TForm35"},
        {"RzGroup5Items5", "TForm36"}, {"RzGroup5Items6", "TForm38"}, {"RzGroup5Items7", "TForm39"},
        {"RzGroup5Items9", "TForm53"}};
    QStringList classes;
    for (const screens::Row &row : screens::table()) {
        classes << QString::fromLatin1(row.className);
        if (row.item) {
            QVERIFY2(opens.count(QLatin1String(row.item)), row.item);
            QCOMPARE(QString::fromLatin1(row.className), opens.at(QLatin1String(row.item)));
        }
    }
    QCOMPARE(classes, order);
    int withItems = 0;
    for (const screens::Row &row : screens::table())
        withItems += row.item != nullptr;
    QCOMPARE(withItems, int(opens.size()));
}

void TestMainWindow::accordion_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QList<int>>("heights");
    QTest::addColumn<QStringList>("opened");

    QTest::newRow("open Решение задач from the start state")
        << QStringList{"RzGroup4"} << QList<int>{637 - 188 - 268 + 128} << QStringList{"RzGroup4"};
    QTest::newRow("close the only opened group")
        << QStringList{"RzGroup4", "RzGroup4"} << QList<int>{309, 309 - 128} << QStringList{};
    QTest::newRow("close one of the two start groups")
        << QStringList{"RzGroup1"} << QList<int>{637 - 188} << QStringList{"RzGroup2"};
    QTest::newRow("close both start groups")
        << QStringList{"RzGroup1", "RzGroup2"} << QList<int>{449, 449 - 268} << QStringList{};
    QTest::newRow("open an opened start group again after closing")
        << QStringList{"RzGroup2", "RzGroup2"} << QList<int>{637 - 268, 637 - 268 - 188 + 268}
        << QStringList{"RzGroup2"};
    QTest::newRow("open each group in turn")
        << QStringList{"RzGroup3", "RzGroup5", "RzGroup6", "RzGroup1", "RzGroup2", "RzGroup4"}
        << QList<int>{249, 249 - 68 + 208, 389 - 208 + 148, 329 - 148 + 188, 369 - 188 + 268, 449 - 268 + 128}
        << QStringList{"RzGroup4"};
    QTest::newRow("all closed then Главное меню")
        << QStringList{"RzGroup1", "RzGroup2", "RzGroup3"} << QList<int>{449, 181, 181 + 68}
        << QStringList{"RzGroup3"};
}

void TestMainWindow::accordion()
{
    QFETCH(QStringList, clicks);
    QFETCH(QList<int>, heights);
    QFETCH(QStringList, opened);

    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    for (int k = 0; k < clicks.size(); ++k) {
        clickCaption(form, clicks[k]);
        QCOMPARE(form.height(), heights[k]);
        QCOMPARE(form.minimumHeight(), heights[k]);
        QCOMPARE(form.width(), 215);
    }
    QCOMPARE(openedGroups(form), opened);
    // Caption bars plus the opened group fit the window; nothing is cut off.
    const TRzGroup *last = form.RzGroupBar1->groups().back();
    QVERIFY(last->geometry().bottom() < form.height());
    for (const TRzGroup *group : form.RzGroupBar1->groups())
        QCOMPARE(group->height(), group->opened() ? group->openedHeight() : 20);
}

void TestMainWindow::closedGroupItemsAreNotReachable()
{
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    for (const TRzGroupItem *item : form.RzGroup3->items())
        QVERIFY(!item->isVisible());
    for (const TRzGroupItem *item : form.RzGroup1->items())
        QVERIFY(item->isVisible());
    clickCaption(form, QStringLiteral("RzGroup3"));
    for (const TRzGroupItem *item : form.RzGroup3->items())
        QVERIFY(item->isVisible());
    for (const TRzGroupItem *item : form.RzGroup1->items())
        QVERIFY(!item->isVisible());
}

void TestMainWindow::items_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QStringList>("enabled");

    QTest::newRow("Главное меню") << "RzGroup3" << QStringList{"Настройки", "О программе...", "Выход"}
                                  << QStringList{"Настройки", "О программе...", "Выход"};
    QTest::newRow("Площадь") << "RzGroup1"
                             << QStringList{"Треугольник", "Прямоугольник", "Параллелограмм", "Круг", "Квадрат",
                                            "Трапеция", "Правильный многоугольник", "Эллипс", "Полукруг"}
                             << QStringList{"Треугольник", "Прямоугольник", "Параллелограмм", "Круг", "Квадрат",
                                            "Трапеция", "Правильный многоугольник", "Эллипс", "Полукруг"};
    QTest::newRow("Объём") << "RzGroup6"
                           << QStringList{"Конус", "Усечённый конус", "Цилиндр", "Сфера", "Пирамида",
                                          "Усечённая пирамида", "Призма"}
                           << QStringList{"Конус", "Усечённый конус", "Цилиндр", "Сфера", "Пирамида",
                                          "Усечённая пирамида", "Призма"};
    QTest::newRow("Переводы") << "RzGroup2"
                              << QStringList{"Меры массы", "Меры длины", "Температура", "Единицы информации",
                                             "Скорость", "Давление", "Единицы сил", "Единицы мощности",
                                             "Меры площадей", "Меры объёма тел", "Меры объёма жидкостей",
                                             "Угловая мера", "Единицы энергии"}
                              << QStringList{"Меры массы", "Меры длины", "Температура", "Единицы информации",
                                             "Скорость", "Давление", "Единицы сил", "Единицы мощности",
                                             "Меры площадей", "Меры объёма тел", "Меры объёма жидкостей",
                                             "Угловая мера", "Единицы энергии"};
    QTest::newRow("Решение задач") << "RzGroup4"
                                   << QStringList{"Квадратное уравнение", "Биквадратное уравнение",
                                                  "Система линейных уравнений", "Операции с дробями",
                                                  "Арифметическая прогрессия", "Геометрическая прогрессия"}
                                   << QStringList{"Квадратное уравнение", "Биквадратное уравнение",
                                                  "Система линейных уравнений", "Операции с дробями",
                                                  "Арифметическая прогрессия", "Геометрическая прогрессия"};
    QTest::newRow("Разное") << "RzGroup5"
                            << QStringList{"Плотность веществ", "Скорость различных объектов", "Самые высокие горы",
                                           "Самые большие озёра", "Самые длинные реки",
                                           "Краткая справка по планетам", "Основные константы",
                                           "Десятичные приставки в СИ", "Калькулятор Windows",
                                           "Эталоны системы единиц СИ"}
                            << QStringList{"Плотность веществ", "Скорость различных объектов", "Самые высокие горы",
                                           "Самые большие озёра", "Самые длинные реки",
                                           "Краткая справка по планетам", "Основные константы",
                                           "Десятичные приставки в СИ", "Калькулятор Windows",
                                           "Эталоны системы единиц СИ"};
}

// Every item is shown in order; the ones whose screen is not part of the
// program yet are disabled.
void TestMainWindow::items()
{
    QFETCH(QString, group);
    QFETCH(QStringList, captions);
    QFETCH(QStringList, enabled);

    const auto *g = Form1->RzGroupBar1->findChild<TRzGroup *>(group);
    QStringList shown, active;
    int y = -1;
    for (const TRzGroupItem *item : g->items()) {
        shown << item->text();
        if (item->isEnabled())
            active << item->text();
        QVERIFY(item->y() > y);
        y = item->y();
        QCOMPARE(item->height(), 20);
    }
    QCOMPARE(shown, captions);
    QCOMPARE(active, enabled);
    QCOMPARE(g->openedHeight(), 28 + 20 * int(captions.size()));
}

void TestMainWindow::itemOpensScreenAndBringsItToFront()
{
    QVERIFY(support::showActive(Form1));
    TRzGroupItem *triangle = Form1->item(Form1->RzGroup1, 0);
    TRzGroupItem *rectangle = Form1->item(Form1->RzGroup1, 1);
    QCOMPARE(triangle->text(), QStringLiteral("Треугольник"));

    QTest::mouseClick(triangle, Qt::LeftButton);
    QVERIFY(Form5->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(Form5));
    Form5->Edit1->setText(QStringLiteral("12"));

    QTest::mouseClick(rectangle, Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowActive(Form3));
    QVERIFY(Form5->isVisible());

    QTest::mouseClick(triangle, Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowActive(Form5));
    QCOMPARE(Form5->Edit1->text(), QStringLiteral("12"));

    // Closing only hides; opening again shows what was typed.
    Form5->close();
    QVERIFY(!Form5->isVisible());
    QTest::qWait(50);
    QTest::mouseClick(triangle, Qt::LeftButton);
    QVERIFY(Form5->isVisible());
    QCOMPARE(Form5->Edit1->text(), QStringLiteral("12"));
    support::hideScreen(Form5);
    support::hideScreen(Form3);
}

void TestMainWindow::conversionItems_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("caption");

    QTest::newRow("Меры массы") << 0 << "Form7" << "Меры массы";
    QTest::newRow("Меры длины") << 1 << "Form8" << "Меры длины";
    QTest::newRow("Температура") << 2 << "Form9" << "Температура";
    QTest::newRow("Единицы информации") << 3 << "Form18" << "Единицы информации";
    QTest::newRow("Скорость") << 4 << "Form20" << "Скорость";
    QTest::newRow("Давление") << 5 << "Form21" << "Давление";
    QTest::newRow("Единицы сил") << 6 << "Form22" << "Единицы сил";
    QTest::newRow("Единицы мощности") << 7 << "Form23" << "Единицы мощности";
    QTest::newRow("Меры площадей") << 8 << "Form28" << "Меры площади";
    QTest::newRow("Меры объёма тел") << 9 << "Form29" << "Меры объёма тел";
    QTest::newRow("Меры объёма жидкостей") << 10 << "Form30" << "Меры объёма жидкостей";
    QTest::newRow("Угловая мера") << 11 << "Form41" << "Угловая мера";
    QTest::newRow("Единицы энергии") << 12 << "Form42" << "Единицы энергии";
}

void TestMainWindow::conversionItems()
{
    QFETCH(int, item);
    QFETCH(QString, screen);
    QFETCH(QString, caption);

    clickOpens(Form1->RzGroup2, item, screen, caption, false);
}

// Space, Enter and the keypad's Enter press a focused caption bar or item.
void TestMainWindow::keyboardOpensGroupsAndItems_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Space") << int(Qt::Key_Space) << int(Qt::NoModifier);
    QTest::newRow("Enter") << int(Qt::Key_Return) << int(Qt::NoModifier);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
}

void TestMainWindow::keyboardOpensGroupsAndItems()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    const auto press = [key, modifiers](QWidget *target) {
        QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    };
    TForm1 &form = *Form1;
    QVERIFY(support::showActive(&form));
    TRzGroupCaption *caption = form.RzGroup4->captionBar();
    caption->setFocus();
    QTRY_VERIFY(caption->hasFocus());
    press(caption);
    QCOMPARE(openedGroups(form), QStringList{"RzGroup4"});
    QCOMPARE(form.height(), 309);

    // Tab goes from a caption bar through its group's enabled items.
    TRzGroupCaption *area = form.RzGroup1->captionBar();
    area->setFocus();
    QTRY_VERIFY(area->hasFocus());
    press(area);
    QCOMPARE(openedGroups(form), QStringList{"RzGroup1"});
    QTest::keyClick(area, Qt::Key_Tab);
    QTRY_COMPARE(QApplication::focusWidget(), form.item(form.RzGroup1, 0));
    for (int k = 1; k <= 4; ++k)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    TRzGroupItem *square = form.item(form.RzGroup1, 4);
    QTRY_COMPARE(QApplication::focusWidget(), square);
    press(square);
    QVERIFY(Form2->isVisible());
    support::hideScreen(Form2);
    form.RzGroup2->setOpened(true);
    support::hideScreen(&form);
}

void TestMainWindow::solidItems_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("screen");

    QTest::newRow("Конус") << 0 << "Конус";
    QTest::newRow("Цилиндр") << 1 << "Цилиндр";
    QTest::newRow("Сфера") << 2 << "Сфера";
    QTest::newRow("Усечённый конус") << 3 << "Усечённый конус";
    QTest::newRow("Пирамида") << 4 << "Пирамида";
    QTest::newRow("Усечённая пирамида") << 5 << "Усечённая пирамида";
    QTest::newRow("Призма") << 6 << "Призма";
}

// Each item shows its own solid screen and only that one.
void TestMainWindow::solidItems()
{
    QFETCH(int, index);
    QFETCH(QString, screen);

    screens::createAll();
    const std::vector<QWidget *> solids{Form45, Form46, Form47, Form48, Form49, Form50, Form51};
    for (QWidget *w : solids)
        w->show();
    Form1->RzGroup6->setOpened(true);
    QTest::mouseClick(Form1->item(Form1->RzGroup6, index), Qt::LeftButton);
    QStringList shown;
    for (QWidget *w : solids)
        if (w->isVisible())
            shown << w->windowTitle();
    QCOMPARE(shown, QStringList{screen});
    for (QWidget *w : solids)
        w->hide();
}

// A wide solid screen closed by another solid item is narrow when shown again.
void TestMainWindow::solidItemHidesTheOtherSolids()
{
    Form1->RzGroup6->setOpened(true);
    QTest::mouseClick(Form1->item(Form1->RzGroup6, 1), Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowExposed(Form45));
    Form45->Edit1->setText(QStringLiteral("7"));
    Form45->Button1->click();
    QVERIFY(Form45->wide());

    QTest::mouseClick(Form1->item(Form1->RzGroup6, 2), Qt::LeftButton);
    QVERIFY(!Form45->isVisible());
    QVERIFY(Form47->isVisible());
    QVERIFY(!Form45->wide());

    QTest::mouseClick(Form1->item(Form1->RzGroup6, 1), Qt::LeftButton);
    QVERIFY(!Form47->isVisible());
    QVERIFY(Form45->isVisible());
    QCOMPARE(Form45->width(), 368);
    QCOMPARE(Form45->Edit1->text(), QStringLiteral("7"));
    // Opening the open screen again keeps it.
    QTest::mouseClick(Form1->item(Form1->RzGroup6, 1), Qt::LeftButton);
    QVERIFY(Form45->isVisible());
    support::hideScreen(Form45);
}

void TestMainWindow::exitClosesLikeTheTitleBar()
{
    TForm1 form;
    support::CloseCounter counter;
    form.installEventFilter(&counter);
    QVERIFY(support::showActive(&form));
    form.RzGroup3->setOpened(true);
    TRzGroupItem *exit = form.item(form.RzGroup3, 2);
    QCOMPARE(exit->text(), QStringLiteral("Выход"));
    QTest::mouseClick(exit, Qt::LeftButton);
    QCOMPARE(counter.closes, 1);
    QVERIFY(!form.isVisible());
}

void TestMainWindow::referenceItems_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("caption");

    QTest::newRow("Плотность веществ") << 0 << "Form12" << "Плотность веществ";
    QTest::newRow("Скорость различных объектов") << 1 << "Form32" << "Скорость различных объектов";
    QTest::newRow("Самые высокие горы") << 2 << "Form33" << "Самые высокие горы";
    QTest::newRow("Самые большие озёра") << 3 << "Form34" << "Самые большие озёра";
    QTest::newRow("Самые длинные реки") << 4 << "Form35" << "Самые длинные реки";
    QTest::newRow("Краткая справка по планетам") << 5 << "Form36" << "Краткая справка по планетам";
    QTest::newRow("Основные константы") << 6 << "Form38" << "Основные константы (постоянные) всего:64";
    QTest::newRow("Десятичные приставки в СИ") << 7 << "Form39" << "Десятичные приставки в СИ";
    QTest::newRow("Эталоны системы единиц СИ") << 9 << "Form53" << "Эталоны системы единиц СИ";
}

void TestMainWindow::referenceItems()
{
    QFETCH(int, item);
    QFETCH(QString, screen);
    QFETCH(QString, caption);

    clickOpens(Form1->RzGroup5, item, screen, caption, true);
}

void TestMainWindow::calculatorItem_data()
{
    QTest::addColumn<bool>("installed");
    QTest::newRow("a calculator installed") << true;
    QTest::newRow("none: nothing happens") << false;
}

// "Калькулятор Windows" starts the desktop's calculator, here a fake one
// named by a desktop entry in a temporary application folder.
void TestMainWindow::calculatorItem()
{
    QFETCH(bool, installed);
    QTemporaryDir root;
    const QString program = root.filePath(QStringLiteral("bin/abacus"));
    const QString entry = root.filePath(QStringLiteral("data/applications/abacus.desktop"));
    QVERIFY(QDir().mkpath(root.filePath(QStringLiteral("bin"))));
    QVERIFY(QDir().mkpath(root.filePath(QStringLiteral("data/applications"))));
    QFile script(program);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\necho started > \"$0.ran\"\n");
    script.close();
    QVERIFY(script.setPermissions(script.permissions() | QFileDevice::ExeOwner));
    QFile desktop(entry);
    QVERIFY(desktop.open(QIODevice::WriteOnly));
    desktop.write(installed ? "[Desktop Entry]\nType=Application\nName=Abacus\nExec=abacus\nCategories=Calculator;\n"
                            : "[Desktop Entry]\nType=Application\nName=Abacus\nExec=abacus\nCategories=Office;\n");
    desktop.close();

    const QByteArray home = qgetenv("XDG_DATA_HOME");
    const QByteArray dirs = qgetenv("XDG_DATA_DIRS");
    const QByteArray path = qgetenv("PATH");
    qputenv("XDG_DATA_HOME", QFile::encodeName(root.filePath(QStringLiteral("data"))));
    qputenv("XDG_DATA_DIRS", QFile::encodeName(root.filePath(QStringLiteral("none"))));
    qputenv("PATH", QFile::encodeName(root.filePath(QStringLiteral("bin"))));
    Form1->RzGroup5->setOpened(true);
    TRzGroupItem *item = Form1->item(Form1->RzGroup5, 8);
    QCOMPARE(item->text(), QStringLiteral("Калькулятор Windows"));
    QTest::mouseClick(item, Qt::LeftButton);
    qputenv("XDG_DATA_HOME", home);
    qputenv("XDG_DATA_DIRS", dirs);
    qputenv("PATH", path);

    if (installed) {
        QTRY_VERIFY(QFile::exists(program + QStringLiteral(".ran")));
    } else {
        QTest::qWait(300);
        QVERIFY(!QFile::exists(program + QStringLiteral(".ran")));
    }
    // No window of the program opened, no message shown.
    QVERIFY(m_context.recorded.isEmpty());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
