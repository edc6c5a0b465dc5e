#pragma once

class QWidget;

// Keeps the window above all others (onTop true) or lets it be covered
// again (false). A visible window stays visible.
void setOnTop(QWidget* window, bool onTop);

// Places the window in the middle of its screen's available area.
void centreOnScreen(QWidget* window);

// Moves a window that is not wholly inside the available area of its screen
// into that area, made smaller when it is larger than the area. A maximised
// or full-screen window is left as it is.
void moveOntoScreen(QWidget* window);
