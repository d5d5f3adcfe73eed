// Square.
#pragma once

#include "areascreen.h"

class TForm2 : public area::AreaScreen
{
    Q_OBJECT
public:
    explicit TForm2(const calc::Context &context = calc::Context::standard());

    QLabel *Label2, *Label3, *Label5;
    QComboBox *RzComboBox1;
    QLineEdit *Edit1;

public slots:
    void RzComboBox1Change();
};

extern TForm2 *Form2;
