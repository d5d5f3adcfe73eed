#include "Unit51.h"

#include <QTimer>

TForm51 *Form51 = nullptr;

TForm51::TForm51(const calc::Context &context)
    : SolidScreen(
          {"Form51",
           "Призма",
           "Объём призмы",
           {368, 266},
           {297, 183},
           solid::Solid::Prism,
           {{"Label2", "Высота (h)", "Edit1", {80, 40}, 1}, {"Label3", "Площадь основания (S)", "Edit2", {80, 80}, 3}},
           solid::kTallFieldsBottom},
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
