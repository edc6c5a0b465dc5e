#include "base/IniFile.h"
#include "support/TestFiles.h"

#include "support/WriteProtection.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray before = "; top\n[A]\r\nk1= one \r\nK2=two\r\n\n[B] note\r\nx=1\r\n[C]\ry=2";

} // namespace

class ProfileStringTest : public QObject
{
    Q_OBJECT

private slots:
    void write_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("after");

        QTest::newRow("value replaced, every other line kept as it was")
            << QByteArray("; engines\n[Engines]\r\n  Ask=a \r\ngoogle=old \r\nMSN=m\r\n\r\n[Other]\rX=1") << "engines"
            << "GOOGLE"
            << "http://h/?a=1&q=link:"
            << QByteArray("; engines\n[Engines]\r\n  Ask=a \r\nGOOGLE=http://h/?a=1&q=link:\r\nMSN=m\r\n\r\n"
                          "[Other]\rX=1");
        QTest::newRow("missing key after the last line of its section")
            << QByteArray("[Engines]\r\nGoogle=g\r\n\r\n[Other]\r\nX=1\r\n") << "Engines"
            << "Ask"
            << "a" << QByteArray("[Engines]\r\nGoogle=g\r\nAsk=a\r\n\r\n[Other]\r\nX=1\r\n");
        QTest::newRow("missing key in the last section without final line end")
            << QByteArray("[Engines]\r\nGoogle=g") << "Engines"
            << "Ask"
            << "a" << QByteArray("[Engines]\r\nGoogle=g\r\nAsk=a\r\n");
        QTest::newRow("missing key in an empty section") << QByteArray("[Engines]\r\n[Other]\r\n") << "Engines"
                                                         << "Ask"
                                                         << "a" << QByteArray("[Engines]\r\nAsk=a\r\n[Other]\r\n");
        QTest::newRow("missing section appended at the end")
            << QByteArray("[Other]\r\nX=1") << "Engines"
            << "Ask"
            << "a" << QByteArray("[Other]\r\nX=1\r\n[Engines]\r\nAsk=a\r\n");
        QTest::newRow("same key in another section untouched")
            << QByteArray("[Other]\r\nAsk=o\r\n[Engines]\r\nMSN=m\r\n") << "Engines"
            << "Ask"
            << "a" << QByteArray("[Other]\r\nAsk=o\r\n[Engines]\r\nMSN=m\r\nAsk=a\r\n");
        QTest::newRow("comment line is not the key") << QByteArray("[Engines]\r\n;Ask=x\r\n") << "Engines"
                                                     << "Ask"
                                                     << "a" << QByteArray("[Engines]\r\n;Ask=x\r\nAsk=a\r\n");
        QTest::newRow("empty file") << QByteArray() << "Engines"
                                    << "Ask"
                                    << "a" << QByteArray("[Engines]\r\nAsk=a\r\n");
        QTest::newRow("empty value") << QByteArray("[Engines]\r\nAsk=a\r\n") << "Engines"
                                     << "Ask"
                                     << "" << QByteArray("[Engines]\r\nAsk=\r\n");
    }

    void write()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QByteArray, after);
        QTemporaryDir dir;
        const QString path = dir.filePath("settings.ini");
        QVERIFY(writeBytes(path, before));
        QString error;
        QVERIFY2(writeProfileString(section, key, value, path, &error), qPrintable(error));
        QCOMPARE(readBytes(path), after);
    }

    // The Options dialog writes the six templates into a missing file; the
    // scan reads them back with the INI reader.
    void settingsWrittenThisWayReadBack()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("settings.ini");
        const QList<QPair<QString, QString>> templates = {
            {"Google", "http://www.google.com/search?hl=en&ie=UTF-8&q=link:"},
            {"Altavista", "http://www.altavista.com/web/results?q=link:"},
            {"Yahoo", "http://search.yahoo.com/search?fr=fp-pull-web-t&p=link:"},
            {"Ask", "http://www.ask.com/web?qsrc=1&o=312&q=links:"},
            {"MSN", "http://search.msn.com/results.aspx?FORM=SMCRT&q=link:"},
            {"ATW", "http://www.alltheweb.com/search?cat=web&cs=utf8&q=link:"},
        };
        for (const auto& [key, value] : templates)
            QVERIFY(writeProfileString("Engines", key, value, path));

        const QByteArray written = readBytes(path);
        QVERIFY(written.startsWith("[Engines]\r\nGoogle=http://www.google.com/search?hl=en&ie=UTF-8&q=link:\r\n"));
        QVERIFY(written.endsWith("ATW=http://www.alltheweb.com/search?cat=web&cs=utf8&q=link:\r\n"));
        QCOMPARE(written.count("\r\n"), 7);
        IniDocument document;
        document.load(path);
        for (const auto& [key, value] : templates)
            QCOMPARE(document.value("Engines", key), value);

        // Rewriting one template changes that line only.
        QVERIFY(writeProfileString("Engines", "Ask", "http://a/?q=", path));
        document.load(path);
        QCOMPARE(document.value("engines", "ask"), QStringLiteral("http://a/?q="));
        QByteArray expected = written;
        expected.replace("http://www.ask.com/web?qsrc=1&o=312&q=links:", "http://a/?q=");
        QCOMPARE(readBytes(path), expected);
    }

    void missingFolderFails()
    {
        QTemporaryDir dir;
        QString error;
        QVERIFY(!writeProfileString("Engines", "Ask", "a", dir.filePath("absent/settings.ini"), &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!QFileInfo::exists(dir.filePath("absent")));
    }

    void readOnlyFileKeptAndFailureReported()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("settings.ini");
        const QByteArray before = "[Engines]\r\nAsk=a\r\n";
        QVERIFY(writeBytes(path, before));
        WriteProtection protection(path);
        if (!protection.isEffective())
            QSKIP("This process can write a write-protected file");
        QString error;
        QVERIFY(!writeProfileString("Engines", "Ask", "b", path, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(readBytes(path), before);
    }

    // Removals, renames and moves touch the lines they take away or move
    // and no other byte; what they cannot find they leave alone.
    void removeRenameMove_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<bool>("done");
        QTest::addColumn<QByteArray>("after");
        const auto row = [](const char* name, const char* operation, const QStringList& names, bool done,
                            const QByteArray& after) { QTest::newRow(name) << operation << names << done << after; };
        // Sections A (two keys), B (no line end at its last key line), C.
        row("key deleted", "deleteKey", {"a", "K2"}, true, "; top\n[A]\r\nk1= one \r\n\n[B] note\r\nx=1\r\n[C]\ry=2");
        row("missing key", "deleteKey", {"A", "K9"}, true, before);
        row("section deleted", "deleteSection", {"B"}, true, "; top\n[A]\r\nk1= one \r\nK2=two\r\n\n[C]\ry=2");
        row("last section deleted", "deleteSection", {"c"}, true,
            "; top\n[A]\r\nk1= one \r\nK2=two\r\n\n[B] note\r\nx=1\r\n");
        row("missing section", "deleteSection", {"D"}, true, before);
        row("renamed in place", "rename", {"B", "Bee"}, true,
            "; top\n[A]\r\nk1= one \r\nK2=two\r\n\n[Bee] note\r\nx=1\r\n[C]\ry=2");
        row("rename onto another section", "rename", {"B", "a"}, false, before);
        row("moved up", "move", {"C", "A"}, true,
            "; top\n[C]\ry=2\r\n[A]\r\nk1= one \r\nK2=two\r\n\n[B] note\r\nx=1\r\n");
        row("moved down", "move", {"A", "C"}, true,
            "; top\n[B] note\r\nx=1\r\n[A]\r\nk1= one \r\nK2=two\r\n\n[C]\ry=2");
        row("moved to the end", "move", {"A", ""}, true,
            "; top\n[B] note\r\nx=1\r\n[C]\ry=2\r\n[A]\r\nk1= one \r\nK2=two\r\n\n");
        row("already in place", "move", {"A", "B"}, true, before);
        row("move before a missing section", "move", {"A", "D"}, false, before);
    }

    void removeRenameMove()
    {
        QFETCH(QString, operation);
        QFETCH(QStringList, names);
        QFETCH(bool, done);
        QFETCH(QByteArray, after);
        QTemporaryDir dir;
        const QString path = dir.filePath("settings.ini");
        QVERIFY(writeBytes(path, before));
        QString error;
        bool result = false;
        if (operation == "deleteKey")
            result = deleteProfileKey(names[0], names[1], path, &error);
        else if (operation == "deleteSection")
            result = deleteProfileSection(names[0], path, &error);
        else if (operation == "rename")
            result = renameProfileSection(names[0], names[1], path, &error);
        else
            result = moveProfileSection(names[0], names[1], path, &error);
        QCOMPARE(result, done);
        QCOMPARE(error.isEmpty(), done);
        QCOMPARE(readBytes(path), after);
    }

    void textThatWouldBreakTheFileRefused()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("settings.ini");
        const QByteArray before = "[Engines]\r\nAsk=a\r\n";
        QVERIFY(writeBytes(path, before));
        QVERIFY(!writeProfileString("Engines", "Ask", "b\r\n[Other]", path));
        QVERIFY(!writeProfileString("Engines]", "Ask", "b", path));
        QCOMPARE(readBytes(path), before);
    }
};

QTEST_GUILESS_MAIN(ProfileStringTest)
#include "tst_profilestring.moc"
