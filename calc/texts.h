// The texts every calculator screen shares, for the screens and for the
// widget-free code that composes their answers and messages.
#pragma once

#include <QString>

namespace calc {

inline const QString kInvalidValue = QStringLiteral("Ошибка! Вы ввели неправильное значение!!!");
inline const QString kAnswerPrefix = QStringLiteral("Ответ: ");

}  // namespace calc
