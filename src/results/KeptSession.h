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
    // The kept URLs; none when there is no readable file. When the file is
    // there but cannot be read (it holds null bytes, say), problem is set
    // to a message naming it.
    QStringList readUrls(QString* problem = nullptr) const;

    bool writeResults(const Results& results, QString* error) const;
    // The kept results; nothing when there is no readable file. The file is
    // data from outside: one larger than maxResultsFileSize is not read,
    // rows after the URL list's most are left out, and so are rows whose
    // site is longer than maxFieldLength and cells that hold no count text;
    // totals and ranks are worked out afresh from the cells with the
    // thresholds, as the scan does. When anything could not be read or was
    // left out, problem is set to a message naming the file.
    std::optional<Results> readResults(const RankThresholds& thresholds = {}, QString* problem = nullptr) const;

    // A full table of 32,767 rows takes some 11 MB with sites of 40 characters;
    // the JSON tree of a file takes over ten times its size while it is read.
    static constexpr qint64 maxResultsFileSize = 24 * 1024 * 1024;
    static constexpr qsizetype maxFieldLength = 1024 * 1024;

    // Removes both files.
    void forget() const;
    void forgetResults() const;

private:
    ApplicationFolder m_folder;
};
