#pragma once

#include "base/ApplicationFolder.h"
#include "results/ResultRow.h"
#include "results/ResultsColumns.h"

#include <QDateTime>
#include <QList>
#include <QStringList>

#include <optional>

// What the window keeps between sessions, in the application folder: the
// URL list ("session-urls.txt", a URL list file) and the results of the
// last completed scan ("last-results.json"). Every write replaces the whole
// file through the safe file write, so a crash leaves the last good file.
class KeptSession
{
public:
    struct Results
    {
        QDateTime completed;
        QList<ResultRow> rows;
        // The columns the rows' cells belong to; a file written before
        // sources could differ has the six engines'.
        QList<SourceColumn> columns = ResultsColumns::builtInColumns();
    };

    explicit KeptSession(const ApplicationFolder& folder);

    QString urlListPath() const;
    QString resultsPath() const;

    bool writeUrls(const QStringList& urls, QString* error) const;
    // The kept URLs; none when there is no readable file.
    QStringList readUrls() const;

    bool writeResults(const Results& results, QString* error) const;
    // The kept results; nothing when there is no readable file.
    std::optional<Results> readResults() const;

    // Removes both files.
    void forget() const;

private:
    ApplicationFolder m_folder;
};
