#pragma once

#include "webgraph/WebGraphIndex.h"

#include <QDateTime>
#include <QHash>
#include <QMutex>
#include <QString>

#include <memory>
#include <utility>

// The web-graph indexes opened so far, by path, so that a scan opens each
// one once rather than at every query. Before handing out an index it looks
// at the file's size and times of change, and opens it afresh when either
// changed (a new build renamed over it, say); an index that could not be
// opened is tried again only then. May be used from several threads.
class WebGraphIndexCache
{
public:
    struct Opened
    {
        // Null when the index cannot be used; a lookup keeps it alive
        // while the cache moves on to a newer file.
        std::shared_ptr<const WebGraphIndex> index;
        QString error; // WebGraphIndex::errorString() when null
    };

    Opened open(const QString& path);

    // The one the program's queries share.
    static std::shared_ptr<WebGraphIndexCache> shared();

private:
    struct Entry
    {
        std::pair<QDateTime, QDateTime> modified; // contents, metadata
        qint64 size = -1;
        Opened opened;
    };

    // Enough for every source a scan may have; beyond it the oldest go.
    static constexpr qsizetype maxEntries = 8;

    QMutex m_mutex;
    QHash<QString, Entry> m_entries;
    QList<QString> m_order; // least recently opened first
};
