#include "Unit44.h"

#include <QLineEdit>

TForm44 *Form44 = nullptr;

namespace {

using progressions::Control;

progressions::Layout geometricLayout()
{
    return {
        QStringLiteral("Form44"),
        QSize(437, 243),
        QPoint(281, 212),
        273,
        QPoint(264, 48),
        QPoint(274, 58),
        QStringLiteral("b  - первй член прогресии\nq -  знаменатель прогрессии\nn -  индекс числа"),
        269,
        168,
        {
            {Control::Label, "Label8", QRect(16, 56, 0, 0), 15, QStringLiteral("b")},
            {Control::Label, "Label14", QRect(24, 64, 0, 0), 12, QStringLiteral("1")},
            {Control::Edit, "Edit5", QRect(40, 53, 217, 0), 13, {}},
            {Control::Label, "Label2", QRect(16, 88, 0, 0), 15, QStringLiteral("q")},
            {Control::Edit, "Edit1", QRect(40, 85, 217, 0), 13, {}},
            // n, or bn in "Сумму n первых членов (1)".
            {Control::Label, "Label3", QRect(16, 120, 0, 0), 15, QStringLiteral("n")},
            {Control::Label, "Label13", QRect(16, 120, 0, 0), 15, QStringLiteral("b")},
            {Control::Label, "Label5", QRect(24, 128, 0, 0), 12, QStringLiteral("n")},
            {Control::Edit, "Edit2", QRect(40, 117, 217, 0), 13, {}},
        },
    };
}

}  // namespace

TForm44::TForm44(const calc::Context &context)
    : ProgressionScreen(progressions::geometric(), geometricLayout(), context)
{
    Label2 = control<QLabel>("Label2");
    Label3 = control<QLabel>("Label3");
    Label5 = control<QLabel>("Label5");
    Label8 = control<QLabel>("Label8");
    Label13 = control<QLabel>("Label13");
    Label14 = control<QLabel>("Label14");
    Edit1 = control<QLineEdit>("Edit1");
    Edit2 = control<QLineEdit>("Edit2");
    Edit5 = control<QLineEdit>("Edit5");
}
