#include "Unit1.h"

#include "appearance.h"
#include "calcscreen.h"
#include "messages.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit6.h"
#include "Unit7.h"
#include "Unit8.h"
#include "Unit9.h"
#include "Unit10.h"
#include "Unit18.h"
#include "Unit20.h"
#include "Unit24.h"
#include "Unit25.h"
#include "placement.h"
#include "settingsbinding.h"
#include "settingsformat.h"
#include "settingsstore.h"
#include "windowframe.h"
#include "Unit45.h"
#include "Unit46.h"
#include "Unit47.h"
#include "Unit48.h"
#include "Unit49.h"
#include "Unit50.h"
#include "Unit51.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScreen>
#include <QTimer>

#include <functional>

TForm1 *Form1 = nullptr;

namespace {

using Handler = void (TForm1::*)();

struct ItemEntry {
    int index;  // the number in the handler's name
    const char *caption;
    Handler handler;  // null while the item's screen is not part of the program
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
          {5, "Трапеция", nullptr},
          {7, "Правильный многоугольник", nullptr},
          {8, "Эллипс", nullptr},
          {9, "Полукруг", nullptr}}},
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
          {5, "Давление", nullptr},
          {6, "Единицы сил", nullptr},
          {7, "Единицы мощности", nullptr},
          {8, "Меры площадей", nullptr},
          {9, "Меры объёма тел", nullptr},
          {10, "Меры объёма жидкостей", nullptr},
          {11, "Угловая мера", nullptr},
          {12, "Единицы энергии", nullptr}}},
        {&TForm1::RzGroup4, "RzGroup4", "Решение задач", kSkyBlue, false, &TForm1::RzGroup4Open,
         &TForm1::RzGroup4Close,
         {{0, "Квадратное уравнение", nullptr},
          {5, "Биквадратное уравнение", nullptr},
          {1, "Система линейных уравнений", nullptr},
          {2, "Операции с дробями", nullptr},
          {3, "Арифметическая прогрессия", nullptr},
          {4, "Геометрическая прогрессия", nullptr}}},
        {&TForm1::RzGroup5, "RzGroup5", "Разное", kSkyBlue, false, &TForm1::RzGroup5Open, &TForm1::RzGroup5Close,
         {{0, "Плотность веществ", nullptr},
          {1, "Скорость различных объектов", nullptr},
          {2, "Самые высокие горы", nullptr},
          {3, "Самые большие озёра", nullptr},
          {4, "Самые длинные реки", nullptr},
          {5, "Краткая справка по планетам", nullptr},
          {6, "Основные константы", nullptr},
          {7, "Десятичные приставки в СИ", nullptr},
          {8, "Калькулятор Windows", nullptr},
          {9, "Эталоны системы единиц СИ", nullptr}}},
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

TForm1::TForm1()
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
            item->setEnabled(itemEntry.handler != nullptr);
            if (itemEntry.handler)
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

void TForm1::RzGroup3Items0Click() { showScreen(Form24); }
void TForm1::RzGroup3Items1Click() { Form10->exec(); }
void TForm1::RzGroup3Items2Click() { close(); }

void TForm1::RzGroup1Items0Click() { showScreen(Form5); }
void TForm1::RzGroup1Items1Click() { showScreen(Form3); }
void TForm1::RzGroup1Items2Click() { showScreen(Form4); }
void TForm1::RzGroup1Items3Click() { showScreen(Form6); }
void TForm1::RzGroup1Items4Click() { showScreen(Form2); }

void TForm1::RzGroup2Items0Click() { showScreen(Form7); }
void TForm1::RzGroup2Items1Click() { showScreen(Form8); }
void TForm1::RzGroup2Items2Click() { showScreen(Form9); }
void TForm1::RzGroup2Items3Click() { showScreen(Form18); }
void TForm1::RzGroup2Items4Click() { showScreen(Form20); }

namespace {
QString &settingsPath()
{
    static QString path;
    return path;
}

std::function<void()> &welcomePresenter()
{
    static std::function<void()> presenter;
    return presenter;
}
}  // namespace

void TForm1::setWelcomePresenter(std::function<void()> presenter) { welcomePresenter() = std::move(presenter); }

void TForm1::setSettingsFile(const QString &path) { settingsPath() = path; }

QString TForm1::settingsFile() { return settingsPath().isEmpty() ? store::settingsFilePath() : settingsPath(); }

void TForm1::setOuterHeight(int outerHeight) { WindowFrame::of(*this).setOuterHeight(outerHeight); }

void TForm1::showEvent(QShowEvent *event)
{
    if (!event->spontaneous() && !m_loaded) {
        m_loaded = true;
        FormShow();
    }
    QWidget::showEvent(event);
}

void TForm1::FormShow()
{
    const QString path = settingsFile();
    store::removeLeftovers(path);
    WindowFrame::of(*this).setClientResizer([this](int clientHeight) {
        setFixedHeight(clientHeight);
        RzGroupBar1->setGeometry(rect());
    });
    WindowSettings target(*this, *Form24);
    const store::LoadOutcome outcome = store::loadSettings(store::readStore(path), target);
    keepReachable();
    if (outcome == store::LoadOutcome::FirstRun) {
        // In front of the main window, once that is on the screen.
        QTimer::singleShot(0, Form25, [] {
            if (welcomePresenter())
                welcomePresenter()();
            else
                Form25->exec();
        });
    }
}

void TForm1::keepReachable()
{
    // At least every caption bar fits.
    const int captions = 6 * TRzGroup::kCaptionHeight + 7 * TRzGroupBar::kBorder;
    WindowFrame::of(*this).restore(kDesignedPosition, captions);
}

void TForm1::FormClose()
{
    const QString path = settingsFile();
    const WindowSettings source(*this, *Form24);
    const store::SaveOutcome outcome = store::saveSettings(path, source.snapshot());
    m_saved = outcome.ok();
    if (!m_saved)
        calc::showMessage(store::saveFailureMessage(path, outcome.error));
}
void TForm1::showSolidScreen(QWidget *screen)
{
    for (QWidget *solid : std::initializer_list<QWidget *>{Form45, Form46, Form47, Form48, Form49, Form50, Form51})
        if (solid != screen)
            solid->close();
    showScreen(screen);
}

void TForm1::RzGroup6Items0Click() { showSolidScreen(Form46); }
void TForm1::RzGroup6Items1Click() { showSolidScreen(Form45); }
void TForm1::RzGroup6Items2Click() { showSolidScreen(Form47); }
void TForm1::RzGroup6Items3Click() { showSolidScreen(Form48); }
void TForm1::RzGroup6Items4Click() { showSolidScreen(Form49); }
void TForm1::RzGroup6Items5Click() { showSolidScreen(Form50); }
void TForm1::RzGroup6Items6Click() { showSolidScreen(Form51); }

void TForm1::closeEvent(QCloseEvent *event)
{
    FormClose();
    event->accept();
    // Closing the main window ends the program, whatever else is open.
    QCoreApplication::quit();
}
