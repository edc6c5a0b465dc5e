#include "app/CommandLine.h"

#include "Branding.h"

#include <QCommandLineParser>

namespace {

const QString scanName = QStringLiteral("scan");
const QString csvName = QStringLiteral("csv");
const QString saveEachName = QStringLiteral("save-each");
const QString quietName = QStringLiteral("quiet");
const QString parallelName = QStringLiteral("parallel-engines");
const QString listSourcesName = QStringLiteral("list-sources");
const QString indexWebGraphName = QStringLiteral("index-webgraph");
const QString countsName = QStringLiteral("counts");
const QString outputName = QStringLiteral("output");

const char indexWebGraphExitStatus[] =
    "\nExit status of --index-webgraph: 0 when the index was built; 1 when it could not be written;\n"
    "2 for bad usage or an input file that is missing, unreadable or malformed (the message names\n"
    "the file and line); 130 when interrupted by Ctrl+C (143 by SIGTERM). A build that does not\n"
    "end well leaves an earlier INDEX as it was.\n";

QString versionText()
{
    return QStringLiteral("%1 %2.%3")
        .arg(QString::fromLatin1(Branding::productName))
        .arg(Branding::versionMajor)
        .arg(Branding::versionMinor);
}

CommandLine failure(const QString& text)
{
    CommandLine line;
    line.mode = CommandLine::Mode::Error;
    line.text = text;
    return line;
}

CommandLine indexWebGraphLine(const QCommandLineParser& parser)
{
    const QStringList files = parser.positionalArguments();
    WebGraphIndexCommand::Options options;
    options.counts = parser.value(countsName);
    options.output = parser.value(outputName);
    options.quiet = parser.isSet(quietName);
    if (options.counts.isEmpty() ? files.size() < 2 || files.size() > 3 : !files.isEmpty())
        return failure(QStringLiteral("--index-webgraph takes VERTICES EDGES [RANKS], or --counts COUNTS."));
    if (options.output.isEmpty())
        return failure(QStringLiteral("--index-webgraph needs --output INDEX."));
    options.vertices = files.value(0);
    options.edges = files.value(1);
    options.ranks = files.value(2);
    CommandLine line;
    line.mode = CommandLine::Mode::IndexWebGraph;
    line.indexWebGraph = options;
    return line;
}

} // namespace

CommandLine CommandLine::parse(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Asks search engines and sources of your own how many pages link to each site of a URL "
                       "list."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addOptions({
        {scanName, QStringLiteral("Scans every site of the URL list file without a window, then ends."),
         QStringLiteral("file")},
        {csvName, QStringLiteral("Writes the results of --scan as CSV to the file; - is the standard output."),
         QStringLiteral("file")},
        {saveEachName, QStringLiteral("Adds the counts of each site of --scan to the site's saved search.")},
        {quietName, QStringLiteral("Leaves out the progress lines of --scan and --index-webgraph.")},
        {parallelName, QStringLiteral("Asks the sources about each site of --scan at the same time.")},
        {listSourcesName, QStringLiteral("Lists the sources a scan asks: name, kind, address (header values "
                                         "masked) and whether it counts toward the total.")},
        {indexWebGraphName, QStringLiteral("Builds a web-graph index from the graph files VERTICES EDGES [RANKS].")},
        {countsName, QStringLiteral("With --index-webgraph: indexes in-degrees counted elsewhere instead."),
         QStringLiteral("file")},
        {outputName, QStringLiteral("With --index-webgraph: the index file to write."), QStringLiteral("file")},
    });
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("A URL list file to load into the window."),
                                 QStringLiteral("[file]"));

    // The parser would take "--" as the end of the options; nothing of ours
    // needs it, and the usage does not offer it.
    if (arguments.indexOf(QStringLiteral("--"), 1) > 0)
        return failure(QStringLiteral("Unknown option '--'."));
    if (!parser.parse(arguments))
        return failure(parser.errorText());
    CommandLine line;
    // Qt's own options do not apply without a window; --help-all gives the
    // same text as --help.
    if (parser.isSet(help) || parser.optionNames().contains(QStringLiteral("help-all"))) {
        line.mode = Mode::Help;
        line.text = parser.helpText() + QLatin1String(indexWebGraphExitStatus);
        return line;
    }
    if (parser.isSet(version)) {
        line.mode = Mode::Version;
        line.text = versionText();
        return line;
    }
    const QStringList files = parser.positionalArguments();
    if (parser.isSet(listSourcesName)) {
        const bool other = parser.isSet(scanName) || parser.isSet(csvName) || parser.isSet(saveEachName) ||
                           parser.isSet(quietName) || parser.isSet(parallelName) ||
                           parser.isSet(indexWebGraphName) || parser.isSet(countsName) || parser.isSet(outputName);
        if (other || !files.isEmpty())
            return failure(QStringLiteral("--list-sources goes with no other option or file."));
        line.mode = Mode::ListSources;
        return line;
    }
    if (parser.isSet(indexWebGraphName)) {
        if (parser.isSet(scanName) || parser.isSet(csvName) || parser.isSet(saveEachName) || parser.isSet(parallelName))
            return failure(QStringLiteral("--index-webgraph goes with --counts, --output and --quiet only."));
        return indexWebGraphLine(parser);
    }
    if (parser.isSet(countsName) || parser.isSet(outputName))
        return failure(QStringLiteral("--counts and --output only go with --index-webgraph."));
    if (parser.isSet(scanName)) {
        if (!files.isEmpty())
            return failure(QStringLiteral("Unexpected argument with --scan: %1").arg(files.first()));
        line.mode = Mode::Scan;
        line.scan = {parser.value(scanName), parser.value(csvName), parser.isSet(saveEachName), parser.isSet(quietName),
                     parser.isSet(parallelName)};
        return line;
    }
    if (parser.isSet(csvName) || parser.isSet(saveEachName) || parser.isSet(quietName) || parser.isSet(parallelName))
        return failure(QStringLiteral("--csv, --save-each, --quiet and --parallel-engines only go with --scan "
                                      "(--quiet also with --index-webgraph)."));
    if (files.size() > 1)
        return failure(QStringLiteral("Only one URL list file can be loaded: %1").arg(files.join(u' ')));
    line.listFile = files.value(0);
    return line;
}

bool CommandLine::needsNoWindow(const QStringList& arguments)
{
    // Options of the window's application object, which it takes with one
    // dash or two; any other option is ours, or a mistake that is better
    // told without opening a window (which needs a display). Some take the
    // next argument as their value, unless it follows "=".
    static const QStringList flagOptions{QStringLiteral("reverse"),       QStringLiteral("widgetcount"),
                                         QStringLiteral("qmljsdebugger"), QStringLiteral("nograb"),
                                         QStringLiteral("dograb"),        QStringLiteral("sync")};
    static const QStringList valueOptions{QStringLiteral("platform"),
                                          QStringLiteral("platformpluginpath"),
                                          QStringLiteral("platformtheme"),
                                          QStringLiteral("plugin"),
                                          QStringLiteral("qwindowgeometry"),
                                          QStringLiteral("qwindowicon"),
                                          QStringLiteral("qwindowtitle"),
                                          QStringLiteral("session"),
                                          QStringLiteral("display"),
                                          QStringLiteral("geometry"),
                                          QStringLiteral("style"),
                                          QStringLiteral("stylesheet"),
                                          QStringLiteral("name"),
                                          QStringLiteral("title"),
                                          QStringLiteral("visual")};
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        // A file name, or "-".
        if (argument.size() < 2 || !argument.startsWith(u'-'))
            continue;
        // "--" itself has an empty name, so it is no window option either.
        const QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1).section(u'=', 0, 0);
        if (!flagOptions.contains(name) && !valueOptions.contains(name))
            return true;
        if (valueOptions.contains(name) && !argument.contains(u'='))
            ++i;
    }
    return false;
}
