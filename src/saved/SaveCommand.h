#pragma once

#include <QList>

struct AppContext;
struct ResultRow;
struct SourceColumn;
class QWidget;

// The "save results" command: opens the Save Search Results dialog modally
// for the row selected in the results table; with no row selected, asks the
// user to select one and opens nothing. The counts go into the sections
// named after the sources. True when the counts were saved.
bool runSaveCommand(const ResultRow* selectedRow, const QList<SourceColumn>& columns, AppContext& context, QWidget* owner);
