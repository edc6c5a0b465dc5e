#pragma once

#include "webgraph/GrowableArray.h"

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

class IndexFileWriter;

// The vertices' names while an index is built. Each goes straight into the
// index file after the header, ended by '\n'; memory keeps only its hash
// (8 bytes) and, for every 16th name, where it starts (half a byte a name).
class VertexNames
{
public:
    explicit VertexNames(IndexFileWriter& writer)
        : m_writer(writer)
    {}

    // The next id's name; false when it could not be written.
    bool add(QByteArrayView name);
    quint64 count() const { return m_count; }
    quint64 bytes() const { return m_bytes; }

    // The names' hashes by id, handed over once.
    GrowableArray<quint64> takeHashes() { return std::move(m_hashes); }
    // A name as written; none when it cannot be read back.
    std::optional<QByteArray> name(quint64 id) const;
    // The index's table of where every 16th name starts, and their end.
    bool writeBlockStarts() const;

private:
    IndexFileWriter& m_writer;
    GrowableArray<quint64> m_hashes;
    GrowableArray<quint64> m_blockStarts;
    quint64 m_count = 0;
    quint64 m_bytes = 0;
};
