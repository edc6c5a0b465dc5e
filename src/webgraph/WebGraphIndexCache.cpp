#include "webgraph/WebGraphIndexCache.h"

#include <QFileInfo>
#include <QMutexLocker>

WebGraphIndexCache::Opened WebGraphIndexCache::open(const QString& path)
{
    const QFileInfo file(path);
    // A file renamed into place changes its metadata's time as well.
    const std::pair<QDateTime, QDateTime> modified = {file.lastModified(), file.metadataChangeTime()};
    const qint64 size = file.exists() ? file.size() : -1;
    QMutexLocker lock(&m_mutex);
    const auto found = m_entries.constFind(path);
    if (found != m_entries.cend() && found->modified == modified && found->size == size) {
        m_order.removeOne(path);
        m_order.append(path);
        return found->opened;
    }
    auto index = std::make_shared<WebGraphIndex>();
    Opened opened;
    if (index->open(path))
        opened.index = std::move(index);
    else
        opened.error = index->errorString();
    m_entries.insert(path, {modified, size, opened});
    m_order.removeOne(path);
    m_order.append(path);
    while (m_order.size() > maxEntries)
        m_entries.remove(m_order.takeFirst());
    return opened;
}

std::shared_ptr<WebGraphIndexCache> WebGraphIndexCache::shared()
{
    static const std::shared_ptr<WebGraphIndexCache> cache = std::make_shared<WebGraphIndexCache>();
    return cache;
}
