// Fraction operations.
#pragma once

#include "fractions.h"
#include "screen.h"

class QLineEdit;
class QPushButton;

class TForm40 : public calc::Screen
{
    Q_OBJECT
public:
    explicit TForm40(const calc::Context &context = calc::Context::standard());

    calc::TImage *Image1 = background();
    QLabel *Label7, *Label10, *Label11, *Label12, *Label13, *Label14;
    QLineEdit *Edit1, *Edit2, *Edit3, *Edit4, *Edit5, *Edit6;
    calc::TImage *Image2, *Image3, *Image4;  // the fraction bars
    QPushButton *Button1, *Button2, *Button3, *Button4;
    // The internal steps, out of the user's sight.
    QPushButton *Button5, *Button6, *Button7;

    const fractions::Values &values() const { return m_values; }

public slots:
    void Button1Click();  // "Сложить"
    void Button2Click();  // "Вычесть"
    void Button3Click();  // "Умножить"
    void Button4Click();  // "Разделить"
    void Button5Click();  // reduces fraction 1
    void Button6Click();  // reduces the result and shows it
    void Button7Click();  // reduces fraction 2

private:
    void operate(fractions::Operation operation);
    void perform(const fractions::Effects &effects);

    fractions::Values m_values;
};

extern TForm40 *Form40;
