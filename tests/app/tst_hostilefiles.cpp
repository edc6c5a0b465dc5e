#include "app/MainWindow.h"
#include "help/HelpWindow.h"
#include "lists/UrlListCommands.h"
#include "results/ResultsCsv.h"
#include "results/ScanResults.h"
#include "support/TestContext.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTest>
#include <QTimer>

#if defined(Q_OS_UNIX)
#include <unistd.h>
#endif

namespace {

// How a row hands its file to the program: the folder's files are read at
// start-up, a list file is named on the command line, a saved search is
// chosen in the Load Saved Search dialog.
enum class Route { StartUp, CommandLine, LoadDialog };

// Size, time, permissions and (where it can be read) a digest of the bytes:
// whatever the program might do to a file changes one of them.
QString fingerprint(const QString& path)
{
    const QFileInfo info(path);
    QFile file(path);
    QByteArray digest;
    if (file.open(QIODevice::ReadOnly))
        digest = QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex();
    return QStringLiteral("%1 %2 %3 %4")
        .arg(info.size())
        .arg(info.lastModified().toMSecsSinceEpoch())
        .arg(static_cast<int>(info.permissions()))
        .arg(QString::fromLatin1(digest));
}

// The longest time the event loop went without running a 10 ms timer; work
// the test itself does on the loop's thread counts as well, as the program
// does that work from its loop.
class StallWatch
{
public:
    StallWatch()
    {
        m_since.start();
        QObject::connect(&m_ticker, &QTimer::timeout, [this] { tick(); });
        m_ticker.start(10);
    }
    qint64 longest()
    {
        tick();
        return m_longest;
    }

private:
    void tick() { m_longest = qMax(m_longest, m_since.restart()); }

    QTimer m_ticker;
    QElapsedTimer m_since;
    qint64 m_longest = 0;
};

QByteArray binaryGarbage(int size)
{
    QRandomGenerator generator(19);
    QByteArray bytes(size, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(generator.bounded(256));
    return bytes;
}

QByteArray urlLines(int count)
{
    QByteArray lines;
    lines.reserve(count * 26);
    for (int index = 0; index < count; ++index)
        lines += "http://www.site" + QByteArray::number(index) + ".test\r\n";
    return lines;
}

void chooseSavedSearch(const QString& name)
{
    QWidget* dialog = QApplication::activeModalWidget();
    if (!dialog)
        return;
    auto* chooser = dialog->findChild<QComboBox*>(QStringLiteral("Combo1"));
    chooser->setCurrentIndex(chooser->findText(name));
    dialog->findChild<QAbstractButton*>(QStringLiteral("Command1"))->click();
}

} // namespace

Q_DECLARE_METATYPE(Route)

// The program started on an application folder holding a hostile file: it
// comes up, its event loop never stops for long, it names the file where it
// cannot use it, and it leaves the file as it was.
class HostileFilesTest : public QObject
{
    Q_OBJECT

private slots:
    void programStartsAndLeavesTheFileAlone_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<Route>("route");
        QTest::addColumn<bool>("unreadable");
        QTest::addColumn<bool>("named");
        QTest::addColumn<int>("urls");

        const QByteArray helpLine = QByteArray("Help text on one line that never ends. ").repeated(256 * 1024);
        QTest::newRow("binary settings.ini")
            << "settings.ini" << binaryGarbage(64 * 1024) << Route::StartUp << false << true << 0;
        QTest::newRow("10 MB one-line Help.rtf")
            << "Help.rtf"
            << "{\\rtf1\\ansi " + helpLine + "}" << Route::StartUp << false << false << 0;
        QTest::newRow("unreadable saved search")
            << "Saved/site.qvh" << QByteArray("[2026-12-01]\r\nGoogle=5\r\n") << Route::LoadDialog << true << true << 0;
        QTest::newRow("1,000,000-line URL list") << "Lists/million.txt" << urlLines(1000000) << Route::CommandLine
                                                 << false << true << UrlListCommands::maxUrls;
        const QString utf16 = QStringLiteral("\uFEFFhttp://www.site.test\r\nhttp://www.other.test\r\n");
        QTest::newRow("UTF-16 URL list") << "Lists/utf16.txt"
                                         << QByteArray(reinterpret_cast<const char*>(utf16.utf16()), utf16.size() * 2)
                                         << Route::CommandLine << false << true << 0;
        QTest::newRow("UTF-16 kept URL list")
            << "session-urls.txt" << QByteArray(reinterpret_cast<const char*>(utf16.utf16()), utf16.size() * 2)
            << Route::StartUp << false << true << 0;
        QTest::newRow("100 MB kept results")
            << "last-results.json"
            << "{\"rows\": [" + QByteArray(100 * 1024 * 1024, ' ') + "]}" << Route::StartUp << false << true << 0;
        QTest::newRow("URL list of invalid UTF-8")
            << "Lists/latin.txt" << QByteArray("http://www.caf\xE9.test\r\nhttp://\xC3\x28\xFF.test\r\n")
            << Route::CommandLine << false << false << 2;
    }

    void programStartsAndLeavesTheFileAlone()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        QFETCH(Route, route);
        QFETCH(bool, unreadable);
        QFETCH(bool, named);
        QFETCH(int, urls);
        TestContext test;
        QVERIFY(test.folder.writeFile(file, content));
        const QString path = test.folder.filePath(file);
        if (unreadable) {
#if defined(Q_OS_UNIX)
            if (geteuid() == 0)
                QSKIP("the superuser reads a file whatever its permissions");
#endif
            QVERIFY(QFile::setPermissions(path, {}));
        }
        const QString before = fingerprint(path);

        StallWatch stalls;
        {
            MainWindow window(test.context, test.makeBrowser);
            window.show();
            if (route == Route::CommandLine)
                window.loadUrlListFile(path);
            if (route == Route::LoadDialog) {
                QTimer::singleShot(0, [] { chooseSavedSearch(QStringLiteral("site")); });
                window.findChild<QAction*>(QStringLiteral("mnuGraph"))->trigger();
            }
            QTest::qWait(100);
            // A fresh start shows the help, when there is a help file.
            HelpWindow* help = nullptr;
            for (QWidget* widget : QApplication::topLevelWidgets())
                help = help ? help : qobject_cast<HelpWindow*>(widget);
            QCOMPARE(help != nullptr, file == QLatin1String("Help.rtf"));
            if (help)
                QTRY_VERIFY_WITH_TIMEOUT(!help->isLoading(), 60000);
            QCOMPARE(window.urlListCommands()->urls().size(), urls);
            window.close();
        }
        QVERIFY2(stalls.longest() <= 1000, qPrintable(QStringLiteral("%1 ms stall").arg(stalls.longest())));

        const QString shownPath = QDir::toNativeSeparators(path);
        const QStringList messages = test.prompts.messages();
        if (named)
            QVERIFY2(messages.size() == 1 && messages.first().contains(u'"' + shownPath + u'"'),
                     qPrintable(messages.join(u'\n')));
        else
            QVERIFY2(messages.isEmpty(), qPrintable(messages.join(u'\n')));
        QCOMPARE(fingerprint(path), before);
    }

    // Kept results are data from outside: what the window shows is what a
    // scan of those cells would show, within the list's limits.
    void keptResultsAreReadAsData_data()
    {
        QTest::addColumn<QByteArray>("rows");        // the "rows" array of last-results.json
        QTest::addColumn<QByteArray>("firstRecord"); // as the results CSV writes it
        QTest::addColumn<int>("rowCount");
        QTest::addColumn<bool>("named");
        const QByteArray cells = "\"cells\": [\"5\", \"\", \"\", \"\", \"\", \"1234\"]";
        QTest::newRow("forged total and rank")
            << "[{\"site\": \"a.example\", " + cells + ", \"total\": \"999999\", \"rank\": 3}]"
            << QByteArray("a.example,1239,5,,,,,1234,high") << 1 << false;
        QTest::newRow("every cell empty") << QByteArray("[{\"site\": \"b.example\", \"total\": \"0\", \"rank\": 1}]")
                                          << QByteArray("b.example,,,,,,,,") << 1 << false;
        QTest::newRow("cells that hold no count")
            << QByteArray(
                   "[{\"site\": \"c.example\", \"cells\": [\"=1+2\", \"12345678901\", \"7\", 8, \"-3\", \"1,234\"]}]")
            << QByteArray("c.example,7,,,7,,,,low") << 1 << true;
        QByteArray many;
        for (int row = 0; row <= UrlListCommands::maxUrls; ++row)
            many += (row > 0 ? "," : "[") + QByteArray("{\"site\": \"s.example\", ") + cells + '}';
        QTest::newRow("more rows than the list holds")
            << many + ']' << QByteArray("s.example,1239,5,,,,,1234,high") << UrlListCommands::maxUrls << true;
        QTest::newRow("a site over 1 MB")
            << "[{\"site\": \"" + QByteArray(1024 * 1024 + 1, 'x') + "\"}, {\"site\": \"d.example\", " + cells + "}]"
            << QByteArray("d.example,1239,5,,,,,1234,high") << 1 << true;
        QTest::newRow("no JSON") << QByteArray("[{\"site\"") << QByteArray() << 0 << true;
    }

    void keptResultsAreReadAsData()
    {
        QFETCH(QByteArray, rows);
        QFETCH(QByteArray, firstRecord);
        QFETCH(int, rowCount);
        QFETCH(bool, named);
        TestContext test;
        QVERIFY(test.folder.writeFile("last-results.json",
                                      "{\"completed\": \"2026-12-07T09:15:00Z\", \"rows\": " + rows + '}'));
        MainWindow window(test.context, test.makeBrowser);
        const QList<ResultRow>& shown = window.results()->rows();
        QCOMPARE(shown.size(), rowCount);
        if (rowCount > 0)
            QCOMPARE(ResultsCsv::encode(window.results()->sourceColumns(), {shown.first()}).split('\n').value(1),
                     firstRecord + '\r');
        const QString shownPath = QDir::toNativeSeparators(test.folder.filePath("last-results.json"));
        // Told once the window is up.
        QVERIFY(test.prompts.messages().isEmpty());
        QTest::qWait(20);
        const QStringList messages = test.prompts.messages();
        QCOMPARE(messages.size(), named ? 1 : 0);
        QVERIFY(!named || messages.first().contains(u'"' + shownPath + u'"'));
    }
};

QTEST_MAIN(HostileFilesTest)
#include "tst_hostilefiles.moc"
