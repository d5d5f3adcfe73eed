// Where the main window goes: the placement choices of the settings screen
// and the rule that keeps a restored window reachable. Positions and sizes
// are those of the outer rectangle, frame and title bar included.
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

// Whether the title bar of a window at (left, top), `width` wide, lies whole
// within one work area: the top `titleBarHeight` rows of its outer rectangle,
// at least one row when it has no frame. Safe for any 32-bit values.
bool titleBarReachable(int left, int top, int width, int titleBarHeight, const QList<QRect> &workAreas);

// The position itself when its title bar is reachable, the designed one otherwise.
QPoint reachablePosition(int left, int top, int width, int titleBarHeight, const QList<QRect> &workAreas);

// The outer height kept within [minimum, the tallest work area].
int reachableHeight(int outerHeight, int minimum, const QList<QRect> &workAreas);

}  // namespace placement
