#include "Unit48.h"

#include <QTimer>

TForm48 *Form48 = nullptr;

TForm48::TForm48(const calc::Context &context)
    : SolidScreen({"Form48",
                   "Усечённый конус",
                   "Объём усечённого конуса",
                   {368, 258},
                   {298, 210},
                   solid::Solid::TruncatedCone,
                   {{"Label2", "Радиус (r)", "Edit1", {88, 40}, 1},
                    {"Label3", "Радиус (r1)", "Edit2", {88, 72}, 1},
                    {"Label5", "Высота (h)", "Edit3", {88, 104}, 1}},
                   solid::kTruncatedConeBottom},
                  context)
{
    Label2 = fieldCaption(0);
    Edit1 = field(0);
    Label3 = fieldCaption(1);
    Edit2 = field(1);
    Label5 = fieldCaption(2);
    Edit3 = field(2);
    Label7 = m_roundingCaption;
    Label8 = m_afterCaption;
    Timer1 = m_redrawTimer;
}
