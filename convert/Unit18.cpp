#include "Unit18.h"

#include "quantities.h"

#include <QAction>

TForm18 *Form18 = nullptr;

namespace {

convert::Layout informationLayout()
{
    convert::Layout layout;
    layout.heading = {128, 16};
    layout.valueCaption = {16, 56};
    layout.value = {88, 48};
    layout.fromList = {232, 48};
    layout.toCaption = {128, 96};
    layout.toList = {160, 88};
    layout.button = {144, 136};
    layout.answer = {16, 176};
    layout.enterItem = "MenuItem2";
    return layout;
}

}  // namespace

TForm18::TForm18(const calc::Context &context)
    : ConversionScreen(convert::information(), QSize(396, 205), QPoint(308, 243), context, informationLayout())
{
    setObjectName(QStringLiteral("Form18"));
    // This screen's Enter item has a name and handler of its own.
    MenuItem2 = m_enterItem;
    connect(MenuItem2, &QAction::triggered, this, &TForm18::MenuItem2Click);
}

void TForm18::MenuItem2Click() { jkujk1Click(); }
