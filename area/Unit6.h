// Circle.
#pragma once

#include "areascreen.h"

class TForm6 : public area::AreaScreen
{
    Q_OBJECT
public:
    explicit TForm6(const calc::Context &context = calc::Context::standard());

    QLabel *Label2, *Label3, *Label8;
    QComboBox *RzComboBox3;
    QLineEdit *Edit2;

public slots:
    void RzComboBox3Change();
};

extern TForm6 *Form6;
