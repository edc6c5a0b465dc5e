#include "base/ApplicationFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

// Every case lays out a temporary root: the program in bin/, an install's
// share/quorvex/ beside it, two system data folders sys1/ and sys2/, the
// per-user folder user/ and a QUORVEX_HOME home/.
class ApplicationFolderTest : public QObject
{
    Q_OBJECT

private slots:
    void locate_data()
    {
        // files: "path=content" written before locating; expected: the same
        // form, read from the chosen folder afterwards ("path=" for a file
        // that must not exist).
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<bool>("homeSet");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("QUORVEX_HOME wins over a portable folder")
            << QStringList{"bin/settings.ini=beside", "share/quorvex/Help.rtf=shared"} << true << "home"
            << QStringList{"settings.ini=beside", "Help.rtf=shared"};
        QTest::newRow("QUORVEX_HOME keeps its own files")
            << QStringList{"home/settings.ini=own", "share/quorvex/settings.ini=shared"} << true << "home"
            << QStringList{"settings.ini=own"};
        QTest::newRow("portable: settings.ini beside the program")
            << QStringList{"bin/settings.ini=beside", "share/quorvex/settings.ini=shared"} << false << "bin"
            << QStringList{"settings.ini=beside", "Help.rtf="};
        QTest::newRow("installed: share/quorvex beside bin")
            << QStringList{"share/quorvex/settings.ini=shared", "share/quorvex/Help.rtf=help",
                           "sys1/quorvex/settings.ini=system"}
            << false << "user" << QStringList{"settings.ini=shared", "Help.rtf=help"};
        QTest::newRow("installed: first system data folder that holds each file")
            << QStringList{"sys1/quorvex/Help.rtf=help1", "sys2/quorvex/settings.ini=system2",
                           "sys2/quorvex/Help.rtf=help2"}
            << false << "user" << QStringList{"settings.ini=system2", "Help.rtf=help1"};
        QTest::newRow("the user's copies are not overwritten")
            << QStringList{"user/Help.rtf=edited", "share/quorvex/Help.rtf=installed",
                           "share/quorvex/settings.ini=installed"}
            << false << "user" << QStringList{"settings.ini=installed", "Help.rtf=edited"};
        QTest::newRow("nothing installed")
            << QStringList{} << false << "user" << QStringList{"settings.ini=", "Help.rtf="};
    }

    void locate()
    {
        QFETCH(QStringList, files);
        QFETCH(bool, homeSet);
        QFETCH(QString, chosen);
        QFETCH(QStringList, expected);
        QTemporaryDir root;
        QVERIFY(root.isValid());
        const QDir dir(root.path());
        dir.mkpath("bin");
        for (const QString& entry : files) {
            const QString path = dir.filePath(entry.section('=', 0, 0));
            dir.mkpath(QFileInfo(path).path());
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(entry.section('=', 1).toUtf8());
        }

        const ApplicationFolder folder =
            ApplicationFolder::locate(homeSet ? dir.filePath("home") : QString(), dir.filePath("bin"),
                                      dir.filePath("user"), {dir.filePath("sys1"), dir.filePath("sys2")});

        QCOMPARE(folder.path(), dir.filePath(chosen));
        QVERIFY(QFileInfo(folder.listsFolder()).isDir());
        QVERIFY(QFileInfo(folder.savedFolder()).isDir());
        for (const QString& entry : expected) {
            const QString name = entry.section('=', 0, 0);
            const QString content = entry.section('=', 1);
            QFile file(folder.filePath(name));
            QCOMPARE(file.open(QIODevice::ReadOnly), !content.isEmpty());
            QCOMPARE(QString::fromUtf8(file.readAll()), content);
        }
        // A portable or QUORVEX_HOME run leaves the per-user folder alone.
        if (chosen != "user")
            QVERIFY(!dir.exists("user"));
    }
};

QTEST_GUILESS_MAIN(ApplicationFolderTest)
#include "tst_applicationfolder.moc"
