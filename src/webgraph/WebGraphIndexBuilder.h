#pragma once

#include "webgraph/GrowableArray.h"
#include "webgraph/GzipTextFile.h"
#include "webgraph/WebGraphFileName.h"
#include "webgraph/WebGraphFormat.h"

#include <QElapsedTimer>
#include <QList>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class IndexFileWriter;
class InDegreeCounts;
class LineBlockReader;
class VertexKeyTable;
class VertexNames;

// What to index: the published graph files, or in-degrees counted elsewhere.
struct WebGraphBuildRequest
{
    // "id<TAB>reversed name[<TAB>hosts]", ids 0, 1, 2, ... in line order.
    QString vertices;
    // "from-id<TAB>to-id": each line is one link to its target.
    QString edges;
    // Optional: '#' header lines, then "harmonic position<TAB>value<TAB>
    // PageRank position<TAB>value<TAB>reversed name[<TAB>hosts]".
    QString ranks;
    // Instead of the three: "reversed name<TAB>in-degree[<TAB>position]".
    QString counts;
    QString output;
    GzipTextFile::Inflater inflater = GzipTextFile::fastestInflater();
    // The ranks are read beside the edges' count up to this many vertices,
    // after it beyond: side by side, the positions (4 bytes a vertex) and
    // the counters stay within the memory allowed for the build, 16 bytes a
    // vertex and 256 MiB, up to 96 M vertices (1.5 bytes a vertex beyond
    // the 16, under 144 MB).
    quint64 mostVerticesForRanksBeside = 96'000'000;
};

struct WebGraphBuildProgress
{
    enum class Step { Vertices, Sorting, Edges, Ranks, Counts, Writing };
    Step step = Step::Vertices;
    qint64 bytesRead = 0;  // of all input files together, as stored (compressed)
    qint64 bytesTotal = 0; // their sizes
    qint64 elapsedMs = 0;
};

// Builds an index file from the graph's text files by streaming them: the
// edges are never held, only fixed-size numbers per vertex (about 14 bytes)
// while the names go to the index file straight away. The vertices and the
// edges are inflated on threads of their own while the calling thread
// parses and counts, and the ranks fill the time that thread has to spare
// while the edges are inflated. Runs on any thread; progress() is called on
// that thread every fifth of a second or so, and setting `cancel` from
// elsewhere stops the build soon after. A build that does not succeed leaves
// any earlier file at the output path as it was.
class WebGraphIndexBuilder
{
public:
    enum class Result {
        Built,
        BadInput,   // a missing, unreadable or malformed input file
        NotWritten, // the index could not be written, or memory ran out
        Cancelled,
    };
    using ProgressFunction = std::function<void(const WebGraphBuildProgress&)>;

    WebGraphIndexBuilder(const WebGraphBuildRequest& request, const std::atomic<bool>& cancel,
                         ProgressFunction progress = {});
    ~WebGraphIndexBuilder();

    Result build();
    // What went wrong, naming the file and, for a bad line, its number.
    QString errorString() const { return m_error; }

    // After a build: what the index holds, and how long each step took.
    const WebGraphFormat::Header& header() const { return m_header; }
    struct StepTime
    {
        WebGraphBuildProgress::Step step;
        qint64 ms;
    };
    QList<StepTime> stepTimes() const { return m_stepTimes; }

private:
    Result buildFromGraph();
    Result buildFromCounts();
    bool checkInputs(const QStringList& paths);

    template <typename ParseBlock>
    bool readLines(const QString& path, WebGraphBuildProgress::Step step, ParseBlock parseBlock);
    // waitWork, if set, is called while the reader has less than half its
    // buffers inflated ahead, until it returns false: work that fills the
    // time the parse leaves over, since it is quicker than the inflating.
    template <typename ParseBlock>
    bool readLines(LineBlockReader& reader, WebGraphBuildProgress::Step step, ParseBlock parseBlock,
                   const std::function<bool()>& waitWork = {});
    bool parseVertices(const char* begin, const char* end);
    bool parseVertexLine(QByteArrayView line);
    bool parseEdges(const char* begin, const char* end);
    bool parseEdgeLine(const char* begin, const char* end);
    bool parseCounts(const char* begin, const char* end);

    // How a step that may run on a thread of its own ended.
    struct StepOutcome
    {
        Result failure = Result::Built;
        QString error;
    };
    Result failWith(const StepOutcome& outcome);
    // Sorts the keys, looks for a name given twice and writes the tables
    // that follow the names. It may run beside the edges' count, so it
    // touches only the hashes, the table, the block starts and the writer.
    StepOutcome buildTable(const QString& path, quint64 headerLines);
    // Reads and places one block of the ranks file, after the table: while
    // the edges are counted where memory allows both, else after them.
    // False once there is no more to read; m_ranks->outcome then says how
    // it ended, and m_positions holds the positions.
    bool readRanksBlock();
    bool writePositions();
    bool writeHeader();

    void beginStep(WebGraphBuildProgress::Step step);
    void endStep();
    void reportProgress(qint64 bytesReadOfFile, bool always = false);
    bool lineError(const QString& what);
    bool inputError(const QString& what);
    bool writeError();

    WebGraphBuildRequest m_request;
    const std::atomic<bool>& m_cancel;
    ProgressFunction m_progress;
    QString m_error;
    Result m_failure = Result::BadInput;

    std::unique_ptr<IndexFileWriter> m_writer;
    WebGraphFormat::Header m_header;
    std::optional<WebGraphFormat::Level> m_levelByName;

    // The file being read and its line.
    QString m_path;
    quint64 m_line = 0;
    quint64 m_headerLines = 0;

    // The names as they stream by; then their sorted table.
    std::unique_ptr<VertexNames> m_names;
    std::unique_ptr<VertexKeyTable> m_table;
    std::atomic<bool> m_tableFailed{false};
    std::atomic<bool> m_tableBuilt{false};
    std::atomic<bool> m_stopTable{false};
    struct RanksReading;
    std::unique_ptr<RanksReading> m_ranks;
    std::unique_ptr<InDegreeCounts> m_counts;
    GrowableArray<quint32> m_positions;
    bool m_thirdColumn = false;

    QElapsedTimer m_timer;
    qint64 m_lastReport = -1;
    qint64 m_stepStart = 0;
    bool m_stepOpen = false;
    WebGraphBuildProgress m_progressState;
    QList<StepTime> m_stepTimes;
};
