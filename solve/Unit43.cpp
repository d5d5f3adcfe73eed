#include "Unit43.h"

#include <QLineEdit>

TForm43 *Form43 = nullptr;

namespace {

using progressions::Control;

progressions::Layout arithmeticLayout()
{
    return {
        QStringLiteral("Form43"),
        QSize(424, 243),
        QPoint(303, 224),
        169,
        QPoint(264, 8),
        QPoint(274, 18),
        QStringLiteral("a  - первй член прогресии\nd -  разность прогрессии\nn -  индекс числа"),
        261,
        176,
        {
            // Two terms and their indices.
            {Control::Label, "Label2", QRect(16, 64, 118, 30), 12,
             QStringLiteral("Введите два любых числа прогрессии:")},
            {Control::Edit, "Edit1", QRect(136, 77, 100, 0), 13, {}},
            {Control::Edit, "Edit3", QRect(256, 77, 100, 0), 13, {}},
            {Control::Label, "Label3", QRect(16, 106, 0, 0), 12, QStringLiteral("Введите индексы чисел:")},
            {Control::Edit, "Edit2", QRect(224, 104, 25, 0), 11, {}},
            {Control::Edit, "Edit4", QRect(344, 104, 25, 0), 11, {}},
            // a1, then d or an, then n.
            {Control::Label, "Label5", QRect(16, 56, 0, 0), 15, QStringLiteral("a")},
            {Control::Label, "Label8", QRect(24, 64, 0, 0), 12, QStringLiteral("1")},
            {Control::Edit, "Edit5", QRect(40, 53, 217, 0), 13, {}},
            {Control::Label, "Label9", QRect(16, 88, 0, 0), 15, QStringLiteral("d")},
            {Control::Label, "Label13", QRect(16, 88, 0, 0), 15, QStringLiteral("a")},
            {Control::Label, "Label14", QRect(24, 96, 0, 0), 12, QStringLiteral("n")},
            {Control::Edit, "Edit7", QRect(40, 85, 217, 0), 13, {}},
            {Control::Label, "Label10", QRect(16, 120, 0, 0), 15, QStringLiteral("n")},
            {Control::Edit, "Edit6", QRect(40, 117, 217, 0), 13, {}},
        },
    };
}

}  // namespace

TForm43::TForm43(const calc::Context &context)
    : ProgressionScreen(progressions::arithmetic(), arithmeticLayout(), context)
{
    Label2 = control<QLabel>("Label2");
    Label3 = control<QLabel>("Label3");
    Label5 = control<QLabel>("Label5");
    Label8 = control<QLabel>("Label8");
    Label9 = control<QLabel>("Label9");
    Label10 = control<QLabel>("Label10");
    Label13 = control<QLabel>("Label13");
    Label14 = control<QLabel>("Label14");
    Edit1 = control<QLineEdit>("Edit1");
    Edit2 = control<QLineEdit>("Edit2");
    Edit3 = control<QLineEdit>("Edit3");
    Edit4 = control<QLineEdit>("Edit4");
    Edit5 = control<QLineEdit>("Edit5");
    Edit6 = control<QLineEdit>("Edit6");
    Edit7 = control<QLineEdit>("Edit7");
}
