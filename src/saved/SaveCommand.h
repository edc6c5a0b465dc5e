#pragma once

#include <QList>

struct AppContext;
class QString;
struct ResultRow;
struct SourceColumn;
class QWidget;

// The "save results" command: opens the Save Search Results dialog modally
// for the row selected in the results table, the site's saved search chosen
// when it has one; with no row selected, asks the user to select one and
// opens nothing. The counts go into the sections named after the sources'
// columns. True when the counts were saved, with `confirmation` saying
// where, for the status bar.
bool runSaveCommand(const ResultRow* selectedRow, const QList<SourceColumn>& columns, AppContext& context,
                    QWidget* owner, QString* confirmation = nullptr);
