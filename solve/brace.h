// A tall opening curly brace on a transparent ground, drawn from a path so
// that it stays sharp at any size and pixel density.
#pragma once

#include <QPainterPath>
#include <QWidget>

namespace solve {

// The brace's outline as a filled shape in a w × h box: the two arms run
// from the right-hand corners to the point at the middle of the left side.
QPainterPath curlyBrace(qreal width, qreal height);

class CurlyBrace : public QWidget
{
    Q_OBJECT
public:
    explicit CurlyBrace(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

}  // namespace solve
