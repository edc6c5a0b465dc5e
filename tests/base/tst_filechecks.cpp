#include "base/FileChecks.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class FileChecksTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    void createFile(const QString& name)
    {
        QFile file(m_dir.filePath(name));
        QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(name));
        file.write("x");
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        createFile(QStringLiteral("Help.rtf"));
        createFile(QStringLiteral("notes.TXT"));
        createFile(QStringLiteral(".hidden"));
        createFile(QStringLiteral("star*name"));
        createFile(QStringLiteral("what?"));
        QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("Folder")));
        createFile(QStringLiteral("Folder/inner.ini"));
    }

    void fileNameFromPath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected");

        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("no separator") << "name.txt"
                                      << "name.txt";
        QTest::newRow("backslashes") << "C:\\Program Files\\Quorvex\\Help.rtf"
                                     << "Help.rtf";
        QTest::newRow("slashes") << "/home/user/Help.rtf"
                                 << "Help.rtf";
        QTest::newRow("ends with backslash") << "C:\\folder\\"
                                             << "";
        QTest::newRow("ends with slash") << "/tmp/"
                                         << "";
        QTest::newRow("slash after backslash") << "a\\b/c"
                                               << "c";
        QTest::newRow("backslash after slash") << "a/b\\c"
                                               << "c";
        QTest::newRow("separator only") << "\\"
                                        << "";
        QTest::newRow("wildcards are kept") << "C:\\x\\*.txt"
                                            << "*.txt";
    }

    void fileNameFromPath()
    {
        QFETCH(QString, path);
        QFETCH(QString, expected);
        QCOMPARE(::fileNameFromPath(path), expected);
    }

    void fileExists_data()
    {
        QTest::addColumn<QString>("relativePath");
        QTest::addColumn<QString>("listedName");

        QTest::newRow("exact name") << "Help.rtf"
                                    << "Help.rtf";
        QTest::newRow("other letter case") << "HELP.RTF"
                                           << "Help.rtf";
        QTest::newRow("other case of the extension") << "notes.txt"
                                                     << "notes.TXT";
        QTest::newRow("in a subfolder") << "Folder/inner.ini"
                                        << "inner.ini";
        QTest::newRow("missing file") << "Readme.rtf"
                                      << "";
        QTest::newRow("missing folder") << "Nowhere/Help.rtf"
                                        << "";
        QTest::newRow("star wildcard") << "*.rtf"
                                       << "";
        QTest::newRow("question mark wildcard") << "Help.rt?"
                                                << "";
        QTest::newRow("file literally named with a star") << "star*name"
                                                          << "";
        QTest::newRow("file literally named with a question mark") << "what?"
                                                                   << "";
        QTest::newRow("folder") << "Folder"
                                << "";
        QTest::newRow("hidden file") << ".hidden"
                                     << "";
        QTest::newRow("trailing separator") << "Folder/"
                                            << "";
    }

    void fileExists()
    {
        QFETCH(QString, relativePath);
        QFETCH(QString, listedName);
        const QString path = m_dir.path() + QLatin1Char('/') + relativePath;
        QCOMPARE(::fileExists(path), !listedName.isEmpty());
        const QString found = existingFilePath(path);
        QCOMPARE(::fileNameFromPath(found), listedName);
        if (!listedName.isEmpty())
            QVERIFY(QFile::exists(found));
    }

    void fileExistsWithNativeSeparators()
    {
        QCOMPARE(::fileExists(QDir::toNativeSeparators(m_dir.filePath(QStringLiteral("Folder/inner.ini")))), true);
    }

    void emptyPathDoesNotExist()
    {
        QVERIFY(!::fileExists(QString()));
        QVERIFY(existingFilePath(QString()).isEmpty());
    }

    void nameWithoutFolderIsLookedForInTheCurrentFolder()
    {
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_dir.path()));
        const bool helpFound = ::fileExists(QStringLiteral("help.rtf"));
        const bool missingFound = ::fileExists(QStringLiteral("missing.rtf"));
        QDir::setCurrent(previous);
        QVERIFY(helpFound);
        QVERIFY(!missingFound);
    }

    void withExtension_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::newRow("no extension") << "/lists/sites"
                                      << "/lists/sites.txt";
        QTest::newRow(".txt") << "/lists/sites.txt"
                              << "/lists/sites.txt";
        QTest::newRow(".TXT") << "/lists/SITES.TXT"
                              << "/lists/SITES.TXT";
        QTest::newRow("mixed case") << "/lists/sites.TxT"
                                    << "/lists/sites.TxT";
        QTest::newRow("other extension") << "/lists/sites.csv"
                                         << "/lists/sites.csv.txt";
        QTest::newRow(".txt inside the name") << "/lists/sites.txt.bak"
                                              << "/lists/sites.txt.bak.txt";
        QTest::newRow("txt without dot") << "/lists/sitestxt"
                                         << "/lists/sitestxt.txt";
        QTest::newRow("dot in folder only") << "/my.lists/sites"
                                            << "/my.lists/sites.txt";
        QTest::newRow("bare .txt") << ".txt"
                                   << ".txt";
        QTest::newRow("three letters") << "txt"
                                       << "txt.txt";
    }

    void withExtension()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        QCOMPARE(::withExtension(chosen, QStringLiteral(".txt")), written);
    }
};

QTEST_GUILESS_MAIN(FileChecksTest)
#include "tst_filechecks.moc"
