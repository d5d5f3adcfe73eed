// Where the main window goes: the placement choices of the settings screen
// and the rule that keeps a restored window reachable.
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

namespace placement {

enum class Choice { TopRight, Centre, TopLeft };

// The new top-left corner of a window `width` wide in the work area.
// The centre is horizontal only, rounded with halves up, at the top edge.
QPoint place(Choice choice, const QRect &workArea, int width);

// The designed position of the main window.
inline constexpr QPoint kDesigned{399, 29};

// A restored window whose frame lies outside every work area goes back to
// the designed position; its outer height is kept within [minimum, the
// tallest work area].
QPoint reachablePosition(const QRect &frame, const QList<QRect> &workAreas);
int reachableHeight(int outerHeight, int minimum, const QList<QRect> &workAreas);

}  // namespace placement
