#include "Unit45.h"

#include <QTimer>

TForm45 *Form45 = nullptr;

TForm45::TForm45(const calc::Context &context)
    : SolidScreen({"Form45",
                   "Цилиндр",
                   "Объём цилиндра",
                   {368, 260},
                   {292, 148},
                   solid::Solid::Cylinder,
                   {{"Label2", "Радиус (r)", "Edit1", {80, 40}, 1}, {"Label3", "Высота (h)", "Edit2", {80, 96}, 1}},
                   solid::kStandardBottom},
                  context)
{
    Label2 = fieldCaption(0);
    Edit1 = field(0);
    Label3 = fieldCaption(1);
    Edit2 = field(1);
    Label6 = m_roundingCaption;
    Label7 = m_afterCaption;
    Timer1 = m_redrawTimer;
}
