#include "Unit25.h"

#include <QPushButton>

TForm25 *Form25 = nullptr;

TForm25::TForm25(const calc::Context &context)
    : InfoScreen(QStringLiteral("Здравствуй, Пользователь!"), QSize(528, 225), context)
{
    setObjectName(QStringLiteral("Form25"));
    const QColor blue(0, 0, 255);
    Label1 = addLabel("Label1", QStringLiteral("Добро пожаловать!"), QRect(0, 12, 528, 28), 21, false, blue);
    Label1->setAlignment(Qt::AlignCenter);
    Label2 = addLabel("Label2",
                      QStringLiteral("           Поздравляю Вас с приобретением Pro-версии \"Калькорта\"! Вы в первый "
                                     "раз запускаете \"Калькорт 1.6.1 Pro\" на своём компьютере.  Надеюсь, Вам "
                                     "понравится моя программа вообще и эта версия в частности."),
                      QRect(16, 50, 496, 100), 16, false, blue);
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label3 = addLabel("Label3", QStringLiteral("С уважением, автор программы: команда Калькорта."),
                      QRect(16, 158, 496, 18), 13, true, blue);
    Button1 = new QPushButton(QStringLiteral("Закрыть"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(436, 188, 80, 25);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &TForm25::Button1Click);
}

void TForm25::Button1Click() { accept(); }
