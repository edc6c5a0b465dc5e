#pragma once

#include "engines/QueryOutcome.h"

#include <QAbstractTableModel>
#include <QDateTime>
#include <QList>

#include <optional>

// One query of a scan as the scan log lists it.
struct ScanLogEntry
{
    QDateTime time; // when the answer (or the failure) came
    QString site;
    QString source; // the source's name
    QueryOutcome outcome;
    std::optional<qint64> count; // what the results cell holds
};

// The queries of the last scan, in the order they were asked, as a table:
// time, site, source, address, HTTP status, bytes, milliseconds, outcome and
// count text. The scan driver fills it; the scan log window shows it.
class ScanLog : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Time, Site, EngineName, Address, HttpStatus, Bytes, Milliseconds, Outcome, Count, ColumnCount };

    explicit ScanLog(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    const QList<ScanLogEntry>& entries() const { return m_entries; }
    void clear();
    void append(const ScanLogEntry& entry);

    // Queries that were asked to the end (not stopped), and those of them
    // that failed.
    int answeredCount() const;
    int failedCount() const;
    // The failure met most often among the failed queries (the first met
    // on a tie); a report with failure None when none failed.
    FetchReport mostCommonFailure() const;

    // The rows as tab-separated lines (CR LF ends), in the order given,
    // each with the columns' texts; rows outside the log are skipped.
    QString rowsAsText(QList<int> rows) const;

private:
    QString cellText(const ScanLogEntry& entry, int column) const;

    QList<ScanLogEntry> m_entries;
};
