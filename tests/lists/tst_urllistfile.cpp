#include "lists/UrlListFile.h"
#include "support/TestFiles.h"
#include "support/WriteProtection.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

class UrlListFileTest : public QObject
{
    Q_OBJECT

private slots:
    void splitLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("CR LF, empty middle line, trailing CR LF") << "http://a.com\r\n\r\nhttp://b.com\r\n"
                                                                  << QStringList{"http://a.com", "http://b.com"};
        QTest::newRow("LF only") << "a.com\nb.com\n" << QStringList{"a.com", "b.com"};
        QTest::newRow("mixed line ends") << "a\r\nb\nc" << QStringList{"a", "b", "c"};
        QTest::newRow("no line end at all") << "http://a.com" << QStringList{"http://a.com"};
        QTest::newRow("spaces-only line is kept") << "a\r\n  \r\nb" << QStringList{"a", "  ", "b"};
        QTest::newRow("nothing trimmed") << " a \t\r\n" << QStringList{" a \t"};
        QTest::newRow("lone CR is no line end") << "a\rb\r\nc" << QStringList{"a\rb", "c"};
        QTest::newRow("CR before CR LF stays") << "a\r\r\nb" << QStringList{"a\r", "b"};
        QTest::newRow("trailing lone CR stays") << "a\r" << QStringList{"a\r"};
        QTest::newRow("only line ends") << "\r\n\n\r\n\n" << QStringList{};
        QTest::newRow("empty text") << "" << QStringList{};
        QTest::newRow("non-ASCII") << QString::fromUtf8("http://bücher.de\nhttp://日本.jp")
                                   << QStringList{QString::fromUtf8("http://bücher.de"),
                                                  QString::fromUtf8("http://日本.jp")};
    }

    void splitLines()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QCOMPARE(UrlListFile::splitLines(text), lines);
    }

    void encodeEndsEveryLineWithCrLf_data()
    {
        QTest::addColumn<QStringList>("urls");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("two") << QStringList{"http://a.com", "b.com"} << QByteArray("http://a.com\r\nb.com\r\n");
        QTest::newRow("empty list") << QStringList{} << QByteArray();
        QTest::newRow("spaces and duplicates") << QStringList{"  ", "x", "x"} << QByteArray("  \r\nx\r\nx\r\n");
    }

    void encodeEndsEveryLineWithCrLf()
    {
        QFETCH(QStringList, urls);
        QFETCH(QByteArray, bytes);
        QCOMPARE(UrlListFile::encode(urls), bytes);
    }

    void nonAsciiUsesTheFilesEncoding()
    {
#ifdef Q_OS_WIN
        QSKIP("the files' encoding is the ANSI code page here");
#else
        const QStringList urls = {QString::fromUtf8("http://bücher.de")};
        QCOMPARE(UrlListFile::encode(urls), QByteArray("http://b\xfc"
                                                       "cher.de\r\n"));
#endif
    }

    void writeThenReadGivesTheSameList_data()
    {
        QTest::addColumn<QStringList>("urls");
        QTest::newRow("spaces, letters beyond ASCII, duplicates") << QStringList{
            "http://www.a.com", "  ", QString::fromUtf8("http://straße.de/ä?ö=ü"), "x", "http://www.a.com"};
        // Their bytes are those of a byte order mark, which reading drops.
        QTest::newRow("first URL begins with the characters of a byte order mark")
            << QStringList{QString::fromLatin1("\xEF\xBB\xBFx"), "http://www.a.com"};
    }

    void writeThenReadGivesTheSameList()
    {
        QFETCH(QStringList, urls);
        QTemporaryDir dir;
        const QString path = dir.filePath("list.txt");
        QString error;
        QVERIFY(UrlListFile::write(path, urls, error));
        QVERIFY(readBytes(path).endsWith("\r\nhttp://www.a.com\r\n"));
        QStringList read = {"old entry"};
        QVERIFY(UrlListFile::read(path, read, error));
        QCOMPARE(read, urls);
    }

    void writeReplacesTheWholeFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("list.txt");
        QVERIFY(writeBytes(path, "a long old line\r\nanother old line\r\n"));
        QString error;
        QVERIFY(UrlListFile::write(path, {"new"}, error));
        QCOMPARE(readBytes(path), QByteArray("new\r\n"));
        QVERIFY(UrlListFile::write(path, {}, error));
        QVERIFY(QFileInfo::exists(path));
        QCOMPARE(QFileInfo(path).size(), 0);
    }

    void readFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("urls");
        QTest::newRow("three lines, middle empty, CR LF")
            << QByteArray("a.com\r\n\r\nb.com\r\n") << QStringList{"a.com", "b.com"};
        QTest::newRow("LF line ends") << QByteArray("a.com\nb.com\nc.com") << QStringList{"a.com", "b.com", "c.com"};
        QTest::newRow("UTF-8 byte order mark is not part of the first URL")
            << QByteArray("\xef\xbb\xbfhttp://a.com\r\n") << QStringList{"http://a.com"};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
    }

    void readFile()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, urls);
        QTemporaryDir dir;
        const QString path = dir.filePath("list.txt");
        QVERIFY(writeBytes(path, bytes));
        QStringList read;
        QString error;
        QVERIFY(UrlListFile::read(path, read, error));
        QCOMPARE(read, urls);
    }

    void readFailureLeavesTheListAndSaysWhy_data()
    {
        QTest::addColumn<QString>("what");
        QTest::newRow("missing file") << "missing";
        QTest::newRow("folder") << "folder";
        QTest::newRow("no read permission") << "unreadable";
    }

    void readFailureLeavesTheListAndSaysWhy()
    {
        QFETCH(QString, what);
        QTemporaryDir dir;
        QString path = dir.filePath("list.txt");
        if (what == "folder") {
            QVERIFY(QDir(dir.path()).mkdir("list.txt"));
        } else if (what == "unreadable") {
            QVERIFY(writeBytes(path, "a.com\r\n"));
            QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
            QFile probe(path);
            if (probe.open(QIODevice::ReadOnly))
                QSKIP("this user reads files without read permission");
        }
        QStringList urls = {"kept"};
        QString error;
        QVERIFY(!UrlListFile::read(path, urls, error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(urls, QStringList{"kept"});
    }

    void writeFailureKeepsTheOldFileAndSaysWhy_data()
    {
        QTest::addColumn<QString>("what");
        QTest::newRow("read-only folder") << "read-only";
        QTest::newRow("folder is a file") << "file as folder";
        QTest::newRow("name of a folder") << "folder";
    }

    void writeFailureKeepsTheOldFileAndSaysWhy()
    {
        QFETCH(QString, what);
        QTemporaryDir dir;
        QString path;
        std::optional<WriteProtection> protection;
        if (what == "read-only") {
            const QString folder = dir.filePath("locked");
            QVERIFY(QDir(dir.path()).mkdir("locked"));
            path = folder + "/list.txt";
            QVERIFY(writeBytes(path, "old\r\n"));
            protection.emplace(folder);
            if (!protection->isEffective())
                QSKIP("this user writes into write-protected folders");
        } else if (what == "file as folder") {
            QVERIFY(writeBytes(dir.filePath("plain"), "old\r\n"));
            path = dir.filePath("plain/list.txt");
        } else {
            QVERIFY(QDir(dir.path()).mkdir("list.txt"));
            path = dir.filePath("list.txt");
        }
        QString error;
        QVERIFY(!UrlListFile::write(path, {"new"}, error));
        QVERIFY(!error.isEmpty());
        if (what == "read-only") {
            QCOMPARE(readBytes(path), QByteArray("old\r\n"));
        } else if (what == "file as folder") {
            QCOMPARE(readBytes(dir.filePath("plain")), QByteArray("old\r\n"));
        }
    }
};

QTEST_GUILESS_MAIN(UrlListFileTest)
#include "tst_urllistfile.moc"
