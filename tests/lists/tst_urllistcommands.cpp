#include "app/MainMenus.h"
#include "app/MainWindow.h"
#include "lists/UrlListCommands.h"
#include "support/TestContext.h"
#include "support/WriteProtection.h"

#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTest>

#include <optional>

using Kind = ScriptedPrompts::Kind;

namespace {

QStringList items(const QListWidget* list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}

// Starts a command the way the user does: a menu item or a button.
void start(MainWindow& window, const QString& name)
{
    if (auto* action = window.findChild<QAction*>(name)) {
        action->trigger();
        return;
    }
    auto* button = window.findChild<QAbstractButton*>(name);
    QVERIFY2(button, qPrintable(name));
    button->click();
}

QByteArray linesOf(int count)
{
    QByteArray bytes;
    for (int line = 0; line < count; ++line)
        bytes += "http://www.site" + QByteArray::number(line) + ".com\r\n";
    return bytes;
}

} // namespace

class UrlListCommandsTest : public QObject
{
    Q_OBJECT

    struct Fixture
    {
        TestContext test;
        MainWindow window{test.context, test.makeBrowser};
        QListWidget* list = window.findChild<QListWidget*>("List1");
        UrlListCommands& commands = *window.urlListCommands();
    };

private slots:
    void addUrl_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<QStringList>("expected");
        for (const char* source : {"mnuNewURL", "mnuURLNewURL", "cmdAdd"}) {
            const QString from = QString::fromLatin1(source);
            QTest::addRow("%s: full URL", source)
                << from << "http://www.a.com" << false << QStringList{"http://www.a.com"};
            QTest::addRow("%s: cancel", source) << from << "" << true << QStringList{};
        }
        QTest::newRow("bare default") << "mnuNewURL"
                                      << "http://" << false << QStringList{};
        QTest::newRow("empty") << "mnuNewURL"
                               << "" << false << QStringList{};
        QTest::newRow("seven characters") << "mnuNewURL"
                                          << "abc.com" << false << QStringList{};
        QTest::newRow("eight characters") << "mnuNewURL"
                                          << "http://a" << false << QStringList{"http://a"};
        QTest::newRow("no scheme, taken as typed") << "mnuNewURL"
                                                   << " www.b.com " << false << QStringList{" www.b.com "};
    }

    void addUrl()
    {
        QFETCH(QString, source);
        QFETCH(QString, answer);
        QFETCH(bool, cancel);
        QFETCH(QStringList, expected);
        Fixture f;
        if (cancel)
            f.test.prompts.queueCancel();
        else
            f.test.prompts.queueText(answer);
        start(f.window, source);
        QCOMPARE(items(f.list), expected);
        QCOMPARE(f.test.prompts.shown().size(), 1);
        const ScriptedPrompts::Shown& shown = f.test.prompts.shown().first();
        QCOMPARE(shown.kind, Kind::Input);
        QCOMPARE(shown.text, QStringLiteral("Please enter a URL"));
        QCOMPARE(shown.caption, QStringLiteral("New URL"));
        QCOMPARE(shown.extra, QStringLiteral("http://"));
    }

    void addingTwiceAppendsTwice()
    {
        Fixture f;
        f.list->addItems({"http://first.com"});
        f.test.prompts.queueText("http://same.com");
        f.test.prompts.queueText("http://same.com");
        start(f.window, "cmdAdd");
        start(f.window, "mnuNewURL");
        QCOMPARE(items(f.list), QStringList({"http://first.com", "http://same.com", "http://same.com"}));
    }

    void deleteSelected_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QStringList>("remaining");
        QTest::addColumn<int>("selectedAfter");
        for (const char* source : {"mnuDeleteSelect", "cmdDel"}) {
            const QString from = QString::fromLatin1(source);
            QTest::addRow("%s: first", source) << from << 0 << QStringList{"b", "c"} << 0;
            QTest::addRow("%s: middle", source) << from << 1 << QStringList{"a", "c"} << 1;
            QTest::addRow("%s: last", source) << from << 2 << QStringList{"a", "b"} << -1;
            QTest::addRow("%s: none", source) << from << -1 << QStringList{"a", "b", "c"} << -1;
        }
    }

    void deleteSelected()
    {
        QFETCH(QString, source);
        QFETCH(int, selected);
        QFETCH(QStringList, remaining);
        QFETCH(int, selectedAfter);
        Fixture f;
        f.list->addItems({"a", "b", "c"});
        if (selected >= 0)
            f.list->setCurrentRow(selected);
        start(f.window, source);
        QCOMPARE(items(f.list), remaining);
        const QList<QListWidgetItem*> now = f.list->selectedItems();
        QCOMPARE(now.isEmpty() ? -1 : f.list->row(now.first()), selectedAfter);
        QVERIFY(f.test.prompts.shown().isEmpty());
    }

    void deletingTheOnlyItem()
    {
        Fixture f;
        f.list->addItems({"only"});
        f.list->setCurrentRow(0);
        start(f.window, "cmdDel");
        QCOMPARE(f.list->count(), 0);
        QVERIFY(f.list->selectedItems().isEmpty());
        start(f.window, "cmdDel");
        QCOMPARE(f.list->count(), 0);
    }

    void clearList_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QStringList>("remaining");
        QTest::newRow("yes") << true << QStringList{};
        QTest::newRow("no") << false << QStringList{"a", "b"};
    }

    void clearList()
    {
        QFETCH(bool, yes);
        QFETCH(QStringList, remaining);
        Fixture f;
        f.list->addItems({"a", "b"});
        if (yes)
            f.test.prompts.queueYes();
        else
            f.test.prompts.queueNo();
        start(f.window, "mnuClearList");
        QCOMPARE(items(f.list), remaining);
        QCOMPARE(f.test.prompts.shown().size(), 1);
        QCOMPARE(f.test.prompts.shown().first().kind, Kind::Question);
        QCOMPARE(f.test.prompts.shown().first().text, QStringLiteral("This will delete all the URLs, Continue?"));
        QCOMPARE(f.test.prompts.shown().first().caption, QStringLiteral("Warning"));
    }

    void saveWritesCrLfLines_data()
    {
        QTest::addColumn<QString>("source");
        QTest::newRow("File menu") << "mnuSaveUrlList";
        QTest::newRow("pop-up") << "mnuURLSaveUrlList";
        QTest::newRow("button") << "cmdSave";
    }

    void saveWritesCrLfLines()
    {
        QFETCH(QString, source);
        Fixture f;
        f.list->addItems({"http://www.a.com", "  ", QString::fromUtf8("http://bücher.de")});
        f.test.prompts.queueText(f.test.folder.filePath("Lists/sites.txt"));
        start(f.window, source);
        QCOMPARE(f.test.folder.readFile("Lists/sites.txt"), QByteArray("http://www.a.com\r\n  \r\nhttp://b\xfc"
                                                                       "cher.de\r\n"));
        const ScriptedPrompts::Shown& shown = f.test.prompts.shown().first();
        QCOMPARE(shown.kind, Kind::SaveFile);
        QCOMPARE(shown.caption, QStringLiteral("Text Files (*.txt);;All Files (*)"));
        QCOMPARE(shown.extra, f.test.context.folder.listsFolder());
        QCOMPARE(f.test.prompts.messages(), QStringList{});
    }

    void saveAddsTextExtension_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::newRow("no extension") << "sites"
                                      << "sites.txt";
        QTest::newRow(".txt") << "sites.txt"
                              << "sites.txt";
        QTest::newRow(".TXT") << "SITES.TXT"
                              << "SITES.TXT";
        QTest::newRow("other extension") << "sites.lst"
                                         << "sites.lst.txt";
    }

    void saveAddsTextExtension()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        Fixture f;
        f.list->addItems({"a.com"});
        f.test.prompts.queueText(f.test.folder.filePath("Lists/" + chosen));
        start(f.window, "cmdSave");
        QCOMPARE(QDir(f.test.folder.filePath("Lists")).entryList(QDir::Files), QStringList{written});
        QCOMPARE(f.test.folder.readFile("Lists/" + written), QByteArray("a.com\r\n"));
    }

    void saveAsksBeforeReplacingTheFileTheExtensionLeadsTo_data()
    {
        QTest::addColumn<bool>("replace");
        QTest::newRow("Yes replaces") << true;
        QTest::newRow("No keeps the file") << false;
    }

    void saveAsksBeforeReplacingTheFileTheExtensionLeadsTo()
    {
        QFETCH(bool, replace);
        Fixture f;
        f.list->addItems({"new.com"});
        QVERIFY(f.test.folder.writeFile("Lists/sites.txt", "old.com\r\n"));
        f.test.prompts.queueText(f.test.folder.filePath("Lists/sites"));
        replace ? f.test.prompts.queueYes() : f.test.prompts.queueNo();
        start(f.window, "cmdSave");
        QCOMPARE(f.test.prompts.messages(),
                 QStringList{QStringLiteral("\"%1\" already exists. Do you want to replace it?")
                                 .arg(QDir::toNativeSeparators(f.test.folder.filePath("Lists/sites.txt")))});
        QCOMPARE(f.test.folder.readFile("Lists/sites.txt"), QByteArray(replace ? "new.com\r\n" : "old.com\r\n"));
    }

    void saveOverTheChosenTxtFileAsksNothingMore()
    {
        // The dialog itself has asked about a name that already ends in .txt.
        Fixture f;
        f.list->addItems({"new.com"});
        QVERIFY(f.test.folder.writeFile("Lists/sites.txt", "old.com\r\n"));
        f.test.prompts.queueText(f.test.folder.filePath("Lists/sites.txt"));
        start(f.window, "cmdSave");
        QCOMPARE(f.test.prompts.messages(), QStringList{});
        QCOMPARE(f.test.folder.readFile("Lists/sites.txt"), QByteArray("new.com\r\n"));
    }

    void savingAnEmptyListCreatesAnEmptyFile()
    {
        Fixture f;
        f.test.prompts.queueText(f.test.folder.filePath("Lists/empty.txt"));
        start(f.window, "mnuSaveUrlList");
        QVERIFY(QFileInfo::exists(f.test.folder.filePath("Lists/empty.txt")));
        QCOMPARE(QFileInfo(f.test.folder.filePath("Lists/empty.txt")).size(), 0);
    }

    void cancellingSaveWritesNothing()
    {
        Fixture f;
        f.list->addItems({"a.com"});
        f.test.prompts.queueCancel();
        start(f.window, "cmdSave");
        QCOMPARE(QDir(f.test.folder.filePath("Lists")).entryList(QDir::Files), QStringList{});
        QCOMPARE(f.test.prompts.messages(), QStringList{});
    }

    void failedSaveSaysWhichFile_data()
    {
        QTest::addColumn<QString>("cause");
        QTest::newRow("read-only folder") << "read-only folder";
        QTest::newRow("folder that is a file") << "file as folder";
        QTest::newRow("text the encoding cannot hold") << "encoding";
    }

    void failedSaveSaysWhichFile()
    {
        QFETCH(QString, cause);
        Fixture f;
        const QStringList urls = {"a.com", cause == "encoding" ? QStringLiteral("http://\U0001F600.example") : "b.com"};
        f.list->addItems(urls);
        QString path = f.test.folder.filePath("Lists/sites.txt");
        std::optional<WriteProtection> protection;
        if (cause == "read-only folder") {
            protection.emplace(f.test.folder.filePath("Lists"));
            if (!protection->isEffective())
                QSKIP("this user writes into write-protected folders");
        } else if (cause == "file as folder") {
            QVERIFY(f.test.folder.writeFile("Lists/plain", "x"));
            path = f.test.folder.filePath("Lists/plain/sites.txt");
        }
        f.test.prompts.queueText(path);
        start(f.window, "cmdSave");
        protection.reset();
        QVERIFY(!QFileInfo::exists(path));
        QCOMPARE(f.test.prompts.shown().size(), 2);
        const ScriptedPrompts::Shown& shown = f.test.prompts.shown().last();
        QCOMPARE(shown.kind, Kind::Error);
        QCOMPARE(shown.caption, QStringLiteral("Error"));
        QVERIFY2(
            shown.text.startsWith("The URL list could not be saved to \"" + QDir::toNativeSeparators(path) + "\": "),
            qPrintable(shown.text));
        QVERIFY(shown.text.size() > QDir::toNativeSeparators(path).size() + 40);
        QCOMPARE(items(f.list), urls);
    }

    void loadAppends_data()
    {
        QTest::addColumn<QString>("source");
        QTest::newRow("File menu") << "mnuOpenURLList";
        QTest::newRow("pop-up") << "mnuURLLoadUrlList";
        QTest::newRow("button") << "cmdOpen";
    }

    void loadAppends()
    {
        QFETCH(QString, source);
        Fixture f;
        f.list->addItems({"already"});
        QVERIFY(f.test.folder.writeFile("Lists/three.txt", "a.com\r\n\r\nb.com\r\n"));
        const QString path = f.test.folder.filePath("Lists/three.txt");
        f.test.prompts.queueText(path);
        f.test.prompts.queueText(path);
        start(f.window, source);
        start(f.window, source);
        QCOMPARE(items(f.list), QStringList({"already", "a.com", "b.com", "a.com", "b.com"}));
        const ScriptedPrompts::Shown& shown = f.test.prompts.shown().first();
        QCOMPARE(shown.kind, Kind::OpenFile);
        QCOMPARE(shown.text, QStringLiteral("Select a file"));
        QCOMPARE(shown.caption, QStringLiteral("Text Files (*.txt)"));
        QCOMPARE(shown.extra, f.test.context.folder.listsFolder());
        QCOMPARE(f.test.prompts.messages(), QStringList{});
    }

    void loadReadsLineEndsAndText_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("LF line ends") << QByteArray("a.com\nb.com\n") << QStringList{"a.com", "b.com"};
        QTest::newRow("spaces-only line kept")
            << QByteArray("a.com\r\n   \r\nb.com") << QStringList{"a.com", "   ", "b.com"};
        QTest::newRow("non-ASCII") << QByteArray("http://stra\xdf"
                                                 "e.de\r\n")
                                   << QStringList{QString::fromUtf8("http://straße.de")};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
    }

    void loadReadsLineEndsAndText()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, expected);
        Fixture f;
        QVERIFY(f.test.folder.writeFile("Lists/list.txt", bytes));
        f.test.prompts.queueText(f.test.folder.filePath("Lists/list.txt"));
        start(f.window, "cmdOpen");
        QCOMPARE(items(f.list), expected);
    }

    // Lists written by other programs in the files' 8-bit encoding, or in
    // another one, come back byte for byte.
    void loadThenSaveKeepsTheBytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QByteArray everyHighByte;
        for (int byte = 0x80; byte <= 0xFF; ++byte)
            everyHighByte.append(static_cast<char>(byte));
        QTest::newRow("Latin-1 letters") << QByteArray("http://caf\xE9.example\r\n b \r\nhttp://www.a.com\r\n");
        QTest::newRow("UTF-8") << QByteArray("http://b\xC3\xBC"
                                             "cher.de\r\n");
        QTest::newRow("every byte beyond ASCII") << QByteArray("http://x/" + everyHighByte + "\r\n");
    }

    void loadThenSaveKeepsTheBytes()
    {
        QFETCH(QByteArray, bytes);
        Fixture f;
        QVERIFY(f.test.folder.writeFile("Lists/list.txt", bytes));
        f.test.prompts.queueText(f.test.folder.filePath("Lists/list.txt"));
        start(f.window, "cmdOpen");
        f.test.prompts.queueText(f.test.folder.filePath("Lists/copy.txt"));
        start(f.window, "cmdSave");
        QCOMPARE(f.test.prompts.messages(), QStringList{});
        QCOMPARE(f.test.folder.readFile("Lists/copy.txt"), bytes);
    }

    void cancellingLoadAddsNothing()
    {
        Fixture f;
        f.test.prompts.queueCancel();
        start(f.window, "cmdOpen");
        QCOMPARE(f.list->count(), 0);
        QCOMPARE(f.test.prompts.messages(), QStringList{});
    }

    void unreadableFileSaysWhichFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("missing") << "missing.txt";
        QTest::newRow("folder") << "folder.txt";
    }

    void unreadableFileSaysWhichFile()
    {
        QFETCH(QString, name);
        Fixture f;
        f.list->addItems({"kept"});
        QDir(f.test.folder.filePath("Lists")).mkdir("folder.txt");
        const QString path = f.test.folder.filePath("Lists/" + name);
        f.test.prompts.queueText(path);
        start(f.window, "cmdOpen");
        QCOMPARE(items(f.list), QStringList{"kept"});
        const ScriptedPrompts::Shown& shown = f.test.prompts.shown().last();
        QCOMPARE(shown.kind, Kind::Error);
        QVERIFY2(
            shown.text.startsWith("The URL list file \"" + QDir::toNativeSeparators(path) + "\" could not be read: "),
            qPrintable(shown.text));
    }

    void clipboardImport_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("host, www host, two spaces")
            << "mnuOpenClipboard"
            << "example.com\r\nwww.example.org\r\n  "
            << QStringList{"before", "http://www.example.com", "http://www.example.org", "http://www.  "};
        QTest::newRow("pop-up, LF line ends, schemes kept")
            << "mnuLoadClipboard"
            << "HTTP://A.com\nx.org/www.y\n\nhttps://b.net\n"
            << QStringList{"before", "HTTP://A.com", "http://x.org/www.y", "https://b.net"};
        QTest::newRow("empty clipboard") << "mnuOpenClipboard"
                                         << "" << QStringList{"before"};
    }

    void clipboardImport()
    {
        QFETCH(QString, source);
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        Fixture f;
        f.list->addItems({"before"});
        QGuiApplication::clipboard()->setText(text);
        start(f.window, source);
        QCOMPARE(items(f.list), expected);
        // The same text imported again is appended again, nothing more.
        start(f.window, source);
        QCOMPARE(items(f.list), expected + expected.mid(1));
        QVERIFY(!QFileInfo::exists(f.test.folder.filePath("temp.txt")));
        QCOMPARE(f.test.prompts.messages(), QStringList{});
    }

    void fullListStopsAndTells_data()
    {
        QTest::addColumn<int>("present");
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("offered");
        QTest::addColumn<QString>("message");
        const QString full = "The URL list is full: it holds at most 32767 URLs. ";
        QTest::newRow("load fills exactly") << 0 << "cmdOpen" << 32767 << QString();
        // %1: the list file loaded.
        QTest::newRow("load, partly") << 32765 << "cmdOpen" << 5 << full + "3 URLs of \"%1\" were not added.";
        QTest::newRow("load into a full list") << 32767 << "cmdOpen" << 2 << full + "2 URLs of \"%1\" were not added.";
        QTest::newRow("import, partly") << 32766 << "mnuOpenClipboard" << 3 << full + "2 URLs were not added.";
        QTest::newRow("add to a full list") << 32767 << "cmdAdd" << 1 << full + "1 URL was not added.";
        QTest::newRow("add the last one") << 32766 << "cmdAdd" << 1 << QString();
    }

    void fullListStopsAndTells()
    {
        QFETCH(int, present);
        QFETCH(QString, source);
        QFETCH(int, offered);
        QFETCH(QString, message);
        Fixture f;
        QStringList existing;
        for (int index = 0; index < present; ++index)
            existing << QStringLiteral("http://old%1.com").arg(index);
        f.list->addItems(existing);
        QVERIFY(f.test.folder.writeFile("Lists/new.txt", linesOf(offered)));
        if (source == "cmdOpen")
            f.test.prompts.queueText(f.test.folder.filePath("Lists/new.txt"));
        else if (source == "cmdAdd")
            f.test.prompts.queueText("http://www.site0.com");
        else
            QGuiApplication::clipboard()->setText(QString::fromLatin1(linesOf(offered)));
        start(f.window, source);
        const int added = qMin(offered, UrlListCommands::maxUrls - present);
        QCOMPARE(f.list->count(), present + added);
        if (added > 0) {
            QCOMPARE(f.list->item(present)->text(), QStringLiteral("http://www.site0.com"));
            QCOMPARE(f.list->item(present + added - 1)->text(), QStringLiteral("http://www.site%1.com").arg(added - 1));
        }
        if (message.contains(QLatin1String("%1")))
            message = message.arg(QDir::toNativeSeparators(f.test.folder.filePath("Lists/new.txt")));
        QCOMPARE(f.test.prompts.messages(), message.isEmpty() ? QStringList{} : QStringList{message});
        if (!message.isEmpty())
            QCOMPARE(f.test.prompts.shown().last().kind, Kind::Information);
    }

    void popupMenuEnabling_data()
    {
        QTest::addColumn<QStringList>("urls");
        QTest::addColumn<int>("selected");
        QTest::addColumn<bool>("deleteEnabled");
        QTest::addColumn<bool>("saveEnabled");
        QTest::newRow("empty list") << QStringList{} << -1 << false << false;
        QTest::newRow("items, no selection") << QStringList{"a", "b"} << -1 << false << true;
        QTest::newRow("items, one selected") << QStringList{"a", "b"} << 1 << true << true;
    }

    void popupMenuEnabling()
    {
        QFETCH(QStringList, urls);
        QFETCH(int, selected);
        QFETCH(bool, deleteEnabled);
        QFETCH(bool, saveEnabled);
        Fixture f;
        f.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        f.list->addItems(urls);
        if (selected >= 0)
            f.list->setCurrentRow(selected);
        QMenu* menu = f.window.menus().urlMenu;
        QVERIFY(!menu->isVisible());
        QTest::mouseClick(f.list->viewport(), Qt::RightButton, {}, QPoint(20, 60));
        QTRY_VERIFY(menu->isVisible());
        QCOMPARE(f.window.menus().deleteSelected->isEnabled(), deleteEnabled);
        QCOMPARE(f.window.menus().urlSaveUrlList->isEnabled(), saveEnabled);
        QVERIFY(f.window.menus().saveUrlList->isEnabled());
        QVERIFY(f.window.menus().urlNewUrl->isEnabled());
        QVERIFY(f.window.menus().clearList->isEnabled());
        menu->hide();
    }

    void rightButtonLeavesTheSelection()
    {
        Fixture f;
        f.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        f.list->addItems({"a", "b", "c"});
        f.list->setCurrentRow(0);
        const QRect third = f.list->visualItemRect(f.list->item(2));
        QTest::mouseClick(f.list->viewport(), Qt::RightButton, {}, third.center());
        QTRY_VERIFY(f.window.menus().urlMenu->isVisible());
        f.window.menus().urlMenu->hide();
        QCOMPARE(f.list->selectedItems(), QList<QListWidgetItem*>{f.list->item(0)});
        // The left button selects as usual and opens no menu.
        QTest::mouseClick(f.list->viewport(), Qt::LeftButton, {}, third.center());
        QCOMPARE(f.list->selectedItems(), QList<QListWidgetItem*>{f.list->item(2)});
        QVERIFY(!f.window.menus().urlMenu->isVisible());
    }

    void deleteKeysActOnTheFocusedListOnly()
    {
        Fixture f;
        f.window.show();
        f.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        f.list->addItems({"a", "b", "c"});
        f.list->setCurrentRow(1);
        f.list->setFocus();
        QTRY_VERIFY(f.list->hasFocus());
        QTest::keyClick(f.list, Qt::Key_Delete);
        QCOMPARE(items(f.list), QStringList({"a", "c"}));

        f.test.prompts.queueNo();
        QTest::keyClick(f.list, Qt::Key_Delete, Qt::ShiftModifier);
        QCOMPARE(f.test.prompts.messages(), QStringList{"This will delete all the URLs, Continue?"});
        QCOMPARE(items(f.list), QStringList({"a", "c"}));

        auto* address = f.window.findChild<QLineEdit*>("Text1");
        address->setText("abc");
        address->setFocus();
        address->setCursorPosition(0);
        QTRY_VERIFY(address->hasFocus());
        QTest::keyClick(address, Qt::Key_Delete);
        QTest::keyClick(address, Qt::Key_Delete, Qt::ShiftModifier);
        // Del went to the text box; Shift+Del cuts there, with nothing selected.
        QCOMPARE(address->text(), QStringLiteral("bc"));
        QCOMPARE(items(f.list), QStringList({"a", "c"}));
        QCOMPARE(f.test.prompts.messages().size(), 1);
    }
};

QTEST_MAIN(UrlListCommandsTest)
#include "tst_urllistcommands.moc"
