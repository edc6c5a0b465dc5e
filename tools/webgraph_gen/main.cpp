// quorvex_webgraph_gen: writes a synthetic web graph in the published
// formats, for trying --index-webgraph and for the benchmark.
#include "WebGraphGenerator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Writes RELEASE-domain-vertices.txt.gz, -edges.txt.gz, -ranks.txt.gz and -truth.tsv (the "
                       "true in-degrees) into FOLDER."));
    parser.addHelpOption();
    parser.addOptions({
        {QStringLiteral("vertices"), QStringLiteral("Number of vertices (default 1000)."), QStringLiteral("n")},
        {QStringLiteral("edges"), QStringLiteral("Number of edges (default 10000)."), QStringLiteral("n")},
        {QStringLiteral("host"), QStringLiteral("A host graph rather than a domain graph.")},
        {QStringLiteral("no-ranks"), QStringLiteral("No ranks file.")},
        {QStringLiteral("members"), QStringLiteral("gzip members per file (default 3)."), QStringLiteral("n")},
        {QStringLiteral("seed"), QStringLiteral("Seed of the random numbers (default 1)."), QStringLiteral("n")},
        {QStringLiteral("level"), QStringLiteral("gzip compression level (default 6)."), QStringLiteral("n")},
    });
    parser.addPositionalArgument(QStringLiteral("folder"), QStringLiteral("Where the files go."));
    parser.addPositionalArgument(QStringLiteral("release"),
                                 QStringLiteral("Start of the file names (default "
                                                "synthetic)."),
                                 QStringLiteral("[release]"));
    parser.process(application);
    QTextStream errors(stderr);
    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty() || positional.size() > 2) {
        errors << parser.helpText();
        return 2;
    }
    WebGraphGeneratorOptions options;
    const auto number = [&](const QString& name, quint64 fallback) {
        return parser.isSet(name) ? parser.value(name).toULongLong() : fallback;
    };
    options.vertices = number(QStringLiteral("vertices"), options.vertices);
    options.edges = number(QStringLiteral("edges"), options.edges);
    options.hostLevel = parser.isSet(QStringLiteral("host"));
    options.ranks = !parser.isSet(QStringLiteral("no-ranks"));
    options.members = int(number(QStringLiteral("members"), quint64(options.members)));
    options.seed = number(QStringLiteral("seed"), options.seed);
    options.compressionLevel = int(number(QStringLiteral("level"), quint64(options.compressionLevel)));
    QString error;
    const std::optional<GeneratedWebGraph> graph =
        generateWebGraph(positional[0], positional.value(1, QStringLiteral("synthetic")), options, &error);
    if (!graph) {
        errors << error << '\n';
        return 1;
    }
    QTextStream(stdout) << graph->vertices << '\n'
                        << graph->edges << '\n'
                        << (graph->ranks.isEmpty() ? QString() : graph->ranks + u'\n') << graph->truth << '\n';
    return 0;
}
