#include "Unit50.h"

#include <QTimer>

TForm50 *Form50 = nullptr;

TForm50::TForm50(const calc::Context &context)
    : SolidScreen({"Form50",
                   "Усечённая пирамида",
                   "Объём усечённой пирамиды",
                   {368, 266},
                   {302, 241},
                   solid::Solid::TruncatedPyramid,
                   {{"Label2", "Высота (h)", "Edit1", {80, 40}, 1},
                    {"Label3", "Площадь основ.(S)", "Edit2", {80, 80}, 2},
                    {"Label5", "Площадь основ.(S1)", "Edit3", {80, 120}, 2}},
                   solid::kTallFieldsBottom},
                  context)
{
    Label2 = fieldCaption(0);
    Edit1 = field(0);
    Label3 = fieldCaption(1);
    Edit2 = field(1);
    Label5 = fieldCaption(2);
    Edit3 = field(2);
    Label6 = m_roundingCaption;
    Label7 = m_afterCaption;
    Timer1 = m_redrawTimer;
}
