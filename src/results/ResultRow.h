#pragma once

#include "base/RankThresholds.h"
#include "engines/QueryOutcome.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// One source's answer for a site: the count, 0 when the source reported no
// results, none when it gave no count.
struct EngineCell
{
    std::optional<qint64> count;
    // How the query went; rows restored from last-results.json keep the
    // outcome, failure and reason they were kept with.
    QueryOutcome outcome;

    // As the results table shows it and the files hold it (CountText).
    QString text() const;
};

// One site of the results: a cell per source of the results' columns, in
// their order, and once all have answered, the total and the rank. A row
// may hold fewer cells than there are columns (a row restored from a file,
// or one whose sources have not answered yet): a missing cell is empty. A
// row whose cells that count toward the total are all empty (every query
// failed, or no page gave a count) has neither total nor rank: a total of 0
// would claim that no page links to the site.
struct ResultRow
{
    QString site;
    QList<EngineCell> engines;
    std::optional<qint64> total;
    int rank = 0; // 1 low, 2 medium, 3 high; 0 while the row is incomplete

    // A row as a scan leaves it, from the site and the texts its cells show
    // in column order (read by CountText; a text that is no count leaves its
    // cell empty), every cell counting toward the total.
    static ResultRow completed(const QString& site, const QStringList& cellTexts, const RankThresholds& thresholds);

    // The cell of the source numbered from 1 in column order; a missing one
    // is added (empty) when it is to be changed.
    EngineCell& engine(int sourceNumber);
    const EngineCell& engine(int sourceNumber) const;

    // Adds up the cells' counts and sets the rank. A cell whose flag in
    // countsTowardTotal is false is left out; cells past its end count.
    // With every counted cell empty, no total and no rank.
    void complete(const RankThresholds& thresholds, const QList<bool>& countsTowardTotal = {});

    // The text of a results-table column (ResultsColumns): the total as
    // decimal digits, empty until the row is complete.
    QString columnText(int column) const;
    // The number of a column other than the site's: the total or a count.
    std::optional<qint64> columnNumber(int column) const;
};

// Every member moves as its bytes do, so a table of rows opens a gap for a
// new row with one block move rather than a move of each row after it: a
// scan adding to a large table inserts a row per site near the top.
Q_DECLARE_TYPEINFO(EngineCell, Q_RELOCATABLE_TYPE);
Q_DECLARE_TYPEINFO(ResultRow, Q_RELOCATABLE_TYPE);

// 1 (low) below the low threshold, 3 (high) at or above the boundary, else
// 2 (medium).
int rankOf(qint64 total, const RankThresholds& thresholds);

// "low", "medium", "high"; the empty text for no rank.
QString rankName(int rank);
