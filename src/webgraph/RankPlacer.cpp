#include "webgraph/RankPlacer.h"

#include "webgraph/VertexKeyTable.h"
#include "webgraph/VertexNames.h"
#include "webgraph/WebGraphFields.h"
#include "webgraph/WebGraphFormat.h"

#include <cstring>

using WebGraphFields::shown;

namespace {

// Ranked names whose keys are fetched ahead together.
constexpr qsizetype rankBatch = 32;

} // namespace

RankPlacer::RankPlacer(const VertexKeyTable& table, const VertexNames& names, quint64 vertexCount)
    : m_table(table)
    , m_names(names)
    , m_mostPositions(qMin<quint64>(vertexCount, 0xFFFFFFFFu))
    , m_positions(vertexCount)
{
    m_pending.reserve(rankBatch);
}

RankPlacer::Status RankPlacer::parse(const char* begin, const char* end)
{
    for (const char* at = begin; at < end;) {
        const char* line = at;
        ++m_line;
        // The plain line first: "position<TAB>value<TAB>position<TAB>value<TAB>name[<TAB>hosts]".
        quint64 position = 0;
        quint64 number = 0;
        if (WebGraphFields::readNumber(at, '\t', position) && position >= 1 && position <= m_mostPositions &&
            WebGraphFields::skipDecimal(at, '\t') && WebGraphFields::readNumber(at, '\t', number) &&
            WebGraphFields::skipDecimal(at, '\t')) {
            const char* name = at;
            at = WebGraphFields::nameEnd(at);
            const QByteArrayView nameView(name, at - name);
            if (!nameView.isEmpty() &&
                (*at++ == '\n' || (at[-1] == '\t' && WebGraphFields::readNumber(at, '\n', number)))) {
                if (const Status status = add(nameView, position); status != Status::Ok)
                    return status;
                continue;
            }
        }
        at = static_cast<const char*>(std::memchr(line, '\n', size_t(end - line))) + 1;
        if (const Status status = parseLine(QByteArrayView(line, at - 1 - line)); status != Status::Ok)
            return status;
    }
    // The names of the block are gone with the next one.
    return placePending();
}

RankPlacer::Status RankPlacer::parseLine(QByteArrayView line)
{
    if (line.startsWith('#'))
        return Status::Ok;
    // A bad line is told after the lines before it are placed, so that the
    // first fault of the file is the one told.
    const quint64 lineNumber = m_line;
    const auto bad = [this, lineNumber](const QString& problem) {
        const Status placed = placePending();
        return placed == Status::Ok ? badLine(lineNumber, problem) : placed;
    };
    QByteArrayView fields[6];
    const qsizetype count = WebGraphFields::split(line, fields, 6);
    if (count < 5 || count > 6)
        return bad(QStringLiteral("expected a harmonic-centrality position and value, a PageRank position "
                                  "and value, a name and maybe a number of hosts, separated by tabs: %1")
                       .arg(shown(line)));
    const std::optional<quint64> position = WebGraphFields::parseWholeNumber(fields[0]);
    if (!position || *position == 0 || *position > m_mostPositions)
        return bad(QStringLiteral("%1 is not a position from 1 to %2").arg(shown(fields[0])).arg(m_mostPositions));
    if (!WebGraphFields::isDecimalNumber(fields[1]) || !WebGraphFields::parseWholeNumber(fields[2]) ||
        !WebGraphFields::isDecimalNumber(fields[3]))
        return bad(QStringLiteral("the centrality values are not numbers: %1").arg(shown(line)));
    if (count == 6 && !WebGraphFields::parseUnsigned(fields[5]))
        return bad(QStringLiteral("%1 is not a number of hosts").arg(shown(fields[5])));
    if (!WebGraphFields::isName(fields[4]))
        return bad(QStringLiteral("%1 is not among the vertices").arg(shown(fields[4])));
    return add(fields[4], *position);
}

RankPlacer::Status RankPlacer::add(QByteArrayView name, quint64 position)
{
    const quint64 hash = WebGraphFormat::nameHash(name);
    m_table.prefetchBucket(hash);
    m_pending.push_back({name, hash, position, m_line});
    return qsizetype(m_pending.size()) < rankBatch ? Status::Ok : placePending();
}

RankPlacer::Status RankPlacer::placePending()
{
    const qsizetype count = qsizetype(m_pending.size());
    // Each step fetches ahead what the next one reads, for the whole batch.
    for (const PendingRank& rank : m_pending)
        m_table.prefetchKeys(rank.hash);
    quint64 ids[rankBatch];
    qsizetype found = 0;
    Lookup lookup = Lookup::Found;
    for (; found < count; ++found) {
        lookup = vertexOf(m_pending[found].name, m_pending[found].hash, ids[found]);
        if (lookup != Lookup::Found)
            break;
        prefetchForWrite(&m_positions[ids[found]]);
    }
    if (lookup == Lookup::Failed)
        return Status::NamesUnreadable;
    for (qsizetype i = 0; i < found; ++i) {
        if (m_positions[ids[i]] != 0)
            return badLine(m_pending[i].line, QStringLiteral("%1 is ranked twice").arg(shown(m_pending[i].name)));
        m_positions[ids[i]] = quint32(m_pending[i].position);
    }
    if (found < count) {
        return badLine(m_pending[found].line,
                       QStringLiteral("%1 is not among the vertices").arg(shown(m_pending[found].name)));
    }
    m_pending.clear();
    return Status::Ok;
}

RankPlacer::Lookup RankPlacer::vertexOf(QByteArrayView name, quint64 hash, quint64& id)
{
    // A name of the graph is always among the candidates, mostly alone; of
    // several, the stored names decide. (A name outside the graph may match
    // one vertex's hash alone, once in 2^(64 - id bits) / vertices.)
    const VertexKeyTable::Range range = m_table.candidates(hash);
    if (range.last - range.first == 1) {
        id = m_table.idAt(range.first);
        return Lookup::Found;
    }
    for (quint64 position = range.first; position < range.last; ++position) {
        const std::optional<QByteArray> stored = m_names.name(m_table.idAt(position));
        if (!stored)
            return Lookup::Failed;
        if (*stored == name) {
            id = m_table.idAt(position);
            return Lookup::Found;
        }
    }
    return Lookup::Missing;
}

RankPlacer::Status RankPlacer::badLine(quint64 line, const QString& problem)
{
    m_line = line;
    m_problem = problem;
    m_pending.clear();
    return Status::BadLine;
}
