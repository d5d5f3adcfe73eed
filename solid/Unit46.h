// Cone.
#pragma once

#include "solidscreen.h"

class TForm46 : public solid::SolidScreen
{
    Q_OBJECT
public:
    explicit TForm46(const calc::Context &context = calc::Context::standard());

    QLabel *Label2, *Label3, *Label6, *Label7;
    QLineEdit *Edit1, *Edit2;
    QTimer *Timer2;

public slots:
    // The vertical TrackBar3 is handled by TrackBar1Change, TrackBar1 by
    // TrackBa1Change; all of them redraw.
    void TrackBa1Change();
    void Timer2Timer();
};

extern TForm46 *Form46;
