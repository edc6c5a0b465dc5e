#include "results/KeptSession.h"

#include "base/LocalFile.h"
#include "engines/CountText.h"
#include "engines/EngineTable.h"
#include "engines/SourceList.h"
#include "lists/UrlListFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// Totals and counts go as text: JSON numbers are doubles, which would lose
// digits beyond 2^53.
QJsonObject toJson(const ResultRow& row)
{
    QJsonArray cells;
    for (const EngineCell& cell : row.engines)
        cells.append(cell.text());
    QJsonObject object{{QStringLiteral("site"), row.site}, {QStringLiteral("cells"), cells}};
    if (row.total) {
        object.insert(QStringLiteral("total"), QString::number(*row.total));
        object.insert(QStringLiteral("rank"), row.rank);
    }
    return object;
}

// What a scan may leave in a cell: nothing, or a count of at most ten
// digits, as pages give them.
constexpr qsizetype maxCountLength = 10;

// The row without its total and rank, which are worked out afresh, with a
// cell for each of the columns; false when the row cannot be taken. Cells
// that are no count text are left empty and counted in droppedCells.
bool fromJson(const QJsonObject& object, qsizetype columnCount, ResultRow& row, int& droppedCells)
{
    const QJsonValue site = object.value(QStringLiteral("site"));
    if (!site.isString() || site.toString().size() > KeptSession::maxFieldLength)
        return false;
    row = ResultRow{site.toString(), {}, {}, 0};
    const QJsonArray cells = object.value(QStringLiteral("cells")).toArray();
    for (int number = 1; number <= columnCount; ++number) {
        EngineCell& cell = row.engine(number);
        const QString text = cells.at(number - 1).toString();
        if (text.isEmpty())
            continue;
        cell.count = text.size() <= maxCountLength ? CountText::number(text) : std::nullopt;
        if (!cell.count)
            ++droppedCells;
    }
    return true;
}

QJsonArray toJson(const QList<SourceColumn>& columns)
{
    QJsonArray array;
    for (const SourceColumn& column : columns)
        array.append(
            QJsonObject{{QStringLiteral("name"), column.name}, {QStringLiteral("inTotal"), column.countsTowardTotal}});
    return array;
}

// The columns the rows belong to. A file written before sources could
// differ names none: the six engines'. Names no source could have, and
// columns past the most there can be, are left out.
QList<SourceColumn> columnsFromJson(const QJsonValue& value)
{
    if (!value.isArray())
        return ResultsColumns::builtInColumns();
    constexpr qsizetype mostColumns = engineCount + SourceList::maxUserSources;
    QList<SourceColumn> columns;
    for (const QJsonValue& column : value.toArray()) {
        const QString name = column.toObject().value(QStringLiteral("name")).toString();
        if (!name.isEmpty() && name.size() <= SourceList::maxNameLength && columns.size() < mostColumns)
            columns << SourceColumn{name, column.toObject().value(QStringLiteral("inTotal")).toBool(true)};
    }
    return columns.isEmpty() ? ResultsColumns::builtInColumns() : columns;
}

} // namespace

KeptSession::KeptSession(const ApplicationFolder& folder)
    : m_folder(folder)
{}

QString KeptSession::urlListPath() const
{
    return m_folder.filePath(QStringLiteral("session-urls.txt"));
}

QString KeptSession::resultsPath() const
{
    return m_folder.filePath(QStringLiteral("last-results.json"));
}

bool KeptSession::writeUrls(const QStringList& urls, QString* error) const
{
    QString reason;
    const bool written = UrlListFile::write(urlListPath(), urls, reason);
    if (!written && error)
        *error = reason;
    return written;
}

QStringList KeptSession::readUrls(QString* problem) const
{
    QStringList urls;
    QString reason;
    if (!UrlListFile::read(urlListPath(), urls, reason) && QFileInfo::exists(urlListPath()) && problem)
        *problem = QStringLiteral("The URL list kept from the last session in \"%1\" could not be read: %2")
                       .arg(QDir::toNativeSeparators(urlListPath()), reason);
    return urls;
}

bool KeptSession::writeResults(const Results& results, QString* error) const
{
    QJsonArray rows;
    for (const ResultRow& row : results.rows)
        rows.append(toJson(row));
    const QJsonObject object{{QStringLiteral("completed"), results.completed.toUTC().toString(Qt::ISODateWithMs)},
                             {QStringLiteral("sources"), toJson(results.columns)},
                             {QStringLiteral("rows"), rows}};
    return LocalFile::writeBytes(resultsPath(), QJsonDocument(object).toJson(QJsonDocument::Indented), error);
}

std::optional<KeptSession::Results> KeptSession::readResults(const RankThresholds& thresholds, QString* problem) const
{
    const auto tell = [this, problem](const QString& what) {
        if (problem)
            *problem = QStringLiteral("The results kept from the last session in \"%1\" %2")
                           .arg(QDir::toNativeSeparators(resultsPath()), what);
    };
    QByteArray bytes;
    QString reason;
    const LocalFile::ReadStatus status = LocalFile::readBytes(resultsPath(), bytes, &reason, maxResultsFileSize);
    if (status == LocalFile::ReadStatus::Missing)
        return std::nullopt;
    QJsonParseError parseError;
    const QJsonDocument document =
        status == LocalFile::ReadStatus::Read ? QJsonDocument::fromJson(bytes, &parseError) : QJsonDocument();
    bytes.clear();
    const QJsonValue rows = document.object().value(QStringLiteral("rows"));
    if (status != LocalFile::ReadStatus::Read || !document.isObject() || !rows.isArray()) {
        if (status == LocalFile::ReadStatus::Read)
            reason = parseError.error != QJsonParseError::NoError ? parseError.errorString()
                                                                  : QStringLiteral("It holds no results.");
        tell(QStringLiteral("could not be read: ") + reason);
        return std::nullopt;
    }

    Results results;
    const QString completed = document.object().value(QStringLiteral("completed")).toString();
    results.completed = QDateTime::fromString(completed, Qt::ISODateWithMs).toLocalTime();
    results.columns = columnsFromJson(document.object().value(QStringLiteral("sources")));
    const QList<bool> counted = ResultsColumns::countsTowardTotal(results.columns);
    const QJsonArray array = rows.toArray();
    qsizetype droppedRows = 0;
    int droppedCells = 0;
    for (const QJsonValue& value : array) {
        ResultRow row;
        if (results.rows.size() < UrlListFile::maxUrls &&
            fromJson(value.toObject(), results.columns.size(), row, droppedCells)) {
            row.complete(thresholds, counted);
            results.rows.append(row);
        } else {
            ++droppedRows;
        }
    }
    if (droppedRows > 0 || droppedCells > 0)
        tell(QStringLiteral("were read in part: %1 rows (beyond the first %2, or with a site longer than %3 "
                            "characters) and %4 cells that hold no count were left out.")
                 .arg(droppedRows)
                 .arg(UrlListFile::maxUrls)
                 .arg(maxFieldLength)
                 .arg(droppedCells));
    return results;
}

void KeptSession::forget() const
{
    QFile::remove(urlListPath());
    forgetResults();
}

void KeptSession::forgetResults() const
{
    QFile::remove(resultsPath());
}
