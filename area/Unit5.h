// Triangle.
#pragma once

#include "areascreen.h"

class TForm5 : public area::AreaScreen
{
    Q_OBJECT
public:
    explicit TForm5(const calc::Context &context = calc::Context::standard());

    QLabel *Label2, *Label3, *Label5, *Label8, *Label9;
    QComboBox *RzComboBox3;
    QLineEdit *Edit1, *Edit2, *Edit3;

public slots:
    void RzComboBox3Change();
};

extern TForm5 *Form5;
