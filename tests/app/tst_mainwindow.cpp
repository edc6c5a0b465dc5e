#include "app/AboutWindow.h"
#include "app/MainMenus.h"
#include "app/MainStatusBar.h"
#include "app/MainWindow.h"
#include "app/ShellCommands.h"
#include "app/ToolStrip.h"
#include "base/UserSettings.h"
#include "charts/ChartPanel.h"
#include "help/HelpWindow.h"
#include "engines/EngineTable.h"
#include "lists/UrlListCommands.h"
#include "loopback/LoopbackHttpServer.h"
#include "results/ResultsView.h"
#include "results/ScanResults.h"
#include "scan/ScanController.h"
#include "support/EventCounter.h"
#include "support/TestContext.h"
#include "webview/WebViewPanel.h"

#include <QAccessible>
#include <QAction>
#include <QDir>
#include <QDropEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrl>

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    // The caption as shown and as screen readers say it, and the letter
    // that Alt presses the button with.
    void controlsCarryTheirNamesAndCaptions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("shortcut");
        QTest::newRow("start") << "Command1"
                               << "Start"
                               << "Alt+T";
        QTest::newRow("stop") << "Command2"
                              << "Stop"
                              << "Alt+P";
        QTest::newRow("options") << "Command6"
                                 << "Options"
                                 << "Alt+N";
        QTest::newRow("visit") << "Command3"
                               << "Visit www.quorvex.example"
                               << "Alt+I";
        QTest::newRow("add") << "cmdAdd"
                             << "Add"
                             << "Alt+D";
        QTest::newRow("delete") << "cmdDel"
                                << "Delete"
                                << "Alt+E";
        QTest::newRow("load") << "cmdOpen"
                              << "Load"
                              << "";
        QTest::newRow("save") << "cmdSave"
                              << "Save"
                              << "Alt+V";
        QTest::newRow("save selected") << "Command4"
                                       << "Save Selected"
                                       << "Alt+C";
        QTest::newRow("web results") << "Command12"
                                     << "Web Results"
                                     << "Alt+W";
        QTest::newRow("clear all") << "Command5"
                                   << "Clear All"
                                   << "Alt+L";
    }

    void controlsCarryTheirNamesAndCaptions()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, shortcut);
        TestContext test;
        MainWindow window(test.context, test.makeBrowser);
        auto* button = window.findChild<QAbstractButton*>(name);
        QVERIFY2(button, qPrintable(name));
        QCOMPARE(QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name), caption);
        QCOMPARE(QKeySequence::mnemonic(button->text()).toString(), shortcut);
    }

    void iconButtonsHaveNamesAndToolTips_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("accessibleName");
        QTest::addColumn<QString>("toolTip");
        QTest::newRow("browse") << "Command10"
                                << "Browse"
                                << "Open the address you typed";
        QTest::newRow("back") << "Command8"
                              << "Back"
                              << "Go back";
        QTest::newRow("forward") << "Command9"
                                 << "Forward"
                                 << "Go forward";
        QTest::newRow("stop") << "Command11"
                              << "Stop"
                              << "Stop loading the page";
        QTest::newRow("refresh") << "Command70"
                                 << "Refresh"
                                 << "Reload the page";
    }

    void iconButtonsHaveNamesAndToolTips()
    {
        QFETCH(QString, name);
        QFETCH(QString, accessibleName);
        QFETCH(QString, toolTip);
        TestContext test;
        MainWindow window(test.context, test.makeBrowser);
        auto* button = window.findChild<QAbstractButton*>(name);
        QVERIFY2(button, qPrintable(name));
        QCOMPARE(button->toolTip(), toolTip);
        QCOMPARE(button->accessibleName(), accessibleName);
    }

    void windowAtStart()
    {
        TestContext test;
        MainWindow window(test.context, test.makeBrowser);
        QCOMPARE(window.objectName(), QStringLiteral("Form1"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Quorvex by Quorvex Labs"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // The client area below the menu bar starts at 878 x 741 pixels,
        // narrower on a screen with less room (the offscreen platform's is
        // 800 pixels wide): the whole window is on the screen.
        const QRect screen = window.screen()->availableGeometry();
        const int frameWidth = window.frameGeometry().width() - window.width();
        QCOMPARE(window.width(), std::min(878, screen.width() - frameWidth));
        QCOMPARE(window.height() - window.menuBar()->height(), 741);
        QVERIFY(screen.contains(window.frameGeometry()));
        QVERIFY(!window.findChild<QAbstractButton*>("Command2")->isEnabled());
        QVERIFY(!window.menus().stop->isEnabled());
        QVERIFY(window.statusPanels()->panelText(1).isEmpty());
        QVERIFY(window.findChild<QProgressBar*>("ProgressBar1")->isHidden());
        QVERIFY(window.findChild<QListWidget*>("List1"));
        QVERIFY(window.findChild<QLineEdit*>("Text1"));
        QCOMPARE(window.findChild<QLabel*>("Label5")->text(), QStringLiteral("&URL:"));
        QCOMPARE(window.findChild<QGroupBox*>("Frame1")->title(), QStringLiteral("URLs"));
        QCOMPARE(window.findChild<QGroupBox*>("Frame2")->title(), QStringLiteral("Results - Data View"));
        QCOMPARE(window.findChild<QGroupBox*>("Frame3")->title(), QStringLiteral("Results - Chart View"));
        QCOMPARE(window.findChild<QGroupBox*>("Frame4")->title(), QStringLiteral("Results - Website View"));
    }

    void tables()
    {
        TestContext test;
        MainWindow window(test.context, test.makeBrowser);
        auto* results = window.findChild<QTableView*>("ListView1");
        QVERIFY(results);
        const QStringList captions = {"Domain Name", "Total", "Google", "Altavista",
                                      "Yahoo!",      "Ask",   "MSN",    "All The Web"};
        const QList<int> widths = {183, 63, 63, 63, 63, 63, 63, 73};
        QCOMPARE(results->model()->columnCount(), captions.size());
        for (int column = 0; column < captions.size(); ++column) {
            QCOMPARE(results->model()->headerData(column, Qt::Horizontal).toString(), captions[column]);
            // The design's width, wider where the caption needs it.
            QVERIFY(results->columnWidth(column) >= widths[column]);
            QVERIFY(results->columnWidth(column) >= results->horizontalHeader()->sectionSizeHint(column));
        }
        auto* webResults = window.findChild<QTreeWidget*>("ListView2");
        QVERIFY(webResults);
        QCOMPARE(webResults->columnCount(), 2);
        QCOMPARE(webResults->headerItem()->text(0), QStringLiteral("Webpage Type"));
        QCOMPARE(webResults->headerItem()->text(1), QStringLiteral("URL"));
    }

    void menuBar()
    {
        TestContext test;
        MainWindow window(test.context, test.makeBrowser);
        QStringList titles;
        for (QAction* action : window.menuBar()->actions())
            titles << action->text();
        QCOMPARE(titles, QStringList({"&File", "&Scan", "&Options", "&Help", "&About"}));
    }

    void menuItems_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QStringList>("shortcuts");
        QTest::newRow("File") << "mnuFile2"
                              << QStringList{"mnuNewURL:Add URL",
                                             "mnuFileSplit1:",
                                             "mnuSaveUrlList:Save URL List to File",
                                             "mnuOpenURLList:Load URL List from File",
                                             "mnuOpenClipboard:Load URL List from Clipboard",
                                             "mnuFileSplitExport:",
                                             "mnuExportResults:Export Results as CSV...",
                                             "mnuFileSplit84:",
                                             "mnuExitNow:Exit"}
                              << QStringList{"Ctrl+N", "",       "Ctrl+S", "Ctrl+O",        "Ctrl+V",
                                             "",       "Ctrl+E", "",       "Ctrl+X; Ctrl+Q"};
        QTest::newRow("Scan") << "mnuOptions"
                              << QStringList{"mnuScan:Start Scan", "mnuStop:Stop Scan", "mnuScanLog:Scan Log"}
                              << QStringList{"", "", "Ctrl+L"};
        QTest::newRow("Options") << "mnuOptions2" << QStringList{"mnuConfig:View Options"} << QStringList{""};
        QTest::newRow("Tools") << "mnuTools" << QStringList{"mnuGraph:View Graph..."} << QStringList{""};
        QTest::newRow("Help") << "mnuHelp01" << QStringList{"mnuHelpItem:View Help"} << QStringList{""};
        QTest::newRow("About") << "mnuHelp" << QStringList{"mnuAbout:About this software"} << QStringList{""};
        QTest::newRow("URL") << "mnuURL"
                             << QStringList{"mnuURLNewURL:New URL",
                                            "mnuSPlit83:",
                                            "mnuDeleteSelect:Delete Selected",
                                            "mnuClearList:C&lear list",
                                            "mnuURLsplit1:",
                                            "mnuURLLoadUrlList:Load URL List from File",
                                            "mnuLoadClipboard:Load URL List from Clipboard",
                                            "mnuURLSaveUrlList:Save URL List to File"}
                             << QStringList{"", "", "Del", "Shift+Del", "", "", "", ""};
        QTest::newRow("ListView") << "mnuListView"
                                  << QStringList{"mnuSaveResults:Save Results", "mnuWebResults:Web Results",
                                                 "mnuClearResults:Clear Results"}
                                  << QStringList{"", "", ""};
    }

    void menuItems()
    {
        QFETCH(QString, menu);
        QFETCH(QStringList, items);
        QFETCH(QStringList, shortcuts);
        TestContext test;
        MainWindow window(test.context, test.makeBrowser);
        auto* found = window.findChild<QMenu*>(menu);
        QVERIFY2(found, qPrintable(menu));
        QStringList actual;
        QStringList actualShortcuts;
        for (QAction* action : found->actions()) {
            actual << action->objectName() + ':' + action->text();
            actualShortcuts << QKeySequence::listToString(action->shortcuts());
        }
        QCOMPARE(actual, items);
        QCOMPARE(actualShortcuts, shortcuts);
    }

    void hiddenMenusStayOffTheMenuBar()
    {
        TestContext test;
        MainWindow window(test.context, test.makeBrowser);
        for (QAction* action : window.menuBar()->actions()) {
            QVERIFY(action->menu());
            QVERIFY(!QStringList({"mnuTools", "mnuURL", "mnuListView"}).contains(action->menu()->objectName()));
        }
    }

    void tabsShowExactlyOneFrame_data()
    {
        QTest::addColumn<QList<int>>("order");
        QTest::newRow("forward") << QList<int>{0, 1, 2};
        QTest::newRow("backward") << QList<int>{2, 1, 0};
        QTest::newRow("jumping") << QList<int>{1, 1, 2, 0, 2};
    }

    void tabsShowExactlyOneFrame()
    {
        QFETCH(QList<int>, order);
        TestContext test;
        MainWindow window(test.context, test.makeBrowser);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto visibleFrames = [&] {
            QStringList names;
            for (const char* name : {"Frame2", "Frame3", "Frame4"}) {
                if (window.findChild<QGroupBox*>(name)->isVisible())
                    names << QString::fromLatin1(name);
            }
            return names;
        };
        QCOMPARE(visibleFrames(), QStringList{"Frame2"});
        auto* tabs = window.findChild<QTabWidget*>("TabStrip1");
        QCOMPARE(tabs->tabText(0), QStringLiteral("Data View"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("Chart View"));
        QCOMPARE(tabs->tabText(2), QStringLiteral("Website View"));
        for (int index : order) {
            tabs->setCurrentIndex(index);
            QCOMPARE(visibleFrames(), QStringList{QStringLiteral("Frame%1").arg(index + 2)});
        }
    }

    void layoutFollowsTheWindowSize_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("start size") << QSize(878, 760);
        QTest::newRow("large") << QSize(1260, 880);
        QTest::newRow("smallest") << QSize(100, 100);
    }

    void layoutFollowsTheWindowSize()
    {
        QFETCH(QSize, size);
        TestContext test;
        MainWindow window(test.context, test.makeBrowser);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.resize(size);
        QCoreApplication::processEvents();
        const auto* urls = window.findChild<QGroupBox*>("Frame1");
        // The design's width or, with larger text, what the buttons need;
        // the same at every window size.
        QVERIFY(urls->width() >= 221);
        QCOMPARE(urls->minimumWidth(), urls->maximumWidth());
        // The Visit button stretches to 200 twips (13 px) short of the right edge.
        const auto* visit = window.findChild<QToolButton*>("Command3");
        const int visitRight = visit->mapTo(&window, QPoint(visit->width(), 0)).x();
        QCOMPARE(window.width() - visitRight, 13);
        // The views fill the tab area and never get a negative size.
        const auto* tabs = window.findChild<QTabWidget*>("TabStrip1");
        QVERIFY(tabs->width() > 0 && tabs->height() > 0);
        for (const char* name : {"ListView1", "List1"}) {
            const auto* view = window.findChild<QWidget*>(name);
            QVERIFY(view->width() > 50 && view->height() > 50);
        }
        QVERIFY(window.width() >= window.minimumWidth());
    }

    // The scan changes the status text after every query: a change is
    // painted, but neither the status bar nor the window is laid out anew,
    // and a long text is cut off instead of widening the window.
    void statusTextChangesLayNothingOut_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("scanning") << "Scanning www.site.example on All The Web";
        QTest::newRow("wider than the window") << QString(400, QLatin1Char('W'));
    }

    void statusTextChangesLayNothingOut()
    {
        QFETCH(QString, text);
        TestContext test;
        MainWindow window(test.context, test.makeBrowser);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        MainStatusBar* status = window.statusPanels();
        status->setPanelText(1, QStringLiteral("Before"));
        QCoreApplication::processEvents();
        const QSize windowSize = window.size();
        const auto* panel = window.findChild<QLabel*>("Panel1");
        const QRect panelArea = panel->geometry();
        EventCounter layouts(QEvent::LayoutRequest);
        layouts.watch(&window);
        layouts.watch(status);

        // What showing the window left pending is not the text's doing.
        QCoreApplication::processEvents();
        layouts.clear();
        status->setPanelText(1, text);
        QCoreApplication::processEvents();
        QCOMPARE(layouts.total(), 0);
        QCOMPARE(status->panelText(1), text);
        QCOMPARE(panel->text(), text);
        QCOMPARE(window.size(), windowSize);
        QCOMPARE(panel->geometry(), panelArea);
        QVERIFY(panel->isVisible() && panel->width() > 50);
        QVERIFY(panel->height() >= panel->fontMetrics().height());
    }

    void minimizeAndRestoreKeepTheLayout()
    {
        TestContext test;
        MainWindow window(test.context, test.makeBrowser);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const auto* table = window.findChild<QWidget*>("ListView1");
        const QRect before = table->geometry();
        window.showMinimized();
        QCoreApplication::processEvents();
        window.showNormal();
        QCoreApplication::processEvents();
        QCOMPARE(table->geometry(), before);
    }

    void exitClosesEveryOtherWindow()
    {
        TestContext test;
        MainWindow window(test.context, test.makeBrowser);
        window.show();
        QWidget other;
        other.setWindowTitle(QStringLiteral("Readme/Help"));
        other.show();
        window.menus().exitNow->trigger();
        QVERIFY(!window.isVisible());
        QVERIFY(!other.isVisible());
    }

    void helpAtStartUp_data()
    {
        QTest::addColumn<bool>("stored");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("opens");
        QTest::newRow("fresh installation") << false << "" << true;
        QTest::newRow("1") << true << "1" << true;
        QTest::newRow("0") << true << "0" << false;
        QTest::newRow("empty") << true << "" << false;
        QTest::newRow("2") << true << "2" << false;
        QTest::newRow("1 with a space") << true << " 1" << false;
    }

    void helpAtStartUp()
    {
        QFETCH(bool, stored);
        QFETCH(QString, value);
        QFETCH(bool, opens);
        TestContext test;
        test.folder.writeFile("Help.rtf", "{\\rtf1 Help text}");
        if (stored)
            test.folder.storeSetting("showHelp", value);
        MainWindow window(test.context, test.makeBrowser);
        QVERIFY(!window.shellCommands()->helpWindow());
        window.show();
        QPointer<HelpWindow> help = window.shellCommands()->helpWindow();
        QCOMPARE(!help.isNull(), opens);
        // Showing the window again (after minimizing) opens nothing more.
        if (help)
            help->close();
        QTRY_VERIFY(help.isNull());
        window.hide();
        window.show();
        QVERIFY(!window.shellCommands()->helpWindow());
    }

    void noHelpFileNoHelpWindow()
    {
        TestContext test;
        MainWindow window(test.context, test.makeBrowser);
        QVERIFY(!window.shellCommands()->helpWindow());
        window.menus().helpItem->trigger();
        QVERIFY(!window.shellCommands()->helpWindow());
        QVERIFY(test.prompts.shown().isEmpty());
    }

    void viewHelpAndAboutOpenOneWindowEach()
    {
        TestContext test;
        test.context.settings.setShowHelpAtStart(false);
        test.folder.writeFile("Help.rtf", "{\\rtf1 Help text}");
        MainWindow window(test.context, test.makeBrowser);
        window.menus().helpItem->trigger();
        QPointer<HelpWindow> help = window.shellCommands()->helpWindow();
        QVERIFY(help && help->isVisible());
        window.menus().helpItem->trigger();
        QCOMPARE(window.shellCommands()->helpWindow(), help.data());
        window.menus().about->trigger();
        QPointer<AboutWindow> about = window.shellCommands()->aboutWindow();
        QVERIFY(about && about->isVisible());
        QCOMPARE(about->windowTitle(), QStringLiteral("About Quorvex"));
        window.show();
        window.menus().exitNow->trigger();
        QTRY_VERIFY(help.isNull() || !help->isVisible());
        QTRY_VERIFY(about.isNull() || !about->isVisible());
    }

    void visitOpensThePublisherAddress()
    {
        TestContext test;
        MainWindow window(test.context, test.makeBrowser);
        QList<QUrl> opened;
        window.shellCommands()->setUrlOpener([&](const QUrl& url) { opened << url; });
        window.toolStrip()->visitButton()->click();
        QCOMPARE(opened, QList<QUrl>{QUrl("http://www.quorvex.example")});
    }

    void engineFileAtStartUp_data()
    {
        QTest::addColumn<QByteArray>("before"); // settings.ini; empty: no file
        QTest::addColumn<QString>("question");  // start of the question; empty: none
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QByteArray>("after");
        const QByteArray other = "[Other]\r\nx=1\r\n";
        QTest::newRow("installed file") << installedSettingsIni() << QString() << false << installedSettingsIni();
        QTest::newRow("missing, written")
            << QByteArray() << "The settings file \"%1\" is missing" << true << installedSettingsIni();
        QTest::newRow("missing, declined")
            << QByteArray() << "The settings file \"%1\" is missing" << false << QByteArray();
        QTest::newRow("no Engines section, added")
            << other << "The settings file \"%1\" has no [Engines] section" << true << other + installedSettingsIni();
    }

    void engineFileAtStartUp()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, question);
        QFETCH(bool, yes);
        QFETCH(QByteArray, after);
        TestContext test(TestAppFolder::Content::Empty);
        test.context.settings.setShowHelpAtStart(false);
        if (!before.isEmpty())
            QVERIFY(test.folder.writeFile("settings.ini", before));
        if (yes)
            test.prompts.queueYes();
        MainWindow window(test.context, test.makeBrowser);
        window.show();
        QTest::qWait(50);
        window.hide();
        window.show();
        QTest::qWait(50);
        if (question.isEmpty()) {
            QVERIFY(test.prompts.shown().isEmpty());
        } else {
            // Asked once, however often the window is shown.
            QCOMPARE(test.prompts.shown().size(), 1);
            QCOMPARE(test.prompts.shown()[0].kind, ScriptedPrompts::Kind::Question);
            QCOMPARE(test.prompts.shown()[0].caption, QStringLiteral("Warning"));
            const QString path = QDir::toNativeSeparators(test.folder.filePath("settings.ini"));
            QVERIFY2(test.prompts.shown()[0].text.startsWith(question.arg(path)),
                     qPrintable(test.prompts.shown()[0].text));
        }
        QCOMPARE(test.folder.readFile("settings.ini"), after);
    }

    // The window as it was closed comes back at the next start: placement,
    // the two tables' column widths and the view shown.
    void windowComesBackAsLeft_data()
    {
        // The offscreen platform's screen is 800 x 800 pixels.
        QTest::addColumn<QPoint>("position");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("maximised");
        QTest::newRow("where it was") << QPoint(40, 30) << QSize(700, 500) << false;
        QTest::newRow("maximised") << QPoint(40, 30) << QSize(700, 500) << true;
        QTest::newRow("off every screen, right and below") << QPoint(5000, 4000) << QSize(700, 500) << false;
        QTest::newRow("off every screen, left and above") << QPoint(-3000, -2000) << QSize(700, 500) << false;
        QTest::newRow("partly off the screen") << QPoint(500, 300) << QSize(700, 500) << false;
        QTest::newRow("larger than the screen") << QPoint(0, 0) << QSize(1200, 900) << false;
    }

    void windowComesBackAsLeft()
    {
        QFETCH(QPoint, position);
        QFETCH(QSize, size);
        QFETCH(bool, maximised);
        TestContext test;
        test.context.settings.setShowHelpAtStart(false);
        {
            MainWindow first(test.context, test.makeBrowser);
            first.show();
            QVERIFY(QTest::qWaitForWindowExposed(&first));
            first.resize(size);
            first.move(position);
            if (maximised)
                first.showMaximized();
            first.showView(MainWindow::WebsiteView);
            first.webViewPanel()->resultsList()->setColumnWidth(0, 111);
            first.showView(MainWindow::ChartView);
            first.resultsView()->table()->setColumnWidth(0, 250);
            QCoreApplication::processEvents();
            first.close();
        }
        MainWindow second(test.context, test.makeBrowser);
        second.show();
        QVERIFY(QTest::qWaitForWindowExposed(&second));
        QCOMPARE(second.isMaximized(), maximised);
        QCOMPARE(second.tabs()->currentIndex(), int(MainWindow::ChartView));
        QCOMPARE(second.resultsView()->table()->columnWidth(0), 250);
        second.showView(MainWindow::WebsiteView);
        QCOMPARE(second.webViewPanel()->resultsList()->columnWidth(0), 111);
        if (maximised)
            return;
        const QRect screen = second.screen()->availableGeometry();
        if (screen.contains(QRect(position, size))) {
            QCOMPARE(second.pos(), position);
            QCOMPARE(second.size(), size);
        } else {
            // The whole window, up to the title bar that moves it.
            QVERIFY(screen.contains(second.geometry()));
            QVERIFY(second.frameGeometry().top() >= screen.top());
        }
    }

    // Closing the window while a scan runs asks first; agreed, the results
    // so far are kept, and the next start shows them with their outcomes.
    void quittingDuringAScan_data()
    {
        QTest::addColumn<bool>("agree");
        QTest::newRow("stays") << false;
        QTest::newRow("stops and quits") << true;
    }

    void quittingDuringAScan()
    {
        QFETCH(bool, agree);
        // The first site's queries fail with 404; the second site's get no answer.
        LoopbackHttpServer server;
        server.setHandler([](const LoopbackHttpServer::Request& request) {
            return request.target.contains("a.example") ? LoopbackHttpServer::Response::page("gone", 404)
                                                        : LoopbackHttpServer::Response::silence();
        });
        TestContext test;
        test.context.settings.setShowHelpAtStart(false);
        QByteArray ini = "[Engines]\r\n";
        for (const Engine& engine : engines())
            ini += engine.iniKey + QByteArray("=") + server.url("/q?s=").toEncoded() + "\r\n";
        test.folder.writeFile("settings.ini", ini);
        const QString tip = QStringLiteral("Google: failed: HTTP status 404");
        {
            QPointer<MainWindow> first = new MainWindow(test.context, test.makeBrowser);
            first->setAttribute(Qt::WA_DeleteOnClose);
            first->urlListCommands()->appendUrls({"a.example", "b.example"});
            first->show();
            QVERIFY(QTest::qWaitForWindowExposed(first.data()));
            QSignalSpy asked(&server, &LoopbackHttpServer::requestReceived);
            first->scanController()->start();
            // The second site's first query is out, and hangs.
            QTRY_VERIFY_WITH_TIMEOUT(asked.size() > engineCount, 20000);
            QCOMPARE(first->results()->index(0, 2).data(Qt::ToolTipRole).toString(), tip);
            if (agree)
                test.prompts.queueYes();
            else
                test.prompts.queueNo();
            first->close();
            QCOMPARE(test.prompts.shown().size(), 1);
            QCOMPARE(test.prompts.shown().first().text, QStringLiteral("A scan is running. Stop it and quit?"));
            if (!agree) {
                QVERIFY(first->isVisible());
                QVERIFY(first->scanController()->isScanning());
                first->scanController()->stopForQuit();
                delete first;
                return;
            }
            QTRY_VERIFY(!first);
        }
        MainWindow second(test.context, test.makeBrowser);
        ScanResults* restored = second.results();
        QCOMPARE(restored->rowCount(), 2);
        QCOMPARE(restored->index(1, 0).data().toString(), QStringLiteral("b.example"));
        QCOMPARE(restored->index(0, 2).data(Qt::ToolTipRole).toString(), tip);
        QVERIFY(restored->index(0, 2).data(ScanResults::SuspectRole).toBool());
        QCOMPARE(restored->index(1, 2).data(Qt::ToolTipRole).toString(), QStringLiteral("Google: stopped"));
        QVERIFY(!restored->index(1, 2).data(ScanResults::SuspectRole).toBool());
    }

    // A .txt file dropped on the window loads as "Load URL List from File".
    void droppedListFiles_data()
    {
        // Files are made in a temporary folder holding "<name>1" and
        // "<name>2", except those whose name starts with "missing".
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QStringList>("urls");
        QTest::newRow("a list file") << QStringList{"a.txt"} << true << QStringList{"a.txt1", "a.txt2"};
        QTest::newRow("upper-case extension") << QStringList{"B.TXT"} << true << QStringList{"B.TXT1", "B.TXT2"};
        QTest::newRow("two files, in the order dropped")
            << QStringList{"b.txt", "a.txt"} << true << QStringList{"b.txt1", "b.txt2", "a.txt1", "a.txt2"};
        QTest::newRow("only the list files of a mixed drop")
            << QStringList{"a.csv", "c.txt"} << true << QStringList{"c.txt1", "c.txt2"};
        QTest::newRow("not a list file") << QStringList{"a.csv"} << false << QStringList{};
        QTest::newRow("a list file that cannot be read") << QStringList{"missing.txt"} << true << QStringList{};
        QTest::newRow("a web address") << QStringList{"http://example.com/list.txt"} << false << QStringList{};
    }

    void droppedListFiles()
    {
        QFETCH(QStringList, names);
        QFETCH(bool, accepted);
        QFETCH(QStringList, urls);
        TestContext test;
        QTemporaryDir folder;
        QList<QUrl> dropped;
        for (const QString& name : names) {
            if (name.startsWith("http:")) {
                dropped << QUrl(name);
                continue;
            }
            dropped << QUrl::fromLocalFile(folder.filePath(name));
            if (name.startsWith("missing"))
                continue;
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write((name + "1\r\n" + name + "2\r\n").toLatin1());
        }
        MainWindow window(test.context, test.makeBrowser);
        QMimeData data;
        data.setUrls(dropped);
        QDragEnterEvent enter(QPoint(300, 300), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &enter);
        QCOMPARE(enter.isAccepted(), accepted);
        QDropEvent drop(QPointF(300, 300), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &drop);
        QCOMPARE(drop.isAccepted(), accepted);
        if (accepted)
            QCOMPARE(drop.dropAction(), Qt::CopyAction);
        // The files load once the drop is over.
        QCoreApplication::processEvents();
        QCOMPARE(window.urlListCommands()->urls(), urls);
        // As "Load URL List from File" reports a file it cannot read.
        QStringList errors;
        for (const QString& name : names) {
            if (name.startsWith("missing"))
                errors << QStringLiteral("The URL list file \"%1\" could not be read: ")
                              .arg(QDir::toNativeSeparators(folder.filePath(name)));
        }
        QCOMPARE(test.prompts.shown().size(), errors.size());
        for (int i = 0; i < errors.size(); ++i)
            QVERIFY(test.prompts.shown()[i].text.startsWith(errors[i]));
    }

    void saveSelectedWithoutASelection()
    {
        TestContext test;
        MainWindow window(test.context, test.makeBrowser);
        window.findChild<QAbstractButton*>("Command4")->click();
        QCOMPARE(test.prompts.messages(),
                 QStringList{"You must first select the item in the results list that you would like to save."});
        QCOMPARE(test.prompts.shown().first().caption, QStringLiteral("Quorvex Full"));
    }

    void saveSelectedConfirmsInTheStatusBar()
    {
        TestContext test;
        MainWindow window(test.context, test.makeBrowser);
        window.show();
        ScanResults* results = window.resultsView()->results();
        results->setRows({ResultRow::completed("www.b.example", {"1", "2", "3", "4", "5", "6"}, {})});
        window.resultsView()->table()->setCurrentIndex(window.resultsView()->table()->model()->index(0, 0));
        QTimer::singleShot(0, [] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            dialog->findChild<QLineEdit*>("Text1")->setText("b");
            dialog->findChild<QPushButton*>("Command3")->click();
        });
        window.findChild<QAbstractButton*>("Command4")->click();
        QVERIFY(test.folder.readFile("Saved/b.qvh").startsWith("\r\n[Google]\r\n"));
        QCOMPARE(window.statusPanels()->panelText(1),
                 QStringLiteral("Saved the counts of www.b.example in the saved search \"b\"."));
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
