#include "Unit5.h"

#include <QLineEdit>

TForm5 *Form5 = nullptr;

TForm5::TForm5(const calc::Context &context) : AreaScreen(area::triangle(), context)
{
    Label2 = control<QLabel>("Label2");
    Label3 = control<QLabel>("Label3");
    Label5 = control<QLabel>("Label5");
    Label8 = control<QLabel>("Label8");
    Label9 = control<QLabel>("Label9");
    RzComboBox3 = control<QComboBox>("RzComboBox3");
    Edit1 = control<QLineEdit>("Edit1");
    Edit2 = control<QLineEdit>("Edit2");
    Edit3 = control<QLineEdit>("Edit3");
    connect(RzComboBox3, &QComboBox::currentTextChanged, this, &TForm5::RzComboBox3Change);
}

void TForm5::RzComboBox3Change() { showMode(); }
