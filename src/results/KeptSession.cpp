#include "results/KeptSession.h"

#include "base/LocalFile.h"
#include "lists/UrlListFile.h"

#include <QFile>
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
        cells.append(cell.text);
    QJsonObject object{{QStringLiteral("site"), row.site}, {QStringLiteral("cells"), cells}};
    if (row.total) {
        object.insert(QStringLiteral("total"), QString::number(*row.total));
        object.insert(QStringLiteral("rank"), row.rank);
    }
    return object;
}

ResultRow fromJson(const QJsonObject& object)
{
    ResultRow row{object.value(QStringLiteral("site")).toString(), {}, {}, 0};
    for (const QJsonValue& cell : object.value(QStringLiteral("cells")).toArray()) {
        EngineCell kept;
        kept.setText(cell.toString());
        row.engines << kept;
    }
    bool ok = false;
    const qint64 total = object.value(QStringLiteral("total")).toString().toLongLong(&ok);
    const int rank = object.value(QStringLiteral("rank")).toInt();
    if (ok && rank >= 1 && rank <= 3) {
        row.total = total;
        row.rank = rank;
    }
    return row;
}

QJsonArray toJson(const QList<SourceColumn>& columns)
{
    QJsonArray array;
    for (const SourceColumn& column : columns)
        array.append(
            QJsonObject{{QStringLiteral("name"), column.name}, {QStringLiteral("inTotal"), column.countsTowardTotal}});
    return array;
}

QList<SourceColumn> columnsFromJson(const QJsonValue& value)
{
    if (!value.isArray())
        return ResultsColumns::builtInColumns();
    QList<SourceColumn> columns;
    for (const QJsonValue& column : value.toArray()) {
        const QString name = column.toObject().value(QStringLiteral("name")).toString();
        if (!name.isEmpty())
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

QStringList KeptSession::readUrls() const
{
    QStringList urls;
    QString reason;
    UrlListFile::read(urlListPath(), urls, reason);
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

std::optional<KeptSession::Results> KeptSession::readResults() const
{
    QByteArray bytes;
    if (LocalFile::readBytes(resultsPath(), bytes, nullptr) != LocalFile::ReadStatus::Read)
        return std::nullopt;
    const QJsonDocument document = QJsonDocument::fromJson(bytes);
    if (!document.isObject())
        return std::nullopt;
    Results results;
    const QString completed = document.object().value(QStringLiteral("completed")).toString();
    results.completed = QDateTime::fromString(completed, Qt::ISODateWithMs).toLocalTime();
    results.columns = columnsFromJson(document.object().value(QStringLiteral("sources")));
    for (const QJsonValue& row : document.object().value(QStringLiteral("rows")).toArray()) {
        results.rows.append(fromJson(row.toObject()));
        // Cells beyond the columns belong to no source.
        if (results.rows.last().engines.size() > results.columns.size())
            results.rows.last().engines.resize(results.columns.size());
    }
    return results;
}

void KeptSession::forget() const
{
    QFile::remove(urlListPath());
    QFile::remove(resultsPath());
}
