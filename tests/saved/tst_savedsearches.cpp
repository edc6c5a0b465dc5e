#include "base/IniDocument.h"
#include "saved/SaveData.h"
#include "saved/SavedDateKey.h"
#include "saved/SavedSearches.h"
#include "support/TestFiles.h"
#include "support/WriteProtection.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QStringList captions = {"Google", "Altavista", "Yahoo!", "Ask", "MSN", "All The Web"};

QList<SavedCount> saveData(const QStringList& cells)
{
    QList<SavedCount> counts;
    for (int i = 0; i < captions.size(); ++i)
        counts.append({captions[i], cells.value(i)});
    return counts;
}

const QDate may1(2006, 5, 1);
const QDate may2(2006, 5, 2);

} // namespace

class SavedSearchesTest : public QObject
{
    Q_OBJECT

private slots:
    void dateKey_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("key");
        QTest::newRow("two digits each") << QDate(2006, 5, 2) << "05-02-06";
        QTest::newRow("end of year") << QDate(1999, 12, 31) << "12-31-99";
        QTest::newRow("year 2000") << QDate(2000, 1, 9) << "01-09-00";
        QTest::newRow("earlier century, same key") << QDate(1906, 5, 2) << "05-02-06";
        QTest::newRow("later century, same key") << QDate(2106, 5, 2) << "05-02-06";
    }

    void dateKey()
    {
        QFETCH(QDate, date);
        QFETCH(QString, key);
        QCOMPARE(SavedDateKey::fromDate(date), key);
    }

    void nameForSite_data()
    {
        QTest::addColumn<QString>("site");
        QTest::addColumn<QString>("name");
        QTest::newRow("scheme, www. and the last slash go") << "http://www.example.com/"
                                                            << "example.com";
        QTest::newRow("bare site") << "example.com"
                                   << "example.com";
        QTest::newRow("other scheme, upper-case WWW") << "HTTPS://WWW.Example.com"
                                                      << "Example.com";
        QTest::newRow("path and query") << "http://a.org/x/y?q=1*2"
                                        << "a.org_x_y_q=1_2";
        QTest::newRow("port") << "http://a.org:8080"
                              << "a.org_8080";
        QTest::newRow("leading dot") << ".hidden.example"
                                     << "_.hidden.example";
        QTest::newRow("nothing left") << "http://www./"
                                      << "_";
    }

    void nameForSite()
    {
        QFETCH(QString, site);
        QFETCH(QString, name);
        QCOMPARE(SavedSearches::nameForSite(site), name);
        QVERIFY(SavedSearches::isValidName(SavedSearches::nameForSite(site)));
    }

    void names_data()
    {
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << true << "example.com";
        QTest::newRow("spaces inside") << true << "my site 2";
        QTest::newRow("dots inside") << true << "a.b";
        QTest::newRow("letters beyond ASCII") << true << QStringLiteral("caf\u00e9");
        QTest::newRow("empty") << false << "";
        QTest::newRow("leading dot") << false << ".hidden";
        QTest::newRow("only a dot") << false << ".";
        QTest::newRow("slash") << false << "a/b";
        QTest::newRow("backslash") << false << "a\\b";
        QTest::newRow("colon") << false << "c:x";
        QTest::newRow("star") << false << "a*";
        QTest::newRow("question mark") << false << "a?";
        QTest::newRow("double quote") << false << "a\"b";
        QTest::newRow("less than") << false << "<a";
        QTest::newRow("greater than") << false << "a>";
        QTest::newRow("bar") << false << "a|b";
        QTest::newRow("parent folder") << false << "../x";
    }

    void names()
    {
        QFETCH(bool, valid);
        QFETCH(QString, name);
        QCOMPARE(SavedSearches::isValidName(name), valid);
        QTemporaryDir dir;
        const SavedSearches searches(dir.path());
        QString error;
        QCOMPARE(searches.startSearch(name, saveData({"1", "2", "3", "4", "5", "6"}), may1, &error), valid);
        QCOMPARE(error.isEmpty(), valid);
        QCOMPARE(searches.names(), valid ? QStringList{name} : QStringList{});
    }

    void listing()
    {
        QTemporaryDir dir;
        for (const char* name : {"b.qvh", "A.QVH", "a.b.qvh", "notes.txt", "Zed.Qvh", "qvh"})
            QVERIFY(writeBytes(dir.filePath(name), "\r\n[Google]\r\n"));
        QVERIFY(QDir(dir.path()).mkdir("folder.qvh"));
        QCOMPARE(SavedSearches(dir.path()).names(), (QStringList{"A", "a.b", "b", "Zed"}));
        QVERIFY(SavedSearches(dir.filePath("absent")).names().isEmpty());
        QCOMPARE(SavedSearches(dir.path()).filePath("a.b"), dir.filePath("a.b.qvh"));
    }

    void listedNamesLeadBackToTheirFiles()
    {
        // The extension's letter case is the file's own; the name part must match exactly.
        QTemporaryDir dir;
        for (const char* name : {"A.QVH", "Zed.Qvh"})
            QVERIFY(writeBytes(dir.filePath(name), "\r\n[Google]\r\n05-01-06=1\r\n"));
        const SavedSearches searches(dir.path());
        QCOMPARE(searches.fileName("A"), QStringLiteral("A.QVH"));
        QCOMPARE(searches.filePath("Zed"), dir.filePath("Zed.Qvh"));
        QCOMPARE(searches.fileName("zed"), QStringLiteral("zed.qvh"));
        QCOMPARE(searches.fileName("new"), QStringLiteral("new.qvh"));

        QString error;
        QVERIFY2(searches.appendCounts("Zed", saveData({"2", "-", "-", "-", "-", "-"}), may2, &error),
                 qPrintable(error));
        QCOMPARE(readBytes(dir.filePath("Zed.Qvh")), QByteArray("\r\n[Google]\r\n05-02-06=2\r\n05-01-06=1\r\n"));
        QCOMPARE(searches.names(), (QStringList{"A", "Zed"}));
    }

    void newSearchHoldsSixSectionsInColumnOrder()
    {
        QTemporaryDir dir;
        const SavedSearches searches(dir.path());
        QString error;
        QVERIFY2(searches.startSearch("site", saveData({"120", "0", "45", "", "", ""}), may2, &error),
                 qPrintable(error));
        QCOMPARE(readBytes(dir.filePath("site.qvh")), QByteArray("\r\n[Google]\r\n05-02-06=120\r\n"
                                                                 "\r\n[Altavista]\r\n05-02-06=0\r\n"
                                                                 "\r\n[Yahoo!]\r\n05-02-06=45\r\n"
                                                                 "\r\n[Ask]\r\n05-02-06=\r\n"
                                                                 "\r\n[MSN]\r\n05-02-06=\r\n"
                                                                 "\r\n[All The Web]\r\n05-02-06=\r\n"));
        IniDocument saved;
        saved.load(dir.filePath("site.qvh"));
        QCOMPARE(saved.sectionNames(), captions);
        QCOMPARE(saved.value("Ask", "05-02-06"), QString());
    }

    void dashCellsAreNotSaved()
    {
        QTemporaryDir dir;
        const SavedSearches searches(dir.path());
        QVERIFY(searches.startSearch("site", saveData({"-", "7", "-", "-", "-", "8"}), may1));
        QCOMPARE(readBytes(dir.filePath("site.qvh")),
                 QByteArray("\r\n[Altavista]\r\n05-01-06=7\r\n\r\n[All The Web]\r\n05-01-06=8\r\n"));

        // Appending later leaves the skipped engines without a line.
        QVERIFY(searches.appendCounts("site", saveData({"-", "9", "-", "-", "-", "-"}), may2));
        QCOMPARE(readBytes(dir.filePath("site.qvh")),
                 QByteArray("\r\n[Altavista]\r\n05-02-06=9\r\n05-01-06=7\r\n\r\n[All The Web]\r\n05-01-06=8\r\n"));
    }

    void onlyDashesWritesNoFile()
    {
        QTemporaryDir dir;
        const SavedSearches searches(dir.path());
        QVERIFY(searches.startSearch("site", saveData({"-", "-", "-", "-", "-", "-"}), may1));
        QVERIFY(!QFile::exists(dir.filePath("site.qvh")));
    }

    void twoSavesOnOneDayKeepTheSecond()
    {
        QTemporaryDir dir;
        const SavedSearches searches(dir.path());
        QVERIFY(searches.startSearch("site", saveData({"1", "2", "3", "4", "5", "6"}), may1));
        QVERIFY(searches.appendCounts("site", saveData({"10", "20", "30", "40", "50", "60"}), may1));
        QCOMPARE(readBytes(dir.filePath("site.qvh")), QByteArray("\r\n[Google]\r\n05-01-06=10\r\n"
                                                                 "\r\n[Altavista]\r\n05-01-06=20\r\n"
                                                                 "\r\n[Yahoo!]\r\n05-01-06=30\r\n"
                                                                 "\r\n[Ask]\r\n05-01-06=40\r\n"
                                                                 "\r\n[MSN]\r\n05-01-06=50\r\n"
                                                                 "\r\n[All The Web]\r\n05-01-06=60\r\n"));
    }

    void laterDayGoesFirstAndNewEngineAtTheEnd()
    {
        QTemporaryDir dir;
        const SavedSearches searches(dir.path());
        QVERIFY(searches.startSearch("site", saveData({"1490", "-", "3", "-", "-", "-"}), may1));
        QVERIFY(searches.appendCounts("site", saveData({"1520", "8", "4", "-", "-", "-"}), may2));
        QCOMPARE(readBytes(dir.filePath("site.qvh")), QByteArray("\r\n[Google]\r\n05-02-06=1520\r\n05-01-06=1490\r\n"
                                                                 "\r\n[Yahoo!]\r\n05-02-06=4\r\n05-01-06=3\r\n"
                                                                 "\r\n[Altavista]\r\n05-02-06=8\r\n"));
    }

    void savesInDifferentCenturiesShareTheKey()
    {
        QTemporaryDir dir;
        const SavedSearches searches(dir.path());
        QVERIFY(searches.startSearch("site", saveData({"1", "-", "-", "-", "-", "-"}), QDate(1906, 5, 2)));
        QVERIFY(searches.appendCounts("site", saveData({"2", "-", "-", "-", "-", "-"}), QDate(2006, 5, 2)));
        QCOMPARE(readBytes(dir.filePath("site.qvh")), QByteArray("\r\n[Google]\r\n05-02-06=2\r\n"));
    }

    void saveOverAnExistingNameRestartsItsSections()
    {
        QTemporaryDir dir;
        const SavedSearches searches(dir.path());
        QVERIFY(searches.startSearch("site", saveData({"1", "2", "3", "-", "-", "-"}), may1));
        QVERIFY(searches.appendCounts("site", saveData({"4", "5", "6", "-", "-", "-"}), may2));
        QVERIFY(searches.startSearch("site", saveData({"7", "-", "9", "-", "-", "10"}), QDate(2006, 5, 3)));
        QCOMPARE(readBytes(dir.filePath("site.qvh")), QByteArray("\r\n[Google]\r\n05-03-06=7\r\n"
                                                                 "\r\n[Altavista]\r\n05-02-06=5\r\n05-01-06=2\r\n"
                                                                 "\r\n[Yahoo!]\r\n05-03-06=9\r\n"
                                                                 "\r\n[All The Web]\r\n05-03-06=10\r\n"));
    }

    // A save writes once; the result must equal the key writes and section
    // clearings made one by one, even on a file that is not in normal form.
    void oneWriteEqualsWritesOneByOne_data()
    {
        QTest::addColumn<bool>("startAnew");
        QTest::newRow("append") << false;
        QTest::newRow("start anew") << true;
    }

    void oneWriteEqualsWritesOneByOne()
    {
        QFETCH(bool, startAnew);
        const QByteArray awkward = "x=1\r\n  [Altavista]\r\n05-01-06=1\r\n   \r\n[Google]  \r\n  05-01-06=2 \r\n"
                                   "\r\n\r\n [Yahoo!]\r\n[MSN]\r\n05-01-06=3";
        const QStringList cells = {"10", "20", "-", "40", "50", ""};
        QTemporaryDir dir;
        QVERIFY(writeBytes(dir.filePath("site.qvh"), awkward));
        QVERIFY(writeBytes(dir.filePath("expected.qvh"), awkward));

        const SavedSearches searches(dir.path());
        QString error;
        const bool saved = startAnew ? searches.startSearch("site", saveData(cells), may2, &error)
                                     : searches.appendCounts("site", saveData(cells), may2, &error);
        QVERIFY2(saved, qPrintable(error));

        // The counts written one at a time, each save read afresh.
        const QString expected = dir.filePath("expected.qvh");
        for (int i = 0; i < captions.size(); ++i) {
            if (cells.at(i) == "-")
                continue;
            IniDocument document;
            document.load(expected);
            if (startAnew) {
                document.clearSection(captions.at(i));
                QVERIFY(document.save(expected));
                document.load(expected);
            }
            QVERIFY(document.setValue(captions.at(i), "05-02-06", cells.at(i)));
            QVERIFY(document.save(expected));
        }
        QCOMPARE(readBytes(dir.filePath("site.qvh")), readBytes(expected));
    }

    void appendNeedsAnExistingSearch_data()
    {
        QTest::addColumn<bool>("exists");
        QTest::newRow("missing") << false;
        QTest::newRow("empty") << true;
    }

    void appendNeedsAnExistingSearch()
    {
        QFETCH(bool, exists);
        QTemporaryDir dir;
        if (exists)
            QVERIFY(writeBytes(dir.filePath("site.qvh"), "\r\n\r\n"));
        QString error;
        QVERIFY(
            !SavedSearches(dir.path()).appendCounts("site", saveData({"1", "2", "3", "4", "5", "6"}), may1, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(QFile::exists(dir.filePath("site.qvh")), exists);
        if (exists)
            QCOMPARE(readBytes(dir.filePath("site.qvh")), QByteArray("\r\n\r\n"));
    }

    void missingFolderIsReported()
    {
        QTemporaryDir dir;
        const SavedSearches searches(dir.filePath("Saved"));
        QString error;
        QVERIFY(!searches.startSearch("site", saveData({"1", "2", "3", "4", "5", "6"}), may1, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!QFileInfo::exists(dir.filePath("Saved")));
    }

    void readOnlyFolderKeepsTheOldFile_data()
    {
        QTest::addColumn<bool>("startAnew");
        QTest::newRow("append") << false;
        QTest::newRow("start anew") << true;
    }

    void readOnlyFolderKeepsTheOldFile()
    {
        QFETCH(bool, startAnew);
        QTemporaryDir dir;
        const QString folder = dir.filePath("Saved");
        QVERIFY(QDir().mkpath(folder));
        const QByteArray before = "\r\n[Google]\r\n05-01-06=1\r\n";
        QVERIFY(writeBytes(folder + "/site.qvh", before));
        WriteProtection protection(folder);
        if (!protection.isEffective())
            QSKIP("This process can write into a write-protected folder");
        const SavedSearches searches(folder);
        QString error;
        const QList<SavedCount> data = saveData({"2", "3", "4", "5", "6", "7"});
        QVERIFY(!(startAnew ? searches.startSearch("site", data, may2, &error)
                            : searches.appendCounts("site", data, may2, &error)));
        QVERIFY(!error.isEmpty());
        QCOMPARE(readBytes(folder + "/site.qvh"), before);
    }
};

QTEST_GUILESS_MAIN(SavedSearchesTest)
#include "tst_savedsearches.moc"
