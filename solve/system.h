// The system of two linear equations a1·X + b1·Y = c1, a2·X + b2·Y = c2 in
// whole-number coefficients: one click of "Рассчитать" is one call that
// reads the six coefficient texts and the rounding text and returns the
// verdict, the answer lines and the two lines of the chart. No widgets.
#pragma once

#include <QPointF>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace solve {

// What a click reads: the coefficient fields and the rounding list's text.
struct SystemRequest {
    QString a1;
    QString b1;
    QString c1;
    QString a2;
    QString b2;
    QString c2;
    QString rounding;
};

// Each equation drawn over X from −4 to 4: its points at X = −4 and X = 4.
struct SystemPlot {
    std::array<QPointF, 2> first;
    std::array<QPointF, 2> second;
};

// What a click shows: its messages, the verdict, the X and Y lines and the
// new chart data. A part left out keeps its previous contents.
struct SystemOutcome {
    QStringList messages;
    std::optional<QString> verdict;
    std::optional<QString> xLine;
    std::optional<QString> yLine;
    std::optional<SystemPlot> plot;
};

SystemOutcome linearSystem(const SystemRequest &request, QChar decimalSeparator);

inline const QString kUniqueSolution = QStringLiteral("Система имеет единственное решение");
inline const QString kInfinitelyMany = QStringLiteral("Система имеет бесконечно много решений");
inline const QString kNoSolution = QStringLiteral("Система не имеет решений");
inline const QString kXLine = QStringLiteral("Ответ: X=");
inline const QString kYLine = QStringLiteral("Y=");

}  // namespace solve
