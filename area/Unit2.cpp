#include "Unit2.h"

#include <QLineEdit>

TForm2 *Form2 = nullptr;

TForm2::TForm2(const calc::Context &context) : AreaScreen(area::square(), context)
{
    Label2 = control<QLabel>("Label2");
    Label3 = control<QLabel>("Label3");
    Label5 = control<QLabel>("Label5");
    RzComboBox1 = control<QComboBox>("RzComboBox1");
    Edit1 = control<QLineEdit>("Edit1");
    connect(RzComboBox1, &QComboBox::currentTextChanged, this, &TForm2::RzComboBox1Change);
}

void TForm2::RzComboBox1Change() { showMode(); }
