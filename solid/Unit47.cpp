#include "Unit47.h"

#include <QTimer>

TForm47 *Form47 = nullptr;

TForm47::TForm47(const calc::Context &context)
    : SolidScreen({"Form47",
                   "Сфера",
                   "Объём сферы",
                   {368, 258},
                   {309, 246},
                   solid::Solid::Sphere,
                   {{"Label2", "Радиус (R)", "Edit1", {80, 64}, 1}},
                   solid::kSphereBottom},
                  context)
{
    Label2 = fieldCaption(0);
    Edit1 = field(0);
    Label6 = m_roundingCaption;
    Label7 = m_afterCaption;
    Timer1 = m_redrawTimer;
}
