#pragma once

#include "webgraph/GrowableArray.h"

#include <QByteArrayView>
#include <QString>

#include <vector>

class VertexKeyTable;
class VertexNames;

// Reads the ranks file's lines and keeps each ranked vertex's harmonic
// position by id (0 for a vertex the file does not rank). The lookups of a
// batch of names are fetched ahead together, so that their cache misses
// overlap. Reads the names only through `names`, so it can run on a thread
// of its own while nothing else uses the index file.
class RankPlacer
{
public:
    enum class Status { Ok, BadLine, NamesUnreadable };

    RankPlacer(const VertexKeyTable& table, const VertexNames& names, quint64 vertexCount);

    // A block of whole lines, each ended by '\n'.
    Status parse(const char* begin, const char* end);
    // After BadLine: the line's number and what is wrong with it.
    quint64 line() const { return m_line; }
    QString problem() const { return m_problem; }

    GrowableArray<quint32> takePositions() { return std::move(m_positions); }

private:
    struct PendingRank
    {
        QByteArrayView name;
        quint64 hash = 0;
        quint64 position = 0;
        quint64 line = 0;
    };
    enum class Lookup { Found, Missing, Failed };

    Status parseLine(QByteArrayView line);
    Status add(QByteArrayView name, quint64 position);
    // Looks up the pending names together and stores their positions.
    Status placePending();
    Lookup vertexOf(QByteArrayView name, quint64 hash, quint64& id);
    Status badLine(quint64 line, const QString& problem);

    const VertexKeyTable& m_table;
    const VertexNames& m_names;
    const quint64 m_mostPositions;
    GrowableArray<quint32> m_positions;
    std::vector<PendingRank> m_pending;
    quint64 m_line = 0;
    QString m_problem;
};
