#include "Unit4.h"

#include <QLineEdit>

TForm4 *Form4 = nullptr;

TForm4::TForm4(const calc::Context &context) : AreaScreen(area::parallelogram(), context)
{
    Label2 = control<QLabel>("Label2");
    Label5 = control<QLabel>("Label5");
    Edit1 = control<QLineEdit>("Edit1");
    Edit2 = control<QLineEdit>("Edit2");
}
