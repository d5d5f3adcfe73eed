// Regular polygon: by the inradius or by the circumradius, with its drawing.
#pragma once

#include "areascreen.h"

class TForm16 : public area::AreaScreen
{
    Q_OBJECT
public:
    explicit TForm16(const calc::Context &context = calc::Context::standard());

    QLabel *Label2, *Label3, *Label5, *Label8, *Label9;
    QComboBox *RzComboBox3;
    QLineEdit *Edit1, *Edit2, *Edit3;

public slots:
    void RzComboBox3Change();
};

extern TForm16 *Form16;
