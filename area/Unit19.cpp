#include "Unit19.h"

#include "drawings.h"

#include <QLineEdit>

TForm19 *Form19 = nullptr;

TForm19::TForm19(const calc::Context &context) : AreaScreen(area::semicircle(), context, area::semicircleDrawing)
{
    Label2 = control<QLabel>("Label2");
    Label3 = control<QLabel>("Label3");
    Label8 = control<QLabel>("Label8");
    RzComboBox3 = control<QComboBox>("RzComboBox3");
    Edit2 = control<QLineEdit>("Edit2");
    connect(RzComboBox3, &QComboBox::currentTextChanged, this, &TForm19::RzComboBox3Change);
}

void TForm19::RzComboBox3Change() { showMode(); }
