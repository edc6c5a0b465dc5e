#include "webgraph/WebGraphIndexBuilder.h"

#include "base/NativeFileName.h"

#include "webgraph/InDegreeCounts.h"
#include "webgraph/IndexFileWriter.h"
#include "webgraph/LineBlockReader.h"
#include "webgraph/RankPlacer.h"
#include "webgraph/VertexKeyTable.h"
#include "webgraph/VertexNames.h"
#include "webgraph/WebGraphFields.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cstring>
#include <new>
#include <thread>
#include <vector>

using namespace WebGraphFormat;
using Step = WebGraphBuildProgress::Step;
using WebGraphFields::shown;

namespace {

constexpr qint64 progressIntervalMs = 200;
// Edges whose counters are fetched ahead together.
constexpr qsizetype edgeBatch = 512;
// Buffers of a MiB that the edges' inflating may fill ahead while the
// vertices are parsed, which is slower than their inflating. More would
// cost more in memory first touched than they save.
constexpr int edgeBuffers = 32;

QString levelText(Level level)
{
    return level == Level::Domain ? QStringLiteral("domain") : QStringLiteral("host");
}

} // namespace

struct WebGraphIndexBuilder::RanksReading
{
    // In the waits of another loop the ranks are inflated on its thread;
    // else on one of their own.
    RanksReading(const WebGraphBuildRequest& request, const std::atomic<bool>& cancel, const VertexKeyTable& table,
                 const VertexNames& names, quint64 vertexCount, bool inWaits)
        : path(QDir::toNativeSeparators(request.ranks))
        , reader(request.ranks, cancel, request.inflater, inWaits ? 0 : 4)
        , placer(table, names, vertexCount)
    {}

    bool finish(Result failure, const QString& error = {})
    {
        outcome = {failure, error};
        done = true;
        return false;
    }

    const QString path;
    LineBlockReader reader;
    RankPlacer placer;
    bool done = false;
    StepOutcome outcome;
};

WebGraphIndexBuilder::WebGraphIndexBuilder(const WebGraphBuildRequest& request, const std::atomic<bool>& cancel,
                                           ProgressFunction progress)
    : m_request(request)
    , m_cancel(cancel)
    , m_progress(std::move(progress))
{}

WebGraphIndexBuilder::~WebGraphIndexBuilder() = default;

WebGraphIndexBuilder::Result WebGraphIndexBuilder::build()
{
    m_timer.start();
    m_error.clear();
    m_stepTimes.clear();
    m_stepOpen = false;
    m_header = Header();
    m_progressState = WebGraphBuildProgress();
    Result result;
    try {
        result = m_request.counts.isEmpty() ? buildFromGraph() : buildFromCounts();
    } catch (const std::bad_alloc&) {
        m_error = QStringLiteral("not enough memory to index the graph");
        result = Result::NotWritten;
    }
    if (result != Result::Built && m_cancel.load()) {
        result = Result::Cancelled;
        m_error = QStringLiteral("cancelled");
    }
    // The temporary file goes with the writer when the build failed.
    m_ranks.reset();
    m_names.reset();
    m_table.reset();
    m_counts.reset();
    m_writer.reset();
    m_positions.clear();
    return result;
}

bool WebGraphIndexBuilder::checkInputs(const QStringList& paths)
{
    m_progressState.bytesTotal = 0;
    for (const QString& path : paths) {
        const QFileInfo file(path);
        if (!NativeFileName::isQtSpellable(path)) {
            m_path = path;
            return inputError(QStringLiteral("a file name that is not UTF-8 cannot be read here: rename the file"));
        }
        if (!file.isFile() || !file.isReadable()) {
            m_path = path;
            return inputError(file.exists() && !file.isFile() ? QStringLiteral("not a file")
                              : file.exists()                 ? QStringLiteral("not readable")
                                                              : QStringLiteral("no such file"));
        }
        m_progressState.bytesTotal += file.size();
        // The index is renamed over its path at the end.
        if (file.canonicalFilePath() == QFileInfo(m_request.output).canonicalFilePath()) {
            m_path = m_request.output;
            return inputError(QStringLiteral("the index would take the place of an input file"));
        }
    }
    if (QFileInfo(m_request.output).isDir()) {
        m_failure = Result::NotWritten;
        m_error = QStringLiteral("cannot write %1: it is a folder").arg(QDir::toNativeSeparators(m_request.output));
        return false;
    }
    m_writer = std::make_unique<IndexFileWriter>(m_request.output);
    if (!m_writer->open())
        return writeError();
    m_names = std::make_unique<VertexNames>(*m_writer);
    // The names follow the header, which is written last.
    const QByteArray placeholder(qsizetype(headerBytes), '\0');
    return m_writer->append(placeholder.constData(), placeholder.size()) || writeError();
}

WebGraphIndexBuilder::Result WebGraphIndexBuilder::buildFromGraph()
{
    QStringList inputs{m_request.vertices, m_request.edges};
    if (!m_request.ranks.isEmpty())
        inputs.append(m_request.ranks);
    const WebGraphFileName naming = WebGraphFileName::of(m_request.vertices);
    for (const QString& other : inputs.sliced(1)) {
        const WebGraphFileName otherNaming = WebGraphFileName::of(other);
        if (naming.level && otherNaming.level &&
            (otherNaming.level != naming.level || otherNaming.release != naming.release)) {
            m_error =
                QStringLiteral("%1 and %2 are files of different graphs (%3 and %4)")
                    .arg(QDir::toNativeSeparators(m_request.vertices), QDir::toNativeSeparators(other),
                         QString::fromLatin1(naming.release + '-' + levelText(*naming.level).toLatin1()),
                         QString::fromLatin1(otherNaming.release + '-' + levelText(*otherNaming.level).toLatin1()));
            return Result::BadInput;
        }
    }
    if (!checkInputs(inputs))
        return m_failure;
    m_header.release = naming.release;

    // The edges' inflating starts now, on a thread of its own, and runs
    // ahead while the vertices are parsed. A file it cannot read is told
    // when its step comes.
    LineBlockReader edges(m_request.edges, m_cancel, m_request.inflater, edgeBuffers);
    edges.start();

    beginStep(Step::Vertices);
    if (!readLines(m_request.vertices, Step::Vertices,
                   [this](const char* b, const char* e) { return parseVertices(b, e); }))
        return m_failure;
    m_header.vertexCount = m_names->count();
    m_header.namesBytes = m_names->bytes();
    if (m_header.vertexCount == 0) {
        m_path = m_request.vertices;
        inputError(QStringLiteral("no vertices"));
        return m_failure;
    }
    // A name of the published files tells the level; else the number of
    // hosts, which only the domain graph's vertices have.
    m_header.level = naming.level.value_or(m_thirdColumn ? Level::Domain : Level::Host);
    m_header.hasRanks = !m_request.ranks.isEmpty();

    // The edges need only the number of vertices: the names' table is
    // sorted and written on a thread of its own while they are counted.
    // Then the ranks are read in the time the count has to spare, as it is
    // quicker than the edges' inflating, when memory allows the positions
    // and the counters side by side.
    beginStep(Step::Edges);
    m_counts = std::make_unique<InDegreeCounts>(m_header.vertexCount);
    m_tableFailed.store(false);
    m_tableBuilt.store(false);
    m_stopTable.store(false);
    const bool ranksBeside = m_header.hasRanks && m_header.vertexCount <= m_request.mostVerticesForRanksBeside;
    StepOutcome table;
    std::thread tableThread([this, &table, headerLines = m_headerLines] {
        table = buildTable(m_request.vertices, headerLines);
        m_tableFailed.store(table.failure != Result::Built);
        m_tableBuilt.store(table.failure == Result::Built, std::memory_order_release);
    });
    struct Joiner
    {
        std::thread& thread;
        ~Joiner() { thread.join(); }
    };
    bool counted = false;
    {
        const Joiner joiner{tableThread};
        const auto ranksInWaits = [this] { return m_tableBuilt.load(std::memory_order_acquire) && readRanksBlock(); };
        counted = readLines(
            edges, Step::Edges, [this](const char* b, const char* e) { return parseEdges(b, e); },
            ranksBeside ? std::function<bool()>(ranksInWaits) : std::function<bool()>());
        // A cancelled count does not wait for the whole sort; a failed one
        // does, so that a name given twice is told whichever thread sees
        // its fault first.
        m_stopTable.store(!counted && m_cancel.load());
    }
    // A name given twice comes before any fault of the edges, and they
    // before any of the ranks.
    if (table.failure != Result::Built && table.failure != Result::Cancelled)
        return failWith(table);
    if (!counted)
        return m_failure;
    if (m_ranks && m_ranks->done && m_ranks->outcome.failure != Result::Built)
        return failWith(m_ranks->outcome);
    beginStep(Step::Writing);
    if (!m_counts->write(*m_writer, &m_header.overflowCount)) {
        writeError();
        return m_failure;
    }
    // The counters' memory serves the positions.
    m_counts.reset();

    if (m_header.hasRanks) {
        if (!m_ranks || !m_ranks->done) {
            beginStep(Step::Ranks);
            while (readRanksBlock())
                reportProgress(0);
            beginStep(Step::Writing);
        }
        if (m_ranks->outcome.failure != Result::Built)
            return failWith(m_ranks->outcome);
        if (!writePositions())
            return m_failure;
    }
    if (!writeHeader())
        return m_failure;
    endStep();
    return Result::Built;
}

WebGraphIndexBuilder::Result WebGraphIndexBuilder::buildFromCounts()
{
    const WebGraphFileName naming = WebGraphFileName::of(m_request.counts);
    if (!checkInputs({m_request.counts}))
        return m_failure;
    m_header.release = naming.release;
    m_header.level = naming.level.value_or(Level::Domain);
    m_counts = std::make_unique<InDegreeCounts>();

    beginStep(Step::Counts);
    if (!readLines(m_request.counts, Step::Counts, [this](const char* b, const char* e) { return parseCounts(b, e); }))
        return m_failure;
    m_header.vertexCount = m_names->count();
    m_header.namesBytes = m_names->bytes();
    if (m_header.vertexCount == 0) {
        m_path = m_request.counts;
        inputError(QStringLiteral("no names"));
        return m_failure;
    }
    beginStep(Step::Sorting);
    const StepOutcome table = buildTable(m_request.counts, m_headerLines);
    if (table.failure != Result::Built)
        return failWith(table);
    beginStep(Step::Writing);
    if (!m_counts->write(*m_writer, &m_header.overflowCount)) {
        writeError();
        return m_failure;
    }
    if (m_header.hasRanks) {
        m_positions.resize(m_header.vertexCount);
        if (!writePositions())
            return m_failure;
    }
    if (!writeHeader())
        return m_failure;
    endStep();
    return Result::Built;
}

template <typename ParseBlock>
bool WebGraphIndexBuilder::readLines(const QString& path, Step step, ParseBlock parseBlock)
{
    LineBlockReader reader(path, m_cancel, m_request.inflater);
    return readLines(reader, step, parseBlock);
}

template <typename ParseBlock>
bool WebGraphIndexBuilder::readLines(LineBlockReader& reader, Step step, ParseBlock parseBlock,
                                     const std::function<bool()>& waitWork)
{
    m_path = reader.path();
    m_line = 0;
    m_headerLines = 0;
    if (!reader.start())
        return inputError(reader.errorString());
    m_progressState.step = step;
    LineBlockReader::Block block;
    for (;;) {
        if (waitWork) {
            while (reader.blocksAhead() < reader.bufferCount() / 2 && waitWork()) {
            }
        }
        if (!reader.next(block))
            break;
        if (!parseBlock(block.begin, block.end))
            return false;
        reportProgress(reader.bytesRead());
    }
    if (m_cancel.load())
        return false;
    if (!reader.errorString().isEmpty()) {
        return inputError(m_line == 0 ? reader.errorString()
                                      : QStringLiteral("%1, after line %2").arg(reader.errorString()).arg(m_line));
    }
    m_progressState.bytesRead += reader.fileSize();
    reportProgress(0, true);
    return true;
}

bool WebGraphIndexBuilder::readRanksBlock()
{
    if (!m_ranks) {
        // The counters are there while the edges are counted.
        const bool whileCounting = m_counts != nullptr;
        m_ranks = std::make_unique<RanksReading>(m_request, m_cancel, *m_table, *m_names, m_header.vertexCount,
                                                 whileCounting);
        if (!m_ranks->reader.start())
            return m_ranks->finish(Result::BadInput,
                                   QStringLiteral("%1: %2").arg(m_ranks->path, m_ranks->reader.errorString()));
    }
    if (m_ranks->done)
        return false;
    RanksReading& ranks = *m_ranks;
    LineBlockReader::Block block;
    if (!ranks.reader.next(block)) {
        if (m_cancel.load())
            return ranks.finish(Result::Cancelled);
        const QString error = ranks.reader.errorString();
        if (!error.isEmpty()) {
            return ranks.finish(
                Result::BadInput,
                ranks.placer.line() == 0
                    ? QStringLiteral("%1: %2").arg(ranks.path, error)
                    : QStringLiteral("%1: %2, after line %3").arg(ranks.path, error).arg(ranks.placer.line()));
        }
        m_progressState.bytesRead += ranks.reader.fileSize();
        m_positions = ranks.placer.takePositions();
        return ranks.finish(Result::Built);
    }
    switch (ranks.placer.parse(block.begin, block.end)) {
    case RankPlacer::Status::Ok:
        return true;
    case RankPlacer::Status::BadLine:
        return ranks.finish(
            Result::BadInput,
            QStringLiteral("%1, line %2: %3").arg(ranks.path).arg(ranks.placer.line()).arg(ranks.placer.problem()));
    case RankPlacer::Status::NamesUnreadable:
        return ranks.finish(Result::NotWritten, m_writer->errorString());
    }
    return true;
}

WebGraphIndexBuilder::Result WebGraphIndexBuilder::failWith(const StepOutcome& outcome)
{
    m_failure = outcome.failure;
    m_error = outcome.error;
    return m_failure;
}

bool WebGraphIndexBuilder::parseVertices(const char* begin, const char* end)
{
    for (const char* at = begin; at < end;) {
        const char* line = at;
        ++m_line;
        // The plain line first: "id<TAB>name[<TAB>hosts]".
        quint64 id = 0;
        quint64 hosts = 0;
        if (WebGraphFields::readNumber(at, '\t', id) && id == m_names->count()) {
            const char* name = at;
            at = WebGraphFields::nameEnd(at);
            const QByteArrayView nameView(name, at - name);
            const bool thirdColumn = *at == '\t';
            if (!nameView.isEmpty() &&
                (*at++ == '\n' || (thirdColumn && WebGraphFields::readNumber(at, '\n', hosts)))) {
                if (m_line == 1)
                    m_thirdColumn = thirdColumn;
                if (!m_names->add(nameView))
                    return writeError();
                continue;
            }
        }
        at = static_cast<const char*>(std::memchr(line, '\n', size_t(end - line))) + 1;
        if (!parseVertexLine(QByteArrayView(line, at - 1 - line)))
            return false;
    }
    return !m_cancel.load();
}

bool WebGraphIndexBuilder::parseVertexLine(QByteArrayView line)
{
    QByteArrayView fields[3];
    const qsizetype count = WebGraphFields::split(line, fields, 3);
    if (count < 2 || count > 3)
        return lineError(QStringLiteral("expected an id, a tab and a name (and maybe a tab and a number of "
                                        "hosts): %1")
                             .arg(shown(line)));
    const std::optional<quint64> id = WebGraphFields::parseUnsigned(fields[0]);
    if (!id)
        return lineError(QStringLiteral("%1 is not a vertex id").arg(shown(fields[0])));
    if (*id != m_names->count())
        return lineError(QStringLiteral("the id %1 where %2 was expected: the ids must run 0, 1, 2, ... as the "
                                        "lines do")
                             .arg(*id)
                             .arg(m_names->count()));
    if (!WebGraphFields::isName(fields[1]))
        return lineError(QStringLiteral("%1 is not a host or domain name").arg(shown(fields[1])));
    if (count == 3 && !WebGraphFields::parseUnsigned(fields[2]))
        return lineError(QStringLiteral("%1 is not a number of hosts").arg(shown(fields[2])));
    if (m_line == 1)
        m_thirdColumn = count == 3;
    return m_names->add(fields[1]) || writeError();
}

bool WebGraphIndexBuilder::parseEdges(const char* begin, const char* end)
{
    if (m_tableFailed.load(std::memory_order_relaxed))
        return false;
    const quint64 vertexCount = m_header.vertexCount;
    quint64 targets[edgeBatch];
    qsizetype pending = 0;
    quint64 lines = 0;
    const char* at = begin;
    while (at < end) {
        const char* line = at;
        quint64 from = 0;
        quint64 to = 0;
        // Lines may also end in CR LF.
        if (WebGraphFields::readNumber(at, '\t', from) &&
            (WebGraphFields::readNumber(at, '\n', to) || (WebGraphFields::readNumber(at, '\r', to) && *at++ == '\n')) &&
            from < vertexCount && to < vertexCount) {
            ++lines;
            targets[pending++] = to;
            if (pending == edgeBatch) {
                m_counts->addEdgesTo(targets, pending);
                pending = 0;
            }
            continue;
        }
        // Not a plain line: count what came before, then say what is wrong.
        m_counts->addEdgesTo(targets, pending);
        pending = 0;
        m_line += lines;
        lines = 0;
        at = static_cast<const char*>(std::memchr(line, '\n', size_t(end - line))) + 1;
        if (!parseEdgeLine(line, at - 1))
            return false;
    }
    m_counts->addEdgesTo(targets, pending);
    m_line += lines;
    m_header.edgeCount = m_line;
    return !m_cancel.load();
}

bool WebGraphIndexBuilder::parseEdgeLine(const char* begin, const char* end)
{
    ++m_line;
    const QByteArrayView line(begin, end - begin);
    QByteArrayView fields[2];
    const qsizetype count = WebGraphFields::split(line, fields, 2);
    std::optional<quint64> ids[2];
    for (qsizetype i = 0; i < qMin<qsizetype>(count, 2); ++i)
        ids[i] = WebGraphFields::parseUnsigned(fields[i]);
    if (count != 2 || !ids[0] || !ids[1])
        return lineError(QStringLiteral("expected two vertex ids separated by a tab: %1").arg(shown(line)));
    for (const std::optional<quint64>& id : ids) {
        if (*id >= m_header.vertexCount)
            return lineError(QStringLiteral("the id %1 is out of range: the vertices run from 0 to %2")
                                 .arg(*id)
                                 .arg(m_header.vertexCount - 1));
    }
    m_counts->addEdgesTo(&*ids[1], 1);
    return true;
}

bool WebGraphIndexBuilder::parseCounts(const char* begin, const char* end)
{
    for (const char* at = begin; at < end;) {
        const char* newline = static_cast<const char*>(std::memchr(at, '\n', size_t(end - at)));
        const QByteArrayView line(at, newline - at);
        at = newline + 1;
        ++m_line;
        // '#' lines before the first name are a header.
        if (m_names->count() == 0 && line.startsWith('#')) {
            ++m_headerLines;
            continue;
        }
        QByteArrayView fields[3];
        const qsizetype count = WebGraphFields::split(line, fields, 3);
        if (count < 2 || count > 3)
            return lineError(QStringLiteral("expected a name, a tab and an in-degree (and maybe a tab and a "
                                            "position): %1")
                                 .arg(shown(line)));
        if (!WebGraphFields::isName(fields[0]))
            return lineError(QStringLiteral("%1 is not a host or domain name").arg(shown(fields[0])));
        const std::optional<quint64> inDegree = WebGraphFields::parseWholeNumber(fields[1]);
        if (!inDegree)
            return lineError(QStringLiteral("%1 is not an in-degree").arg(shown(fields[1])));
        if (count == 3 && !fields[2].isEmpty()) {
            const std::optional<quint64> position = WebGraphFields::parseWholeNumber(fields[2]);
            if (!position || *position == 0 || *position > 0xFFFFFFFFu)
                return lineError(
                    QStringLiteral("%1 is not a position from 1 to %2").arg(shown(fields[2])).arg(0xFFFFFFFFu));
            m_header.hasRanks = true;
            m_positions.resize(m_names->count() + 1);
            m_positions[m_names->count()] = quint32(*position);
        }
        m_counts->append(*inDegree);
        m_header.edgeCount += *inDegree;
        if (!m_names->add(fields[0]))
            return writeError();
    }
    return !m_cancel.load();
}

WebGraphIndexBuilder::StepOutcome WebGraphIndexBuilder::buildTable(const QString& path, quint64 headerLines)
{
    StepOutcome build;
    const auto failed = [this, &build] {
        build.failure = Result::NotWritten;
        build.error = m_writer->errorString();
        return build;
    };
    try {
        m_table = std::make_unique<VertexKeyTable>(m_names->takeHashes(), &m_stopTable);
    } catch (const std::bad_alloc&) {
        build.failure = Result::NotWritten;
        build.error = QStringLiteral("not enough memory to index the graph");
        return build;
    }
    if (!m_table->complete()) {
        build.failure = Result::Cancelled;
        return build;
    }

    // Names with the same hash may be the same name.
    bool readBack = true;
    m_table->forEachSharedHash([&](quint64 a, quint64 b) {
        if (build.failure != Result::Built || !readBack)
            return;
        const std::optional<QByteArray> first = m_names->name(a);
        const std::optional<QByteArray> second = m_names->name(b);
        readBack = first && second;
        if (readBack && *first == *second) {
            build.failure = Result::BadInput;
            build.error = QStringLiteral("%1, line %2: the name %3 is also on line %4")
                              .arg(QDir::toNativeSeparators(path))
                              .arg(qMax(a, b) + 1 + headerLines)
                              .arg(shown(*first))
                              .arg(qMin(a, b) + 1 + headerLines);
        }
    });
    if (!readBack)
        return failed();
    if (build.failure != Result::Built)
        return build;

    const bool written = m_names->writeBlockStarts() && m_table->write(*m_writer);
    return written ? build : failed();
}

bool WebGraphIndexBuilder::writePositions()
{
    // 4 bytes a vertex in memory, 8 in the file.
    constexpr quint64 chunkSize = 1 << 16;
    std::vector<quint64> chunk(chunkSize);
    for (quint64 first = 0; first < m_header.vertexCount; first += chunkSize) {
        const quint64 count = qMin(chunkSize, m_header.vertexCount - first);
        std::copy(m_positions.data() + first, m_positions.data() + first + count, chunk.begin());
        if (!m_writer->appendU64s(chunk.data(), count))
            return writeError();
    }
    m_positions.clear();
    return true;
}

bool WebGraphIndexBuilder::writeHeader()
{
    m_header.idBits = m_table->idBits();
    m_header.bucketBits = m_table->bucketBits();
    m_header.fileBytes = m_writer->position();
    Q_ASSERT(layoutOf(m_header).end == m_header.fileBytes);
    if (m_cancel.load())
        return false;
    if (!m_writer->writeAt(0, encodeHeader(m_header)) || !m_writer->commit())
        return writeError();
    return true;
}

void WebGraphIndexBuilder::beginStep(Step step)
{
    endStep();
    m_stepStart = m_timer.elapsed();
    m_stepOpen = true;
    m_progressState.step = step;
    reportProgress(0, true);
}

void WebGraphIndexBuilder::endStep()
{
    if (!m_stepOpen)
        return;
    const qint64 ms = m_timer.elapsed() - m_stepStart;
    // Writing comes back between the other steps; its times add up.
    const auto earlier = std::find_if(m_stepTimes.begin(), m_stepTimes.end(),
                                      [this](const StepTime& time) { return time.step == m_progressState.step; });
    if (earlier != m_stepTimes.end())
        earlier->ms += ms;
    else
        m_stepTimes.append({m_progressState.step, ms});
    m_stepOpen = false;
}

void WebGraphIndexBuilder::reportProgress(qint64 bytesReadOfFile, bool always)
{
    if (!m_progress)
        return;
    const qint64 now = m_timer.elapsed();
    if (!always && now - m_lastReport < progressIntervalMs)
        return;
    m_lastReport = now;
    WebGraphBuildProgress progress = m_progressState;
    progress.bytesRead += bytesReadOfFile;
    if (m_ranks && !m_ranks->done)
        progress.bytesRead += m_ranks->reader.bytesRead();
    progress.elapsedMs = now;
    m_progress(progress);
}

bool WebGraphIndexBuilder::lineError(const QString& what)
{
    m_failure = Result::BadInput;
    m_error = QStringLiteral("%1, line %2: %3").arg(QDir::toNativeSeparators(m_path)).arg(m_line).arg(what);
    return false;
}

bool WebGraphIndexBuilder::inputError(const QString& what)
{
    m_failure = Result::BadInput;
    m_error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(m_path), what);
    return false;
}

bool WebGraphIndexBuilder::writeError()
{
    m_failure = Result::NotWritten;
    m_error = m_writer ? m_writer->errorString() : QString();
    return false;
}
