#pragma once

class MainWindow;
class UserSettings;

// What the main window keeps between sessions in the per-user store: its
// placement (size, position, maximised state), the column widths of the
// results table and of the web-results list, and the view shown. The chart
// type is kept by the chart panel as it is chosen.
namespace WindowMemory {

// Restores what was saved; anything never saved, or saved by a version
// whose tables had other columns, stays as the window made it. A placement
// kept from another arrangement of screens, or another scale factor, is
// brought onto the screen when the window is first shown (moveOntoScreen).
void restore(MainWindow& window, const UserSettings& settings);

void save(const MainWindow& window, UserSettings& settings);

} // namespace WindowMemory
