#include "base/IniDocument.h"
#include "engines/SiteName.h"
#include "engines/Source.h"
#include "engines/SourceList.h"

#include <QTest>

namespace {

using Kind = QueryOutcome::Kind;

// Six engines, then the sections given.
SourceList listOf(const QString& sections)
{
    return SourceList::fromDocument(
        IniDocument::fromText(QStringLiteral("[Engines]\r\nGoogle=http://g/?q=\r\n") + sections));
}

// "name" for an active source, "name: reason" for one that is skipped.
QStringList describe(const SourceList& list)
{
    QStringList shown;
    for (const Source& source : list.all()) {
        if (source.isActive())
            shown << source.name;
        else if (!source.isValid())
            shown << source.name + QStringLiteral(": ") + source.invalidReason;
    }
    return shown;
}

const QStringList engines{"Google", "Altavista", "Yahoo!", "Ask", "MSN", "All The Web"};

} // namespace

class SourcesTest : public QObject
{
    Q_OBJECT

private slots:
    void jsonCount_data()
    {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("reason");
        QTest::newRow("nested") << R"({"data":{"refDomains":1234}})"
                                << "data.refDomains"
                                << "1234"
                                << "";
        QTest::newRow("array index") << R"({"data":{"items":[{"n":1},{"refDomains":77}]}})"
                                     << "data.items.1.refDomains"
                                     << "77"
                                     << "";
        QTest::newRow("top-level array") << "[5, 6]"
                                         << "1"
                                         << "6"
                                         << "";
        QTest::newRow("digit string") << R"({"n":"0012"})"
                                      << "n"
                                      << "12"
                                      << "";
        QTest::newRow("ten digits") << R"({"n":9999999999})"
                                    << "n"
                                    << "9999999999"
                                    << "";
        QTest::newRow("zero") << R"({"n":0})"
                              << "n"
                              << "0"
                              << "";
        QTest::newRow("byte order mark") << "\u00EF\u00BB\u00BF{\"n\":3}"
                                         << "n"
                                         << "3"
                                         << "";
        QTest::newRow("missing key") << R"({"data":{}})"
                                     << "data.refDomains"
                                     << ""
                                     << "path data.refDomains missing";
        QTest::newRow("index past the end") << R"({"a":[1]})"
                                            << "a.1"
                                            << ""
                                            << "path a.1 missing";
        QTest::newRow("index into an object") << R"({"a":{"x":1}})"
                                              << "a.0"
                                              << ""
                                              << "path a.0 missing";
        QTest::newRow("null") << R"({"n":null})"
                              << "n"
                              << ""
                              << "not a number";
        QTest::newRow("object") << R"({"n":{}})"
                                << "n"
                                << ""
                                << "not a number";
        QTest::newRow("string with a separator") << R"({"n":"1,234"})"
                                                 << "n"
                                                 << ""
                                                 << "not a number";
        QTest::newRow("decimal") << R"({"n":12.5})"
                                 << "n"
                                 << ""
                                 << "not a whole number of at most 10 digits";
        QTest::newRow("negative") << R"({"n":-3})"
                                  << "n"
                                  << ""
                                  << "not a whole number of at most 10 digits";
        QTest::newRow("11 digits") << R"({"n":12345678901})"
                                   << "n"
                                   << ""
                                   << "not a whole number of at most 10 digits";
        QTest::newRow("11-digit string") << R"({"n":"12345678901"})"
                                         << "n"
                                         << ""
                                         << "not a whole number of at most 10 digits";
        QTest::newRow("invalid JSON") << "<html>Too many requests</html>"
                                      << "n"
                                      << ""
                                      << "not JSON";
        QTest::newRow("truncated JSON") << R"({"n":1)"
                                        << "n"
                                        << ""
                                        << "not JSON";
    }

    void jsonCount()
    {
        QFETCH(QString, reply);
        QFETCH(QString, path);
        QFETCH(QString, count);
        QFETCH(QString, reason);
        const CountReading reading = readJsonCount(reply, path);
        QCOMPARE(reading.text, count);
        QCOMPARE(reading.kind, count.isEmpty() ? Kind::NoCount : Kind::Counted);
        QCOMPARE(reading.reason, reason);
    }

    // The address of a source whose template is "https://api.example/?d={site}"
    // or, without {site}, "https://api.example/?d=".
    void siteForms_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<bool>("placeholder");
        QTest::addColumn<QString>("site");
        QTest::addColumn<QString>("address");
        const auto row = [](const char* name, const char* form, bool placeholder, const char* site,
                            const char* address) {
            QTest::newRow(name) << QString::fromLatin1(form) << placeholder << QString::fromUtf8(site)
                                << QString::fromLatin1(address);
        };
        row("listed, encoded", "listed", true, "http://www.a.example/x y",
            "https://api.example/?d=http%3A%2F%2Fwww.a.example%2Fx%20y");
        row("listed, appended raw", "listed", false, "http://www.a.example/x",
            "https://api.example/?d=http://www.a.example/x");
        row("host: scheme, www., port and path go", "host", true, "http://WWW.News.Example.com:8080/a?b",
            "https://api.example/?d=news.example.com");
        row("host: user info goes", "host", true, "https://user:pw@www.a.example/", "https://api.example/?d=a.example");
        row("host without a scheme", "host", true, "www.a.example/page", "https://api.example/?d=a.example");
        row("host: IDN in ASCII", "host", true, "http://www.b\u00FCcher.de/",
            "https://api.example/?d=xn--bcher-kva.de");
        row("host: bare name", "host", true, "intranet", "https://api.example/?d=intranet");
        row("domain: co.uk suffix", "domain", true, "http://www.news.bbc.co.uk/", "https://api.example/?d=bbc.co.uk");
        row("domain: plain suffix", "domain", false, "a.b.example.com:81", "https://api.example/?d=example.com");
        row("domain: IDN", "domain", true, "shop.b\u00FCcher.de", "https://api.example/?d=xn--bcher-kva.de");
        row("domain: a public suffix stays", "domain", true, "co.uk", "https://api.example/?d=co.uk");
        row("domain: bare name stays", "domain", true, "intranet", "https://api.example/?d=intranet");
        row("domain: IP address stays", "domain", true, "http://192.168.1.20:8080/",
            "https://api.example/?d=192.168.1.20");
        row("host: no host at all", "host", true, "two words", "");
    }

    void siteForms()
    {
        QFETCH(QString, form);
        QFETCH(bool, placeholder);
        QFETCH(QString, site);
        QFETCH(QString, address);
        const SourceList list = listOf(QStringLiteral("[Source S]\r\nQuery=https://api.example/?d=%1\r\nSite=%2\r\n"
                                                      "Json=n\r\n")
                                           .arg(placeholder ? QStringLiteral("{site}") : QString(), form));
        const Source* source = list.find(QStringLiteral("Source S"));
        QVERIFY(source && source->isActive());
        QCOMPARE(source->queryAddress(site), address);
    }

    void readsTheSourcesOfTheFile_data()
    {
        QTest::addColumn<QString>("sections");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("no sources, nothing hidden") << "" << engines;
        QTest::newRow("hidden engines, letter case and spaces ignored")
            << "[hidden]\r\nALTAVISTA=1\r\nAsk= 1 \r\nMSN=0\r\nYahoo=yes\r\n"
            << QStringList{"Google", "Yahoo!", "MSN", "All The Web"};
        QTest::newRow("user sources after the engines, in file order")
            << "[Source Zeta]\r\nQuery=http://z/?q=\r\nBefore=<b>\r\n[Other]\r\nx=1\r\n"
               "[Source Alpha]\r\nQuery=https://a/{site}\r\nJson=n\r\n"
            << engines + QStringList{"Zeta", "Alpha"};
        QTest::newRow("reasons")
            << "[Source Ftp]\r\nQuery=ftp://srv/index\r\nJson=n\r\n"
               "[Source NoQuery]\r\nJson=n\r\n"
               "[Source NoRule]\r\nQuery=http://x/\r\n"
               "[Source Both]\r\nQuery=http://x/\r\nJson=n\r\nBefore=a\r\n"
               "[Source Site]\r\nQuery=http://x/\r\nJson=n\r\nSite=url\r\n"
               "[Source Count]\r\nQuery=http://x/\r\nJson=n\r\nTotal=yes\r\n"
               "[Source Header]\r\nQuery=http://x/\r\nJson=n\r\nHeader1=X-Key: 1\r\nHeader2=no colon\r\n"
               "[Source Path]\r\nQuery=http://x/\r\nJson=a..b\r\n"
            << engines + QStringList{"Ftp: the Query address does not begin with http:// or https:// and a host",
                                     "NoQuery: no Query address",
                                     "NoRule: no count rule: give a Json path or the markers Before and After",
                                     "Both: both a Json path and markers: give one of them",
                                     "Site: Site=url is not listed, host or domain",
                                     "Count: Total=yes is not 0 or 1",
                                     "Header: Header2 is not \"Name: value\"",
                                     "Path: the Json path a..b has an empty part"};
        const QString valid = QStringLiteral("\r\nQuery=http://x/\r\nJson=n\r\n");
        QTest::newRow("names") << "[Source " + QString(41, u'x') + "]" + valid + "[Source a,b]" + valid +
                                      "[Source  padded]" + valid + "[Source msn]" + valid + "[Source total]" + valid +
                                      "[Source All Engines]" + valid + "[Source Twin]" + valid + "[Source TWIN]" + valid
                               << engines + QStringList{QString(41, u'x') + ": a name has 1 to 40 characters",
                                                        "a,b: a name holds none of [ ] = ,",
                                                        " padded: a name does not begin or end with a space",
                                                        "msn: \"msn\" is the name of a built-in engine",
                                                        "total: \"total\" names a column of the results",
                                                        "All Engines: \"All Engines\" names a column of the results",
                                                        "Twin",
                                                        "TWIN: another source is named \"Twin\""};
        QString many;
        for (int i = 1; i <= 21; ++i)
            many += QStringLiteral("[Source S%1]").arg(i) + valid;
        QStringList manyShown = engines;
        for (int i = 1; i <= 20; ++i)
            manyShown << QStringLiteral("S%1").arg(i);
        QTest::newRow("up to 20 sources") << many << (manyShown << "S21: more than 20 sources");
    }

    void readsTheSourcesOfTheFile()
    {
        QFETCH(QString, sections);
        QFETCH(QStringList, shown);
        QCOMPARE(describe(listOf(sections)), shown);
    }

    void readsWebGraphSources_data()
    {
        QTest::addColumn<QString>("keys");
        // "<index file> <value> <total or not>", or the reason it is skipped.
        QTest::addColumn<QString>("read");
        // The keys it is written back as, in order.
        QTest::addColumn<QStringList>("written");
        QTest::newRow("relative path, in-degree by default")
            << "Query=webgraph:Graphs/../Graphs/x.qvg\r\nSite=listed\r\n"
            << "/ini/Graphs/x.qvg indegree total" << QStringList{"Query=webgraph:Graphs/../Graphs/x.qvg"};
        QTest::newRow("rank leaves the total unless told")
            << "Query=WebGraph: /abs/x.qvg \r\nValue=Rank\r\n"
            << "/abs/x.qvg rank not" << QStringList{"Query=WebGraph: /abs/x.qvg", "Value=rank", "Total=0"};
        QTest::newRow("a rank in the total") << "Query=webgraph:/x.qvg\r\nValue=rank\r\nTotal=1\r\n"
                                             << "a rank is a position, not a count: it cannot count toward the "
                                                "total (Total=0)"
                                             << QStringList{};
        QTest::newRow("another value") << "Query=webgraph:/x.qvg\r\nValue=pagerank\r\n"
                                       << "Value=pagerank is not indegree or rank" << QStringList{};
        QTest::newRow("no index file") << "Query=webgraph: \r\n"
                                       << "no index file after webgraph:" << QStringList{};
        QTest::newRow("page rules") << "Query=webgraph:/x.qvg\r\nBefore=<b>\r\nAfter=</b>\r\n"
                                    << "a web-graph source reads no page: leave out Json, the markers and the headers"
                                    << QStringList{};
        QTest::newRow("Value= on a web page") << "Query=http://x/\r\nJson=n\r\nValue=rank\r\n"
                                              << "Value=rank is for web-graph sources" << QStringList{};
    }

    void readsWebGraphSources()
    {
        QFETCH(QString, keys);
        QFETCH(QString, read);
        QFETCH(QStringList, written);
        const SourceList list = SourceList::fromDocument(IniDocument::fromText(QStringLiteral("[Source G]\r\n") + keys),
                                                         QStringLiteral("/ini"));
        const Source* source = list.find(QStringLiteral("Source G"));
        QVERIFY(source);
        if (!source->isValid()) {
            QCOMPARE(source->invalidReason, read);
            return;
        }
        QCOMPARE(source->kind, Source::Kind::WebGraph);
        QCOMPARE(QStringList({source->indexFile, graphValueName(source->graphValue),
                              source->countsTowardTotal ? "total" : "not"})
                     .join(u' '),
                 read);
        QStringList lines;
        for (const auto& [key, value] : SourceList::settingsOf(*source))
            lines << key + u'=' + value;
        QCOMPARE(lines, written);
    }

    // Header values reach the request and nothing that is shown.
    void headersAreMaskedWhereverShown()
    {
        const SourceList list = listOf(QStringLiteral("[Source Api]\r\nQuery=https://api.example/?k=s3cr3t-key&d=\r\n"
                                                      "Header1=X-Api-Key: s3cr3t-key\r\nJson=n\r\n"));
        const Source* api = list.find(QStringLiteral("Source Api"));
        QVERIFY(api && api->isActive());
        QCOMPARE(api->headers, (QList<SourceHeader>{{"X-Api-Key", "s3cr3t-key"}}));
        QCOMPARE(api->maskedHeaders(), QStringList{"X-Api-Key: \u2022\u2022\u2022\u2022"});
        QCOMPARE(api->redacted(api->queryAddress("a.example")),
                 QStringLiteral("https://api.example/?k=\u2022\u2022\u2022\u2022&d=a.example"));
        // The editor shows the masked line and keeps the value behind it.
        QString problem;
        QCOMPARE(SourceList::headersFromLines({api->maskedHeaders().first(), "Accept: text/json", ""}, api->headers,
                                              &problem),
                 (QList<SourceHeader>{{"X-Api-Key", "s3cr3t-key"}, {"Accept", "text/json"}}));
        QVERIFY(!SourceList::headersFromLines({"Other: \u2022\u2022\u2022\u2022"}, api->headers, &problem));
        QCOMPARE(problem, QStringLiteral("type the value of the header Other"));
    }
};

QTEST_GUILESS_MAIN(SourcesTest)
#include "tst_sources.moc"
