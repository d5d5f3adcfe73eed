// The area screens as data: each figure is one record of its window, its
// rows of captions and fields, and its modes (the mode list's item, the
// inputs in reading order, the formula, what the mode shows and its
// messages). One piece of code reads a record for every area screen. No
// widgets.
#pragma once

#include "outcome.h"
#include "positivity.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <optional>
#include <vector>

namespace area {

// A label left of a field; `lines` > 1 for one that wraps. A pixel height of
// 0 is the screen's own font.
struct Caption {
    const char *name;
    QString text;
    int lines = 1;
    int pixelHeight = 0;
};

// One row of the screen: its captions (more than one where the mode chooses
// which shows) and its field, or the mode list on the mode row.
struct Row {
    int y;
    std::vector<Caption> captions;
    const char *control;
};

struct Mode {
    // The mode list's item that selects the mode; empty on a screen with one mode.
    QString item;
    // The fields read, in order, and how their texts become numbers.
    std::vector<const char *> inputs;
    calc::InputKind kind;
    calc::Formula formula;
    // The captions and fields this mode shows; of the controls some mode
    // names here, the others are hidden.
    std::vector<const char *> shows;
    calc::PositivityTexts texts;
};

struct Figure {
    const char *objectName;
    QString caption;
    QSize clientSize;
    QPoint position;
    QString title;            // Label1
    int titlePixelHeight;
    std::optional<Row> modeRow;  // caption and mode list
    std::vector<Row> rows;       // top to bottom
    int bottomY;                 // the rounding row; the button and the answer line follow
    std::vector<Mode> modes;
    int startMode = 0;
    // The "NAN" watch's message; empty: no watch.
    QString nanMessage;
    // Where the figure's drawing (Image2) stands; empty: no drawing.
    QRect drawing;
    // The fields' width and their distance from the right edge.
    int fieldWidth = 196;
    int fieldMargin = 16;
};

// The mode whose item is exactly `item`, or null.
const Mode *modeFor(const Figure &figure, const QString &item);

// One click in `mode`: the texts of its inputs in reading order and the
// rounding list's text, under the positivity rule.
calc::Outcome compute(const Mode &mode, const std::vector<QString> &inputs, const QString &rounding,
                      QChar decimalSeparator);

const Figure &square();
const Figure &rectangle();
const Figure &parallelogram();
const Figure &triangle();
const Figure &circle();
const Figure &trapezoid();
const Figure &regularPolygon();
const Figure &ellipse();
const Figure &semicircle();

}  // namespace area
