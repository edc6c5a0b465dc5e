#pragma once

#include "base/RankThresholds.h"
#include "engines/EngineTable.h"
#include "engines/QueryOutcome.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// One engine's answer for a site.
struct EngineCell
{
    // As the results table shows it: the count without commas, "0" when the
    // engine reported no results, empty when it gave no count.
    QString text;
    // countValue() of the text; 0 when the text is no number.
    qint64 value = 0;
    // How the query went. Rows restored from a file say "counted" and
    // carry no fetch details.
    QueryOutcome outcome;

    void setText(const QString& cellText);
};

// One site of the results: the six engine cells in the engine table's
// order, and once all six have answered, the total and the rank. A row
// whose cells are all empty (every query failed, or no page gave a count)
// has neither: a total of 0 would claim that no page links to the site.
struct ResultRow
{
    QString site;
    std::array<EngineCell, engineCount> engines;
    std::optional<qint64> total;
    int rank = 0; // 1 low, 2 medium, 3 high; 0 while the row is incomplete

    // A row as a scan leaves it, from the site and the six cell texts in
    // engine order (missing texts are empty).
    static ResultRow completed(const QString& site, const QStringList& cellTexts, const RankThresholds& thresholds);

    EngineCell& engine(int engineNumber) { return engines[static_cast<std::size_t>(engineNumber - 1)]; }
    const EngineCell& engine(int engineNumber) const { return engines[static_cast<std::size_t>(engineNumber - 1)]; }

    // Adds up the cells' values and sets the rank; with every cell empty,
    // no total and no rank.
    void complete(const RankThresholds& thresholds);

    // The text of a results-table column (ResultsColumns): the total as
    // decimal digits, empty until the row is complete.
    QString columnText(int column) const;
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
