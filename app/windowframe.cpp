#include "windowframe.h"

#include "placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>

#include <cstdlib>
#include <cstring>
#include <memory>

#if QT_CONFIG(xcb)
#include <xcb/xcb.h>
#endif

namespace {

// QT_LOGGING_RULES="kalkort.frame.debug=true" follows the restored place.
Q_LOGGING_CATEGORY(lcFrame, "kalkort.frame", QtWarningMsg)

// A window manager that publishes a frame wider than this publishes nonsense.
constexpr quint32 kLargestFrame = 4096;

QList<QRect> workAreas()
{
    QList<QRect> areas;
    for (const QScreen *screen : QGuiApplication::screens())
        areas << screen->availableGeometry();
    return areas;
}

struct Report {
    QRect client;  // in desktop coordinates
    QMargins frame;
};

#if QT_CONFIG(xcb)

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <typename T>
Reply<T> reply(T *raw)
{
    return Reply<T>(raw, &std::free);
}

xcb_connection_t *x11Connection()
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t frameExtentsAtom(xcb_connection_t *connection)
{
    // Only when some window manager has named it: otherwise no one publishes it.
    const char name[] = "_NET_FRAME_EXTENTS";
    auto atom = reply(xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 1, sizeof name - 1, name), nullptr));
    return atom ? atom->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The extents the window manager publishes on the window, if it does.
std::optional<QMargins> publishedExtents(xcb_connection_t *connection, xcb_window_t window)
{
    const xcb_atom_t atom = frameExtentsAtom(connection);
    if (atom == XCB_ATOM_NONE)
        return std::nullopt;
    auto property = reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, atom, XCB_ATOM_CARDINAL, 0, 4), nullptr));
    if (!property || property->format != 32 || xcb_get_property_value_length(property.get()) != 16)
        return std::nullopt;
    quint32 extents[4];  // left, right, top, bottom
    std::memcpy(extents, xcb_get_property_value(property.get()), sizeof extents);
    for (quint32 extent : extents)
        if (extent > kLargestFrame)
            return std::nullopt;
    return QMargins(int(extents[0]), int(extents[2]), int(extents[1]), int(extents[3]));
}

// The frame window the window manager put the window into: the window's
// ancestor just below the root. None without a window manager.
std::optional<QMargins> enclosingFrame(xcb_connection_t *connection, xcb_window_t window, xcb_window_t root,
                                       xcb_window_t parent, const QRect &client)
{
    xcb_window_t frame = window;
    while (parent != root && parent != XCB_WINDOW_NONE) {
        frame = parent;
        auto tree = reply(xcb_query_tree_reply(connection, xcb_query_tree(connection, frame), nullptr));
        if (!tree)
            return std::nullopt;
        parent = tree->parent;
    }
    if (frame == window)
        return QMargins();
    auto geometry = reply(xcb_get_geometry_reply(connection, xcb_get_geometry(connection, frame), nullptr));
    if (!geometry)
        return std::nullopt;
    // The frame's position is that of its border's outer corner.
    const QRect outer(geometry->x, geometry->y, geometry->width + 2 * geometry->border_width,
                      geometry->height + 2 * geometry->border_width);
    const QMargins margins(client.left() - outer.left(), client.top() - outer.top(), outer.right() - client.right(),
                           outer.bottom() - client.bottom());
    if (margins.left() < 0 || margins.top() < 0 || margins.right() < 0 || margins.bottom() < 0)
        return std::nullopt;
    return margins;
}

// The window's client area and frame as the X server has them, once the
// window is mapped (by its window manager, which frames it first).
std::optional<Report> x11Report(xcb_connection_t *connection, const QWidget &widget)
{
    const auto window = xcb_window_t(widget.internalWinId());
    if (!window)
        return std::nullopt;
    auto attributes = reply(
        xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, window), nullptr));
    if (!attributes || attributes->map_state == XCB_MAP_STATE_UNMAPPED)
        return std::nullopt;
    auto tree = reply(xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr));
    auto geometry = reply(xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr));
    if (!tree || !geometry)
        return std::nullopt;
    auto origin = reply(xcb_translate_coordinates_reply(
        connection, xcb_translate_coordinates(connection, window, tree->root, 0, 0), nullptr));
    if (!origin)
        return std::nullopt;
    const QRect client(origin->dst_x, origin->dst_y, geometry->width, geometry->height);
    std::optional<QMargins> frame = publishedExtents(connection, window);
    if (!frame)
        frame = enclosingFrame(connection, window, tree->root, tree->parent, client);
    if (!frame)
        return std::nullopt;
    // The X server counts device pixels; Qt's geometry counts them scaled.
    const qreal ratio = widget.devicePixelRatioF();
    if (ratio == 1.0)
        return Report{client, *frame};
    const auto scaled = [ratio](int pixels) { return qRound(pixels / ratio); };
    return Report{QRect(scaled(client.x()), scaled(client.y()), scaled(client.width()), scaled(client.height())),
                  QMargins(scaled(frame->left()), scaled(frame->top()), scaled(frame->right()),
                           scaled(frame->bottom()))};
}

#endif

std::optional<Report> report(const QWidget &widget)
{
#if QT_CONFIG(xcb)
    if (xcb_connection_t *connection = x11Connection())
        return x11Report(connection, widget);
#endif
    const QWindow *handle = widget.windowHandle();
    if (!handle || !handle->isExposed())
        return std::nullopt;
    return Report{widget.geometry(), handle->frameMargins()};
}

}  // namespace

std::optional<QMargins> reportedFrameMargins(const QWidget &window)
{
    const std::optional<Report> found = report(window);
    return found ? std::optional<QMargins>(found->frame) : std::nullopt;
}

WindowFrame::WindowFrame(QWidget &window)
    : QObject(&window), m_window(window), m_resize([&window](int height) { window.setFixedHeight(height); })
{
    setObjectName(QStringLiteral("WindowFrame"));
}

WindowFrame &WindowFrame::of(QWidget &window)
{
    if (auto *frame = window.findChild<WindowFrame *>(QStringLiteral("WindowFrame"), Qt::FindDirectChildrenOnly))
        return *frame;
    return *new WindowFrame(window);
}

QRect WindowFrame::outerRectOf(const QWidget &window)
{
    if (auto *frame = window.findChild<WindowFrame *>(QStringLiteral("WindowFrame"), Qt::FindDirectChildrenOnly))
        return frame->outerRect();
    return window.geometry().marginsAdded(reportedFrameMargins(window).value_or(QMargins()));
}

void WindowFrame::setClientResizer(std::function<void(int)> resize) { m_resize = std::move(resize); }

void WindowFrame::resizeClient(int clientHeight) { m_resize(std::max(1, clientHeight)); }

QRect WindowFrame::outerRect() const
{
    const std::optional<QMargins> margins = reportedFrameMargins(m_window);
    if (margins)
        m_lastMargins = margins;
    if (m_pending)
        return target(m_lastMargins.value_or(QMargins()));
    // Qt's client area has every request already made, and what the window
    // manager did since.
    return m_window.geometry().marginsAdded(m_lastMargins.value_or(QMargins()));
}

QRect WindowFrame::target(const QMargins &margins) const
{
    const QList<QRect> areas = workAreas();
    const int width = m_window.width() + margins.left() + margins.right();
    QPoint position = m_window.geometry().topLeft() - QPoint(margins.left(), margins.top());
    if (m_left || m_top) {
        const int left = m_left.value_or(position.x());
        const int top = m_top.value_or(position.y());
        position = !m_keepReachable || placement::titleBarReachable(left, top, width, margins.top(), areas)
                       ? QPoint(left, top)
                       : m_fallback;
    }
    const int height = m_height ? placement::reachableHeight(*m_height, m_minimumHeight, areas)
                                : m_window.height() + margins.top() + margins.bottom();
    return QRect(position, QSize(width, height));
}

void WindowFrame::setOuterLeft(int left) { m_left = left; }

void WindowFrame::setOuterTop(int top) { m_top = top; }

void WindowFrame::setOuterHeight(int height)
{
    m_height = height;
    if (m_pending)
        return;
    if (const std::optional<QMargins> margins = reportedFrameMargins(m_window))
        resizeClient(placement::reachableHeight(height, m_minimumHeight, workAreas()) - margins->top() -
                     margins->bottom());
}

void WindowFrame::restore(QPoint fallback, int minimumHeight)
{
    m_fallback = fallback;
    m_minimumHeight = minimumHeight;
    if (!m_left && !m_top && !m_height)
        return;  // nothing stored: the designed place stands
    m_keepReachable = true;
    start();
}

void WindowFrame::moveOuter(QPoint topLeft)
{
    m_left = topLeft.x();
    m_top = topLeft.y();
    m_height.reset();
    m_keepReachable = false;
    start();
}

void WindowFrame::start()
{
    m_pending = true;
    watchWindow();
    if (reportedFrameMargins(m_window)) {
        onFramed();
        return;
    }
    // Before the frame is known: as if the window had none. The frame's
    // extents come off once the window manager has framed the window.
    const QRect provisional = target(QMargins());
    qCDebug(lcFrame) << "before the frame is known" << provisional;
    resizeClient(provisional.height());
    m_window.move(provisional.topLeft());
}

void WindowFrame::watchWindow()
{
    if (m_watching || !m_window.windowHandle())
        return;
    m_window.windowHandle()->installEventFilter(this);
    m_watching = true;
}

bool WindowFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (m_pending && watched == m_window.windowHandle() &&
        (event->type() == QEvent::Expose || event->type() == QEvent::Move || event->type() == QEvent::Resize))
        QMetaObject::invokeMethod(this, &WindowFrame::onFramed, Qt::QueuedConnection);
    return QObject::eventFilter(watched, event);
}

void WindowFrame::onFramed()
{
    if (!m_pending)
        return;
    const std::optional<Report> found = report(m_window);
    if (!found)
        return;  // not yet on the screen in its frame
    // Qt makes its requests from its own idea of where the window is: act
    // once that idea has caught up with the desktop's (the next move or
    // resize Qt hears of comes back here).
    qCDebug(lcFrame) << "framed: Qt has" << m_window.geometry() << "the desktop" << found->client << found->frame;
    if (m_window.geometry() != found->client)
        return;
    m_lastMargins = found->frame;
    m_pending = false;
    const QRect client = target(found->frame).marginsRemoved(found->frame);
    qCDebug(lcFrame) << "client area wanted" << client;
    if (client == found->client)
        return;
    // Qt turns a client-area request into its own with the frame it knows;
    // asking for the frame makes it read the frame afresh first.
    if (QWindow *handle = m_window.windowHandle())
        handle->frameMargins();
    // The place first, so that the new height is asked for in it.
    m_window.setGeometry(QRect(client.topLeft(), m_window.size()));
    if (m_window.height() != client.height())
        resizeClient(client.height());
}
