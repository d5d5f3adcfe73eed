#include "placement.h"

#include <algorithm>

namespace placement {

QPoint place(Choice choice, const QRect &workArea, int width)
{
    // The right edge of the work area, as a window docked to it would have.
    const qint64 right = qint64(workArea.x()) + workArea.width();
    switch (choice) {
    case Choice::TopLeft:
        return {0, 0};
    case Choice::TopRight:
        return {int(right - width), 0};
    case Choice::Centre: {
        const qint64 twice = right - width;  // halves round up: (2k + 1) / 2 -> k + 1
        return {int(twice >= 0 ? (twice + 1) / 2 : -((-twice) / 2)), 0};
    }
    }
    return {0, 0};
}

bool titleBarReachable(int left, int top, int width, int titleBarHeight, const QList<QRect> &workAreas)
{
    // Half-open ranges in 64 bits: [left, right) x [top, bottom).
    const qint64 right = qint64(left) + std::max(width, 1);
    const qint64 bottom = qint64(top) + std::max(titleBarHeight, 1);
    for (const QRect &area : workAreas) {
        const qint64 areaLeft = area.x();
        const qint64 areaTop = area.y();
        const qint64 areaRight = areaLeft + area.width();
        const qint64 areaBottom = areaTop + area.height();
        if (left >= areaLeft && right <= areaRight && top >= areaTop && bottom <= areaBottom)
            return true;
    }
    return false;
}

QPoint reachablePosition(int left, int top, int width, int titleBarHeight, const QList<QRect> &workAreas)
{
    return titleBarReachable(left, top, width, titleBarHeight, workAreas) ? QPoint(left, top) : kDesigned;
}

int reachableHeight(int outerHeight, int minimum, const QList<QRect> &workAreas)
{
    int tallest = 0;
    for (const QRect &area : workAreas)
        tallest = std::max(tallest, area.height());
    if (tallest <= 0)
        return std::max(outerHeight, minimum);
    return std::clamp(outerHeight, minimum, std::max(minimum, tallest));
}

}  // namespace placement
