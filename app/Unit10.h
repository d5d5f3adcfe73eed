// About the program.
#pragma once

#include "infoscreens.h"

class QPushButton;

class TForm10 : public InfoScreen
{
    Q_OBJECT
public:
    explicit TForm10(const calc::Context &context = calc::Context::standard());

    QLabel *Label1, *Label2, *Label3;
    TRzURLLabel *RzURLLabel1, *RzURLLabel2, *RzURLLabel3, *RzURLLabel4;
    calc::TImage *Image2, *Image3, *Image4;
    QPushButton *Button1;

protected:
    void showEvent(QShowEvent *event) override;
};

extern TForm10 *Form10;
