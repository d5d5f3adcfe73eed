#include "placement.h"

#include <algorithm>

namespace placement {

QPoint place(Choice choice, const QRect &workArea, int width)
{
    // The right edge of the work area, as a window docked to it would have.
    const int right = workArea.x() + workArea.width();
    switch (choice) {
    case Choice::TopLeft:
        return {0, 0};
    case Choice::TopRight:
        return {right - width, 0};
    case Choice::Centre: {
        const int twice = right - width;  // halves round up: (2k + 1) / 2 -> k + 1
        return {twice >= 0 ? (twice + 1) / 2 : -((-twice) / 2), 0};
    }
    }
    return {0, 0};
}

QPoint reachablePosition(const QRect &frame, const QList<QRect> &workAreas)
{
    // Reachable: some part of the title bar lies in a work area, so the
    // window can be grabbed and moved.
    const QRect titleBar(frame.topLeft(), QSize(frame.width(), std::min(frame.height(), 20)));
    for (const QRect &area : workAreas)
        if (area.intersects(titleBar))
            return frame.topLeft();
    return kDesigned;
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
