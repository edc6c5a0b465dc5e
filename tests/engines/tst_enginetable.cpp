#include "engines/EngineTable.h"

#include <QTest>

class EngineTableTest : public QObject
{
    Q_OBJECT

private slots:
    void queryAddress_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("site");
        QTest::addColumn<QString>("expected");

        QTest::newRow("google") << 1 << "http://example.com"
                                << "T:http://example.com";
        QTest::newRow("msn keeps the site as listed") << 5 << " Example.COM/a b "
                                                      << "T: Example.COM/a b ";
        QTest::newRow("alltheweb gets its suffix") << 6 << "site.org"
                                                   << "T:site.org&rys=0&_sb_lang=pref&ocjp=1";
    }

    void queryAddress()
    {
        QFETCH(int, number);
        QFETCH(QString, site);
        QFETCH(QString, expected);
        const Engine* engine = engineByNumber(number);
        QVERIFY(engine);
        QCOMPARE(engine->queryAddress(QStringLiteral("T:"), site), expected);
    }

    void emptyTemplateGivesTheBareSite()
    {
        QCOMPARE(engineByNumber(3)->queryAddress(QString(), QStringLiteral("http://a.b")),
                 QStringLiteral("http://a.b"));
    }

    void tableOrderAndTexts()
    {
        const QStringList keys = {"Google", "Altavista", "Yahoo", "Ask", "MSN", "ATW"};
        const QStringList headers = {"Google", "Altavista", "Yahoo!", "Ask", "MSN", "All The Web"};
        const QStringList webTexts = {"Google", "AltaVista", "Yahoo", "Ask", "MSN", "AllTheWeb"};
        const QStringList statusNames = {"Google", "AltaVista", "Yahoo!", "Ask", "MSN", "All The Web"};
        for (int i = 0; i < engineCount; ++i) {
            const Engine& engine = engines()[static_cast<std::size_t>(i)];
            QCOMPARE(engine.number, i + 1);
            QCOMPARE(engine.key(), keys[i]);
            QCOMPARE(engine.header(), headers[i]);
            QCOMPARE(engine.webText(), webTexts[i]);
            QCOMPARE(engine.statusName(), statusNames[i]);
            QVERIFY(engine.defaultQueryTemplate().startsWith(QStringLiteral("http://")));
            QVERIFY(
                engine.defaultQueryTemplate().endsWith(i == 3 ? QStringLiteral("links:") : QStringLiteral("link:")));
        }
    }

    void lookups()
    {
        QCOMPARE(engineByNumber(0), nullptr);
        QCOMPARE(engineByNumber(7), nullptr);
        QCOMPARE(engineByNumber(2)->key(), QStringLiteral("Altavista"));
    }
};

QTEST_GUILESS_MAIN(EngineTableTest)
#include "tst_enginetable.moc"
