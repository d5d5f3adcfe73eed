#include "screens.h"

#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit6.h"
#include "Unit7.h"
#include "Unit8.h"
#include "Unit9.h"
#include "Unit10.h"
#include "Unit11.h"
#include "Unit12.h"
#include "Unit13.h"
#include "Unit14.h"
#include "Unit16.h"
#include "Unit17.h"
#include "Unit18.h"
#include "Unit19.h"
#include "Unit20.h"
#include "Unit21.h"
#include "Unit22.h"
#include "Unit23.h"
#include "Unit24.h"
#include "Unit25.h"
#include "Unit28.h"
#include "Unit29.h"
#include "Unit30.h"
#include "Unit32.h"
#include "Unit33.h"
#include "Unit34.h"
#include "Unit35.h"
#include "Unit36.h"
#include "Unit38.h"
#include "Unit39.h"
#include "Unit40.h"
#include "Unit41.h"
#include "Unit42.h"
#include "Unit43.h"
#include "Unit44.h"
#include "Unit45.h"
#include "Unit46.h"
#include "Unit47.h"
#include "Unit48.h"
#include "Unit49.h"
#include "Unit50.h"
#include "Unit51.h"
#include "Unit52.h"
#include "Unit53.h"
#include "access.h"
#include "calculator.h"
#include "controls.h"
#include "settingsbinding.h"

#include <QDialog>

namespace screens {

namespace {

template <typename Form>
Row row(Form *&global, const char *item = nullptr, Opening opening = Opening::None, bool atStart = false)
{
    return {Form::staticMetaObject.className(),
            [&global](const calc::Context &context) -> QWidget * {
                global = new Form(context);
                return global;
            },
            [&global] {
                delete global;
                global = nullptr;
            },
            [&global]() -> QWidget * { return global; },
            item,
            opening,
            atStart};
}

// Made at start-up: the main window, and the settings screen, which the
// settings load fills.
constexpr bool AtStart = true;

constexpr Opening Show = Opening::Show;
constexpr Opening Modal = Opening::Modal;
constexpr Opening Solid = Opening::Solid;

bool g_saved = true;
const calc::Context *g_context = &calc::Context::standard();

// Makes a row's screen with what every window has for the keyboard and
// screen readers; Escape closes every screen but the main window.
QWidget *make(const Row &row, const calc::Context &context)
{
    QWidget *window = row.create(context);
    calc::keepFramesWhole(window);
    calc::equipWindow(window, qobject_cast<TForm1 *>(window) ? calc::EscapeKey::Ignored : calc::EscapeKey::Closes);
    return window;
}

}  // namespace

const std::vector<Row> &table()
{
    static const std::vector<Row> rows = {
        row(Form1, nullptr, Opening::None, AtStart),
        row(Form2, "RzGroup1Items4", Show),
        row(Form3, "RzGroup1Items1", Show),
        row(Form4, "RzGroup1Items2", Show),
        row(Form5, "RzGroup1Items0", Show),
        row(Form6, "RzGroup1Items3", Show),
        row(Form7, "RzGroup2Items0", Show),
        row(Form8, "RzGroup2Items1", Show),
        row(Form9, "RzGroup2Items2", Show),
        row(Form10, "RzGroup3Items1", Modal),
        row(Form11, "RzGroup4Items0", Show),
        row(Form12, "RzGroup5Items0", Show),
        row(Form13, "RzGroup4Items1", Show),
        row(Form14, "RzGroup1Items5", Show),
        row(Form16, "RzGroup1Items7", Show),
        row(Form17, "RzGroup1Items8", Show),
        row(Form18, "RzGroup2Items3", Show),
        row(Form19, "RzGroup1Items9", Show),
        row(Form20, "RzGroup2Items4", Show),
        row(Form21, "RzGroup2Items5", Show),
        row(Form22, "RzGroup2Items6", Show),
        row(Form23, "RzGroup2Items7", Show),
        row(Form24, "RzGroup3Items0", Show, AtStart),
        row(Form25),
        row(Form28, "RzGroup2Items8", Show),
        row(Form29, "RzGroup2Items9", Show),
        row(Form30, "RzGroup2Items10", Show),
        row(Form32, "RzGroup5Items1", Show),
        row(Form33, "RzGroup5Items2", Show),
        row(Form34, "RzGroup5Items3", Show),
        row(Form35, "RzGroup5Items4", Show),
        row(Form36, "RzGroup5Items5", Show),
        row(Form38, "RzGroup5Items6", Show),
        row(Form39, "RzGroup5Items7", Show),
        row(Form40, "RzGroup4Items2", Show),
        row(Form41, "RzGroup2Items11", Show),
        row(Form42, "RzGroup2Items12", Show),
        row(Form43, "RzGroup4Items3", Show),
        row(Form44, "RzGroup4Items4", Show),
        row(Form45, "RzGroup6Items1", Solid),
        row(Form46, "RzGroup6Items0", Solid),
        row(Form47, "RzGroup6Items2", Solid),
        row(Form48, "RzGroup6Items3", Solid),
        row(Form49, "RzGroup6Items4", Solid),
        row(Form50, "RzGroup6Items5", Solid),
        row(Form51, "RzGroup6Items6", Solid),
        row(Form52, "RzGroup4Items5", Show),
        row(Form53, "RzGroup5Items9", Show),
    };
    return rows;
}

const std::vector<ItemAction> &itemActions()
{
    static const std::vector<ItemAction> actions = {
        // "Калькулятор Windows": the desktop's calculator; silently nothing
        // when there is none.
        {"RzGroup5Items8", [](const calc::Context &) { reference::startCalculator(); }},
    };
    return actions;
}

namespace {
std::size_t welcomeRow()
{
    for (std::size_t k = 0; k < table().size(); ++k)
        if (qstrcmp(table()[k].className, TForm25::staticMetaObject.className()) == 0)
            return k;
    qFatal("the welcome screen has no row");
}
}  // namespace

QWidget *screen(const Row &row)
{
    if (!row.instance())
        make(row, *g_context);
    return row.instance();
}

void createAll()
{
    for (const Row &row : table())
        screen(row);
}

void openItem(const QString &item)
{
    for (const Row &row : table()) {
        if (!row.item || item != QLatin1String(row.item))
            continue;
        QWidget *screen = screens::screen(row);
        switch (row.opening) {
        case Opening::None:
            break;
        case Opening::Show:
            showScreen(screen);
            break;
        case Opening::Modal:
            static_cast<QDialog *>(screen)->exec();
            break;
        case Opening::Solid:
            // One 3D model at most is on the screen.
            for (const Row &other : table())
                if (other.opening == Opening::Solid && other.instance() && other.instance() != screen)
                    other.instance()->close();
            showScreen(screen);
            break;
        }
    }
    for (const ItemAction &action : itemActions())
        if (item == QLatin1String(action.item))
            action.run(*g_context);
}

bool lastSaveSucceeded() { return g_saved; }

}  // namespace screens

void createScreens(const calc::Context &context)
{
    using namespace screens;
    g_context = &context;
    for (const Row &row : table())
        if (row.atStart)
            make(row, context);

    for (const Row &row : table())
        if (row.item)
            Form1->item(QLatin1String(row.item))->setEnabled(true);
    for (const ItemAction &action : itemActions())
        Form1->item(QLatin1String(action.item))->setEnabled(true);
    QObject::connect(Form1, &TForm1::itemClicked, Form1, &openItem);

    // The greeting of the first run.
    const auto welcome = [] { static_cast<QDialog *>(screen(table()[welcomeRow()]))->exec(); };
    QObject::connect(Form1, &TForm1::firstShown, Form1,
                     [&context, welcome] { loadWindowSettings(*Form1, *Form24, context, welcome); });
    QObject::connect(Form1, &TForm1::closing, Form1,
                     [&context] { g_saved = saveWindowSettings(*Form1, *Form24, context); });
    QObject::connect(Form24, &TForm24::placementChosen, Form1, &TForm1::place);
}

void destroyScreens()
{
    const auto &rows = screens::table();
    for (auto row = rows.rbegin(); row != rows.rend(); ++row)
        if (row->instance())
            row->destroy();
}
