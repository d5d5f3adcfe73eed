// State every screen shares: the application title and the current
// background picture with its stretch flag.
#pragma once

#include <QImage>
#include <QObject>
#include <QString>

namespace calc {

// The title of the application and of every message box.
QString applicationTitle();

// The first built-in background: a 497 x 4 gradient from light blue to white.
QImage defaultBackground();

// The current background picture and stretch flag. Screens copy both when
// they are shown; the main window keeps its hidden picture holder in step
// through `changed`.
class Appearance : public QObject
{
    Q_OBJECT
public:
    static Appearance &instance();

    QImage background() const { return m_background; }
    bool stretch() const { return m_stretch; }

    void setBackground(const QImage &picture);
    void setStretch(bool stretch);

signals:
    void changed();

private:
    Appearance();
    QImage m_background;
    bool m_stretch = true;
};

}  // namespace calc
