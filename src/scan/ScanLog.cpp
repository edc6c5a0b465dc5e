#include "scan/ScanLog.h"

#include "engines/CountText.h"
#include "results/Csv.h"

#include <QHash>

#include <algorithm>

ScanLog::ScanLog(QObject* parent)
    : QAbstractTableModel(parent)
{}

int ScanLog::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_entries.size());
}

int ScanLog::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ScanLog::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const ScanLogEntry& entry = m_entries.at(index.row());
    if (role == Qt::DisplayRole)
        return cellText(entry, index.column());
    if (role == Qt::TextAlignmentRole &&
        (index.column() == HttpStatus || index.column() == Bytes || index.column() == Milliseconds))
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant ScanLog::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char* const captions[ColumnCount] = {
        QT_TR_NOOP("Time"),    QT_TR_NOOP("Site"),        QT_TR_NOOP("Engine"),
        QT_TR_NOOP("Address"), QT_TR_NOOP("HTTP status"), QT_TR_NOOP("Bytes"),
        QT_TR_NOOP("ms"),      QT_TR_NOOP("Outcome"),     QT_TR_NOOP("Count")};
    if (section < 0 || section >= ColumnCount)
        return {};
    return tr(captions[section]);
}

void ScanLog::clear()
{
    beginResetModel();
    m_entries.clear();
    endResetModel();
}

void ScanLog::append(const ScanLogEntry& entry)
{
    const int row = rowCount();
    beginInsertRows({}, row, row);
    m_entries << entry;
    endInsertRows();
}

int ScanLog::answeredCount() const
{
    return static_cast<int>(std::count_if(m_entries.cbegin(), m_entries.cend(), [](const ScanLogEntry& entry) {
        return entry.outcome.kind != QueryOutcome::Kind::Stopped;
    }));
}

int ScanLog::failedCount() const
{
    return static_cast<int>(std::count_if(m_entries.cbegin(), m_entries.cend(), [](const ScanLogEntry& entry) {
        return entry.outcome.kind == QueryOutcome::Kind::Failed;
    }));
}

FetchReport ScanLog::mostCommonFailure() const
{
    // Reasons told apart as the user reads them: a 404 is not a 500.
    QHash<QString, int> counts;
    FetchReport most;
    int mostCount = 0;
    for (const ScanLogEntry& entry : m_entries) {
        if (entry.outcome.kind != QueryOutcome::Kind::Failed)
            continue;
        const int count = ++counts[failureText(entry.outcome.fetch)];
        if (count > mostCount) {
            mostCount = count;
            most = entry.outcome.fetch;
        }
    }
    return most;
}

QString ScanLog::rowsAsText(QList<int> rows) const
{
    QString text;
    for (const int row : rows) {
        if (row < 0 || row >= rowCount())
            continue;
        QStringList cells;
        for (int column = 0; column < ColumnCount; ++column) {
            // A spreadsheet takes the copy as it takes a CSV file.
            QString cell = Csv::inertField(cellText(m_entries.at(row), column));
            // A tab or line end inside a cell would shift the columns.
            cell.replace(u'\t', u' ').replace(u'\r', u' ').replace(u'\n', u' ');
            cells << cell;
        }
        text += cells.join(u'\t') + QStringLiteral("\r\n");
    }
    return text;
}

QString ScanLog::cellText(const ScanLogEntry& entry, int column) const
{
    const FetchReport& fetch = entry.outcome.fetch;
    const bool asked = entry.outcome.kind != QueryOutcome::Kind::Stopped;
    switch (column) {
    case Time:
        return entry.time.toLocalTime().toString(QStringLiteral("HH:mm:ss.zzz"));
    case Site:
        return entry.site;
    case EngineName:
        return entry.source;
    case Address:
        return fetch.address;
    case HttpStatus:
        return fetch.httpStatus > 0 ? QString::number(fetch.httpStatus) : QString();
    case Bytes:
        return asked ? QString::number(fetch.bytes) : QString();
    case Milliseconds:
        return asked ? QString::number(fetch.elapsedMs) : QString();
    case Outcome:
        return outcomeText(entry.outcome);
    case Count:
        return CountText::of(entry.count);
    default:
        return {};
    }
}
