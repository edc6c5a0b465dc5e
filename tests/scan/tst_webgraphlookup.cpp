#include "base/IniDocument.h"
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
        QTest::addColumn<QString>("index"); // domain, host, missing or damaged
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("site");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("cell");
        // The reason, or for a failure the report's detail.
        QTest::addColumn<QString>("reason");
        QTest::newRow("co.uk: the registered domain of a host")
            << "domain"
            << "indegree"
            << "http://news.Example.co.uk/page" << Kind::Counted << "5"
            << "";
        QTest::newRow("www. dropped, in-degree 0 shown") << "domain"
                                                         << "indegree"
                                                         << "www.example.com" << Kind::Counted << "0"
                                                         << "";
        QTest::newRow("punycode") << "domain"
                                  << "indegree"
                                  << "https://www.b\u00fccher.de/" << Kind::Counted << "7"
                                  << "";
        QTest::newRow("a private suffix is a suffix") << "domain"
                                                      << "indegree"
                                                      << "alpha.blogspot.com" << Kind::Counted << "4"
                                                      << "";
        QTest::newRow("absent name") << "domain"
                                     << "indegree"
                                     << "news.absent.org" << Kind::NotInGraph << ""
                                     << "absent.org";
        QTest::newRow("host graph: the host itself") << "host"
                                                     << "indegree"
                                                     << "http://news.example.com:8080/" << Kind::Counted << "3"
                                                     << "";
        QTest::newRow("host graph: without www.") << "host"
                                                  << "indegree"
                                                  << "WWW.example.com" << Kind::Counted << "9"
                                                  << "";
        QTest::newRow("host graph: no registered domain taken") << "host"
                                                                << "indegree"
                                                                << "example.co.uk" << Kind::NotInGraph << ""
                                                                << "example.co.uk";
        QTest::newRow("rank") << "domain"
                              << "rank"
                              << "example.co.uk" << Kind::Counted << "2"
                              << "";
        QTest::newRow("rank of a name without one") << "domain"
                                                    << "rank"
                                                    << "b\u00fccher.de" << Kind::NotInGraph << ""
                                                    << "xn--bcher-kva.de is in the graph but not in its ranks";
        QTest::newRow("rank of an index without ranks") << "host"
                                                        << "rank"
                                                        << "example.com" << Kind::Failed << ""
                                                        << "holds no ranks";
        QTest::newRow("missing index") << "missing"
                                       << "indegree"
                                       << "example.com" << Kind::Failed << ""
                                       << "no web-graph index at";
        QTest::newRow("damaged index") << "damaged"
                                       << "indegree"
                                       << "example.com" << Kind::Failed << ""
                                       << "damaged.qvg";
        QTest::newRow("no host") << "domain"
                                 << "indegree"
                                 << "http://" << Kind::Failed << ""
                                 << "";
    }

    void answersBySiteAndLevel()
    {
        QFETCH(QString, index);
        QFETCH(QString, value);
        QFETCH(QString, site);
        QFETCH(Kind, kind);
        QFETCH(QString, cell);
        QFETCH(QString, reason);
        const QString path = index == QLatin1String("domain") ? m_domainIndex
                             : index == QLatin1String("host") ? m_hostIndex
                                                              : m_dir.filePath(index + QStringLiteral(".qvg"));
        const Source source = graphSource(QStringLiteral("webgraph:") + path, value);
        QVERIFY2(source.isValid(), qPrintable(source.invalidReason));
        WebGraphIndexCache indexes;

        const SourceQuery::Answer answer = WebGraphLookup::answer(source, site, indexes);

        QCOMPARE(answer.outcome.kind, kind);
        QCOMPARE(answer.cellText, cell);
        if (kind == Kind::Failed) {
            QVERIFY2(outcomeText(answer.outcome).contains(reason), qPrintable(outcomeText(answer.outcome)));
        } else {
            QCOMPARE(answer.outcome.reason, reason);
        }
        QCOMPARE(answer.outcome.isSuspect(), kind != Kind::Counted);
        // The scan log's address names the index and, once it is read, the release.
        const bool opened = index == QLatin1String("domain") || index == QLatin1String("host");
        const bool looked = opened && !site.endsWith(QLatin1String("//"));
        QCOMPARE(answer.outcome.fetch.address,
                 QStringLiteral("webgraph:") + path + (looked ? QStringLiteral(" (cc-main-2024-feb-apr-may)") : ""));
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
        QCOMPARE(WebGraphLookup::answer(source, "example.com", indexes).cellText, QStringLiteral("1"));
        buildIndex(dir, QStringLiteral("g-domain-counts"), "com.example\t22\norg.other\t3\n");
        QCOMPARE(WebGraphLookup::answer(source, "example.com", indexes).cellText, QStringLiteral("22"));
    }

private:
    QTemporaryDir m_dir;
    QString m_domainIndex;
    QString m_hostIndex;
};

QTEST_GUILESS_MAIN(WebGraphLookupTest)
#include "tst_webgraphlookup.moc"
