#pragma once

class QWidget;

// Keeps the window above all others (onTop true) or lets it be covered
// again (false). A visible window stays visible.
void SetOnTop(QWidget* window, bool onTop);

// Places the window in the middle of its screen's available area.
void centreOnScreen(QWidget* window);
