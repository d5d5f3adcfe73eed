#include "Unit32.h"

TForm32 *Form32 = nullptr;

TForm32::TForm32(const calc::Context &context)
    : LookupScreen(reference::speeds(),
                   reference::singleValue(QSize(411, 252), QPoint(279, 240), "RzComboBox3", "Label5"),
                   context)
{
    setObjectName(QStringLiteral("Form32"));
}
