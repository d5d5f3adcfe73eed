#include "Unit46.h"

#include <QPushButton>
#include <QTimer>

TForm46 *Form46 = nullptr;

TForm46::TForm46(const calc::Context &context)
    : SolidScreen({"Form46",
                   "Конус",
                   "Объём конуса",
                   {368, 266},
                   {319, 217},
                   solid::Solid::Cone,
                   {{"Label2", "Радиус (r)", "Edit1", {80, 40}, 1}, {"Label3", "Высота (h)", "Edit2", {80, 96}, 1}},
                   solid::kStandardBottom,
                   true},
                  context)
{
    Label2 = fieldCaption(0);
    Edit1 = field(0);
    Label3 = fieldCaption(1);
    Edit2 = field(1);
    Label6 = m_roundingCaption;
    Label7 = m_afterCaption;
    Timer2 = m_redrawTimer;
    connect(TrackBar3, &QSlider::valueChanged, this, &TForm46::TrackBar1Change);
    connect(TrackBar1, &QSlider::valueChanged, this, &TForm46::TrackBa1Change);
    connect(TrackBar2, &QSlider::valueChanged, this, &TForm46::TrackBar2Change);
    connect(Timer2, &QTimer::timeout, this, &TForm46::Timer2Timer);
}

void TForm46::TrackBa1Change() { Button3->click(); }

void TForm46::Timer2Timer() { Button3Click(); }
