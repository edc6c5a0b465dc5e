#include "webgraph/GrowableArray.h"
#include "webgraph/GzipTextFile.h"
#include "webgraph/WebGraphFields.h"
#include "webgraph/WebGraphIndex.h"
#include "webgraph/WebGraphIndexBuilder.h"

#include "GzipFileWriter.h"
#include "WebGraphGenerator.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

namespace {

using Inflater = GzipTextFile::Inflater;

// Writes the parts as gzip members one after another.
bool writeGzip(const QString& path, const QList<QByteArray>& members)
{
    GzipFileWriter writer(path);
    if (!writer.open())
        return false;
    for (const QByteArray& member : members) {
        if (!writer.write(member) || !writer.endMember())
            return false;
    }
    return writer.close();
}

QByteArray gzipped(const QByteArray& text)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("x.gz"));
    return writeGzip(path, {text}) ? readBytes(path) : QByteArray();
}

// A small host graph whose ids follow the labels, not the bytes: "a.b.c"
// before "a.b-x"; some lines end in CR LF. The in-degrees and positions
// below are counted by hand.
const QByteArray handVertices = "0\tac.gov.ascension\r\n"
                                "1\tac.gov.ascension.www\n"
                                "2\tac.gov.ascension-island\n"
                                "3\tcom.example\n"
                                "4\tcom.example.www\n"
                                "5\tuk.co.example.www\n"
                                "6\txn--p1ai.xn--e1afmkfd\n"
                                "7\tcom.unlinked\n";
const QByteArray handEdges = "0\t2\n1\t2\r\n3\t2\n4\t5\n6\t5\n1\t5\r\n2\t0\n7\t1\n5\t6\n5\t1\n";
const QByteArray handRanks = "#harmonicc_pos\t#harmonicc_val\t#pr_pos\t#pr_val\t#host_rev\n"
                             "# second header line\n"
                             "1\t1.4451489E7\t2\t4.48e-09\tuk.co.example.www\n"
                             "2\t3.0\t1\t4.48E-9\tac.gov.ascension-island\n"
                             "3\t2.5\t3\t1.0E-10\tac.gov.ascension.www\n"
                             "4\t1234567.0\t4\t0.001\tac.gov.ascension\n"
                             "5\t1.0\t5\t5.0E-10\txn--p1ai.xn--e1afmkfd\n"
                             "6\t0.5\t6\t1e-12\tcom.example\n";

struct Lookup
{
    qint64 inDegree = -1; // -1: not in the graph
    quint64 position = 0; // 0: not ranked
};

Lookup lookUp(const WebGraphIndex& index, const QString& host)
{
    const std::optional<WebGraphEntry> entry = index.find(reversedHostName(host));
    if (!entry)
        return {};
    return {qint64(entry->inDegree), entry->harmonicPosition.value_or(0)};
}

} // namespace

Q_DECLARE_METATYPE(GzipTextFile::Inflater)

class WebGraphIndexTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::atomic<bool> m_noCancel{false};

    QString path(const QString& name) const { return m_dir.filePath(name); }

    WebGraphIndexBuilder::Result build(const WebGraphBuildRequest& request, QString* error = nullptr)
    {
        WebGraphIndexBuilder builder(request, m_noCancel);
        const WebGraphIndexBuilder::Result result = builder.build();
        if (error)
            *error = builder.errorString();
        return result;
    }

    // The hand graph, its files split into gzip members (one in the middle
    // of a line), indexed with each inflater.
    QString handIndex(Inflater inflater)
    {
        const QString index = path(QStringLiteral("hand-%1.qvg").arg(int(inflater)));
        if (QFile::exists(index))
            return index;
        WebGraphBuildRequest request;
        request.vertices = path(QStringLiteral("hand-vertices.txt.gz"));
        request.edges = path(QStringLiteral("hand-edges.txt.gz"));
        request.ranks = path(QStringLiteral("hand-ranks.txt.gz"));
        request.output = index;
        request.inflater = inflater;
        if (!writeGzip(request.vertices, {handVertices.left(40), handVertices.mid(40)}) ||
            !writeGzip(request.edges, {handEdges.left(9), handEdges.mid(9, 10), handEdges.mid(19)}) ||
            !writeGzip(request.ranks, {handRanks.left(100), handRanks.mid(100)}))
            return {};
        QString error;
        if (build(request, &error) != WebGraphIndexBuilder::Result::Built)
            qWarning() << error;
        return index;
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void lookups_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<qint64>("inDegree");
        QTest::addColumn<quint64>("position");

        QTest::newRow("before its longer neighbour") << "ascension.gov.ac" << qint64(1) << quint64(4);
        QTest::newRow("after it in bytes, before in labels") << "www.ascension.gov.ac" << qint64(2) << quint64(3);
        QTest::newRow("longer neighbour") << "ascension-island.gov.ac" << qint64(3) << quint64(2);
        QTest::newRow("co.uk suffix, www kept") << "www.example.co.uk" << qint64(3) << quint64(1);
        QTest::newRow("capitals and a final dot") << "WWW.Example.CO.UK." << qint64(3) << quint64(1);
        QTest::newRow("punycode") << "xn--e1afmkfd.xn--p1ai" << qint64(1) << quint64(5);
        QTest::newRow("in-degree 0, ranked") << "example.com" << qint64(0) << quint64(6);
        QTest::newRow("in-degree 0, missing from the ranks") << "www.example.com" << qint64(0) << quint64(0);
        QTest::newRow("links out only") << "unlinked.com" << qint64(0) << quint64(0);
        QTest::newRow("absent") << "absent.com" << qint64(-1) << quint64(0);
        QTest::newRow("only its www host is there") << "example.co.uk" << qint64(-1) << quint64(0);
        QTest::newRow("a suffix of names there") << "gov.ac" << qint64(-1) << quint64(0);
        QTest::newRow("not a host name") << "exa mple.com" << qint64(-1) << quint64(0);
    }

    void lookups()
    {
        QFETCH(QString, host);
        QFETCH(qint64, inDegree);
        QFETCH(quint64, position);
        for (const Inflater inflater : GzipTextFile::availableInflaters()) {
            WebGraphIndex index;
            QVERIFY2(index.open(handIndex(inflater)), qPrintable(index.errorString()));
            QCOMPARE(index.level(), WebGraphFormat::Level::Host);
            QCOMPARE(index.release(), QStringLiteral("hand"));
            QCOMPARE(index.vertexCount(), quint64(8));
            QCOMPARE(index.edgeCount(), quint64(10));
            QVERIFY(index.hasRanks());
            const Lookup found = lookUp(index, host);
            QCOMPARE(found.inDegree, inDegree);
            QCOMPARE(found.position, position);
        }
    }

    void generatedGraphs_data()
    {
        QTest::addColumn<bool>("hostLevel");
        QTest::addColumn<bool>("ranks");
        QTest::addColumn<int>("members");
        QTest::addColumn<Inflater>("inflater");
        QTest::addColumn<bool>("ranksAfterEdges");
        for (const Inflater inflater : GzipTextFile::availableInflaters()) {
            const QByteArray name = inflater == Inflater::Isal ? "ISA-L" : "zlib";
            QTest::newRow(("domain graph with ranks, " + name).constData()) << false << true << 3 << inflater << false;
            QTest::newRow(("host graph, one member, " + name).constData()) << true << false << 1 << inflater << false;
        }
        QTest::newRow("ranks read after the edges, as for a large graph")
            << false << true << 2 << GzipTextFile::fastestInflater() << true;
    }

    // Every vertex of a generated graph, indexed from the graph files and
    // from its true in-degrees as a counts file, against those in-degrees.
    void generatedGraphs()
    {
        QFETCH(bool, hostLevel);
        QFETCH(bool, ranks);
        QFETCH(int, members);
        QFETCH(Inflater, inflater);
        QFETCH(bool, ranksAfterEdges);
        QTemporaryDir dir;
        WebGraphGeneratorOptions options;
        options.vertices = 3000;
        options.edges = 40000;
        options.hostLevel = hostLevel;
        options.ranks = ranks;
        options.members = members;
        options.unrankedShare = 0.05;
        QString error;
        const std::optional<GeneratedWebGraph> graph =
            generateWebGraph(dir.path(), QStringLiteral("cc-main-2024-test"), options, &error);
        QVERIFY2(graph, qPrintable(error));

        WebGraphBuildRequest fromGraph;
        fromGraph.vertices = graph->vertices;
        fromGraph.edges = graph->edges;
        fromGraph.ranks = graph->ranks;
        fromGraph.output = dir.filePath(QStringLiteral("graph.qvg"));
        fromGraph.inflater = inflater;
        if (ranksAfterEdges)
            fromGraph.mostVerticesForRanksBeside = 0;
        QCOMPARE(build(fromGraph, &error), WebGraphIndexBuilder::Result::Built);
        WebGraphBuildRequest fromCounts;
        fromCounts.counts = graph->truth;
        fromCounts.output = dir.filePath(QStringLiteral("counts.qvg"));
        QCOMPARE(build(fromCounts, &error), WebGraphIndexBuilder::Result::Built);

        const QList<QByteArray> truth = readBytes(graph->truth).split('\n');
        for (const QString& indexPath : {fromGraph.output, fromCounts.output}) {
            WebGraphIndex index;
            QVERIFY2(index.open(indexPath), qPrintable(index.errorString()));
            QCOMPARE(index.level(), hostLevel ? WebGraphFormat::Level::Host : WebGraphFormat::Level::Domain);
            QCOMPARE(index.release(), QStringLiteral("cc-main-2024-test"));
            QCOMPARE(index.vertexCount(), graph->vertexCount);
            QCOMPARE(index.edgeCount(), graph->edgeCount);
            QCOMPARE(index.hasRanks(), ranks);
            for (const QByteArray& line : truth) {
                if (line.isEmpty())
                    continue;
                const QList<QByteArray> fields = line.split('\t');
                const std::optional<WebGraphEntry> entry = index.find(fields[0]);
                QVERIFY2(entry, fields[0].constData());
                QCOMPARE(entry->inDegree, fields[1].toULongLong());
                QCOMPARE(entry->harmonicPosition.value_or(0), fields[2].toULongLong());
            }
            QVERIFY(!index.find("com.absent-from-the-graph"));
        }
    }

    void counts_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("host");
        QTest::addColumn<qint64>("inDegree");
        QTest::addColumn<quint64>("position");
        QTest::addColumn<int>("level");

        const QByteArray text = "#name\tin-degree\tposition\n"
                                "com.example\t17\t2\n"
                                "uk.co.example\t1.2E3\t1\n"
                                "com.big\t5000000000\n"
                                "com.edge\t4294967295\t\n"
                                "org.zero\t0\t3\r\n";
        const int domain = int(WebGraphFormat::Level::Domain);
        QTest::newRow("plain") << "counts.tsv" << text << "example.com" << qint64(17) << quint64(2) << domain;
        QTest::newRow("gzip") << "counts.tsv.gz" << gzipped(text) << "example.co.uk" << qint64(1200) << quint64(1)
                              << domain;
        QTest::newRow("over 32 bits") << "counts.tsv" << text << "big.com" << qint64(5000000000) << quint64(0)
                                      << domain;
        QTest::newRow("32 bits all set") << "counts.tsv" << text << "edge.com" << qint64(4294967295) << quint64(0)
                                         << domain;
        QTest::newRow("CR LF") << "counts.tsv" << text << "zero.org" << qint64(0) << quint64(3) << domain;
        QTest::newRow("host level by name") << "cc-main-host-counts.tsv" << text << "example.com" << qint64(17)
                                            << quint64(2) << int(WebGraphFormat::Level::Host);
    }

    void counts()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, host);
        QFETCH(qint64, inDegree);
        QFETCH(quint64, position);
        QFETCH(int, level);
        WebGraphBuildRequest request;
        request.counts = path(fileName);
        request.output = path(QStringLiteral("counts.qvg"));
        QVERIFY(writeBytes(request.counts, bytes));
        QString error;
        QCOMPARE(build(request, &error), WebGraphIndexBuilder::Result::Built);
        WebGraphIndex index;
        QVERIFY2(index.open(request.output), qPrintable(index.errorString()));
        QCOMPARE(int(index.level()), level);
        QCOMPARE(index.vertexCount(), quint64(5));
        const Lookup found = lookUp(index, host);
        QCOMPARE(found.inDegree, inDegree);
        QCOMPARE(found.position, position);
    }

    void badInput_data()
    {
        QTest::addColumn<QByteArray>("vertices");
        QTest::addColumn<QByteArray>("edges");
        QTest::addColumn<QByteArray>("ranks");
        QTest::addColumn<QByteArray>("counts");
        QTest::addColumn<QString>("error");

        const QByteArray vertices = "0\tcom.a\n1\tcom.b\n2\tcom.c\n";
        const QByteArray edges = "0\t1\n1\t2\n2\t0\n";
        const QByteArray truncated = gzipped(edges + edges).chopped(12);
        QByteArray damaged = gzipped(edges);
        damaged[damaged.size() - 6] = char(damaged[damaged.size() - 6] ^ 0x40);
        const auto row = [](const char* name, const QByteArray& v, const QByteArray& e, const QByteArray& r,
                            const QByteArray& c, const char* error) {
            QTest::newRow(name) << v << e << r << c << QString::fromLatin1(error);
        };
        row("duplicate name", "0\tcom.a\n1\tcom.b\n2\tcom.a\n", edges, {}, {},
            "v.txt, line 3: the name \"com.a\" is also on line 1");
        row("duplicate name, then a bad edge", "0\tcom.a\n1\tcom.b\n2\tcom.a\n", "0\t1\nbad\n", {}, {},
            "v.txt, line 3: the name \"com.a\" is also on line 1");
        row("ids out of order", "0\tcom.a\n2\tcom.b\n", edges, {}, {}, "v.txt, line 2: the id 2 where 1 was expected");
        row("vertex without a name", "0\tcom.a\n1\n", edges, {}, {}, "v.txt, line 2: expected an id");
        row("name with a space", "0\tcom.a b\n", edges, {}, {}, "v.txt, line 1: \"com.a b\" is not a host");
        row("no vertices", "", edges, {}, {}, "v.txt: no vertices");
        row("target out of range", vertices, "0\t1\n1\t3\n", {}, {},
            "e.txt, line 2: the id 3 is out of range: the vertices run from 0 to 2");
        row("source out of range", vertices, "0\t1\n1\t2\n7\t0\n", {}, {}, "e.txt, line 3: the id 7 is out of range");
        row("id past 64 bits", vertices, "0\t99999999999999999999999\n", {}, {}, "e.txt, line 1: expected two");
        row("space for a tab", vertices, "0\t1\n1 2\n", {}, {}, "e.txt, line 2: expected two vertex ids");
        row("three fields", vertices, "0\t1\t5\n", {}, {}, "e.txt, line 1: expected two vertex ids");
        row("empty line", vertices, "0\t1\n\n1\t2\n", {}, {}, "e.txt, line 2: expected two vertex ids");
        row("truncated stream", vertices, truncated, {}, {}, "e.txt: the compressed data end early");
        row("damaged stream", vertices, damaged, {}, {}, "e.txt: the compressed data fail their checksum");
        row("ranked name not in the graph", vertices, edges, "1\t1.0\t1\t1.0\tcom.zzz\n", {},
            "r.txt, line 1: \"com.zzz\" is not among the vertices");
        row("ranked twice", vertices, edges, "1\t1.0\t1\t1.0\tcom.a\n2\t1.0\t2\t1.0\tcom.a\n", {},
            "r.txt, line 2: \"com.a\" is ranked twice");
        row("position 0", vertices, edges, "#h\n0\t1.0\t1\t1.0\tcom.a\n", {}, "r.txt, line 2: \"0\" is not a position");
        row("value not a number", vertices, edges, "1\tabc\t1\t1.0\tcom.a\n", {},
            "r.txt, line 1: the centrality values are not numbers");
        row("bad edge and bad rank: the edge is told", vertices, "0\t1\n1\t9\n", "1\t1.0\t1\t1.0\tcom.zzz\n", {},
            "e.txt, line 2: the id 9 is out of range");
        row("truncated ranks", vertices, edges, gzipped("1\t1.0\t1\t1.0\tcom.a\n").chopped(10), {},
            "r.txt: the compressed data end early");
        row("counts: duplicate name", {}, {}, {}, "#h\ncom.a\t1\ncom.b\t2\ncom.a\t3\n",
            "c.txt, line 4: the name \"com.a\" is also on line 2");
        row("counts: fractional in-degree", {}, {}, {}, "com.a\t1.5\n", "c.txt, line 1: \"1.5\" is not an in-degree");
        row("counts: header after names", {}, {}, {}, "com.a\t1\n#h\n", "c.txt, line 2: expected a name");
        row("missing file", vertices, "-", {}, {}, "e.txt: no such file");
    }

    // A bad input names the file and line, and leaves what was at the
    // output path as it was, with nothing else beside it; the ranks read
    // beside the edges' count or after it alike.
    void badInput()
    {
        QFETCH(QByteArray, vertices);
        QFETCH(QByteArray, edges);
        QFETCH(QByteArray, ranks);
        QFETCH(QByteArray, counts);
        QFETCH(QString, error);
        QTemporaryDir dir;
        const auto file = [&dir](const char* name, const QByteArray& bytes) {
            const QString filePath = dir.filePath(QString::fromLatin1(name));
            if (bytes != "-")
                writeBytes(filePath, bytes);
            return filePath;
        };
        WebGraphBuildRequest request;
        if (counts.isEmpty()) {
            request.vertices = file("v.txt", vertices);
            request.edges = file("e.txt", edges);
            request.ranks = ranks.isEmpty() ? QString() : file("r.txt", ranks);
        } else {
            request.counts = file("c.txt", counts);
        }
        request.output = file("index.qvg", "earlier index");
        const QStringList before = QDir(dir.path()).entryList(QDir::Files);
        for (const quint64 mostVerticesBeside : {request.mostVerticesForRanksBeside, quint64(0)}) {
            request.mostVerticesForRanksBeside = mostVerticesBeside;
            QString message;
            QCOMPARE(build(request, &message), WebGraphIndexBuilder::Result::BadInput);
            QVERIFY2(message.startsWith(QDir::toNativeSeparators(dir.filePath(error.section(u' ', 0, 0)))),
                     qPrintable(message));
            QVERIFY2(message.contains(error.section(u' ', 1)), qPrintable(message));
            QCOMPARE(readBytes(request.output), QByteArray("earlier index"));
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files), before);
        }
    }

    void cancelledBuildKeepsTheEarlierIndex()
    {
        QTemporaryDir dir;
        WebGraphGeneratorOptions options;
        options.edges = 20000;
        QString error;
        const std::optional<GeneratedWebGraph> graph = generateWebGraph(dir.path(), "g", options, &error);
        QVERIFY2(graph, qPrintable(error));
        WebGraphBuildRequest request{graph->vertices, graph->edges, graph->ranks, {}, dir.filePath("index.qvg")};
        QVERIFY(writeBytes(request.output, "earlier index"));
        const QStringList before = QDir(dir.path()).entryList(QDir::Files);
        std::atomic<bool> cancel{false};
        WebGraphIndexBuilder builder(request, cancel, [&cancel](const WebGraphBuildProgress& progress) {
            if (progress.step == WebGraphBuildProgress::Step::Edges)
                cancel.store(true);
        });
        QCOMPARE(builder.build(), WebGraphIndexBuilder::Result::Cancelled);
        QCOMPARE(readBytes(request.output), QByteArray("earlier index"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), before);
    }

    void damagedIndex_data()
    {
        // -1: the file cut short; -2: no file; -3: the last bucket's start.
        QTest::addColumn<qint64>("offset");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error");

        QByteArray zero(4, '\0');
        QByteArray ninetyNine(4, '\0');
        qToLittleEndian<quint32>(99, ninetyNine.data());
        QTest::newRow("missing") << qint64(-2) << QByteArray() << "no web-graph index at";
        QTest::newRow("other bytes") << qint64(0) << QByteArray("not an index") << "is not a web-graph index";
        QTest::newRow("older format") << qint64(8) << zero << "is of an older format: build it again";
        QTest::newRow("newer format") << qint64(8) << ninetyNine << "is of a newer format";
        QTest::newRow("header changed") << qint64(100) << QByteArray("x") << "is damaged";
        QTest::newRow("cut short") << qint64(-1) << QByteArray() << "is damaged (";
        QTest::newRow("tables shifted") << qint64(-3) << QByteArray(8, '\x01') << "is damaged";
    }

    void damagedIndex()
    {
        QFETCH(qint64, offset);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        const QString damaged = path(QStringLiteral("damaged.qvg"));
        QFile::remove(damaged);
        QByteArray index = readBytes(handIndex(GzipTextFile::fastestInflater()));
        WebGraphFormat::HeaderProblem problem;
        const std::optional<WebGraphFormat::Header> header = WebGraphFormat::decodeHeader(index, &problem);
        QVERIFY(header);
        if (offset == -3)
            offset = qint64(WebGraphFormat::layoutOf(*header).keys - 8);
        if (offset == -1)
            index.chop(8);
        else if (offset >= 0)
            index.replace(offset, bytes.size(), bytes);
        if (offset != -2)
            QVERIFY(writeBytes(damaged, index));
        WebGraphIndex reader;
        QVERIFY(!reader.open(damaged));
        QVERIFY(!reader.isOpen());
        QVERIFY2(reader.errorString().contains(error), qPrintable(reader.errorString()));
        QVERIFY(!reader.find("com.example"));
    }

    void inflaters_data()
    {
        QTest::addColumn<Inflater>("inflater");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("error");

        const QByteArray text = QByteArray("0\t1\n").repeated(50000);
        const QByteArray members = gzipped(text.left(70001)) + gzipped(text.mid(70001)) + gzipped({});
        // The first block after the 10-byte gzip header, of the reserved type 3.
        QByteArray damaged = gzipped(text);
        damaged[10] = char(0xFF);
        QByteArray badChecksum = gzipped(text);
        badChecksum[badChecksum.size() - 8] = char(badChecksum[badChecksum.size() - 8] ^ 1);
        for (const Inflater inflater : GzipTextFile::availableInflaters()) {
            const QByteArray name = inflater == Inflater::Isal ? "ISA-L, " : "zlib, ";
            const auto row = [&](const char* what, const QByteArray& bytes, const QByteArray& expected,
                                 const char* error) {
                QTest::newRow((name + what).constData()) << inflater << bytes << expected << QString::fromLatin1(error);
            };
            row("members", members, text, "");
            row("plain text", text, text, "");
            row("empty file", {}, {}, "");
            row("cut short", members.chopped(30), {}, "the compressed data end early (the file is cut short)");
            row("cut in a header", members + gzipped(text).left(5), {},
                "the compressed data end early (the file is cut short)");
            row("damaged", damaged, {}, "damaged compressed data");
            row("checksum", badChecksum, {}, "the compressed data fail their checksum");
            row("other bytes after", members + "trailing bytes", {}, "damaged compressed data");
        }
    }

    // Each inflater reads the same files alike, and takes no damage for text.
    void inflaters()
    {
        QFETCH(Inflater, inflater);
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, text);
        QFETCH(QString, error);
        const QString file = path(QStringLiteral("inflated.gz"));
        QVERIFY(writeBytes(file, bytes));
        GzipTextFile reader(file, inflater);
        QVERIFY(reader.open());
        QByteArray read;
        char buffer[4096];
        qsizetype size = 0;
        while ((size = reader.read(buffer, sizeof buffer)) > 0)
            read.append(buffer, size);
        QCOMPARE(size < 0 ? reader.errorString() : QString(), error);
        if (error.isEmpty()) {
            QCOMPARE(read, text);
            QCOMPARE(reader.bytesRead(), qint64(bytes.size()));
        }
    }

    void fileNames_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("release");
        QTest::addColumn<int>("level"); // 0: none

        QTest::newRow("domain vertices") << "cc-main-2024-feb-apr-may-domain-vertices.txt.gz"
                                         << "cc-main-2024-feb-apr-may" << int(WebGraphFormat::Level::Domain);
        QTest::newRow("host edges") << "/data/cc-main-2021-22-oct-nov-jan-host-edges.txt.gz"
                                    << "cc-main-2021-22-oct-nov-jan" << int(WebGraphFormat::Level::Host);
        QTest::newRow("counts made elsewhere") << "joined-HOST-counts.tsv"
                                               << "joined" << int(WebGraphFormat::Level::Host);
        QTest::newRow("no level") << "mygraph-vertices.txt.gz"
                                  << "mygraph" << 0;
    }

    void fileNames()
    {
        QFETCH(QString, fileName);
        QFETCH(QString, release);
        QFETCH(int, level);
        const WebGraphFileName name = WebGraphFileName::of(fileName);
        QCOMPARE(QString::fromLatin1(name.release), release);
        QCOMPARE(name.level ? int(*name.level) : 0, level);
    }

    void reversedHostName_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<QByteArray>("reversed");

        QTest::newRow("plain") << "www.example.co.uk" << QByteArray("uk.co.example.www");
        QTest::newRow("capitals, final dot") << "Example.COM." << QByteArray("com.example");
        QTest::newRow("one label") << "localhost" << QByteArray("localhost");
        QTest::newRow("punycode, hyphen") << "xn--bcher-kva.my-shop.de" << QByteArray("de.my-shop.xn--bcher-kva");
        QTest::newRow("empty label") << "a..b" << QByteArray();
        QTest::newRow("empty") << "" << QByteArray();
        QTest::newRow("not ASCII") << QStringLiteral("b\u00fccher.de") << QByteArray();
        QTest::newRow("port") << "example.com:80" << QByteArray();
    }

    void reversedHostName()
    {
        QFETCH(QString, host);
        QFETCH(QByteArray, reversed);
        QCOMPARE(::reversedHostName(host), reversed);
    }

    void numbers_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<qint64>("whole"); // -1: not a whole number
        QTest::addColumn<bool>("decimal");

        QTest::newRow("digits") << QByteArray("14451489") << qint64(14451489) << true;
        QTest::newRow("Java float") << QByteArray("1.4451489E7") << qint64(14451489) << true;
        QTest::newRow("point zero") << QByteArray("3.0") << qint64(3) << true;
        QTest::newRow("exponent only") << QByteArray("1e3") << qint64(1000) << true;
        QTest::newRow("C exponent") << QByteArray("4.48e-09") << qint64(-1) << true;
        QTest::newRow("Java exponent") << QByteArray("4.48E-9") << qint64(-1) << true;
        QTest::newRow("fraction") << QByteArray("1.5") << qint64(-1) << true;
        QTest::newRow("negative") << QByteArray("-2") << qint64(-1) << true;
        QTest::newRow("zero") << QByteArray("0.0") << qint64(0) << true;
        QTest::newRow("NaN") << QByteArray("NaN") << qint64(-1) << true;
        QTest::newRow("Infinity") << QByteArray("-Infinity") << qint64(-1) << true;
        QTest::newRow("no mantissa") << QByteArray("E5") << qint64(-1) << false;
        QTest::newRow("no exponent digits") << QByteArray("1e") << qint64(-1) << false;
        QTest::newRow("text") << QByteArray("12a") << qint64(-1) << false;
        QTest::newRow("too large") << QByteArray("1.0E20") << qint64(-1) << true;
    }

    void numbers()
    {
        QFETCH(QByteArray, text);
        QFETCH(qint64, whole);
        QFETCH(bool, decimal);
        const std::optional<quint64> parsed = WebGraphFields::parseWholeNumber(text);
        QCOMPARE(parsed ? qint64(*parsed) : qint64(-1), whole);
        QCOMPARE(WebGraphFields::isDecimalNumber(text), decimal);
    }

    // Growing past the size where the array maps pages of its own, then
    // shrinking and moving it, keeps every value.
    void growableArrayKeepsValues_data()
    {
        QTest::addColumn<quint64>("count");
        QTest::newRow("small, in the heap") << quint64(3000);
        QTest::newRow("grows into mapped pages") << quint64(400'000);
        QTest::newRow("grows while mapped") << quint64(2'000'000);
    }

    void growableArrayKeepsValues()
    {
        QFETCH(quint64, count);
        GrowableArray<quint64> values;
        for (quint64 i = 0; i < count; ++i)
            values.append(i * 2654435761u);
        values.resize(count + 5);
        values.shrinkToFit();
        GrowableArray<quint64> moved = std::move(values);
        QCOMPARE(moved.size(), count + 5);
        quint64 wrong = 0;
        for (quint64 i = 0; i < count; ++i)
            wrong += moved[i] != i * 2654435761u;
        QCOMPARE(wrong, quint64(0));
        QCOMPARE(moved[count + 4], quint64(0));
    }
};

QTEST_GUILESS_MAIN(WebGraphIndexTest)
#include "tst_webgraphindex.moc"
