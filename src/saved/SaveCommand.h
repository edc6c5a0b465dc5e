#pragma once

#include <QString>

#include <optional>

struct AppContext;
class QTreeWidget;
class QWidget;

// The save data of the results table's selected row: the captions and cells
// of the six engine columns (the third to the eighth), or nothing when no
// row is selected.
std::optional<QString> saveDataOfSelectedRow(const QTreeWidget* resultsTable);

// The "save results" command: opens the Save Search Results dialog modally
// for the selected row; with no row selected, asks the user to select one
// and opens nothing. True when the counts were saved.
bool runSaveCommand(QTreeWidget* resultsTable, AppContext& context, QWidget* owner);
