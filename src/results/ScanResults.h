#pragma once

#include "results/ResultRow.h"
#include "results/ResultsColumns.h"

#include <QAbstractTableModel>
#include <QList>

// The results of the scans: one typed row per scanned site, with the
// columns of ResultsColumns: a column per source (the six built-in engines
// until a scan says otherwise). The scan fills it; the results table,
// saving, the charts, the export and the command line read it. A row stays
// where it was inserted until the results are cleared or replaced: views
// sort through a proxy (ResultsSortProxy).
//
// The rank is given by RankRole of the first column (0 for none), so that a
// view can show it as an icon, and in words as the site's tool tip and
// accessible description ("Rank: high, total 1234"); a source cell's
// SuspectRole says whether it deserves a warning mark
// (QueryOutcome::isSuspect), and its tool tip and accessible description
// say how the query went. SortKeyRole holds what a column sorts by: the
// site's text, or the number of the total or a count (none: an invalid
// variant).
class ScanResults : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Role { RankRole = Qt::UserRole + 1, SuspectRole, SortKeyRole };

    explicit ScanResults(QObject* parent = nullptr);

    // Asked twice for every comparison of a sort: a bounds check here, not
    // the general way's calls of rowCount() and columnCount().
    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    const QList<ResultRow>& rows() const { return m_rows; }
    const ResultRow& row(int row) const { return m_rows.at(row); }

    // The sources' columns. Setting other ones keeps each row's cells of the
    // sources that stay (matched by name, letter case ignored), in the new
    // order; the cells of the others go, and the rows keep their totals.
    const QList<SourceColumn>& sourceColumns() const { return m_columns; }
    void setSourceColumns(const QList<SourceColumn>& columns);

    // Inserts an empty row for the site at the position (clamped to the
    // table) and returns the row it went to.
    int insertSite(int position, const QString& site);
    // Sets the cell of the source numbered from 1 in column order.
    void setEngineCell(int row, int sourceNumber, const std::optional<qint64>& count, const QueryOutcome& outcome);
    // Sets the row's total and rank from its cells of the sources that
    // count toward the total.
    void completeRow(int row, const RankThresholds& thresholds);

    void setRows(const QList<ResultRow>& rows);
    void clear();

signals:
    // After setSourceColumns() changed the columns.
    void sourceColumnsChanged();

private:
    void rowChanged(int row, int firstColumn, int lastColumn);
    QVariant siteData(const ResultRow& row, int role) const;
    QVariant sourceData(const ResultRow& row, int sourceIndex, int role) const;

    QList<SourceColumn> m_columns = ResultsColumns::builtInColumns();
    QList<ResultRow> m_rows;
};
