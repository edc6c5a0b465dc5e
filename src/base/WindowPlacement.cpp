#include "base/WindowPlacement.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace {

// The window's frame around its client area. Until the window has been
// shown the frame is not known: room is kept for a title bar above and a
// border around.
QMargins frameMarginsOf(const QWidget* window)
{
    const QRect client = window->geometry();
    const QRect frame = window->frameGeometry();
    const QMargins margins(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                           frame.bottom() - client.bottom());
    if (!margins.isNull())
        return margins;
    const QStyle* style = window->style();
    const int border = style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, window);
    return QMargins(border, style->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window), border, border);
}

const QScreen* screenOf(const QWidget* window)
{
    const QScreen* screen = window->screen();
    return screen ? screen : QGuiApplication::primaryScreen();
}

QList<QRect> availableAreas()
{
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens())
        areas << screen->availableGeometry();
    return areas;
}

// The smallest size the window takes, its layout's included.
QSize minimumSizeOf(QWidget* window)
{
    if (window->layout())
        window->layout()->activate();
    return window->minimumSize();
}

// The client rectangle placed with Qt's own move() and resize(), which
// count the position from the frame's corner.
void place(QWidget* window, const QRect& client)
{
    const QPoint frameCorner = window->frameGeometry().topLeft() - window->geometry().topLeft();
    window->resize(client.size());
    window->move(client.topLeft() + frameCorner);
}

qint64 overlap(const QRect& a, const QRect& b)
{
    const QRect common = a.intersected(b);
    return common.isEmpty() ? 0 : qint64(common.width()) * common.height();
}

qint64 squaredCentreDistance(const QRect& a, const QRect& b)
{
    const QPoint step = a.center() - b.center();
    return qint64(step.x()) * step.x() + qint64(step.y()) * step.y();
}

} // namespace

void setOnTop(QWidget* window, bool onTop)
{
    if (!window)
        return;
    // Changing a window flag hides a shown window; show it again.
    const bool wasVisible = window->isVisible();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (wasVisible)
        window->show();
}

QRect placedOnScreens(const QRect& client, const QMargins& frame, const QList<QRect>& areas, const QSize& minimum)
{
    QList<QRect> usable;
    for (const QRect& area : areas) {
        const QRect room = area.marginsRemoved(frame);
        if (room.contains(client))
            return client;
        if (!room.isEmpty())
            usable << area;
    }
    if (usable.isEmpty())
        return client;
    // The screen that shows most of the window, else the nearest one.
    const QRect whole = client.marginsAdded(frame);
    const auto better = [&whole](const QRect& a, const QRect& b) {
        const qint64 overlapA = overlap(whole, a);
        const qint64 overlapB = overlap(whole, b);
        if (overlapA != overlapB)
            return overlapA > overlapB;
        return squaredCentreDistance(whole, a) < squaredCentreDistance(whole, b);
    };
    const QRect room = std::min_element(usable.cbegin(), usable.cend(), better)->marginsRemoved(frame);
    const QSize size = client.size().boundedTo(room.size()).expandedTo(minimum);
    const QPoint corner(std::clamp(client.left(), room.left(), std::max(room.left(), room.right() + 1 - size.width())),
                        std::clamp(client.top(), room.top(), std::max(room.top(), room.bottom() + 1 - size.height())));
    return QRect(corner, size);
}

QSize roomOnScreen(QWidget* window)
{
    const QScreen* screen = screenOf(window);
    if (!screen)
        return QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    return screen->availableGeometry().marginsRemoved(frameMarginsOf(window)).size();
}

void centreOnScreen(QWidget* window)
{
    const QScreen* screen = window ? screenOf(window) : nullptr;
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QMargins frame = frameMarginsOf(window);
    QRect client(QPoint(), window->size().boundedTo(area.marginsRemoved(frame).size()));
    client.moveCenter(area.center());
    place(window, placedOnScreens(client, frame, {area}, minimumSizeOf(window)));
}

void moveOntoScreen(QWidget* window)
{
    if (!window || window->isMaximized() || window->isFullScreen())
        return;
    const QRect client = window->geometry();
    const QRect placed = placedOnScreens(client, frameMarginsOf(window), availableAreas(), minimumSizeOf(window));
    if (placed != client)
        place(window, placed);
}
