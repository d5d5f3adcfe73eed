// What the copy key takes from an answer line: the number as the line shows
// it, without the word before it and the unit after it. No widgets.
#pragma once

#include <QString>

namespace calc {

// "Ответ: 5000,00  Грамм" gives "5000,00", "Ответ: Sn = 12,50" gives
// "12,50", "Ответ: -INF" gives "-INF". A line that shows no number ("Ответ:",
// "Ответ: ?", an error caption) gives an empty text.
QString answerNumber(const QString &line);

}  // namespace calc
