#pragma once

struct AppContext;
struct ResultRow;
class QWidget;

// The "save results" command: opens the Save Search Results dialog modally
// for the row selected in the results table; with no row selected, asks the
// user to select one and opens nothing. True when the counts were saved.
bool runSaveCommand(const ResultRow* selectedRow, AppContext& context, QWidget* owner);
