#include "systemchart.h"

#include "controls.h"

#include <QGraphicsLayout>
#include <QLineSeries>
#include <QLinearGradient>
#include <QValueAxis>

#include <algorithm>

namespace solve {

namespace {

QLineSeries *makeSeries(const char *name, const QColor &colour)
{
    auto *series = new QLineSeries;
    series->setObjectName(QLatin1String(name));
    QPen pen(colour);
    pen.setWidth(2);
    series->setPen(pen);
    series->setPointsVisible(false);
    series->setPointLabelsVisible(false);
    return series;
}

}  // namespace

SystemChart::SystemChart(QWidget *parent) : QChartView(parent)
{
    setObjectName(QStringLiteral("Chart1"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setRenderHint(QPainter::Antialiasing);
    setRubberBand(QChartView::NoRubberBand);
    setInteractive(false);
    setFocusPolicy(Qt::NoFocus);
    setBackgroundBrush(Qt::white);
    calc::keepFrameWhole(this);

    QChart *chart = this->chart();
    chart->setMargins(QMargins());
    chart->setBackgroundRoundness(0);
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    QLinearGradient gradient(0, 0, 0, 1);
    gradient.setCoordinateMode(QGradient::ObjectMode);
    gradient.setColorAt(0, QColor(9, 205, 247));
    gradient.setColorAt(1, QColor(21, 218, 234));
    chart->setBackgroundBrush(gradient);
    chart->setBackgroundPen(Qt::NoPen);
    chart->setPlotAreaBackgroundVisible(false);
    chart->legend()->hide();
    chart->setAnimationOptions(QChart::NoAnimation);

    Series1 = makeSeries("Series1", Qt::red);
    Series2 = makeSeries("Series2", Qt::blue);
    chart->addSeries(Series1);
    chart->addSeries(Series2);
    axisX = new QValueAxis;
    axisY = new QValueAxis;
    for (QValueAxis *axis : {axisX, axisY})
        axis->setLabelFormat(QStringLiteral("%g"));
    chart->addAxis(axisX, Qt::AlignBottom);
    chart->addAxis(axisY, Qt::AlignLeft);
    for (QLineSeries *series : {Series1, Series2}) {
        series->attachAxis(axisX);
        series->attachAxis(axisY);
    }
}

void SystemChart::plot(const std::array<QPointF, 2> &first, const std::array<QPointF, 2> &second)
{
    Series1->replace(QList<QPointF>(first.begin(), first.end()));
    Series2->replace(QList<QPointF>(second.begin(), second.end()));

    const std::array<QPointF, 4> all{first[0], first[1], second[0], second[1]};
    const auto [left, right] = std::minmax_element(all.begin(), all.end(),
                                                   [](QPointF p, QPointF q) { return p.x() < q.x(); });
    const auto [bottom, top] = std::minmax_element(all.begin(), all.end(),
                                                   [](QPointF p, QPointF q) { return p.y() < q.y(); });
    axisX->setRange(left->x(), right->x());
    axisY->setRange(bottom->y(), top->y());
    axisY->applyNiceNumbers();
}

}  // namespace solve
