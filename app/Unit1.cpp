#include "Unit1.h"

#include "appearance.h"
#include "screen.h"
#include "windowframe.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScreen>

TForm1 *Form1 = nullptr;

namespace {

using Handler = void (TForm1::*)();

struct ItemEntry {
    int index;  // the number in the handler's name
    const char *caption;
    Handler handler;
};

struct GroupEntry {
    TRzGroup *TForm1::*member;
    const char *name;
    const char *caption;
    QColor colour;
    bool openedAtStart;
    Handler open;
    Handler close;
    std::vector<ItemEntry> items;
};

const QColor kSkyBlue(166, 202, 240);

// Top to bottom, items in display order.
const std::vector<GroupEntry> &groupTable()
{
    static const std::vector<GroupEntry> table = {
        {&TForm1::RzGroup3, "RzGroup3", "Главное меню", kSkyBlue, false, &TForm1::RzGroup3Open, &TForm1::RzGroup3Close,
         {{0, "Настройки", &TForm1::RzGroup3Items0Click},
          {1, "О программе...", &TForm1::RzGroup3Items1Click},
          {2, "Выход", &TForm1::RzGroup3Items2Click}}},
        {&TForm1::RzGroup1, "RzGroup1", "Площадь", kSkyBlue, true, &TForm1::RzGroup1Open, &TForm1::RzGroup1Close,
         {{0, "Треугольник", &TForm1::RzGroup1Items0Click},
          {1, "Прямоугольник", &TForm1::RzGroup1Items1Click},
          {2, "Параллелограмм", &TForm1::RzGroup1Items2Click},
          {3, "Круг", &TForm1::RzGroup1Items3Click},
          {4, "Квадрат", &TForm1::RzGroup1Items4Click},
          {5, "Трапеция", &TForm1::RzGroup1Items5Click},
          {7, "Правильный многоугольник", &TForm1::RzGroup1Items7Click},
          {8, "Эллипс", &TForm1::RzGroup1Items8Click},
          {9, "Полукруг", &TForm1::RzGroup1Items9Click}}},
        {&TForm1::RzGroup6, "RzGroup6", "Объём", QColor(240, 251, 255), false, &TForm1::RzGroup6Open,
         &TForm1::RzGroup6Close,
         {{0, "Конус", &TForm1::RzGroup6Items0Click},
          {3, "Усечённый конус", &TForm1::RzGroup6Items3Click},
          {1, "Цилиндр", &TForm1::RzGroup6Items1Click},
          {2, "Сфера", &TForm1::RzGroup6Items2Click},
          {4, "Пирамида", &TForm1::RzGroup6Items4Click},
          {5, "Усечённая пирамида", &TForm1::RzGroup6Items5Click},
          {6, "Призма", &TForm1::RzGroup6Items6Click}}},
        {&TForm1::RzGroup2, "RzGroup2", "Переводы", kSkyBlue, true, &TForm1::RzGroup2Open, &TForm1::RzGroup2Close,
         {{0, "Меры массы", &TForm1::RzGroup2Items0Click},
          {1, "Меры длины", &TForm1::RzGroup2Items1Click},
          {2, "Температура", &TForm1::RzGroup2Items2Click},
          {3, "Единицы информации", &TForm1::RzGroup2Items3Click},
          {4, "Скорость", &TForm1::RzGroup2Items4Click},
          {5, "Давление", &TForm1::RzGroup2Items5Click},
          {6, "Единицы сил", &TForm1::RzGroup2Items6Click},
          {7, "Единицы мощности", &TForm1::RzGroup2Items7Click},
          {8, "Меры площадей", &TForm1::RzGroup2Items8Click},
          {9, "Меры объёма тел", &TForm1::RzGroup2Items9Click},
          {10, "Меры объёма жидкостей", &TForm1::RzGroup2Items10Click},
          {11, "Угловая мера", &TForm1::RzGroup2Items11Click},
          {12, "Единицы энергии", &TForm1::RzGroup2Items12Click}}},
        {&TForm1::RzGroup4, "RzGroup4", "Решение задач", kSkyBlue, false, &TForm1::RzGroup4Open,
         &TForm1::RzGroup4Close,
         {{0, "Квадратное уравнение", &TForm1::RzGroup4Items0Click},
          {5, "Биквадратное уравнение", &TForm1::RzGroup4Items5Click},
          {1, "Система линейных уравнений", &TForm1::RzGroup4Items1Click},
          {2, "Операции с дробями", &TForm1::RzGroup4Items2Click},
          {3, "Арифметическая прогрессия", &TForm1::RzGroup4Items3Click},
          {4, "Геометрическая прогрессия", &TForm1::RzGroup4Items4Click}}},
        {&TForm1::RzGroup5, "RzGroup5", "Разное", kSkyBlue, false, &TForm1::RzGroup5Open, &TForm1::RzGroup5Close,
         {{0, "Плотность веществ", &TForm1::RzGroup5Items0Click},
          {1, "Скорость различных объектов", &TForm1::RzGroup5Items1Click},
          {2, "Самые высокие горы", &TForm1::RzGroup5Items2Click},
          {3, "Самые большие озёра", &TForm1::RzGroup5Items3Click},
          {4, "Самые длинные реки", &TForm1::RzGroup5Items4Click},
          {5, "Краткая справка по планетам", &TForm1::RzGroup5Items5Click},
          {6, "Основные константы", &TForm1::RzGroup5Items6Click},
          {7, "Десятичные приставки в СИ", &TForm1::RzGroup5Items7Click},
          {8, "Калькулятор Windows", &TForm1::RzGroup5Items8Click},
          {9, "Эталоны системы единиц СИ", &TForm1::RzGroup5Items9Click}}},
    };
    return table;
}

QString itemName(const QString &groupName, int index)
{
    return groupName + QStringLiteral("Items") + QString::number(index);
}

}  // namespace

void showScreen(QWidget *screen)
{
    screen->show();
    screen->raise();
    screen->activateWindow();
}

TForm1::TForm1(const calc::Context &)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(calc::applicationTitle());
    setFont(calc::arial(11));
    setFixedSize(kClientSize);
    move(kDesignedPosition);

    Image1 = new calc::TImage(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, -16, 161, 469);
    Image1->setPicture(calc::Appearance::instance().background());
    connect(&calc::Appearance::instance(), &calc::Appearance::changed, this,
            [this] { Image1->setPicture(calc::Appearance::instance().background()); });

    RzGroupBar1 = new TRzGroupBar(this);
    RzGroupBar1->setObjectName(QStringLiteral("RzGroupBar1"));
    RzGroupBar1->setGeometry(rect());

    for (const GroupEntry &entry : groupTable()) {
        TRzGroup *group = RzGroupBar1->addGroup(entry.name, QString::fromUtf8(entry.caption), entry.colour,
                                                entry.openedAtStart);
        this->*entry.member = group;
        for (const ItemEntry &itemEntry : entry.items) {
            TRzGroupItem *item = group->addItem(QString::fromUtf8(itemEntry.caption),
                                                itemName(QLatin1String(entry.name), itemEntry.index));
            // An item works once something answers it ("Выход" is the window's own).
            item->setEnabled(itemEntry.handler == &TForm1::RzGroup3Items2Click);
            connect(item, &QAbstractButton::clicked, this, itemEntry.handler);
        }
        connect(group, &TRzGroup::groupOpened, this, entry.open);
        connect(group, &TRzGroup::groupClosed, this, entry.close);
    }
}

TRzGroupItem *TForm1::item(const TRzGroup *group, int index) const
{
    return group->findChild<TRzGroupItem *>(itemName(group->objectName(), index), Qt::FindDirectChildrenOnly);
}

TRzGroupItem *TForm1::item(const QString &name) const { return RzGroupBar1->findChild<TRzGroupItem *>(name); }

void TForm1::openGroup(TRzGroup *group, int growth)
{
    for (TRzGroup *other : RzGroupBar1->groups())
        if (other != group)
            other->setOpened(false);
    setFixedHeight(height() + growth);
    RzGroupBar1->setGeometry(rect());
}

void TForm1::closeGroup(TRzGroup *group)
{
    // The group still has its opened height here; its caption bar stays.
    setFixedHeight(height() - group->height() + TRzGroup::kCaptionHeight);
    RzGroupBar1->setGeometry(rect());
}

void TForm1::RzGroup3Open() { openGroup(RzGroup3, 68); }
void TForm1::RzGroup1Open() { openGroup(RzGroup1, 188); }
void TForm1::RzGroup6Open() { openGroup(RzGroup6, 148); }
void TForm1::RzGroup2Open() { openGroup(RzGroup2, 268); }
void TForm1::RzGroup4Open() { openGroup(RzGroup4, 128); }
void TForm1::RzGroup5Open() { openGroup(RzGroup5, 208); }
void TForm1::RzGroup1Close() { closeGroup(RzGroup1); }
void TForm1::RzGroup2Close() { closeGroup(RzGroup2); }
void TForm1::RzGroup3Close() { closeGroup(RzGroup3); }
void TForm1::RzGroup4Close() { closeGroup(RzGroup4); }
void TForm1::RzGroup5Close() { closeGroup(RzGroup5); }
void TForm1::RzGroup6Close() { closeGroup(RzGroup6); }

// "Выход" closes the window as its title bar does; every other item is
// reported to whoever opens the screens.
void TForm1::RzGroup3Items2Click() { close(); }

#define KALKORT_ITEM(group, index) \
    void TForm1::group##Items##index##Click() { emit itemClicked(QStringLiteral(#group "Items" #index)); }
KALKORT_ITEM(RzGroup3, 0)
KALKORT_ITEM(RzGroup3, 1)
KALKORT_ITEM(RzGroup1, 0)
KALKORT_ITEM(RzGroup1, 1)
KALKORT_ITEM(RzGroup1, 2)
KALKORT_ITEM(RzGroup1, 3)
KALKORT_ITEM(RzGroup1, 4)
KALKORT_ITEM(RzGroup1, 5)
KALKORT_ITEM(RzGroup1, 7)
KALKORT_ITEM(RzGroup1, 8)
KALKORT_ITEM(RzGroup1, 9)
KALKORT_ITEM(RzGroup6, 0)
KALKORT_ITEM(RzGroup6, 1)
KALKORT_ITEM(RzGroup6, 2)
KALKORT_ITEM(RzGroup6, 3)
KALKORT_ITEM(RzGroup6, 4)
KALKORT_ITEM(RzGroup6, 5)
KALKORT_ITEM(RzGroup6, 6)
KALKORT_ITEM(RzGroup2, 0)
KALKORT_ITEM(RzGroup2, 1)
KALKORT_ITEM(RzGroup2, 2)
KALKORT_ITEM(RzGroup2, 3)
KALKORT_ITEM(RzGroup2, 4)
KALKORT_ITEM(RzGroup2, 5)
KALKORT_ITEM(RzGroup2, 6)
KALKORT_ITEM(RzGroup2, 7)
KALKORT_ITEM(RzGroup2, 8)
KALKORT_ITEM(RzGroup2, 9)
KALKORT_ITEM(RzGroup2, 10)
KALKORT_ITEM(RzGroup2, 11)
KALKORT_ITEM(RzGroup2, 12)
KALKORT_ITEM(RzGroup4, 0)
KALKORT_ITEM(RzGroup4, 1)
KALKORT_ITEM(RzGroup4, 2)
KALKORT_ITEM(RzGroup4, 3)
KALKORT_ITEM(RzGroup4, 4)
KALKORT_ITEM(RzGroup4, 5)
KALKORT_ITEM(RzGroup5, 0)
KALKORT_ITEM(RzGroup5, 1)
KALKORT_ITEM(RzGroup5, 2)
KALKORT_ITEM(RzGroup5, 3)
KALKORT_ITEM(RzGroup5, 4)
KALKORT_ITEM(RzGroup5, 5)
KALKORT_ITEM(RzGroup5, 6)
KALKORT_ITEM(RzGroup5, 7)
KALKORT_ITEM(RzGroup5, 8)
KALKORT_ITEM(RzGroup5, 9)
#undef KALKORT_ITEM

namespace {

// The main window's frame, whose client height changes with the group bar.
WindowFrame &frameOf(TForm1 &window)
{
    WindowFrame &frame = WindowFrame::of(window);
    frame.setClientResizer([&window](int clientHeight) {
        window.setFixedHeight(clientHeight);
        window.RzGroupBar1->setGeometry(window.rect());
    });
    return frame;
}

}  // namespace

void TForm1::setOuterHeight(int outerHeight) { frameOf(*this).setOuterHeight(outerHeight); }

void TForm1::showEvent(QShowEvent *event)
{
    if (!event->spontaneous() && !m_shown) {
        m_shown = true;
        FormShow();
    }
    QWidget::showEvent(event);
}

void TForm1::FormShow() { emit firstShown(); }

void TForm1::keepReachable()
{
    // At least every caption bar fits.
    const int captions = 6 * TRzGroup::kCaptionHeight + 7 * TRzGroupBar::kBorder;
    frameOf(*this).restore(kDesignedPosition, captions);
}

void TForm1::place(placement::Choice choice)
{
    const QRect workArea = (screen() ? screen() : QGuiApplication::primaryScreen())->availableGeometry();
    WindowFrame &frame = frameOf(*this);
    frame.moveOuter(placement::place(choice, workArea, frame.outerRect().width()));
}

void TForm1::FormClose() { emit closing(); }

void TForm1::closeEvent(QCloseEvent *event)
{
    FormClose();
    event->accept();
    // Closing the main window ends the program, whatever else is open.
    QCoreApplication::quit();
}
