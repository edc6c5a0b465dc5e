// Times building a web-graph index against only inflating the same files,
// reads the build's peak memory, and times 32,767 lookups. The graph is
// made by tools/webgraph_gen in a temporary folder (or in FOLDER, kept for
// the next run):
//   bench_webgraph [--rounds N] [--edges N] [--vertices N] [FOLDER]
// The build runs as the program itself, so its peak memory is its own
// (read from /proc, on Linux).
// Run by hand on a quiet machine; a Release build gives the figures that
// count.

#include "webgraph/GzipTextFile.h"
#include "webgraph/WebGraphIndex.h"
#include "webgraph/WebGraphIndexBuilder.h"

#include "WebGraphGenerator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>

#include <limits>
#include <memory>

#if defined(Q_OS_UNIX)
#include <sys/resource.h>
#endif

namespace {

constexpr int lookupCount = 32767;
// The published domain graph of 2024: about 125 M domains, 4.8 G edges.
constexpr double realVertices = 125e6;
constexpr double realEdges = 4.8e9;

QString seconds(qint64 ms)
{
    return QStringLiteral("%1 s").arg(double(ms) / 1000, 0, 'f', 2);
}

// Inflates the file to nothing; false on an error.
bool inflateOnly(const QString& path)
{
    GzipTextFile file(path);
    if (!file.open())
        return false;
    const auto buffer = std::make_unique_for_overwrite<char[]>(4 << 20);
    qsizetype read = 0;
    while ((read = file.read(buffer.get(), 4 << 20)) > 0) {
    }
    return read == 0;
}

// The largest resident size of a running process so far, in bytes: its
// VmHWM, which counts from its exec, unlike the children's ru_maxrss, which
// also counts this process's pages that the fork shared; -1 where unknown.
qint64 peakMemory(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong() * 1024;
    }
    return -1;
}

// Processor time (user and system) of this process, or of its children
// waited for, in milliseconds; -1 where unknown.
qint64 processorMs(bool children)
{
#if defined(Q_OS_UNIX)
    rusage usage{};
    getrusage(children ? RUSAGE_CHILDREN : RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& time) { return qint64(time.tv_sec) * 1000 + time.tv_usec / 1000; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
#else
    Q_UNUSED(children);
    return -1;
#endif
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QCommandLineParser parser;
    parser.addOptions({{QStringLiteral("rounds"), QStringLiteral("Rounds of timing (default 3)."), QStringLiteral("n")},
                       {QStringLiteral("edges"), QStringLiteral("Edges (default 60 M)."), QStringLiteral("n")},
                       {QStringLiteral("vertices"), QStringLiteral("Vertices (default 1.6 M)."), QStringLiteral("n")}});
    parser.addPositionalArgument(QStringLiteral("folder"), QStringLiteral("Where the graph is kept."),
                                 QStringLiteral("[folder]"));
    parser.process(app);

    WebGraphGeneratorOptions options;
    options.edges = parser.value(QStringLiteral("edges")).toULongLong();
    options.vertices = parser.value(QStringLiteral("vertices")).toULongLong();
    if (options.edges == 0)
        options.edges = 60'000'000;
    // The published domain graph's shape: about 38 edges a vertex.
    if (options.vertices == 0)
        options.vertices = 1'600'000;
    const int rounds =
        parser.isSet(QStringLiteral("rounds")) ? qMax(1, parser.value(QStringLiteral("rounds")).toInt()) : 3;
    QTemporaryDir temporary;
    const QString folder = parser.positionalArguments().value(0, temporary.path());
    const QString release = QStringLiteral("bench-%1-%2").arg(options.vertices).arg(options.edges);

    QElapsedTimer timer;
    timer.start();
    GeneratedWebGraph graph;
    const QString prefix = folder + u'/' + release + QStringLiteral("-domain-");
    if (QFile::exists(prefix + QStringLiteral("truth.tsv"))) {
        graph = {prefix + QStringLiteral("vertices.txt.gz"),
                 prefix + QStringLiteral("edges.txt.gz"),
                 prefix + QStringLiteral("ranks.txt.gz"),
                 prefix + QStringLiteral("truth.tsv"),
                 options.vertices,
                 options.edges};
        out << "graph of " << options.vertices << " vertices and about " << options.edges << " edges kept in " << folder
            << "\n";
    } else {
        QString error;
        const std::optional<GeneratedWebGraph> made = generateWebGraph(folder, release, options, &error);
        if (!made) {
            out << "the graph could not be written: " << error << "\n";
            return 1;
        }
        graph = *made;
        out << "generated " << graph.vertexCount << " vertices and " << graph.edgeCount << " edges in "
            << seconds(timer.elapsed()) << "\n";
    }
    const QStringList inputs{graph.vertices, graph.edges, graph.ranks};
    qint64 inputBytes = 0;
    for (const QString& input : inputs)
        inputBytes += QFileInfo(input).size();
    out << "input files: " << inputBytes / 1e6 << " MB of gzip\n";
    out.flush();

    // Each round inflates the files, builds as the program and builds here
    // with the ranks after the edges; the figures are each one's best
    // round, the time it takes when nothing else holds the processors up.
    const QString index = folder + u'/' + release + QStringLiteral(".qvg");
    // Up to 96 M vertices the ranks are read beside the edges' count; the
    // published graph is larger, so its projection takes the steps of a
    // build that reads them after, as it would there.
    WebGraphBuildRequest after{graph.vertices, graph.edges, graph.ranks, {}, folder + QStringLiteral("/after.qvg")};
    after.mostVerticesForRanksBeside = 0;
    std::atomic<bool> noCancel{false};
    QList<qint64> inflateFileMs(inputs.size(), std::numeric_limits<qint64>::max()); // vertices, edges, ranks
    qint64 inflateMs = std::numeric_limits<qint64>::max();
    qint64 inflateProcessorMs = 0;
    qint64 buildMs = std::numeric_limits<qint64>::max();
    qint64 buildProcessorMs = 0;
    qint64 afterMs = std::numeric_limits<qint64>::max();
    QList<WebGraphIndexBuilder::StepTime> afterSteps;
    qint64 peak = -1;
    QString summary;
    for (int round = 0; round < rounds; ++round) {
        const qint64 processorBefore = processorMs(false);
        timer.restart();
        QList<qint64> fileMs;
        for (const QString& input : inputs) {
            QElapsedTimer fileTimer;
            fileTimer.start();
            if (!inflateOnly(input)) {
                out << "cannot inflate " << input << "\n";
                return 1;
            }
            fileMs.append(fileTimer.elapsed());
        }
        if (timer.elapsed() < inflateMs) {
            inflateMs = timer.elapsed();
            inflateFileMs = fileMs;
            inflateProcessorMs = processorMs(false) - processorBefore;
        }

        const qint64 childrenBefore = processorMs(true);
        QProcess build;
        build.setProcessChannelMode(QProcess::SeparateChannels);
        timer.restart();
        build.start(QStringLiteral(QUORVEX_PROGRAM), {QStringLiteral("--index-webgraph"), graph.vertices, graph.edges,
                                                      graph.ranks, QStringLiteral("--output"), index});
        // The peak only grows: the last reading before the end is the build's.
        const qint64 pid = build.processId();
        while (!build.waitForFinished(20))
            peak = qMax(peak, peakMemory(pid));
        if (build.exitStatus() != QProcess::NormalExit || build.exitCode() != 0) {
            out << "the build failed: " << build.readAllStandardError() << "\n";
            return 1;
        }
        if (timer.elapsed() < buildMs) {
            buildMs = timer.elapsed();
            buildProcessorMs = processorMs(true) - childrenBefore;
            summary = QString::fromLocal8Bit(build.readAllStandardError()).trimmed().section(u'\n', -1);
        }

        WebGraphIndexBuilder afterBuilder(after, noCancel);
        timer.restart();
        if (afterBuilder.build() != WebGraphIndexBuilder::Result::Built) {
            out << "the build with the ranks after the edges failed: " << afterBuilder.errorString() << "\n";
            return 1;
        }
        if (timer.elapsed() < afterMs) {
            afterMs = timer.elapsed();
            afterSteps = afterBuilder.stepTimes();
        }
        QFile::remove(after.output);
    }
    out << "best of " << rounds << " rounds\n";
    out << "inflate only (" << (GzipTextFile::fastestInflater() == GzipTextFile::Inflater::Isal ? "ISA-L" : "zlib")
        << ", one thread): " << seconds(inflateMs) << " (vertices " << seconds(inflateFileMs[0]) << ", edges "
        << seconds(inflateFileMs[1]) << ", ranks " << seconds(inflateFileMs[2]) << "; processor "
        << seconds(inflateProcessorMs) << ")\n";
    out << "build: " << seconds(buildMs) << ", " << QString::number(double(buildMs) / double(inflateMs), 'f', 2)
        << " times the inflating (goal 1.2); processor " << seconds(buildProcessorMs) << " on all its threads\n  "
        << summary << "\n";
    const double goalBytes = 16.0 * double(graph.vertexCount) + 256.0 * 1024 * 1024;
    out << "build peak memory: " << (peak < 0 ? QStringLiteral("unknown") : QString::number(peak / 1e6) + " MB")
        << "; goal 16 B per vertex + 256 MiB = " << goalBytes / 1e6 << " MB\n";
    out.flush();

    // zcat, as a reference; its memory is small beside the build's.
    const QString zcat = QStandardPaths::findExecutable(QStringLiteral("zcat"));
    if (!zcat.isEmpty()) {
        timer.restart();
        for (const QString& input : inputs) {
            QProcess process;
            process.setStandardOutputFile(QProcess::nullDevice());
            process.start(zcat, {input});
            process.waitForFinished(-1);
        }
        out << "zcat of the same files: " << seconds(timer.elapsed()) << "\n";
    }

    // Every count against the generator's, and names for the lookups.
    WebGraphIndex reader;
    if (!reader.open(index)) {
        out << reader.errorString() << "\n";
        return 1;
    }
    QFile truth(graph.truth);
    if (!truth.open(QIODevice::ReadOnly)) {
        out << "cannot read " << graph.truth << "\n";
        return 1;
    }
    QList<QByteArray> names;
    quint64 wrong = 0;
    quint64 checked = 0;
    QRandomGenerator random(7);
    while (!truth.atEnd()) {
        const QList<QByteArray> fields = truth.readLine().trimmed().split('\t');
        const std::optional<WebGraphEntry> entry = reader.find(fields[0]);
        ++checked;
        if (!entry || entry->inDegree != fields[1].toULongLong() ||
            entry->harmonicPosition.value_or(0) != fields.value(2).toULongLong())
            ++wrong;
        if (random.bounded(graph.vertexCount) < lookupCount * 2)
            names.append(random.bounded(10) == 0 ? fields[0] + "-absent" : fields[0]);
    }
    out << "counts checked against the generator's: " << checked << ", wrong " << wrong << "\n";
    while (names.size() > lookupCount)
        names.removeLast();

    timer.restart();
    qsizetype found = 0;
    for (const QByteArray& name : names)
        found += reader.find(name).has_value() ? 1 : 0;
    const qint64 lookupNs = timer.nsecsElapsed();
    out << names.size() << " lookups (" << found << " found): " << lookupNs / 1e6 << " ms (goal under 100 ms)\n";

    double edgesSeconds = 0;
    double otherSeconds = 0;
    QStringList afterStepTexts;
    for (const WebGraphIndexBuilder::StepTime& time : std::as_const(afterSteps)) {
        (time.step == WebGraphBuildProgress::Step::Edges ? edgesSeconds : otherSeconds) += double(time.ms) / 1000;
        afterStepTexts << seconds(time.ms);
    }
    out << "build with the ranks after the edges, in this process: " << seconds(afterMs) << ", "
        << QString::number(double(afterMs) / double(inflateMs), 'f', 2) << " times the inflating (steps "
        << afterStepTexts.join(QStringLiteral(", ")) << ")\n";

    // Those steps and the inflating, scaled to the published graph's size:
    // the edges by edges, the rest by vertices. The program's start is left
    // out; on a graph this small it weighs, on the real one not.
    const double edgesScale = realEdges / double(graph.edgeCount);
    const double verticesScale = realVertices / double(graph.vertexCount);
    out << "steps against inflating: edges " << QString::number(edgesSeconds * 1000 / double(inflateFileMs[1]), 'f', 2)
        << " times, the rest "
        << QString::number(otherSeconds * 1000 / double(inflateFileMs[0] + inflateFileMs[2]), 'f', 2) << " times\n";
    const double projected = edgesSeconds * edgesScale + otherSeconds * verticesScale;
    const double projectedInflate =
        (double(inflateFileMs[1]) * edgesScale + double(inflateFileMs[0] + inflateFileMs[2]) * verticesScale) / 1000;
    out << "projected for 125 M vertices and 4.8 G edges: build " << projected / 60 << " min (edges "
        << edgesSeconds * edgesScale / 60 << " min), inflating " << projectedInflate / 60 << " min, "
        << QString::number(projected / projectedInflate, 'f', 2) << " times\n";
    return wrong == 0 ? 0 : 1;
}
