// What every screen of the screen table offers the keyboard and screen
// readers: Ctrl+C copies the answer (or a selection, as usual), the answer
// line's menu copies it too, Escape closes a screen as its close button does,
// every field and list is named after its caption, also after a mode switch,
// and the answer line tells screen readers of its new text. And one screen of
// each kind used from the keyboard alone.
#include "Unit1.h"
#include "Unit24.h"
#include "access.h"
#include "appearance.h"
#include "artwork.h"
#include "screens.h"
#include "siunits.h"
#include "solidscreen.h"
#include "support.h"

#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTextEdit>

namespace {

QWidget *screenOf(const QString &className)
{
    for (const screens::Row &row : screens::table())
        if (className == QLatin1String(row.className))
            return screens::screen(row);
    qFatal("no screen %s", qPrintable(className));
}

// A control inside another (a list's line edit or scroll bar) is part of it.
bool partOfAnother(const QWidget *widget)
{
    for (const QWidget *up = widget->parentWidget(); up && !up->isWindow(); up = up->parentWidget())
        if (qobject_cast<const QComboBox *>(up) || qobject_cast<const QAbstractScrollArea *>(up))
            return true;
    return false;
}

// The screen's fields and lists.
std::vector<QWidget *> fieldsAndLists(const QWidget *screen)
{
    std::vector<QWidget *> found;
    for (QWidget *widget : screen->findChildren<QWidget *>())
        if ((qobject_cast<QLineEdit *>(widget) || qobject_cast<QComboBox *>(widget) ||
             qobject_cast<QAbstractItemView *>(widget)) &&
            widget->window() == screen && !partOfAnother(widget))
            found.push_back(widget);
    return found;
}

// What a screen reader is told a control is called. A drop-down list is
// named by its caption's label relation here; Qt reads its own name as the
// selected item on this platform.
QString spokenName(QWidget *control)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
    if (!accessible)
        return {};
    if (qobject_cast<QComboBox *>(control)) {
        const auto labels = accessible->relations(QAccessible::Label);
        return labels.isEmpty() ? QString() : labels.front().first->text(QAccessible::Name);
    }
    return accessible->text(QAccessible::Name);
}

QLineEdit *firstField(const QWidget *screen)
{
    for (QWidget *widget : fieldsAndLists(screen))
        if (auto *edit = qobject_cast<QLineEdit *>(widget); edit && !edit->isHidden())
            return edit;
    return nullptr;
}

// Asks a line for its context menu, as a right click does.
void askForMenu(QWidget *line)
{
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), line->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(line, &event);
}

void pressCopy(QWidget *target) { QTest::keyClick(target, Qt::Key_C, Qt::ControlModifier); }

const QString kUntouched = QStringLiteral("(clipboard untouched)");

// Accessibility events of one object, recorded while alive.
std::vector<std::pair<QObject *, QAccessible::Event>> g_events;
void recordEvent(QAccessibleEvent *event) { g_events.emplace_back(event->object(), event->type()); }

}  // namespace

class TestAccess : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void everyWindowEquipped();
    void copiesTheAnswer_data();
    void copiesTheAnswer();
    void copiesASelection_data();
    void copiesASelection();
    void answerLineMenuCopies();
    void escapeCloses_data();
    void escapeCloses();
    void escapeClosesAnOpenListFirst();
    void escapeLeavesMessageBoxesAndTheMainWindow();
    void namesEveryFieldAndList_data();
    void namesEveryFieldAndList();
    void namesByCaption_data();
    void namesByCaption();
    void namesFollowModes_data();
    void namesFollowModes();
    void answerLineAnnounced();
    void keyboardAlone_data();
    void keyboardAlone();

private:
    QTemporaryDir m_settings;
    support::RecordingContext m_context;
};

void TestAccess::initTestCase()
{
    QVERIFY(m_settings.isValid());
    m_context.settingsFile = m_settings.filePath(QStringLiteral("kalkort.conf"));
    m_context.presentWelcome = [] {};
    m_context.openLink = [](const QUrl &) {};
    createScreens(m_context);
    screens::createAll();
}

void TestAccess::cleanupTestCase() { destroyScreens(); }

void TestAccess::init() { m_context.recorded.clear(); }

void TestAccess::cleanup()
{
    for (const screens::Row &row : screens::table())
        if (row.instance() && row.instance() != Form1)
            row.instance()->hide();
}

void TestAccess::everyWindowEquipped()
{
    for (const screens::Row &row : screens::table())
        QVERIFY2(calc::isEquipped(row.instance()), row.className);
}

// Every screen, with what it is given and what Ctrl+C then copies: the
// number of the answer line, the solvers' result lines one per line, the
// facts shown; nothing where a screen shows no answer.
void TestAccess::copiesTheAnswer_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("typed");  // "name=text": a field or an editable list
    QTest::addColumn<QStringList>("chosen");  // "name=item": items of selection-only lists
    QTest::addColumn<QString>("button");     // clicked to compute, or empty
    QTest::addColumn<QString>("expected");

    const QStringList none;
    const auto row = [](const char *name, const char *screen, QStringList typed, const QStringList &chosen,
                        const char *button, const QString &expected) {
        QTest::newRow(name) << screen << typed << chosen << button << expected;
    };
    row("main window", "TForm1", {}, none, "", kUntouched);
    row("square by its side", "TForm2", {"Edit1=3", "RzComboBox2=2"}, none, "Button2", "9,00");
    row("rectangle", "TForm3", {"Edit2=2", "Edit3=2,5"}, none, "Button2", "5");
    row("parallelogram", "TForm4", {"Edit1=2", "Edit2=3"}, none, "Button2", "6");
    row("triangle", "TForm5", {"Edit1=4", "Edit2=3"}, none, "Button2", "6");
    row("circle", "TForm6", {"Edit2=1", "RzComboBox2=4"}, none, "Button2", "3,1416");
    row("mass, the example of the design", "TForm7", {"Edit1=5", "RzComboBox3=2"}, {"RzComboBox2=Грамм"}, "Button1",
        "5000,00");
    row("length", "TForm8", {"Edit1=2"}, none, "Button1", "2");
    row("temperature", "TForm9", {"Edit1=100"}, {"RzComboBox2=Фаренгейт"}, "Button1", "212");
    row("about", "TForm10", {}, none, "", kUntouched);
    row("quadratic equation", "TForm11", {"Edit1=1", "Edit2=-3", "Edit3=2"}, none, "Button2", "D= 1\nX1= 1\nX2= 2");
    row("densities", "TForm12", {}, {"RzComboBox1=железо"}, "", "7800 кг/м3");
    row("a density heading", "TForm12", {}, {"RzComboBox1=---Жидкости---"}, "", kUntouched);
    row("system of equations", "TForm13",
        {"Edit1=1", "Edit2=1", "Edit3=3", "Edit4=1", "Edit5=-1", "Edit6=1"}, none, "Button2",
        "Система имеет единственное решение\nОтвет: X= 2\nY= 1");
    row("trapezoid", "TForm14", {"Edit1=2", "Edit2=4", "Edit3=3"}, none, "Button2", "9");
    row("regular polygon", "TForm16", {"Edit1=4", "Edit2=1", "Edit3=2"}, none, "Button2", "4");
    row("ellipse", "TForm17", {"Edit1=2", "Edit2=1", "RzComboBox2=2"}, none, "Button2", "6,28");
    row("information, general format", "TForm18", {"Edit1=1"}, {"RzComboBox1=эксабайт", "RzComboBox2=байт"}, "Button1",
        "1,15292150460684698E18");
    row("semicircle by its diameter", "TForm19", {"Edit2=2", "RzComboBox2=3"}, none, "Button2", "1,571");
    row("speed", "TForm20", {"Edit1=2"}, none, "Button1", "2");
    row("pressure", "TForm21", {"Edit1=2"}, none, "Button1", "2");
    row("force", "TForm22", {"Edit1=2"}, none, "Button1", "2");
    row("power", "TForm23", {"Edit1=2"}, none, "Button1", "2");
    row("settings", "TForm24", {}, none, "", kUntouched);
    row("welcome", "TForm25", {}, none, "", kUntouched);
    row("area measures", "TForm28", {"Edit1=2"}, none, "Button1", "2");
    row("volume of solids", "TForm29", {"Edit1=2"}, none, "Button1", "2");
    row("volume of liquids", "TForm30", {"Edit1=2"}, none, "Button1", "2");
    row("speeds", "TForm32", {}, {"RzComboBox3=Гепард"}, "", "100 км/ч");
    row("mountains", "TForm33", {}, {"RzComboBox3=Эверест"}, "", "8848 м.");
    row("lakes", "TForm34", {}, {"RzComboBox3=Каспийскре море (Европа/Азия)"}, "", "371000 кв. км.");
    row("rivers", "TForm35", {}, {"RzComboBox4=Нил (Африка)"}, "", "6670 км.");
    row("planets, each fact after its caption", "TForm36", {}, {"RzComboBox4=Меркурий"}, "",
        "Диаметр: 4878 км.\nСутки: 58,7 земного дня\nГод: 88 дней\nСпутники: нет\n"
        "Особенности: твёрдая поверхность");
    row("constants, none chosen", "TForm38", {}, none, "", kUntouched);
    row("SI prefixes", "TForm39", {}, none, "", kUntouched);
    row("fractions", "TForm40", {"Edit1=1", "Edit2=2", "Edit3=1", "Edit4=3"}, none, "Button1", "5/6");
    row("angle", "TForm41", {"Edit1=2"}, none, "Button1", "2");
    row("energy", "TForm42", {"Edit1=2"}, none, "Button1", "2");
    row("arithmetic progression's difference", "TForm43", {"Edit1=2", "Edit2=1", "Edit3=8", "Edit4=3"}, none,
        "Button1", "3");
    row("geometric progression's term", "TForm44", {"Edit5=2", "Edit1=3", "Edit2=3"}, none, "Button1", "18");
    row("cylinder", "TForm45", {"Edit1=1", "Edit2=1", "RzComboBox2=5"}, none, "Button2", "3,14159");
    row("cone", "TForm46", {"Edit1=1", "Edit2=3", "RzComboBox2=2"}, none, "Button2", "3,14");
    row("sphere", "TForm47", {"Edit1=3"}, none, "Button2", "113");
    row("truncated cone", "TForm48", {"Edit1=1", "Edit2=1", "Edit3=3", "RzComboBox2=2"}, none, "Button2", "9,42");
    row("pyramid", "TForm49", {"Edit1=6", "Edit2=2"}, none, "Button2", "4");
    row("truncated pyramid", "TForm50", {"Edit1=3", "Edit2=4", "Edit3=1"}, none, "Button2", "7");
    row("prism", "TForm51", {"Edit1=3", "Edit2=5"}, none, "Button2", "15");
    row("biquadratic equation", "TForm52", {"Edit1=1", "Edit2=-5", "Edit3=4"}, none, "Button2",
        "D= 9\nX= 1\nX= 2\nX= -1\nX= -2");
    row("SI base units: the definition shown", "TForm53", {}, none, "", reference::definitions().front().text);
}

void TestAccess::copiesTheAnswer()
{
    QFETCH(QString, screen);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, chosen);
    QFETCH(QString, button);
    QFETCH(QString, expected);
    QWidget *window = screenOf(screen);
    for (const QString &entry : typed) {
        const QStringList parts = entry.split(u'=');
        support::typeInto(window, parts[0], parts[1]);
    }
    for (const QString &entry : chosen) {
        const QStringList parts = entry.split(u'=');
        QVERIFY(support::choose(support::control<QComboBox>(window, parts[0]), parts[1]));
    }
    if (!button.isEmpty())
        support::control<QPushButton>(window, button)->click();
    QCOMPARE(m_context.recorded, QStringList());

    QApplication::clipboard()->setText(kUntouched);
    QLineEdit *field = firstField(window);
    if (field)
        field->deselect();
    pressCopy(field ? static_cast<QWidget *>(field) : window);
    QCOMPARE(QApplication::clipboard()->text(), expected);
}

// A selection in a field is copied as usual, on every screen with a field.
void TestAccess::copiesASelection_data()
{
    QTest::addColumn<QString>("screen");
    for (const screens::Row &row : screens::table())
        QTest::newRow(row.className) << row.className;
}

void TestAccess::copiesASelection()
{
    QFETCH(QString, screen);
    QWidget *window = screenOf(screen);
    QLineEdit *field = firstField(window);
    if (!field)
        QSKIP("no field on this screen");
    const QString before = field->text();
    field->setText(QStringLiteral("12345"));
    field->setSelection(1, 3);
    QApplication::clipboard()->setText(kUntouched);
    pressCopy(field);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("234"));
    QCOMPARE(field->text(), QStringLiteral("12345"));
    field->setText(before);
}

// "Копировать ответ" on the answer line copies what Ctrl+C copies; with no
// answer on the line it cannot be chosen.
void TestAccess::answerLineMenuCopies()
{
    QWidget *window = screenOf(QStringLiteral("TForm17"));
    auto *line = support::control<calc::TAnswerLabel>(window, QStringLiteral("Label4"));
    QVERIFY(line);
    line->setCaption(QStringLiteral("Ответ:"));
    askForMenu(line);
    auto *menu = line->findChild<QMenu *>();
    QVERIFY(menu);
    QCOMPARE(menu->actions().size(), 1);
    QAction *copy = menu->actions().front();
    QCOMPARE(copy->text(), QStringLiteral("Копировать ответ"));
    QVERIFY(!copy->isEnabled());
    menu->hide();

    support::typeInto(window, QStringLiteral("Edit1"), QStringLiteral("2"));
    support::typeInto(window, QStringLiteral("Edit2"), QStringLiteral("3"));
    support::typeInto(window, QStringLiteral("RzComboBox2"), QStringLiteral("0"));
    support::control<QPushButton>(window, QStringLiteral("Button2"))->click();
    QCOMPARE(line->text(), QStringLiteral("Ответ: 19"));
    askForMenu(line);
    QVERIFY(copy->isEnabled());
    QApplication::clipboard()->setText(kUntouched);
    copy->trigger();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("19"));
    menu->hide();

    // A solver's result lines offer it too.
    QWidget *quadratic = screenOf(QStringLiteral("TForm11"));
    support::typeInto(quadratic, QStringLiteral("Edit1"), QStringLiteral("1"));
    support::typeInto(quadratic, QStringLiteral("Edit2"), QStringLiteral("0"));
    support::typeInto(quadratic, QStringLiteral("Edit3"), QStringLiteral("-4"));
    support::control<QPushButton>(quadratic, QStringLiteral("Button2"))->click();
    QLabel *discriminant = support::control<QLabel>(quadratic, QStringLiteral("Label8"));
    askForMenu(discriminant);
    QMenu *resultMenu = discriminant->findChild<QMenu *>();
    QVERIFY(resultMenu);
    resultMenu->actions().front()->trigger();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("D= 16\nX1= -2\nX2= 2"));
    resultMenu->hide();
}

void TestAccess::escapeCloses_data()
{
    QTest::addColumn<QString>("screen");
    for (const screens::Row &row : screens::table())
        if (qstrcmp(row.className, "TForm1") != 0)
            QTest::newRow(row.className) << row.className;
}

// Escape closes the screen through its close event, as the close button
// does, and the screen keeps what was typed into it.
void TestAccess::escapeCloses()
{
    QFETCH(QString, screen);
    QWidget *window = screenOf(screen);
    QVERIFY(support::showActive(window));
    QLineEdit *field = firstField(window);
    if (field) {
        field->setFocus();
        support::type(field, QStringLiteral("7"));
    }
    auto *solid = qobject_cast<solid::SolidScreen *>(window);
    if (solid)
        solid->Button1->click();  // the model shown: closing narrows the screen
    support::CloseCounter closes;
    window->installEventFilter(&closes);
    QWidget *focus = QApplication::focusWidget() ? QApplication::focusWidget() : window;
    QCOMPARE(focus->window(), window);
    QTest::keyClick(focus, Qt::Key_Escape);
    window->removeEventFilter(&closes);
    QVERIFY(!window->isVisible());
    QCOMPARE(closes.closes, 1);
    if (solid)
        QVERIFY(!solid->wide());
    if (field)
        QCOMPARE(field->text(), QStringLiteral("7"));
    support::hideScreen(window);
}

// An open drop-down takes the first Escape; the screen closes on the second.
void TestAccess::escapeClosesAnOpenListFirst()
{
    QWidget *window = screenOf(QStringLiteral("TForm7"));
    QVERIFY(support::showActive(window));
    auto *list = support::control<QComboBox>(window, QStringLiteral("RzComboBox1"));
    list->setFocus();
    list->showPopup();
    QTRY_VERIFY(list->view()->isVisible());
    QTest::keyClick(list->view(), Qt::Key_Escape);
    QTRY_VERIFY(!list->view()->isVisible());
    QVERIFY(window->isVisible());
    QTRY_COMPARE(QApplication::focusWidget(), list);
    QTest::keyClick(list, Qt::Key_Escape);
    QVERIFY(!window->isVisible());
    support::hideScreen(window);
}

// A message box over a screen takes its own Escape; the main window ignores it.
void TestAccess::escapeLeavesMessageBoxesAndTheMainWindow()
{
    QWidget *window = screenOf(QStringLiteral("TForm3"));
    QVERIFY(support::showActive(window));
    QMessageBox box(QMessageBox::Warning, calc::applicationTitle(), calc::kInvalidValue, QMessageBox::Ok, window);
    box.open();
    box.activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), &box);
    QWidget *target = QApplication::focusWidget();
    QVERIFY(target);
    QCOMPARE(target->window(), &box);
    QTest::keyClick(target, Qt::Key_Escape);
    QTRY_VERIFY(!box.isVisible());
    QVERIFY(window->isVisible());
    support::hideScreen(window);

    QVERIFY(support::showActive(Form1));
    QTest::keyClick(Form1, Qt::Key_Escape);
    QVERIFY(Form1->isVisible());
}

void TestAccess::namesEveryFieldAndList_data()
{
    QTest::addColumn<QString>("screen");
    for (const screens::Row &row : screens::table())
        QTest::newRow(row.className) << row.className;
}

// Every field and list a screen has, shown or hidden by its mode, is named.
void TestAccess::namesEveryFieldAndList()
{
    QFETCH(QString, screen);
    QWidget *window = screenOf(screen);
    for (QWidget *control : fieldsAndLists(window)) {
        const QString name = spokenName(control);
        QVERIFY2(!name.trimmed().isEmpty(), qPrintable(control->objectName()));
        QCOMPARE(control->accessibleName(), name);
        // An editable list's line edit has the focus; it is named alike.
        if (auto *list = qobject_cast<QComboBox *>(control); list && list->lineEdit())
            QCOMPARE(spokenName(list->lineEdit()), name);
    }
}

// Names as the captions beside the controls give them, and the names given
// where no caption stands beside a control.
void TestAccess::namesByCaption_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");

    QTest::newRow("rounding list") << "TForm2" << "RzComboBox2" << "Округлить до:";
    QTest::newRow("mode list") << "TForm2" << "RzComboBox1" << "Найти площадь по:";
    QTest::newRow("a caption of three lines") << "TForm4" << "Edit2"
                                              << "Размер  высоты, проведённой к этой стороне:";
    QTest::newRow("conversion value") << "TForm7" << "Edit1" << "Перевести";
    QTest::newRow("conversion from-list") << "TForm7" << "RzComboBox1" << "Перевести из";
    QTest::newRow("conversion to-list") << "TForm7" << "RzComboBox2" << "в";
    QTest::newRow("conversion rounding list") << "TForm21" << "RzComboBox3" << "Округлить до:";
    QTest::newRow("quadratic coefficient") << "TForm11" << "Edit1" << "Коэффициент при X²";
    QTest::newRow("lookup list, captioned above") << "TForm12" << "RzComboBox1" << "Выберите тело:";
    QTest::newRow("system coefficient") << "TForm13" << "Edit6" << "Правая часть второго уравнения";
    QTest::newRow("trapezoid side") << "TForm14" << "Edit1" << "a :";
    QTest::newRow("settings placement") << "TForm24" << "RzComboBox1" << "Положение главного окна";
    QTest::newRow("settings track bar") << "TForm24" << "TrackBar1" << "Изменить на:";
    QTest::newRow("constants list") << "TForm38" << "ListBox1" << "Выберите константу:";
    QTest::newRow("fraction result") << "TForm40" << "Edit6" << "Ответ, знаменатель";
    QTest::newRow("second number of a progression") << "TForm43" << "Edit3" << "Второе число прогрессии";
    QTest::newRow("a letter with its lowered index") << "TForm44" << "Edit5" << "b1";
    QTest::newRow("solid field") << "TForm48" << "Edit2" << "Радиус (r1)";
    QTest::newRow("solid rounding list") << "TForm48" << "RzComboBox2" << "Округлить до:";
    QTest::newRow("model track bar") << "TForm45" << "TrackBar3" << "Ось Y";
}

void TestAccess::namesByCaption()
{
    QFETCH(QString, screen);
    QFETCH(QString, control);
    QFETCH(QString, name);
    QWidget *widget = support::control<QWidget>(screenOf(screen), control);
    QVERIFY(widget);
    QCOMPARE(spokenName(widget), name);
}

// A mode switch names the field after the caption it shows, and switching
// back names it after the first again.
void TestAccess::namesFollowModes_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("otherMode");
    QTest::addColumn<QString>("otherName");

    QTest::newRow("square") << "TForm2" << "RzComboBox1" << "Edit1" << "По диагонали" << "Размер диагонали:"
                            << "Одной стороне" << "Размер стороны:";
    QTest::newRow("rectangle") << "TForm3" << "RzComboBox3" << "Edit3" << "По диагонали и одной стороне"
                               << "Размер диагонали:" << "По двум сторонам" << "Размер другой стороны:";
    QTest::newRow("triangle") << "TForm5" << "RzComboBox3" << "Edit2" << "По трём сторонам"
                              << "Размер второй стороны:" << "По стороне и высоте"
                              << "Размер  высоты, проведённой к этой стороне:";
    QTest::newRow("circle") << "TForm6" << "RzComboBox3" << "Edit2" << "По диаметру" << "Размер диаметра:"
                            << "По радиусу" << "Размер радиуса:";
    QTest::newRow("regular polygon") << "TForm16" << "RzComboBox3" << "Edit2" << "По 2-ой формуле" << "R:"
                                     << "По 1-ой формуле" << "r:";
    QTest::newRow("semicircle") << "TForm19" << "RzComboBox3" << "Edit2" << "По радиусу" << "Размер радиуса:"
                                << "По диаметру" << "Размер диаметра:";
    QTest::newRow("arithmetic progression") << "TForm43" << "RzComboBox1" << "Edit7"
                                            << "Сумму n первых членов (1)" << "an" << "n-ый член прогрессии"
                                            << "d";
}

void TestAccess::namesFollowModes()
{
    QFETCH(QString, screen);
    QFETCH(QString, list);
    QFETCH(QString, control);
    QFETCH(QString, mode);
    QFETCH(QString, name);
    QFETCH(QString, otherMode);
    QFETCH(QString, otherName);
    QWidget *window = screenOf(screen);
    auto *modes = support::control<QComboBox>(window, list);
    QWidget *field = support::control<QWidget>(window, control);
    QVERIFY(support::choose(modes, mode));
    QTRY_COMPARE(spokenName(field), name);
    QVERIFY(support::choose(modes, otherMode));
    QTRY_COMPARE(spokenName(field), otherName);
    QVERIFY(support::choose(modes, mode));
    QTRY_COMPARE(spokenName(field), name);
    modes->setCurrentIndex(0);
}

// The answer line tells screen readers its new text: its name, which is its
// text, has changed.
void TestAccess::answerLineAnnounced()
{
    QWidget *window = screenOf(QStringLiteral("TForm8"));
    auto *line = support::control<calc::TAnswerLabel>(window, QStringLiteral("Label4"));
    // The desktop's accessibility bus started, as a screen reader has it;
    // once the program is on it (told to be, by the test's environment),
    // changes are told.
    QDBusConnectionInterface *bus = QDBusConnection::sessionBus().interface();
    QVERIFY2(bus, "no session bus");
    QVERIFY(bus->startService(QStringLiteral("org.a11y.Bus")).isValid());
    QTRY_VERIFY_WITH_TIMEOUT(QAccessible::isActive(), 10000);
    QAccessible::installUpdateHandler(recordEvent);
    g_events.clear();
    support::typeInto(window, QStringLiteral("Edit1"), QStringLiteral("3"));
    g_events.clear();
    support::control<QPushButton>(window, QStringLiteral("Button1"))->click();
    QAccessible::installUpdateHandler(nullptr);
    const bool announced = std::any_of(g_events.begin(), g_events.end(), [line](const auto &event) {
        return event.first == line && event.second == QAccessible::NameChanged;
    });
    QVERIFY(announced);
    QCOMPARE(QAccessible::queryAccessibleInterface(line)->text(QAccessible::Name), line->text());
    QVERIFY(line->text().startsWith(QStringLiteral("Ответ: 3")));
}

// One screen of each kind used with the keyboard alone, from the control
// that has the focus when it first opens, in the order its design gives. Steps: a control's name
// (the focus is there), "type:text", a key ("tab", "backtab", "down",
// "right", "enter", "space", "copy", "escape"), "clipboard:text", "hidden".
void TestAccess::keyboardAlone_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("steps");

    QTest::newRow("area: the square by its diagonal")
        << "TForm2"
        << QStringList{"Edit1",   "type:3",    "backtab", "RzComboBox1", "down",    "tab",
                       "Edit1",   "tab",       "RzComboBox2", "type:2",  "tab",     "Button2",
                       "space",   "copy",      "clipboard:4,50", "escape", "hidden"};
    QTest::newRow("conversion in the order of its design: pressure")
        << "TForm21"
        << QStringList{"Edit1",  "type:1",      "tab",  "Button1",     "tab",    "RzComboBox3", "type:3",
                       "tab",    "RzComboBox2", "down", "tab",         "RzComboBox1", "enter",
                       "copy",   "escape",      "hidden"};
    QTest::newRow("solver: quadratic equation")
        << "TForm11"
        << QStringList{"Edit1", "type:1", "tab", "Edit2", "type:-3", "tab", "Edit3", "type:2", "tab",
                       "RzComboBox2", "tab", "Button2", "space", "copy", "clipboard:D= 1\nX1= 1\nX2= 2", "escape",
                       "hidden"};
    QTest::newRow("solver: fractions")
        << "TForm40"
        << QStringList{"Edit1", "type:1", "tab", "Edit2", "type:2", "tab", "Edit3", "type:1", "tab", "Edit4",
                       "type:3", "tab", "Edit5", "tab", "Edit6", "tab", "Button1", "space", "copy",
                       "clipboard:5/6", "tab", "Button2", "tab", "Button4", "tab", "Button3", "tab", "Edit1",
                       "escape", "hidden"};
    QTest::newRow("solver: arithmetic progression")
        << "TForm43"
        << QStringList{"Edit1", "type:2",  "tab", "Edit3", "type:8", "tab", "Edit2", "type:1", "tab", "Edit4",
                       "type:3", "tab",    "RzComboBox3", "type:1", "tab", "Button1", "space", "copy",
                       "clipboard:3,0", "escape", "hidden"};
    QTest::newRow("solid: cylinder with its model")
        << "TForm45"
        << QStringList{"Edit1", "type:1", "tab", "Edit2", "type:2", "tab", "RzComboBox2", "type:1", "enter",
                       "copy", "clipboard:6,3", "tab", "Button2", "tab", "Button1", "space", "escape", "hidden"};
    QTest::newRow("lookup: mountains")
        << "TForm33" << QStringList{"RzComboBox3", "down", "copy", "escape", "hidden"};
    QTest::newRow("reference list: SI base units")
        << "TForm53" << QStringList{"ListBox1", "down", "tab", "ListBox2", "down", "escape", "hidden"};
    QTest::newRow("settings") << "TForm24"
                              << QStringList{"RzComboBox1", "tab", "TrackBar1", "right", "tab", "Button1", "tab",
                                             "RadioButton1", "tab", "Button2", "escape", "hidden"};
    QTest::newRow("about") << "TForm10"
                           << QStringList{"RzURLLabel3", "tab", "RzURLLabel4", "tab", "RzURLLabel1", "tab",
                                          "RzURLLabel2", "tab", "Button1", "space", "hidden"};
}

void TestAccess::keyboardAlone()
{
    QFETCH(QString, screen);
    QFETCH(QStringList, steps);
    QWidget *window = screenOf(screen);
    // As freshly opened: the fields empty.
    for (QWidget *control : fieldsAndLists(window))
        if (auto *field = qobject_cast<QLineEdit *>(control))
            field->clear();
    QVERIFY(support::showActive(window));
    // Where the screen puts the focus when it first opens.
    support::control<QWidget>(window, steps.front())->setFocus(Qt::OtherFocusReason);
    QApplication::clipboard()->setText(kUntouched);
    const QString before = calc::answerOf(window);

    const auto focus = [] {
        QWidget *widget = QApplication::focusWidget();
        // An editable list's line edit stands for the list.
        if (widget && widget->parentWidget() && qobject_cast<QComboBox *>(widget->parentWidget()))
            widget = widget->parentWidget();
        return widget;
    };
    const std::map<QString, std::pair<Qt::Key, Qt::KeyboardModifiers>> keys = {
        {"tab", {Qt::Key_Tab, Qt::NoModifier}},     {"backtab", {Qt::Key_Backtab, Qt::ShiftModifier}},
        {"down", {Qt::Key_Down, Qt::NoModifier}},   {"right", {Qt::Key_Right, Qt::NoModifier}},
        {"enter", {Qt::Key_Return, Qt::NoModifier}}, {"space", {Qt::Key_Space, Qt::NoModifier}},
        {"copy", {Qt::Key_C, Qt::ControlModifier}}, {"escape", {Qt::Key_Escape, Qt::NoModifier}},
    };
    for (const QString &step : steps) {
        if (step.startsWith(QStringLiteral("type:"))) {
            QTest::keyClicks(QApplication::focusWidget(), step.mid(5));
        } else if (step.startsWith(QStringLiteral("clipboard:"))) {
            QCOMPARE(QApplication::clipboard()->text(), step.mid(10));
        } else if (step == QStringLiteral("hidden")) {
            QTRY_VERIFY(!window->isVisible());
        } else if (const auto key = keys.find(step); key != keys.end()) {
            QWidget *target = QApplication::focusWidget();
            QVERIFY2(target, qPrintable(step));
            QTest::keyClick(target, key->second.first, key->second.second);
        } else {
            QTRY_VERIFY2(focus() && focus()->objectName() == step,
                         qPrintable(step + QStringLiteral(" expected, focus on ") +
                                    (focus() ? focus()->objectName() : QStringLiteral("nothing"))));
        }
    }
    QCOMPARE(m_context.recorded, QStringList());
    // Whatever was computed is what Ctrl+C copied.
    if (calc::answerOf(window) != before && steps.contains(QStringLiteral("copy")))
        QCOMPARE(QApplication::clipboard()->text(), calc::answerOf(window));
    support::hideScreen(window);
    // The appearance the settings screen may have changed is the default again.
    calc::Appearance::instance().setBackground(artwork::builtInBackground(1));
}

QTEST_MAIN(TestAccess)
#include "tst_access.moc"
