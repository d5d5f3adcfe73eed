// The quadratic and the biquadratic equation: one click of "Рассчитать" is
// one call that reads the coefficient and rounding texts and returns the
// texts of the screen's lines. No widgets.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace solve {

// What a click reads: the three coefficient fields and the rounding list's
// text.
struct EquationRequest {
    QString a;
    QString b;
    QString c;
    QString rounding;
};

// What a click shows: its messages, the discriminant line and the root
// lines, top to bottom. A line left out keeps its text; root lines given
// are also made visible.
struct EquationOutcome {
    QStringList messages;
    std::optional<QString> discriminant;
    QStringList roots;
};

// a·X² + b·X + c = 0: "X1= " and "X2= " lines, or "Нет решений" on both
// when the discriminant is negative. With a = 0 the roots are the
// infinities and undefined values of the division by zero.
EquationOutcome quadratic(const EquationRequest &request, QChar decimalSeparator);

// a·X⁴ + b·X² + c = 0 through t = X²: four "X= " lines, +√t1, +√t2, −√t1,
// −√t2, and "Нет решений" for each pair whose t is negative or undefined.
// With a = 0 and b ≠ 0 the equation is b·t + c = 0 and both pairs show ±√t.
EquationOutcome biquadratic(const EquationRequest &request, QChar decimalSeparator);

inline const QString kNoSolutions = QStringLiteral("Нет решений");

}  // namespace solve
