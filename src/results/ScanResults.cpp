#include "results/ScanResults.h"

#include "base/IniFileAccess.h"

#include <QCoreApplication>

#include <iterator>

ScanResults::ScanResults(QObject* parent)
    : QAbstractTableModel(parent)
{}

QModelIndex ScanResults::index(int row, int column, const QModelIndex& parent) const
{
    if (parent.isValid() || row < 0 || column < 0 || row >= m_rows.size() ||
        column >= ResultsColumns::firstEngine + m_columns.size())
        return {};
    return createIndex(row, column);
}

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
    const int column = index.column();
    if (role == Qt::DisplayRole)
        return row.columnText(column);
    if (column == ResultsColumns::domainName)
        return siteData(row, role);
    if (role == SortKeyRole) {
        const std::optional<qint64> number = row.columnNumber(column);
        return number ? QVariant(*number) : QVariant();
    }
    if (column >= ResultsColumns::firstEngine)
        return sourceData(row, column - ResultsColumns::firstEngine, role);
    return {};
}

QVariant ScanResults::siteData(const ResultRow& row, int role) const
{
    switch (role) {
    case SortKeyRole:
        return row.site;
    case RankRole:
        return row.rank;
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:
        if (row.rank == 0)
            return {};
        return QStringLiteral("Rank: %1, total %2").arg(rankName(row.rank), row.columnText(ResultsColumns::total));
    default:
        return {};
    }
}

QVariant ScanResults::sourceData(const ResultRow& row, int sourceIndex, int role) const
{
    const QueryOutcome& outcome = row.engine(sourceIndex + 1).outcome;
    if (role == SuspectRole)
        return outcome.isSuspect();
    // Only answers that are not plain counts say how they went.
    if ((role == Qt::ToolTipRole || role == Qt::AccessibleDescriptionRole) &&
        outcome.kind != QueryOutcome::Kind::Counted)
        return m_columns[sourceIndex].name + QStringLiteral(": ") + outcomeText(outcome);
    return {};
}

QVariant ScanResults::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    // The CSV header keeps the English captions; the table shows them in
    // the user's language. A source's caption is its name.
    static const char* const fixedCaptions[] = {QT_TRANSLATE_NOOP("ResultsColumns", "Domain Name"),
                                                QT_TRANSLATE_NOOP("ResultsColumns", "Total")};
    if (section >= 0 && section < int(std::size(fixedCaptions)))
        return QCoreApplication::translate("ResultsColumns", fixedCaptions[section]);
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

void ScanResults::setEngineCell(int row, int sourceNumber, const std::optional<qint64>& count,
                                const QueryOutcome& outcome)
{
    if (row < 0 || row >= rowCount() || sourceNumber < 1 || sourceNumber > m_columns.size())
        return;
    m_rows[row].engine(sourceNumber) = EngineCell{count, outcome};
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

void ScanResults::rowChanged(int row, int firstColumn, int lastColumn)
{
    emit dataChanged(index(row, firstColumn), index(row, lastColumn));
}
