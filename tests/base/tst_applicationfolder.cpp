#include "base/ApplicationFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Writes each "path=content" entry under the root.
bool writeFiles(const QDir& root, const QStringList& files)
{
    for (const QString& entry : files) {
        const QString path = root.filePath(entry.section('=', 0, 0));
        root.mkpath(QFileInfo(path).path());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return false;
        file.write(entry.section('=', 1).toUtf8());
    }
    return true;
}

// Each "path=content" entry as found under the root; "path=" for one that
// does not exist.
QStringList readFiles(const QDir& root, const QStringList& expected)
{
    QStringList found;
    for (const QString& entry : expected) {
        const QString name = entry.section('=', 0, 0);
        QFile file(root.filePath(name));
        found << name + '=' + (file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString());
    }
    return found;
}

} // namespace

// Every case lays out a temporary root: the program in bin/, an install's
// share/quorvex/ beside it, two system data folders sys1/ and sys2/, the
// per-user folder user/, a QUORVEX_HOME home/, and the per-user folder of
// earlier versions old/Quorvex/.
class ApplicationFolderTest : public QObject
{
    Q_OBJECT

private slots:
    void locate_data()
    {
        // files: "path=content" written before locating; expected: the same
        // form, read afterwards ("path=" for a file or folder that must not
        // exist); earlier: where the earlier versions' folder is.
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<bool>("homeSet");
        QTest::addColumn<QString>("earlier");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QStringList>("expected");
        const QString old = "old/Quorvex";

        QTest::newRow("QUORVEX_HOME wins over a portable folder")
            << QStringList{"bin/settings.ini=beside", "share/quorvex/Help.rtf=shared"} << true << old << "home"
            << QStringList{"home/settings.ini=beside", "home/Help.rtf=shared", "user="};
        QTest::newRow("QUORVEX_HOME keeps its own files, and leaves the earlier folder alone")
            << QStringList{"home/settings.ini=own", "share/quorvex/settings.ini=shared",
                           "old/Quorvex/settings.ini=mine"}
            << true << old << "home" << QStringList{"home/settings.ini=own", "old/Quorvex/settings.ini=mine", "user="};
        QTest::newRow("portable: settings.ini beside the program")
            << QStringList{"bin/settings.ini=beside", "share/quorvex/settings.ini=shared"} << false << old << "bin"
            << QStringList{"bin/settings.ini=beside", "bin/Help.rtf=", "user="};
        QTest::newRow("installed: share/quorvex beside bin")
            << QStringList{"share/quorvex/settings.ini=shared", "share/quorvex/Help.rtf=help",
                           "sys1/quorvex/settings.ini=system"}
            << false << old << "user" << QStringList{"user/settings.ini=shared", "user/Help.rtf=help"};
        QTest::newRow("installed: first system data folder that holds each file")
            << QStringList{"sys1/quorvex/Help.rtf=help1", "sys2/quorvex/settings.ini=system2",
                           "sys2/quorvex/Help.rtf=help2"}
            << false << old << "user" << QStringList{"user/settings.ini=system2", "user/Help.rtf=help1"};
        QTest::newRow("the user's copies are not overwritten")
            << QStringList{"user/Help.rtf=edited", "share/quorvex/Help.rtf=installed",
                           "share/quorvex/settings.ini=installed"}
            << false << old << "user" << QStringList{"user/settings.ini=installed", "user/Help.rtf=edited"};
        QTest::newRow("nothing installed")
            << QStringList{} << false << old << "user" << QStringList{"user/settings.ini=", "user/Help.rtf="};
        QTest::newRow("earlier folder moved whole, the emptied folder above it removed")
            << QStringList{"old/Quorvex/settings.ini=mine", "old/Quorvex/Saved/a.qvh=saved",
                           "old/Quorvex/session-urls.txt=kept", "share/quorvex/settings.ini=installed",
                           "share/quorvex/Help.rtf=help"}
            << false << old << "user"
            << QStringList{"user/settings.ini=mine", "user/Saved/a.qvh=saved", "user/session-urls.txt=kept",
                           "user/Help.rtf=help",     "old/Quorvex=",           "old="};
        // As on a file system that ignores letter case.
        QTest::newRow("earlier folder moved up out of the new folder")
            << QStringList{"user/Quorvex/settings.ini=mine", "user/Quorvex/Lists/a.txt=list"} << false << "user/Quorvex"
            << "user" << QStringList{"user/settings.ini=mine", "user/Lists/a.txt=list", "user/Quorvex="};
        QTest::newRow("earlier folder merged: what the new folder holds stays, and so does the earlier copy")
            << QStringList{"user/settings.ini=new",        "user/Lists/a.txt=new list",
                           "old/Quorvex/settings.ini=old", "old/Quorvex/Lists/a.txt=old list",
                           "old/Quorvex/Lists/b.txt=b",    "old/Quorvex/Saved/c.qvh=c"}
            << false << old << "user" << QStringList{"user/settings.ini=new",        "user/Lists/a.txt=new list",
                                                     "user/Lists/b.txt=b",           "user/Saved/c.qvh=c",
                                                     "old/Quorvex/settings.ini=old", "old/Quorvex/Lists/a.txt=old list",
                                                     "old/Quorvex/Lists/b.txt=",     "old/Quorvex/Saved="};
    }

    void locate()
    {
        QFETCH(QStringList, files);
        QFETCH(bool, homeSet);
        QFETCH(QString, earlier);
        QFETCH(QString, chosen);
        QFETCH(QStringList, expected);
        QTemporaryDir root;
        QVERIFY(root.isValid());
        const QDir dir(root.path());
        dir.mkpath("bin");
        QVERIFY(writeFiles(dir, files));

        const ApplicationFolder folder = ApplicationFolder::locate(
            homeSet ? dir.filePath("home") : QString(), dir.filePath("bin"), dir.filePath("user"),
            {dir.filePath("sys1"), dir.filePath("sys2")}, dir.filePath(earlier));

        QCOMPARE(folder.path(), dir.filePath(chosen));
        QVERIFY(QFileInfo(folder.listsFolder()).isDir());
        QVERIFY(QFileInfo(folder.savedFolder()).isDir());
        QCOMPARE(readFiles(dir, expected), expected);
        for (const QString& entry : expected) {
            if (entry.endsWith('='))
                QVERIFY2(!QFileInfo::exists(dir.filePath(entry.chopped(1))), qPrintable(entry));
        }
    }
};

QTEST_GUILESS_MAIN(ApplicationFolderTest)
#include "tst_applicationfolder.moc"
