#include "answertext.h"

#include "texts.h"

#include <QRegularExpression>

namespace calc {

QString answerNumber(const QString &line)
{
    if (!line.startsWith(kAnswerPrefix))
        return {};
    QString number = line.mid(kAnswerPrefix.size());
    // Conversion screens put two blanks and the unit after the number.
    const qsizetype unit = number.indexOf(QStringLiteral("  "));
    if (unit >= 0)
        number.truncate(unit);
    // Progression screens name the quantity first: "d = 3,00".
    const qsizetype equals = number.lastIndexOf(u'=');
    if (equals >= 0)
        number.remove(0, equals + 1);
    number = number.trimmed();
    // Fixed or scientific notation with any one separator, or a special value.
    static const QRegularExpression shown(QStringLiteral(R"(^(-?\d+([^\d\sE+-]\d+)?(E-?\d+)?|-?INF|NAN)$)"));
    return shown.match(number).hasMatch() ? number : QString();
}

}  // namespace calc
