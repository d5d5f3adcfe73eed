// Semicircle: by the radius or by the whole diameter, with its drawing.
#pragma once

#include "areascreen.h"

class TForm19 : public area::AreaScreen
{
    Q_OBJECT
public:
    explicit TForm19(const calc::Context &context = calc::Context::standard());

    QLabel *Label2, *Label3, *Label8;
    QComboBox *RzComboBox3;
    QLineEdit *Edit2;

public slots:
    void RzComboBox3Change();
};

extern TForm19 *Form19;
