// The outer rectangle of a top-level window, frame and title bar included,
// as the desktop reports it, and a stored place and height applied to it
// exactly.
//
// Until the window manager has put the window into its frame, the frame is
// unknown: the place asked for is then applied as well as can be, and applied
// exactly as soon as the window is on the screen in its frame. Nothing is
// guessed and nothing waits for a time.
#pragma once

#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QRect>

#include <functional>
#include <optional>

class QWidget;

// The frame extents (left, top, right, bottom) of a window on the screen:
// on X11 the _NET_FRAME_EXTENTS its window manager publishes, or else the
// frame window it was put into (none without a window manager); elsewhere
// what Qt reports. None while the window is not on the screen.
std::optional<QMargins> reportedFrameMargins(const QWidget &window);

class WindowFrame : public QObject
{
    Q_OBJECT
public:
    // The frame of a top-level window, made on first use as its child.
    static WindowFrame &of(QWidget &window);
    // The outer rectangle of a window, whether its frame was made or not.
    static QRect outerRectOf(const QWidget &window);

    // How the client height is changed (the default sets a fixed height).
    void setClientResizer(std::function<void(int clientHeight)> resize);

    // The outer rectangle: the client area in its frame, or while a place
    // asked for waits for the frame, that place.
    QRect outerRect() const;
    // False while a place asked for waits for the frame.
    bool settled() const { return !m_pending; }

    // Ask for the outer left, top and height; restore() applies them.
    void setOuterLeft(int left);
    void setOuterTop(int top);
    void setOuterHeight(int height);
    // Applies the place and height asked for. A place whose title bar does not
    // lie whole within a work area gives way to `fallback`; the height is kept
    // within [minimumHeight, the tallest work area].
    void restore(QPoint fallback, int minimumHeight);

    // Moves the outer rectangle's top-left corner there.
    void moveOuter(QPoint topLeft);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit WindowFrame(QWidget &window);
    // The outer rectangle wanted, in a frame of these extents.
    QRect target(const QMargins &margins) const;
    // Applies the place wanted as well as it can be now, and exactly once
    // the frame is known.
    void start();
    void watchWindow();
    // Applies the place wanted in the frame now known.
    void onFramed();
    void resizeClient(int clientHeight);

    QWidget &m_window;
    std::function<void(int)> m_resize;
    std::optional<int> m_left, m_top, m_height;
    bool m_keepReachable = false;
    QPoint m_fallback;
    int m_minimumHeight = 1;
    bool m_pending = false;  // the place asked for waits for the frame
    mutable std::optional<QMargins> m_lastMargins;
    bool m_watching = false;
};
