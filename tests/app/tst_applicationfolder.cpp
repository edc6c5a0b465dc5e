#include "app/ApplicationFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class ApplicationFolderTest : public QObject
{
    Q_OBJECT

private slots:
    void environmentWins()
    {
        QTemporaryDir root;
        QDir().mkpath(root.filePath("program"));
        writeFile(root.filePath("program/settings.ini"), "[Engines]\r\n");
        const QString home = root.filePath("home");
        const ApplicationFolder folder = ApplicationFolder::locate(home, root.filePath("program"), root.filePath("user"));
        QCOMPARE(folder.path(), home);
        QVERIFY(QFile::exists(folder.settingsIni()));
        QVERIFY(QDir(home).exists("Lists"));
        QVERIFY(QDir(home).exists("Saved"));
    }

    void portableProgramFolder()
    {
        QTemporaryDir root;
        QDir().mkpath(root.filePath("program"));
        writeFile(root.filePath("program/settings.ini"), "[Engines]\r\n");
        const ApplicationFolder folder = ApplicationFolder::locate({}, root.filePath("program"), root.filePath("user"));
        QCOMPARE(folder.path(), root.filePath("program"));
        QCOMPARE(folder.settingsIni(), root.filePath("program/settings.ini"));
        QVERIFY(!QDir(root.filePath("user")).exists());
    }

    void userDataFolderIsFilledOnFirstStart()
    {
        QTemporaryDir root;
        QDir().mkpath(root.filePath("program"));
        writeFile(root.filePath("program/Help.rtf"), "{\\rtf1 help}");
        // No settings.ini beside the program: not a portable install.
        const ApplicationFolder folder = ApplicationFolder::locate({}, root.filePath("program"), root.filePath("user"));
        QCOMPARE(folder.path(), root.filePath("user"));
        QVERIFY(QFile::exists(folder.helpFile()));
        QVERIFY(QDir(folder.listsFolder()).exists());
        QVERIFY(QDir(folder.savedFolder()).exists());
    }

    void userFilesAreNotOverwritten()
    {
        QTemporaryDir root;
        QDir().mkpath(root.filePath("program"));
        QDir().mkpath(root.filePath("user"));
        writeFile(root.filePath("program/Help.rtf"), "installed");
        writeFile(root.filePath("user/Help.rtf"), "edited");
        const ApplicationFolder folder = ApplicationFolder::locate({}, root.filePath("program"), root.filePath("user"));
        QFile help(folder.helpFile());
        QVERIFY(help.open(QIODevice::ReadOnly));
        QCOMPARE(help.readAll(), QByteArray("edited"));
    }
};

QTEST_GUILESS_MAIN(ApplicationFolderTest)
#include "tst_applicationfolder.moc"
