#include "app/DesktopNotification.h"
#include "app/ScanEndNotifier.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

using namespace std::chrono_literals;

namespace {

// The notification service as a desktop runs it, on the test's own bus:
// records each Notify call.
class NotificationService : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    struct Call
    {
        QString appName;
        QString icon;
        QString summary;
        QVariantMap hints;
    };
    QList<Call> calls;

public slots:
    uint Notify(const QString& appName, uint, const QString& icon, const QString& summary, const QString&,
                const QStringList&, const QVariantMap& hints, int)
    {
        calls << Call{appName, icon, summary, hints};
        return uint(calls.size());
    }
};

} // namespace

class ScanEndNotifierTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_busFolder.isValid());
        const QString config = m_busFolder.filePath("bus.conf");
        QFile file(config);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral("<busconfig><type>session</type><listen>unix:dir=%1</listen>"
                                  "<auth>EXTERNAL</auth><policy context=\"default\"><allow send_destination=\"*\"/>"
                                  "<allow receive_sender=\"*\"/><allow own=\"*\"/>"
                                  "</policy></busconfig>")
                       .arg(m_busFolder.path())
                       .toUtf8());
        file.close();
        m_daemon.setStandardErrorFile(QProcess::nullDevice());
        m_daemon.start("dbus-daemon", {"--nofork", "--print-address", "--config-file=" + config});
        QVERIFY2(m_daemon.waitForStarted(), "dbus-daemon could not be started");
        QVERIFY(m_daemon.waitForReadyRead(10000));
        m_address = QString::fromUtf8(m_daemon.readLine().trimmed());
        QVERIFY(!m_address.isEmpty());
    }

    void cleanupTestCase()
    {
        QDBusConnection::disconnectFromBus("service");
        QDBusConnection::disconnectFromBus("program");
        m_daemon.terminate();
        m_daemon.waitForFinished();
    }

    void noticeFor_data()
    {
        QTest::addColumn<int>("elapsedMs");
        QTest::addColumn<bool>("windowActive");
        QTest::addColumn<int>("sites");
        QTest::addColumn<int>("failed");
        QTest::addColumn<QString>("text");
        QTest::newRow("long, in another window")
            << 30001 << false << 12 << 3 << "Scan complete: 12 sites, 3 queries failed";
        QTest::newRow("one of each") << 600000 << false << 1 << 1 << "Scan complete: 1 site, 1 query failed";
        QTest::newRow("none failed") << 45000 << false << 2 << 0 << "Scan complete: 2 sites, 0 queries failed";
        QTest::newRow("30 s is not long") << 30000 << false << 12 << 3 << "";
        QTest::newRow("the user is watching") << 600000 << true << 12 << 3 << "";
    }

    void noticeFor()
    {
        QFETCH(int, elapsedMs);
        QFETCH(bool, windowActive);
        QFETCH(int, sites);
        QFETCH(int, failed);
        QFETCH(QString, text);
        QCOMPARE(ScanEndNotifier::noticeFor(std::chrono::milliseconds(elapsedMs), 30s, windowActive, sites, failed),
                 text);
    }

    // A completed scan reaches the service as a notification of the
    // program; the end of a scan that was never started sends nothing.
    void notifiesOverTheBus()
    {
        QDBusConnection service = QDBusConnection::connectToBus(m_address, "service");
        QDBusConnection program = QDBusConnection::connectToBus(m_address, "program");
        QVERIFY(service.isConnected() && program.isConnected());
        NotificationService recorder;
        QVERIFY(service.registerObject("/org/freedesktop/Notifications", &recorder, QDBusConnection::ExportAllSlots));
        QVERIFY(service.registerService("org.freedesktop.Notifications"));
        const QWidget window; // never shown, so never the active window
        ScanEndNotifier notifier(
            &window, [&program](const QString& text) { sendDesktopNotification(program, text); }, nullptr, 0ms);

        notifier.scanCompleted(5, 0);
        notifier.scanStarted();
        QTest::qWait(5);
        notifier.scanCompleted(3, 1);
        QTRY_COMPARE(recorder.calls.size(), 1);
        QCOMPARE(recorder.calls[0].summary, "Scan complete: 3 sites, 1 query failed");
        QCOMPARE(recorder.calls[0].appName, "Quorvex");
        QCOMPARE(recorder.calls[0].icon, "io.github.quorvex.quorvex");
        QCOMPARE(recorder.calls[0].hints.value("desktop-entry").toString(), "io.github.quorvex.quorvex");
    }

private:
    QTemporaryDir m_busFolder;
    QProcess m_daemon;
    QString m_address;
};

QTEST_MAIN(ScanEndNotifierTest)
#include "tst_scanendnotifier.moc"
