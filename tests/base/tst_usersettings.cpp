#include "base/UserSettings.h"
#include "support/TestAppFolder.h"

#include <QTest>

Q_DECLARE_METATYPE(NetworkSettings::ProxyChoice)

class UserSettingsTest : public QObject
{
    Q_OBJECT

private slots:
    void defaultsWhenNothingIsStored()
    {
        TestAppFolder app(TestAppFolder::Content::Empty);
        const UserSettings& settings = app.settings();
        QCOMPARE(settings.rankNumberText(0), QStringLiteral("500"));
        QCOMPARE(settings.rankNumberText(1), QStringLiteral("1000"));
        QCOMPARE(settings.rankNumberText(2), QStringLiteral("1000"));
        QVERIFY(settings.autoSort());
        QVERIFY(settings.clearBeforeScan());
        QVERIFY(settings.keepUrlList());
        QVERIFY(!settings.parallelEngines());
        QVERIFY(settings.showHelpAtStart());
        QCOMPARE(settings.chartType(), std::optional<int>(3));
        QVERIFY(settings.spaceDatesByTime());
        QCOMPARE(settings.currentView(), std::optional<int>(0));
        QVERIFY(settings.windowGeometry().isEmpty());
        QVERIFY(settings.resultsColumnWidths().isEmpty());
    }

    // Stores written by every earlier version hold these names and texts.
    void keptUnderTheStoredNames()
    {
        TestAppFolder app(TestAppFolder::Content::Empty);
        UserSettings& settings = app.settings();
        settings.setRankNumberText(0, QString());
        settings.setRankNumberText(1, QStringLiteral("07"));
        settings.setRankNumberText(2, QStringLiteral("9000"));
        settings.setAutoSort(false);
        settings.setClearBeforeScan(true);
        settings.setKeepUrlList(false);
        settings.setParallelEngines(true);
        settings.setShowHelpAtStart(false);
        settings.setChartType(7);
        settings.setSpaceDatesByTime(false);
        settings.setWindowGeometry("ab");
        settings.setResultsColumnWidths({120, 0, 5});
        settings.setWebResultsColumnWidths({300, 40});
        settings.setCurrentView(2);
        const QList<std::pair<QString, QString>> stored = {
            {"txtProfile0", ""},
            {"txtProfile1", "07"},
            {"txtProfile2", "9000"},
            {"chkAutoSort", "0"},
            {"chkClear", "1"},
            {"chkKeepList", "0"},
            {"chkParallelEngines", "1"},
            {"showHelp", "0"},
            {"cmbChart2", "7"},
            {"chkSpaceDates", "0"},
            {"windowGeometry", "YWI="},
            {"resultsColumnWidths", "120,0,5"},
            {"webResultsColumnWidths", "300,40"},
            {"currentView", "2"},
        };
        for (const auto& [key, text] : stored)
            QCOMPARE(app.storedSetting(key), text);
        QCOMPARE(settings.rankNumberText(1), QStringLiteral("07"));
        QCOMPARE(settings.resultsColumnWidths(), QList<int>({120, 0, 5}));
    }

    void checkBoxValues_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("on");
        QTest::newRow("1") << "1" << true;
        QTest::newRow("0") << "0" << false;
        QTest::newRow("2 counts as off") << "2" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("text") << "yes" << false;
        QTest::newRow("spaces around") << " 1 " << true;
    }

    void checkBoxValues()
    {
        QFETCH(QString, stored);
        QFETCH(bool, on);
        TestAppFolder app(TestAppFolder::Content::Empty);
        for (const char* key : {"chkAutoSort", "chkClear", "chkKeepList", "chkParallelEngines"})
            app.storeSetting(QString::fromLatin1(key), stored);
        QCOMPARE(app.settings().autoSort(), on);
        QCOMPARE(app.settings().clearBeforeScan(), on);
        QCOMPARE(app.settings().keepUrlList(), on);
        QCOMPARE(app.settings().parallelEngines(), on);
    }

    void thresholds_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("low");
        QTest::newRow("number") << "250" << 250;
        QTest::newRow("negative") << "-3" << -3;
        QTest::newRow("empty gives the default") << "" << 500;
        QTest::newRow("text gives the default") << "12a" << 500;
        QTest::newRow("fraction gives the default") << "1.5" << 500;
        QTest::newRow("beyond 32 bits gives the default") << "3000000000" << 500;
    }

    void thresholds()
    {
        QFETCH(QString, stored);
        QFETCH(int, low);
        TestAppFolder app(TestAppFolder::Content::Empty);
        QCOMPARE(app.settings().rankThresholds().low, 500);
        QCOMPARE(app.settings().rankThresholds().boundary, 1000);
        app.storeSetting(QStringLiteral("txtProfile0"), stored);
        QCOMPARE(app.settings().rankThresholds().low, low);
        QCOMPARE(app.settings().rankNumberText(0), stored);
    }

    void columnWidths_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QList<int>>("widths");
        QTest::newRow("widths") << "120,0,100000" << QList<int>{120, 0, 100000};
        QTest::newRow("too wide") << "120,100001" << QList<int>{};
        QTest::newRow("negative") << "-1,5" << QList<int>{};
        QTest::newRow("not a number") << "120,x" << QList<int>{};
        QTest::newRow("empty") << "" << QList<int>{};
    }

    void columnWidths()
    {
        QFETCH(QString, stored);
        QFETCH(QList<int>, widths);
        TestAppFolder app(TestAppFolder::Content::Empty);
        app.storeSetting(QStringLiteral("webResultsColumnWidths"), stored);
        QCOMPARE(app.settings().webResultsColumnWidths(), widths);
    }

    void networkSettings_data()
    {
        QTest::addColumn<QStringList>("stored"); // proxy, proxyHost, proxyPort, userAgent
        QTest::addColumn<NetworkSettings::ProxyChoice>("choice");
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("userAgent");
        QTest::newRow("nothing stored") << QStringList() << NetworkSettings::ProxyChoice::System << 0 << "Mozilla";
        QTest::newRow("manual") << QStringList{"manual", "proxy.lan", "3128", "Agent/2"}
                                << NetworkSettings::ProxyChoice::Manual << 3128 << "Agent/2";
        QTest::newRow("none") << QStringList{"none", "", "", ""} << NetworkSettings::ProxyChoice::None << 0
                              << "Mozilla";
        QTest::newRow("unknown choice, port out of range")
            << QStringList{"sometimes", "p", "70000", " "} << NetworkSettings::ProxyChoice::System << 0 << "Mozilla";
    }

    void networkSettings()
    {
        QFETCH(QStringList, stored);
        QFETCH(NetworkSettings::ProxyChoice, choice);
        QFETCH(int, port);
        QFETCH(QString, userAgent);
        TestAppFolder app(TestAppFolder::Content::Empty);
        const QStringList keys{"proxy", "proxyHost", "proxyPort", "userAgent"};
        for (qsizetype i = 0; i < stored.size(); ++i)
            app.storeSetting(keys[i], stored[i]);
        const NetworkSettings settings = app.settings().networkSettings();
        QCOMPARE(settings.proxy, choice);
        QCOMPARE(settings.proxyPort, port);
        QCOMPARE(settings.userAgent, userAgent);
        // What is written reads back the same.
        app.settings().setNetworkSettings(settings);
        QCOMPARE(app.settings().networkSettings(), settings);
    }
};

QTEST_GUILESS_MAIN(UserSettingsTest)
#include "tst_usersettings.moc"
