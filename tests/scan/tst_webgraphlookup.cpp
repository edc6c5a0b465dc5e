#include "base/IniDocument.h"
#include "engines/CountText.h"
#include "engines/SourceList.h"
#include "scan/WebGraphLookup.h"
#include "webgraph/WebGraphIndexBuilder.h"
#include "webgraph/WebGraphIndexCache.h"

#include "support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Kind = QueryOutcome::Kind;

// Counts written by hand: "reversed name<TAB>in-degree[<TAB>position]".
// The file's name gives the release and the level.
const QByteArray domainCounts = "uk.co.example\t5\t2\n"
                                "com.example\t0\t1\n"
                                "de.xn--bcher-kva\t7\n"
                                "com.blogspot.alpha\t4\t3\n";
const QByteArray hostCounts = "com.example\t9\n"
                              "com.example.news\t3\n"
                              "uk.co.example.shop\t2\n";

// Builds the index of a counts file named `name` in the folder; its path.
QString buildIndex(const QTemporaryDir& dir, const QString& name, const QByteArray& counts)
{
    WebGraphBuildRequest request;
    request.counts = dir.filePath(name + QStringLiteral(".txt"));
    request.output = dir.filePath(name + QStringLiteral(".qvg"));
    const std::atomic<bool> cancel{false};
    WebGraphIndexBuilder builder(request, cancel);
    if (!writeBytes(request.counts, counts) || builder.build() != WebGraphIndexBuilder::Result::Built)
        qWarning() << "no index:" << builder.errorString();
    return request.output;
}

Source graphSource(const QString& query, const QString& value)
{
    const SourceList list = SourceList::fromDocument(
        IniDocument::fromText(QStringLiteral("[Source Graph]\r\nQuery=%1\r\nValue=%2\r\n").arg(query, value)));
    return *list.find(QStringLiteral("Source Graph"));
}

} // namespace

class WebGraphLookupTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_domainIndex = buildIndex(m_dir, QStringLiteral("cc-main-2024-feb-apr-may-domain-counts"), domainCounts);
        m_hostIndex = buildIndex(m_dir, QStringLiteral("cc-main-2024-feb-apr-may-host-counts"), hostCounts);
        QVERIFY(writeBytes(m_dir.filePath(QStringLiteral("damaged.qvg")), QByteArray(4096, 'x')));
    }

    void answersBySiteAndLevel_data()
    {
        QTest::addColumn<QString>("index"); // domain, host, or a file name
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("site");
        // The cell of a count, else the outcome as the tooltip and the log
        // show it; %1 stands for the index file.
        QTest::addColumn<QString>("shown");
        const auto row = [](const char* name, const char* index, const char* value, const QString& site,
                            const char* shown) { QTest::newRow(name) << index << value << site << shown; };
        row("co.uk: the registered domain", "domain", "indegree", "http://news.Example.co.uk/page", "5");
        row("www. dropped, in-degree 0 shown", "domain", "indegree", "www.example.com", "0");
        row("punycode", "domain", "indegree", "https://www.b\u00fccher.de/", "7");
        row("a private suffix", "domain", "indegree", "alpha.blogspot.com", "4");
        row("absent name", "domain", "indegree", "news.absent.org", "not in the web graph: absent.org");
        row("host graph: the host", "host", "indegree", "http://news.example.com:8080/", "3");
        row("host graph: without www.", "host", "indegree", "WWW.example.com", "9");
        row("host graph: no domain taken", "host", "indegree", "example.co.uk", "not in the web graph: example.co.uk");
        row("rank", "domain", "rank", "example.co.uk", "2");
        row("rank of a name without one", "domain", "rank", "b\u00fccher.de",
            "not in the web graph: xn--bcher-kva.de is in the graph but not in its ranks");
        row("rank of an index without ranks", "host", "rank", "example.com",
            "failed: the web-graph index %1 holds no ranks: build it with the ranks file, or ask for Value=indegree");
        row("missing index", "missing.qvg", "indegree", "example.com", "failed: no web-graph index at %1");
        row("damaged index", "damaged.qvg", "indegree", "example.com", "failed: %1 is not a web-graph index");
        row("no host", "domain", "indegree", "http://", "failed: the site names no host");
    }

    void answersBySiteAndLevel()
    {
        QFETCH(QString, index);
        QFETCH(QString, value);
        QFETCH(QString, site);
        QFETCH(QString, shown);
        const QString path = index == QLatin1String("domain") ? m_domainIndex
                             : index == QLatin1String("host") ? m_hostIndex
                                                              : m_dir.filePath(index);
        const Source source = graphSource(QStringLiteral("webgraph:") + path, value);
        QVERIFY2(source.isValid(), qPrintable(source.invalidReason));
        WebGraphIndexCache indexes;

        const SourceQuery::Answer answer = WebGraphLookup::answer(source, site, indexes);

        const bool counted = answer.outcome.kind == Kind::Counted;
        QCOMPARE(counted ? CountText::of(answer.count) : outcomeText(answer.outcome), QString(shown).replace("%1", path));
        QCOMPARE(answer.outcome.isSuspect(), !counted);
        QVERIFY(counted || !answer.count);
        // The scan log's address names the index and, once it is read, the release.
        const bool read = path != m_dir.filePath(index) && site != QLatin1String("http://");
        QCOMPARE(answer.outcome.fetch.address,
                 QStringLiteral("webgraph:") + path + (read ? QStringLiteral(" (cc-main-2024-feb-apr-may)") : ""));
    }

    // A build renamed over the index is read afresh; an index that could
    // not be opened is tried again once the file is there.
    void aChangedIndexIsOpenedAfresh()
    {
        QTemporaryDir dir;
        const Source source = graphSource(QStringLiteral("webgraph:") + dir.filePath("g-domain-counts.qvg"), {});
        WebGraphIndexCache indexes;
        QCOMPARE(WebGraphLookup::answer(source, "example.com", indexes).outcome.kind, Kind::Failed);
        buildIndex(dir, QStringLiteral("g-domain-counts"), "com.example\t1\n");
        QCOMPARE(CountText::of(WebGraphLookup::answer(source, "example.com", indexes).count), QStringLiteral("1"));
        buildIndex(dir, QStringLiteral("g-domain-counts"), "com.example\t22\norg.other\t3\n");
        QCOMPARE(CountText::of(WebGraphLookup::answer(source, "example.com", indexes).count), QStringLiteral("22"));
    }

private:
    QTemporaryDir m_dir;
    QString m_domainIndex;
    QString m_hostIndex;
};

QTEST_GUILESS_MAIN(WebGraphLookupTest)
#include "tst_webgraphlookup.moc"
