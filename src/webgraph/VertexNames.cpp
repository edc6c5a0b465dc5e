#include "webgraph/VertexNames.h"

#include "webgraph/IndexFileWriter.h"
#include "webgraph/WebGraphFormat.h"

bool VertexNames::add(QByteArrayView name)
{
    if (m_count % WebGraphFormat::namesPerBlock == 0)
        m_blockStarts.append(m_bytes);
    m_hashes.append(WebGraphFormat::nameHash(name));
    static const char newline = '\n';
    if (!m_writer.append(name.data(), name.size()) || !m_writer.append(&newline, 1))
        return false;
    m_bytes += quint64(name.size()) + 1;
    ++m_count;
    return true;
}

std::optional<QByteArray> VertexNames::name(quint64 id) const
{
    const quint64 block = id / WebGraphFormat::namesPerBlock;
    const quint64 begin = m_blockStarts[block];
    const quint64 end = block + 1 < m_blockStarts.size() ? m_blockStarts[block + 1] : m_bytes;
    QByteArray names(qsizetype(end - begin), '\0');
    if (!m_writer.readAt(WebGraphFormat::headerBytes + begin, names.data(), names.size()))
        return std::nullopt;
    return names.split('\n').value(qsizetype(id % WebGraphFormat::namesPerBlock));
}

bool VertexNames::writeBlockStarts() const
{
    return m_writer.padTo8() && m_writer.appendU64s(m_blockStarts.data(), m_blockStarts.size()) &&
           m_writer.appendU64(m_bytes);
}
