#include "base/IniDocument.h"
#include "base/IniFile.h"
#include "base/IniFileAccess.h"
#include "base/LocalFile.h"
#include "support/TestFiles.h"
#include "support/WriteProtection.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

QByteArray local8Bit(const QString& text)
{
    return LocalFile::encode(text);
}

// The file as read; one that is missing or cannot be read reads as empty.
IniDocument readDocument(const QString& path)
{
    IniDocument document;
    document.load(path);
    return document;
}

// The key's value in the file, or the default text.
QString valueIn(const QString& path, const QString& section, const QString& key, const QString& defaultText)
{
    return readDocument(path).value(section, key).value_or(defaultText);
}

// The key set in the file as read and the file saved whole.
bool setValueIn(const QString& path, const QString& section, const QString& key, const QString& value,
                QString* error = nullptr)
{
    IniDocument document = readDocument(path);
    return document.setValue(section, key, value) && document.save(path, error);
}

bool clearSectionIn(const QString& path, const QString& section, QString* error = nullptr)
{
    IniDocument document = readDocument(path);
    document.clearSection(section);
    return document.save(path, error);
}

const QByteArray threeSections = "[A]\r\na=1\r\nb=2\r\n[B]\r\nc=3\r\n[Empty]\r\n[C]\r\nd=4\r\ne=5\r\n";

#ifdef Q_OS_UNIX
// Makes every file write of this process fail beyond a few bytes, as a full
// disk would; the limit holds for root too.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_previous);
        rlimit limited = m_previous;
        limited.rlim_cur = bytes;
        m_active = setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousHandler);
    }
    bool isActive() const { return m_active; }

private:
    rlimit m_previous{};
    void (*m_previousHandler)(int) = nullptr;
    bool m_active = false;
};
#endif

} // namespace

class IniDocumentTest : public QObject
{
    Q_OBJECT

private slots:
    void readKey_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");

        QTest::newRow("value holding =, names in other case") << QByteArray("[Engines]\r\nGoogle=a=b\r\n") << "engines"
                                                              << "GOOGLE"
                                                              << "a=b";
        QTest::newRow("key of another section only") << QByteArray("[A]\r\nx=1\r\n[B]\r\ny=2\r\n") << "A"
                                                     << "y"
                                                     << "<default>";
        QTest::newRow("key of the next section is not reached") << QByteArray("[A]\r\n[B]\r\ny=2\r\n") << "a"
                                                                << "y"
                                                                << "<default>";
        QTest::newRow("space before =") << QByteArray("[Engines]\r\nGoogle = x\r\n") << "Engines"
                                        << "Google"
                                        << "<default>";
        QTest::newRow("longer key is not the key") << QByteArray("[E]\r\nGooglebot=x\r\nGoogle=y\r\n") << "E"
                                                   << "Google"
                                                   << "y";
        QTest::newRow("first of two equal keys") << QByteArray("[E]\r\nk=1\r\nK=2\r\n") << "E"
                                                 << "k"
                                                 << "1";
        QTest::newRow("header matched as a prefix") << QByteArray("[Engines] old\r\nGoogle=g\r\n") << "Engines"
                                                    << "Google"
                                                    << "g";
        QTest::newRow("longer section name is not the section") << QByteArray("[Engines2]\r\nGoogle=g\r\n") << "Engines"
                                                                << "Google"
                                                                << "<default>";
        QTest::newRow("value not trimmed") << QByteArray("[E]\r\nk=  v  \r\n") << "E"
                                           << "k"
                                           << "  v  ";
        QTest::newRow("empty value is not the default") << QByteArray("[E]\r\nk=\r\n") << "E"
                                                        << "k"
                                                        << "";
        QTest::newRow("semicolon line is a key line") << QByteArray("[E]\r\n;k=1\r\n") << "E"
                                                      << ";k"
                                                      << "1";
        QTest::newRow("hash line is a key line") << QByteArray("[E]\r\n#k=2\r\n") << "E"
                                                 << "#k"
                                                 << "2";
        QTest::newRow("lines ending at CR") << QByteArray("[E]\rx=0\rk=v\r") << "E"
                                            << "k"
                                            << "v";
        QTest::newRow("lines ending at LF") << QByteArray("[E]\nx=0\nk=v\n") << "E"
                                            << "k"
                                            << "v";
        QTest::newRow("last line without line end") << QByteArray("[E]\r\nk=v") << "E"
                                                    << "k"
                                                    << "v";
        QTest::newRow("empty lines skipped") << QByteArray("\r\n\r\n[E]\r\n\r\n\r\nk=v\r\n") << "E"
                                             << "k"
                                             << "v";
        QTest::newRow("missing section") << QByteArray("[E]\r\nk=v\r\n") << "F"
                                         << "k"
                                         << "<default>";
        QTest::newRow("key before any header") << QByteArray("k=v\r\n[E]\r\n") << "E"
                                               << "k"
                                               << "<default>";
        QTest::newRow("empty file") << QByteArray() << "E"
                                    << "k"
                                    << "<default>";
        QTest::newRow("letters beyond ASCII, other case")
            << local8Bit(QStringLiteral("[\u00dcbersicht]\r\n\u00c4pfel=3\r\n")) << QStringLiteral("\u00fcBERSICHT")
            << QStringLiteral("\u00e4PFEL") << "3";
    }

    void readKey()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        const QString path = dir.filePath("test.ini");
        QVERIFY(writeBytes(path, content));
        QCOMPARE(valueIn(path, section, key, QStringLiteral("<default>")), expected);
    }

    void missingFileReadsEmpty()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("missing.ini");
        IniDocument document;
        QCOMPARE(document.load(path), IniDocument::LoadStatus::Missing);
        QVERIFY(document.isEmpty());
        QVERIFY(!document.value("E", "k"));
        QVERIFY(!document.sectionText("E"));
        QVERIFY(document.sectionNames().isEmpty());
        QVERIFY(!QFile::exists(path));
    }

    void readSection_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("expected");

        QTest::newRow("middle section ends with CR LF") << threeSections << "A"
                                                        << "a=1\r\nb=2\r\n";
        QTest::newRow("last section has no final CR LF") << threeSections << "c"
                                                         << "d=4\r\ne=5";
        QTest::newRow("empty section") << threeSections << "Empty"
                                       << "";
        QTest::newRow("empty last section") << QByteArray("[A]\r\na=1\r\n[Z]\r\n") << "Z"
                                            << "";
        QTest::newRow("missing section") << threeSections << "D"
                                         << "<default>";
        QTest::newRow("empty lines inside dropped") << QByteArray("[A]\r\na=1\r\n\r\n\r\nb=2\r\n\r\n") << "A"
                                                    << "a=1\r\nb=2";
        QTest::newRow("comment-like lines kept") << QByteArray("[A]\r\n;x\r\n#y=1\r\n") << "A"
                                                 << ";x\r\n#y=1";
    }

    void readSection()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, section);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        const QString path = dir.filePath("test.ini");
        QVERIFY(writeBytes(path, content));
        QCOMPARE(readDocument(path).sectionText(section).value_or(QStringLiteral("<default>")), expected);
    }

    void sectionNames_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("file order") << QByteArray("[A]\r\nx=1\r\n[B]\r\n") << QStringList{"A", "B"};
        QTest::newRow("duplicates kept") << QByteArray("[B]\r\n[A]\r\n[B]\r\n") << QStringList{"B", "A", "B"};
        QTest::newRow("text after ] ignored") << QByteArray("[A] x\r\n[B]]\r\n") << QStringList{"A", "B"};
        QTest::newRow("header without ] names nothing") << QByteArray("[A\r\n[B]\r\n") << QStringList{"B"};
        QTest::newRow("empty name") << QByteArray("[]\r\n") << QStringList{""};
        QTest::newRow("no header") << QByteArray("x=1\r\n") << QStringList{};
        QTest::newRow("indented header is a key line") << QByteArray(" [A]\r\n[B]\r\n") << QStringList{"B"};
    }

    void sectionNames()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, expected);
        QTemporaryDir dir;
        const QString path = dir.filePath("test.ini");
        QVERIFY(writeBytes(path, content));
        QCOMPARE(readDocument(path).sectionNames(), expected);
    }

    void writeKey_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("after");

        QTest::newRow("new key first in its section")
            << QByteArray("[E]\r\na=1\r\n[F]\r\nx=1\r\n") << "e"
            << "b"
            << "2" << QByteArray("\r\n[E]\r\nb=2\r\na=1\r\n\r\n[F]\r\nx=1\r\n");
        QTest::newRow("existing key replaced in place") << QByteArray("[E]\r\na=1\r\nb=2\r\nc=3\r\n") << "E"
                                                        << "B"
                                                        << "9" << QByteArray("\r\n[E]\r\na=1\r\nB=9\r\nc=3\r\n");
        QTest::newRow("missing section appended after an empty line")
            << QByteArray("[E]\r\na=1\r\n") << "F"
            << "x"
            << "1" << QByteArray("\r\n[E]\r\na=1\r\n\r\n[F]\r\nx=1\r\n");
        QTest::newRow("key of another section untouched")
            << QByteArray("[A]\r\nk=1\r\n[B]\r\nx=1\r\n") << "B"
            << "k"
            << "2" << QByteArray("\r\n[A]\r\nk=1\r\n\r\n[B]\r\nk=2\r\nx=1\r\n");
        QTest::newRow("space before = is another key") << QByteArray("[E]\r\nGoogle = x\r\n") << "E"
                                                       << "Google"
                                                       << "y" << QByteArray("\r\n[E]\r\nGoogle=y\r\nGoogle = x\r\n");
        QTest::newRow("semicolon line replaced like any key") << QByteArray("[E]\r\n;c=1\r\n") << "E"
                                                              << ";c"
                                                              << "2" << QByteArray("\r\n[E]\r\n;c=2\r\n");
        QTest::newRow("empty lines dropped, one before each header, lines trimmed")
            << QByteArray("\r\n\r\n[E]   \r\na=1   \r\n\r\n\r\n[F]\r\n\r\nb=2") << "F"
            << "b"
            << "3" << QByteArray("\r\n[E]\r\na=1\r\n\r\n[F]\r\nb=3\r\n");
        QTest::newRow("key lines before the first header") << QByteArray("top=1\r\n[E]\r\na=1\r\n") << "E"
                                                           << "a"
                                                           << "2" << QByteArray("top=1\r\n\r\n[E]\r\na=2\r\n");
        QTest::newRow("lines ending at CR written with CR LF") << QByteArray("[E]\ra=1\r") << "E"
                                                               << "b"
                                                               << "2" << QByteArray("\r\n[E]\r\nb=2\r\na=1\r\n");
        QTest::newRow("value trimmed on save, = kept") << QByteArray("[E]\r\n") << "E"
                                                       << "k"
                                                       << " x=y " << QByteArray("\r\n[E]\r\nk= x=y\r\n");
        QTest::newRow("empty value") << QByteArray("[E]\r\n") << "E"
                                     << "05-01-06"
                                     << "" << QByteArray("\r\n[E]\r\n05-01-06=\r\n");
        QTest::newRow("header matched as a prefix") << QByteArray("[E] note\r\na=1\r\n") << "E"
                                                    << "b"
                                                    << "2" << QByteArray("\r\n[E] note\r\nb=2\r\na=1\r\n");
        QTest::newRow("line of spaces becomes an empty line") << QByteArray("[E]\r\n   \r\na=1\r\n") << "E"
                                                              << "a"
                                                              << "2" << QByteArray("\r\n[E]\r\n\r\na=2\r\n");
        // Bytes of the files' 8-bit encoding come back as they were.
        QTest::newRow("bytes beyond ASCII kept")
            << QByteArray("[Caf\xE9]\r\nk=\xE9t\xE9\r\n[E]\r\n") << "E"
            << "d"
            << "1" << QByteArray("\r\n[Caf\xE9]\r\nk=\xE9t\xE9\r\n\r\n[E]\r\nd=1\r\n");
    }

    void writeKey()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QByteArray, after);
        QTemporaryDir dir;
        const QString path = dir.filePath("test.ini");
        QVERIFY(writeBytes(path, before));
        const QString workingFolder = QDir::currentPath();
        QString error;
        QVERIFY2(setValueIn(path, section, key, value, &error), qPrintable(error));
        QCOMPARE(readBytes(path), after);
        QCOMPARE(QDir::currentPath(), workingFolder);
        QVERIFY(filesStartingWith(dir.path(), "test.ini.").isEmpty());
    }

    void writtenFileReadsBack()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("test.ini");
        QVERIFY(writeBytes(path, "[E]\r\nx=1\r\n"));
        QVERIFY(setValueIn(path, "E", "Google", "http://h/search?a=1&q=link:"));
        QVERIFY(setValueIn(path, "F", "k", ""));
        const IniDocument document = readDocument(path);
        QCOMPARE(document.value("e", "google"), QStringLiteral("http://h/search?a=1&q=link:"));
        QCOMPARE(document.value("E", "x"), QStringLiteral("1"));
        QCOMPARE(document.value("F", "k"), QString());
        QCOMPARE(document.sectionText("E"), QStringLiteral("Google=http://h/search?a=1&q=link:\r\nx=1\r\n"));
        QCOMPARE(document.sectionNames(), (QStringList{"E", "F"}));
    }

    // Hand-edited lines that the reader and a trimming or lenient writer
    // would see differently are kept as they stand; the key goes where the
    // reader finds it.
    void handEditedFileReadsBackWhatWasWritten_data()
    {
        QTest::addColumn<bool>("profileWrite");
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QByteArray>("after");

        QTest::newRow("indented header inside the section") << false << QByteArray("[S]\r\n [T]\r\nk=old\r\n") << "S"
                                                            << "k" << QByteArray("\r\n[S]\r\n [T]\r\nk=new\r\n");
        QTest::newRow("indented header of the section") << false << QByteArray(" [S]\r\nk=old\r\n") << "S"
                                                        << "k" << QByteArray(" [S]\r\nk=old\r\n\r\n[S]\r\nk=new\r\n");
        QTest::newRow("indented key line before the key") << false << QByteArray("[S]\r\n  k=other\r\nk=old\r\n") << "S"
                                                          << "k" << QByteArray("\r\n[S]\r\n  k=other\r\nk=new\r\n");
        QTest::newRow("indented key line without the key") << false << QByteArray("[S]\r\n  k=other\r\n") << "S"
                                                           << "k" << QByteArray("\r\n[S]\r\nk=new\r\n  k=other\r\n");
        QTest::newRow("key written with leading spaces") << false << QByteArray("[S]\r\n") << "S"
                                                         << " k" << QByteArray("\r\n[S]\r\n k=new\r\n");
        QTest::newRow("profile: spaces inside the brackets")
            << true << QByteArray("[ Engines ]\r\nGoogle=old\r\n") << "Engines"
            << "Google" << QByteArray("[ Engines ]\r\nGoogle=old\r\n[Engines]\r\nGoogle=new\r\n");
        QTest::newRow("profile: unclosed header before the section")
            << true << QByteArray("[Engines\r\nGoogle=a\r\n[Engines]\r\nGoogle=b\r\n") << "Engines"
            << "Google" << QByteArray("[Engines\r\nGoogle=a\r\n[Engines]\r\nGoogle=new\r\n");
        QTest::newRow("profile: spaces around the key")
            << true << QByteArray("[Engines]\r\n  Google = old\r\nAsk=a\r\n") << "Engines"
            << "Google" << QByteArray("[Engines]\r\n  Google = old\r\nAsk=a\r\nGoogle=new\r\n");
        QTest::newRow("profile: indented header ends no section")
            << true << QByteArray("[Engines]\r\n [T]\r\nAsk=a\r\n") << "Engines"
            << "Ask" << QByteArray("[Engines]\r\n [T]\r\nAsk=new\r\n");
    }

    void handEditedFileReadsBackWhatWasWritten()
    {
        QFETCH(bool, profileWrite);
        QFETCH(QByteArray, before);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QByteArray, after);
        QTemporaryDir dir;
        const QString path = dir.filePath("test.ini");
        QVERIFY(writeBytes(path, before));
        const QString value = QStringLiteral("new");
        QString error;
        const bool written = profileWrite ? writeProfileString(section, key, value, path, &error)
                                          : setValueIn(path, section, key, value, &error);
        QVERIFY2(written, qPrintable(error));
        QCOMPARE(valueIn(path, section, key, QStringLiteral("<default>")), value);
        QCOMPARE(readBytes(path), after);
    }

    // A document without lines takes no key: saves of counts go only into
    // files that hold something.
    void emptyDocumentTakesNoKey_data()
    {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("missing") << false << QByteArray();
        QTest::newRow("empty") << true << QByteArray();
        QTest::newRow("only empty lines") << true << QByteArray("\r\n\r\n\n\r");
    }

    void emptyDocumentTakesNoKey()
    {
        QFETCH(bool, exists);
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString path = dir.filePath("test.ini");
        if (exists)
            QVERIFY(writeBytes(path, content));
        IniDocument document;
        QCOMPARE(document.load(path), exists ? IniDocument::LoadStatus::Loaded : IniDocument::LoadStatus::Missing);
        QVERIFY(document.isEmpty());
        QVERIFY(!document.setValue("E", "k", "v"));
        QCOMPARE(QFile::exists(path), exists);
        if (exists)
            QCOMPARE(readBytes(path), content);
    }

    void clearSection_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QByteArray>("after");

        QTest::newRow("keys of a middle section deleted")
            << threeSections << "a"
            << QByteArray("\r\n[A]\r\n\r\n[B]\r\nc=3\r\n\r\n[Empty]\r\n\r\n[C]\r\nd=4\r\ne=5\r\n");
        QTest::newRow("keys of the last section deleted")
            << threeSections << "C"
            << QByteArray("\r\n[A]\r\na=1\r\nb=2\r\n\r\n[B]\r\nc=3\r\n\r\n[Empty]\r\n\r\n[C]\r\n");
        QTest::newRow("missing section appended")
            << QByteArray("[A]\r\na=1\r\n") << "Z" << QByteArray("\r\n[A]\r\na=1\r\n\r\n[Z]\r\n");
        QTest::newRow("empty file") << QByteArray() << "Z" << QByteArray("\r\n[Z]\r\n");
        QTest::newRow("comment-like lines are key lines")
            << QByteArray("[A]\r\n;note\r\n#x=1\r\n[B]\r\n") << "A" << QByteArray("\r\n[A]\r\n\r\n[B]\r\n");
    }

    void clearSection()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, section);
        QFETCH(QByteArray, after);
        QTemporaryDir dir;
        const QString path = dir.filePath("test.ini");
        QVERIFY(writeBytes(path, before));
        QString error;
        QVERIFY2(clearSectionIn(path, section, &error), qPrintable(error));
        QCOMPARE(readBytes(path), after);
    }

    void clearSectionCreatesMissingFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("new.qvh");
        QVERIFY(clearSectionIn(path, "Google"));
        QCOMPARE(readBytes(path), QByteArray("\r\n[Google]\r\n"));
        QVERIFY(setValueIn(path, "Google", "05-02-06", "120"));
        QCOMPARE(readBytes(path), QByteArray("\r\n[Google]\r\n05-02-06=120\r\n"));
    }

    void clearSectionNeedsItsFolder()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("absent/new.qvh");
        QString error;
        QVERIFY(!clearSectionIn(path, "Google", &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!QFileInfo::exists(dir.filePath("absent")));
    }

    void namesThatCannotBeWrittenAreRefused_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("section with ]") << "E]"
                                        << "k"
                                        << "v";
        QTest::newRow("section with [") << "[E"
                                        << "k"
                                        << "v";
        QTest::newRow("key with =") << "E"
                                    << "k=1"
                                    << "v";
        QTest::newRow("key with line break") << "E"
                                             << "k\r\n[X]"
                                             << "v";
        QTest::newRow("value with line break") << "E"
                                               << "k"
                                               << "v\r\n[X]";
        QTest::newRow("value with LF") << "E"
                                       << "k"
                                       << "v\nw";
        QTest::newRow("value the files' encoding cannot hold") << "E"
                                                               << "k" << QStringLiteral("\U0001F600");
    }

    void namesThatCannotBeWrittenAreRefused()
    {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QString error;
        QVERIFY(!IniFileAccess::checkWriteArguments(section, key, value, &error));
        QVERIFY(!error.isEmpty());
    }

    void writeIntoReadOnlyFolderKeepsOldFile()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath("Saved");
        QVERIFY(QDir().mkpath(folder));
        const QString path = folder + "/site.qvh";
        const QByteArray before = "\r\n[Google]\r\n05-01-06=1\r\n";
        QVERIFY(writeBytes(path, before));
        WriteProtection protection(folder);
        if (!protection.isEffective())
            QSKIP("This process can write into a write-protected folder");
        QString error;
        QVERIFY(!setValueIn(path, "Google", "05-02-06", "2", &error));
        QVERIFY(!error.isEmpty());
        error.clear();
        QVERIFY(!clearSectionIn(path, "Google", &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(readBytes(path), before);
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"site.qvh"});
    }

    void writeToReadOnlyFileKeepsIt()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("site.qvh");
        const QByteArray before = "\r\n[Google]\r\n05-01-06=1\r\n";
        QVERIFY(writeBytes(path, before));
        WriteProtection protection(path);
        if (!protection.isEffective())
            QSKIP("This process can write a write-protected file");
        QString error;
        QVERIFY(!setValueIn(path, "Google", "05-02-06", "2", &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!clearSectionIn(path, "Google"));
        QCOMPARE(readBytes(path), before);
    }

    void writeThatRunsOutOfSpaceKeepsOldFile()
    {
#ifdef Q_OS_UNIX
        QTemporaryDir dir;
        const QString path = dir.filePath("site.qvh");
        const QByteArray before = "\r\n[Google]\r\n05-01-06=1\r\n";
        QVERIFY(writeBytes(path, before));
        const QString longValue(200, u'9');
        bool written = true;
        QString error;
        {
            FileSizeLimit limit(static_cast<rlim_t>(before.size()));
            if (!limit.isActive())
                QSKIP("The file size limit cannot be set");
            written = setValueIn(path, "Google", "05-02-06", longValue, &error);
        }
        QVERIFY(!written);
        QVERIFY(!error.isEmpty());
        QCOMPARE(readBytes(path), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"site.qvh"});
#else
        QSKIP("Needs a file size limit");
#endif
    }

    void validNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("valid");
        QTest::newRow("plain") << "Engines" << true;
        QTest::newRow("empty") << "" << true;
        QTest::newRow("spaces and !") << "All The Web!" << true;
        QTest::newRow("[") << "a[" << false;
        QTest::newRow("]") << "]" << false;
        QTest::newRow("=") << "a=b" << false;
    }

    void validNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, valid);
        QCOMPARE(isValidIniName(name), valid);
    }
};

QTEST_GUILESS_MAIN(IniDocumentTest)
#include "tst_inidocument.moc"
