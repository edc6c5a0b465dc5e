#pragma once

#include <QList>
#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

// Keeps the window above all others (onTop true) or lets it be covered
// again (false). A visible window stays visible.
void setOnTop(QWidget* window, bool onTop);

// Places the window in the middle of its screen's available area, made
// smaller where it is larger than the area.
void centreOnScreen(QWidget* window);

// The largest client size the window can have on its screen with its
// frame; no limit when there is no screen.
QSize roomOnScreen(QWidget* window);

// Moves a window that is not wholly inside the available area of a screen
// into the area it overlaps most (the nearest when it is off every screen),
// made smaller when it is larger than the area. A maximised or full-screen
// window is left as it is.
void moveOntoScreen(QWidget* window);

// The rule of moveOntoScreen(): where the window's client rectangle goes so
// that the whole window, its frame (the title bar above, borders around)
// included, lies inside one of the screens' available areas. The size
// shrinks to fit down to `minimum`; a window that cannot shrink enough
// keeps its title bar and menus inside the area and reaches past its right
// and lower edges. A rectangle already inside an area stays as it is.
QRect placedOnScreens(const QRect& client, const QMargins& frame, const QList<QRect>& areas, const QSize& minimum);
