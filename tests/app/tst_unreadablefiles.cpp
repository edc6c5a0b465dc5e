#include "app/MainWindow.h"
#include "charts/ChartPanel.h"
#include "lists/UrlListCommands.h"
#include "scan/ScanController.h"
#include "support/TestContext.h"

#include <QAbstractButton>
#include <QDir>
#include <QTest>

using Kind = ScriptedPrompts::Kind;

// A file the program needs that exists but cannot be read (here a folder of
// its name, which stops even a user who may read any file) is reported once,
// by name and with the reason, when it is needed.
class UnreadableFilesTest : public QObject
{
    Q_OBJECT

private slots:
    void unreadableFileIsReportedOnce_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("messageStart");
        const QString templates = QStringLiteral("The settings file \"");
        QTest::newRow("settings.ini at start-up") << "settings.ini"
                                                  << "start-up" << templates;
        QTest::newRow("settings.ini at scan start") << "settings.ini"
                                                    << "scan" << templates;
        QTest::newRow("settings.ini when Options opens") << "settings.ini"
                                                         << "options" << templates;
        QTest::newRow("saved search when loaded") << "Saved/site.qvh"
                                                  << "chart"
                                                  << "The saved search \"";
    }

    void unreadableFileIsReportedOnce()
    {
        QFETCH(QString, file);
        QFETCH(QString, action);
        QFETCH(QString, messageStart);
        TestContext test(TestAppFolder::Content::Empty);
        QVERIFY(QDir(test.folder.path()).mkpath(file));
        MainWindow window(test.context, test.makeBrowser);
        window.urlListCommands()->appendUrls({QStringLiteral("www.example.com")});

        if (action == "start-up") {
            window.show();
            QTest::qWait(50);
        } else if (action == "scan") {
            window.findChild<QAbstractButton*>(QStringLiteral("Command1"))->click();
        } else if (action == "options") {
            window.findChild<QAbstractButton*>(QStringLiteral("Command6"))->click();
        } else {
            window.chartPanel()->drawSavedSearchChart(QStringLiteral("site.qvh"));
        }

        QCOMPARE(test.prompts.shown().size(), 1);
        const ScriptedPrompts::Shown& shown = test.prompts.shown().first();
        QCOMPARE(shown.kind, Kind::Error);
        QCOMPARE(shown.caption, QStringLiteral("Error"));
        const QString path = QDir::toNativeSeparators(test.folder.filePath(file));
        QVERIFY2(shown.text.startsWith(messageStart + path + u'"'), qPrintable(shown.text));
        QVERIFY2(shown.text.size() > messageStart.size() + path.size() + 8, qPrintable(shown.text));
        // The bare site texts are not queried.
        QVERIFY(!window.scanController()->isScanning());
    }
};

QTEST_MAIN(UnreadableFilesTest)
#include "tst_unreadablefiles.moc"
