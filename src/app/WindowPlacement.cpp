#include "app/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void SetOnTop(QWidget* window, bool onTop)
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
