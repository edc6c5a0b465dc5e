#include "results/KeptSession.h"

#include "base/LocalFile.h"
#include "engines/CountText.h"
#include "engines/EngineTable.h"
#include "engines/SourceList.h"
#include "lists/UrlListFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <optional>
#include <utility>

namespace {

// Totals and counts go as text: JSON numbers are doubles, which would lose
// digits beyond 2^53.
// The file's names of the outcomes and failures: fixed words, whatever the
// texts the user sees become.
const std::pair<QueryOutcome::Kind, const char*> kindKeys[] = {
    {QueryOutcome::Kind::Counted, "counted"},  {QueryOutcome::Kind::NoResults, "no-results"},
    {QueryOutcome::Kind::NoCount, "no-count"}, {QueryOutcome::Kind::Failed, "failed"},
    {QueryOutcome::Kind::Stopped, "stopped"},  {QueryOutcome::Kind::NotInGraph, "not-in-graph"},
};
const std::pair<FetchFailure, const char*> failureKeys[] = {
    {FetchFailure::None, ""},
    {FetchFailure::NotHttp, "not-http"},
    {FetchFailure::NoSiteHost, "no-site-host"},
    {FetchFailure::HostNotFound, "host-not-found"},
    {FetchFailure::ConnectionRefused, "connection-refused"},
    {FetchFailure::ConnectionClosed, "connection-closed"},
    {FetchFailure::Tls, "tls"},
    {FetchFailure::Proxy, "proxy"},
    {FetchFailure::IdleTimeout, "idle-timeout"},
    {FetchFailure::TotalTimeout, "total-timeout"},
    {FetchFailure::TooManyRedirects, "too-many-redirects"},
    {FetchFailure::SizeCap, "size-cap"},
    {FetchFailure::HttpStatus, "http-status"},
    {FetchFailure::RateLimited, "rate-limited"},
    {FetchFailure::Network, "network"},
    {FetchFailure::IndexUnusable, "index-unusable"},
};

template <typename Value, std::size_t size>
QString keyOf(const std::pair<Value, const char*> (&keys)[size], Value value)
{
    for (const auto& [known, key] : keys) {
        if (known == value)
            return QString::fromLatin1(key);
    }
    return {};
}

template <typename Value, std::size_t size>
std::optional<Value> valueOf(const std::pair<Value, const char*> (&keys)[size], const QString& key)
{
    for (const auto& [value, known] : keys) {
        if (key == QLatin1String(known))
            return value;
    }
    return std::nullopt;
}

// What the tooltip of a cell that is no plain count tells; null for a count.
QJsonValue toJson(const QueryOutcome& outcome)
{
    if (outcome.kind == QueryOutcome::Kind::Counted)
        return QJsonValue::Null;
    QJsonObject object{{QStringLiteral("kind"), keyOf(kindKeys, outcome.kind)}};
    if (outcome.fetch.failure != FetchFailure::None)
        object.insert(QStringLiteral("failure"), keyOf(failureKeys, outcome.fetch.failure));
    if (outcome.fetch.httpStatus)
        object.insert(QStringLiteral("status"), outcome.fetch.httpStatus);
    for (const auto& [key, text] : {std::pair{"detail", outcome.fetch.detail},
                                    std::pair{"address", outcome.fetch.address}, std::pair{"reason", outcome.reason}}) {
        if (!text.isEmpty())
            object.insert(QLatin1String(key), text);
    }
    return object;
}

// The outcome as kept; a count's when the entry is missing, unknown or out
// of bounds, so that a damaged entry never marks a cell it should not.
QueryOutcome outcomeFromJson(const QJsonValue& value, const QString& cellText)
{
    const QJsonObject object = value.toObject();
    const std::optional<QueryOutcome::Kind> kind = valueOf(kindKeys, object.value(QStringLiteral("kind")).toString());
    const std::optional<FetchFailure> failure =
        valueOf(failureKeys, object.value(QStringLiteral("failure")).toString());
    const int status = object.value(QStringLiteral("status")).toInt();
    // A query without a page, or with a name the web graph lacks, leaves its
    // cell empty.
    const bool noPage = kind == QueryOutcome::Kind::Failed || kind == QueryOutcome::Kind::Stopped ||
                        kind == QueryOutcome::Kind::NotInGraph;
    if (!kind || !failure || status < 0 || status > 999 || (noPage && !cellText.isEmpty()))
        return {};
    QueryOutcome outcome{*kind, {}, {}};
    outcome.fetch.failure = *failure;
    outcome.fetch.httpStatus = status;
    outcome.fetch.detail = object.value(QStringLiteral("detail")).toString().left(KeptSession::maxFieldLength);
    outcome.fetch.address = object.value(QStringLiteral("address")).toString().left(KeptSession::maxFieldLength);
    outcome.reason = object.value(QStringLiteral("reason")).toString().left(KeptSession::maxFieldLength);
    return outcome;
}

QJsonObject toJson(const ResultRow& row)
{
    QJsonArray cells;
    QJsonArray outcomes;
    bool anyOutcome = false;
    for (const EngineCell& cell : row.engines) {
        cells.append(cell.text());
        outcomes.append(toJson(cell.outcome));
        anyOutcome = anyOutcome || !outcomes.last().isNull();
    }
    QJsonObject object{{QStringLiteral("site"), row.site}, {QStringLiteral("cells"), cells}};
    if (anyOutcome)
        object.insert(QStringLiteral("outcomes"), outcomes);
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
    const QJsonArray outcomes = object.value(QStringLiteral("outcomes")).toArray();
    for (int number = 1; number <= columnCount; ++number) {
        EngineCell& cell = row.engine(number);
        const QString text = cells.at(number - 1).toString();
        if (!text.isEmpty()) {
            cell.count = text.size() <= maxCountLength ? CountText::number(text) : std::nullopt;
            if (!cell.count) {
                ++droppedCells;
                continue;
            }
        }
        cell.outcome = outcomeFromJson(outcomes.at(number - 1), text);
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
        *problem = QCoreApplication::translate(
                       "KeptSession", "The URL list kept from the last session in \"%1\" could not be read: %2")
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
    const QString shownPath = QDir::toNativeSeparators(resultsPath());
    const auto tell = [problem](const QString& message) {
        if (problem)
            *problem = message;
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
            reason = parseError.error != QJsonParseError::NoError
                         ? parseError.errorString()
                         : QCoreApplication::translate("KeptSession", "It holds no results.");
        tell(QCoreApplication::translate("KeptSession",
                                         "The results kept from the last session in \"%1\" could not be read: %2")
                 .arg(shownPath, reason));
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
        tell(QCoreApplication::translate("KeptSession",
                                         "The results kept from the last session in \"%1\" were read in part: %2 "
                                         "rows (beyond the first %3, or with a site longer than %4 characters) and %5 "
                                         "cells that hold no count were left out.")
                 .arg(shownPath, QString::number(droppedRows), QString::number(UrlListFile::maxUrls),
                      QString::number(maxFieldLength), QString::number(droppedCells)));
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
