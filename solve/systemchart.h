// The chart of the two-equation screen: both equations as lines over the
// same X range, red for the first and blue for the second, on a vertical
// gradient, with no legend, title or interaction; the axes fit the data.
#pragma once

#include <QChartView>
#include <QPointF>

#include <array>

class QLineSeries;
class QValueAxis;

namespace solve {

class SystemChart : public QChartView
{
    Q_OBJECT
public:
    explicit SystemChart(QWidget *parent = nullptr);

    // Replaces the points of both lines and fits the axes to them.
    void plot(const std::array<QPointF, 2> &first, const std::array<QPointF, 2> &second);

    QLineSeries *Series1 = nullptr;
    QLineSeries *Series2 = nullptr;
    QValueAxis *axisX = nullptr;
    QValueAxis *axisY = nullptr;
};

}  // namespace solve
