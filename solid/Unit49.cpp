#include "Unit49.h"

#include <QTimer>

TForm49 *Form49 = nullptr;

TForm49::TForm49(const calc::Context &context)
    : SolidScreen(
          {"Form49",
           "Пирамида",
           "Объём пирамиды",
           {368, 266},
           {310, 151},
           solid::Solid::Pyramid,
           {{"Label2", "Площадь основ.(S)", "Edit1", {80, 48}, 2}, {"Label3", "Высота (h)", "Edit2", {80, 96}, 1}},
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
