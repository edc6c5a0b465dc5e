#include "base/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <algorithm>

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

void centreOnScreen(QWidget* window)
{
    if (!window)
        return;
    QScreen* screen = window->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    window->move(area.center() - QPoint(window->width() / 2, window->height() / 2));
}

void moveOntoScreen(QWidget* window)
{
    if (!window || window->isMaximized() || window->isFullScreen())
        return;
    QScreen* screen = QGuiApplication::screenAt(window->frameGeometry().center());
    if (!screen)
        screen = window->screen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QRect client = window->geometry();
    const QRect frame = window->frameGeometry();
    QMargins frameMargins(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                          frame.bottom() - client.bottom());
    // Until the window has been shown its frame is not known: keep room for
    // a title bar above and a border around.
    if (frameMargins.isNull()) {
        const QStyle* style = window->style();
        const int border = style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, window);
        frameMargins = QMargins(border, style->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window), border, border);
    }
    const QRect room = area.marginsRemoved(frameMargins);
    if (room.contains(client) || room.isEmpty())
        return;
    window->resize(client.size().boundedTo(room.size()));
    const QSize size = window->size();
    const QPoint clientCorner(
        std::clamp(client.left(), room.left(), std::max(room.left(), room.right() + 1 - size.width())),
        std::clamp(client.top(), room.top(), std::max(room.top(), room.bottom() + 1 - size.height())));
    // move() places the frame's corner.
    window->move(clientCorner - (client.topLeft() - frame.topLeft()));
}
