#include "results/ScanResults.h"

#include "base/IniFileAccess.h"

ScanResults::ScanResults(QObject* parent)
    : QAbstractTableModel(parent)
{}

int ScanResults::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int ScanResults::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ResultsColumns::firstEngine + static_cast<int>(m_columns.size());
}

QVariant ScanResults::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const ResultRow& row = m_rows.at(index.row());
    if (role == Qt::DisplayRole)
        return row.columnText(index.column());
    if (role == RankRole && index.column() == ResultsColumns::domainName)
        return row.rank;
    const int sourceIndex = index.column() - ResultsColumns::firstEngine;
    if (sourceIndex < 0)
        return {};
    const QueryOutcome& outcome = row.engine(sourceIndex + 1).outcome;
    if (role == SuspectRole)
        return outcome.isSuspect();
    // Only answers that are not plain counts say how they went.
    if (role == Qt::ToolTipRole && outcome.kind != QueryOutcome::Kind::Counted)
        return m_columns[sourceIndex].name + QStringLiteral(": ") + outcomeText(outcome);
    return {};
}

QVariant ScanResults::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return ResultsColumns::captions(m_columns).value(section);
}

void ScanResults::setSourceColumns(const QList<SourceColumn>& columns)
{
    if (columns == m_columns)
        return;
    beginResetModel();
    for (ResultRow& row : m_rows) {
        QList<EngineCell> cells;
        for (const SourceColumn& column : columns) {
            EngineCell cell;
            for (qsizetype old = 0; old < m_columns.size(); ++old) {
                if (IniFileAccess::sameName(m_columns[old].name, column.name)) {
                    cell = row.engine(static_cast<int>(old) + 1);
                    break;
                }
            }
            cells << cell;
        }
        row.engines = cells;
    }
    m_columns = columns;
    endResetModel();
    emit sourceColumnsChanged();
}

int ScanResults::insertSite(int position, const QString& site)
{
    const int row = qBound(0, position, rowCount());
    beginInsertRows({}, row, row);
    m_rows.insert(row, ResultRow{site, {}, {}, 0});
    endInsertRows();
    return row;
}

void ScanResults::setEngineCell(int row, int sourceNumber, const QString& cellText, const QueryOutcome& outcome)
{
    if (row < 0 || row >= rowCount() || sourceNumber < 1 || sourceNumber > m_columns.size())
        return;
    EngineCell& cell = m_rows[row].engine(sourceNumber);
    cell.setText(cellText);
    cell.outcome = outcome;
    const int column = ResultsColumns::firstEngine + sourceNumber - 1;
    rowChanged(row, column, column);
}

void ScanResults::completeRow(int row, const RankThresholds& thresholds)
{
    if (row < 0 || row >= rowCount())
        return;
    m_rows[row].complete(thresholds, ResultsColumns::countsTowardTotal(m_columns));
    rowChanged(row, ResultsColumns::domainName, ResultsColumns::total);
}

void ScanResults::setRows(const QList<ResultRow>& rows)
{
    beginResetModel();
    m_rows = rows;
    endResetModel();
}

void ScanResults::clear()
{
    setRows({});
}

void ScanResults::sortRows(int column, SortDataType type, bool ascending)
{
    if (rowCount() < 2 || column < 0 || column >= columnCount())
        return;
    QStringList texts;
    texts.reserve(rowCount());
    for (const ResultRow& row : std::as_const(m_rows))
        texts << row.columnText(column);
    const QList<int> order = SortKeys::sortedOrder(texts, type, ascending);
    bool moved = false;
    for (int row = 0; row < rowCount() && !moved; ++row)
        moved = order[row] != row;
    if (!moved)
        return;

    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    QList<int> newRowOf(order.size());
    QList<ResultRow> sorted;
    sorted.reserve(m_rows.size());
    for (int position = 0; position < order.size(); ++position) {
        sorted << std::move(m_rows[order[position]]);
        newRowOf[order[position]] = position;
    }
    m_rows = std::move(sorted);
    // Only the indexes views hold on to (selection, current row) move along;
    // there are few of them however many rows there are.
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& index : before)
        after << createIndex(newRowOf[index.row()], index.column());
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void ScanResults::rowChanged(int row, int firstColumn, int lastColumn)
{
    emit dataChanged(index(row, firstColumn), index(row, lastColumn));
}
