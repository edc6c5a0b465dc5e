#include "app/MainMenus.h"
#include "app/MainWindow.h"
#include "app/ToolStrip.h"
#include "base/IniDocument.h"
#include "base/UserSettings.h"
#include "engines/EngineTable.h"
#include "loopback/EnginePages.h"
#include "loopback/LoopbackHttpServer.h"
#include "scan/OptionsCommand.h"
#include "scan/NetworkPage.h"
#include "scan/OptionsDialog.h"
#include "scan/SourceEditDialog.h"
#include "scan/SourcesPage.h"
#include "support/TestContext.h"
#include "support/TestFiles.h"
#include "support/WriteProtection.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QSpinBox>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

namespace {

using Ranks = QStringList;

Ranks ranksOf(const OptionsDialog& dialog)
{
    return {dialog.rankBox(0)->text(), dialog.rankBox(1)->text(), dialog.rankBox(2)->text()};
}

QString storedTemplate(const TestContext& test, const char* key)
{
    IniDocument settings;
    settings.load(test.folder.filePath(QStringLiteral("settings.ini")));
    return settings.value(QStringLiteral("Engines"), QString::fromLatin1(key)).value_or(QStringLiteral("<none>"));
}

QStringList storedTemplates(const TestContext& test)
{
    QStringList templates;
    for (const Engine& engine : engines())
        templates << storedTemplate(test, engine.iniKey);
    return templates;
}

QStringList defaultTemplates()
{
    QStringList templates;
    for (const Engine& engine : engines())
        templates << engine.defaultQueryTemplate();
    return templates;
}

void storeRanks(TestContext& test, const Ranks& ranks)
{
    for (int index = 0; index < UserSettings::rankNumberCount; ++index)
        test.folder.settings().setRankNumberText(index, ranks[index]);
}

Ranks storedRanks(TestContext& test)
{
    const UserSettings& settings = test.folder.settings();
    return {settings.rankNumberText(0), settings.rankNumberText(1), settings.rankNumberText(2)};
}

const QByteArray customIni =
    "; kept as it is\r\n[Engines]\r\nGoogle=http://g.example/?q=\r\nAltavista=http://a.example/?q=\r\n"
    "Yahoo=http://y.example/?p=\r\nAsk=http://k.example/?q=\r\nMSN=http://m.example/?q=\r\n"
    "ATW=http://w.example/?q=\r\n";

const QByteArray markersIni = customIni + "\r\n[Markers]\r\nFoo.Bar=1\r\nGoogle.Before=\"backlinks\":\r\n"
                                          "Google.After=,\r\nGoogle.NoResults=none found\r\n\r\n[Other]\r\nkeep=1\r\n";

QStringList markersShown(const OptionsDialog& dialog, int engineNumber)
{
    return {dialog.markerBox(engineNumber, 0)->text(), dialog.markerBox(engineNumber, 1)->text(),
            dialog.markerBox(engineNumber, 2)->text()};
}

} // namespace

class OptionsDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void controlsAndCaptions()
    {
        TestContext test;
        OptionsDialog dialog(test.context);
        QCOMPARE(dialog.objectName(), QStringLiteral("Form2"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Options"));
        QStringList groups;
        for (const QGroupBox* group : dialog.findChildren<QGroupBox*>())
            groups << group->title();
        QCOMPARE(groups,
                 QStringList({"Proxy", "Queries", "Edit Search Engine URLs", "Define Popularity Ranks", "Data Options",
                              "Engine Test"}));

        QList<const QLabel*> engineLabels;
        const QStringList labels{"Google:", "Altavista:", "Yahoo!:", "Ask:", "MSN:", "AllTheWeb:"};
        for (int number = 1; number <= engineCount; ++number) {
            auto* box = dialog.findChild<QLineEdit*>(QStringLiteral("Text%1").arg(number));
            QVERIFY(box);
            QCOMPARE(box, dialog.templateBox(number));
            const QLabel* label = nullptr;
            for (const QLabel* candidate : dialog.findChildren<QLabel*>()) {
                if (candidate->buddy() == box)
                    label = candidate;
            }
            QVERIFY(label);
            QCOMPARE(label->text(), labels[number - 1]);
            engineLabels << label;
        }

        const QStringList rankLabels{"Low Profile if total is less than:", "Medium Profile if total is less than: ",
                                     "High Profile if total is greater than: "};
        for (int index = 0; index < 3; ++index) {
            auto* box = dialog.findChild<QLineEdit*>(QStringLiteral("txtProfile%1").arg(index));
            QCOMPARE(box, dialog.rankBox(index));
            bool labelled = false;
            for (const QLabel* label : dialog.findChildren<QLabel*>())
                labelled = labelled || (label->buddy() == box && label->text() == rankLabels[index]);
            QVERIFY2(labelled, qPrintable(rankLabels[index]));
        }
        QCOMPARE(dialog.findChild<QCheckBox*>("chkAuto")->text(), QStringLiteral("&Auto-sort data by popularity"));
        QCOMPARE(dialog.findChild<QCheckBox*>("chkClear")->text(), QStringLiteral("C&lear results after each search"));
        QCOMPARE(dialog.findChild<QCheckBox*>("chkKeepList")->text(),
                 QStringLiteral("&Keep the URL list between sessions"));
        QCOMPARE(dialog.findChild<QCheckBox*>("chkParallelEngines")->text(),
                 QStringLiteral("Ask the six engines at the same &time"));
        QCOMPARE(dialog.findChild<QPushButton*>("Command3")->text(), QStringLiteral("&Reset"));
        QCOMPARE(dialog.findChild<QPushButton*>("Command1")->text(), QStringLiteral("&Ok"));
        QCOMPARE(dialog.findChild<QPushButton*>("Command2")->text(), QStringLiteral("&Cancel"));

        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        // Rank rows top to bottom: high, medium, low; Reset left of Ok and Cancel.
        QVERIFY(dialog.rankBox(2)->y() < dialog.rankBox(1)->y());
        QVERIFY(dialog.rankBox(1)->y() < dialog.rankBox(0)->y());
        QVERIFY(dialog.resetButton()->x() < dialog.okButton()->x());
        QVERIFY(dialog.okButton()->x() < dialog.cancelButton()->x());
        for (int number = 1; number <= engineCount; ++number) {
            // Each label just above its box, the boxes one under the other.
            const QRect label = engineLabels[number - 1]->geometry();
            const QRect box = dialog.templateBox(number)->geometry();
            QVERIFY(label.bottom() < box.top());
            QVERIFY(box.top() - label.bottom() < 10);
            QCOMPARE(label.left(), box.left());
            if (number > 1)
                QVERIFY(dialog.templateBox(number - 1)->geometry().bottom() < label.top());
        }
    }

    void loadsWhatIsStored_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<Ranks>("shown");
        QTest::newRow("nothing stored") << QVariant() << Ranks{"500", "1000", "1000"};
        QTest::newRow("consistent numbers") << QVariant(Ranks{"300", "2000", "2000"}) << Ranks{"300", "2000", "2000"};
        QTest::newRow("low above the boundary")
            << QVariant(Ranks{"2000", "1000", "1000"}) << Ranks{"999", "1000", "1000"};
        // Checked against the design numbers first, it doubles into box 1,
        // which the stored boundary then replaces.
        QTest::newRow("low above the design boundary")
            << QVariant(Ranks{"20000", "1000", "1000"}) << Ranks{"999", "1000", "1000"};
        QTest::newRow("high value wins over the boundary")
            << QVariant(Ranks{"300", "2000", "5000"}) << Ranks{"300", "5000", "5000"};
        // Without a low number, no other box converts together with it.
        QTest::newRow("empty low") << QVariant(Ranks{"", "1000", "1000"}) << Ranks{"", "", ""};
        QTest::newRow("letters") << QVariant(Ranks{"3x", "2000", "2000"}) << Ranks{"3", "2000", "2000"};
    }

    void loadsWhatIsStored()
    {
        QFETCH(QVariant, stored);
        QFETCH(Ranks, shown);
        TestContext test;
        if (stored.isValid())
            storeRanks(test, stored.toStringList());
        OptionsDialog dialog(test.context);
        QCOMPARE(ranksOf(dialog), shown);
        QCOMPARE(storedTemplates(test), defaultTemplates());
        for (int number = 1; number <= engineCount; ++number)
            QCOMPARE(dialog.templateBox(number)->text(), defaultTemplates()[number - 1]);
    }

    void checkBoxes_data()
    {
        QTest::addColumn<QVariant>("autoSort");
        QTest::addColumn<QVariant>("clear");
        QTest::addColumn<QVariant>("parallel"); // off unless stored as 1
        QTest::newRow("nothing stored") << QVariant() << QVariant() << QVariant();
        QTest::newRow("all off") << QVariant("0") << QVariant("0") << QVariant("0");
        QTest::newRow("two counts as off") << QVariant("2") << QVariant("1") << QVariant("1");
        QTest::newRow("words count as off") << QVariant("1") << QVariant("yes") << QVariant("yes");
    }

    void checkBoxes()
    {
        QFETCH(QVariant, autoSort);
        QFETCH(QVariant, clear);
        QFETCH(QVariant, parallel);
        TestContext test;
        if (autoSort.isValid())
            test.folder.storeSetting(QStringLiteral("chkAutoSort"), autoSort.toString());
        if (clear.isValid())
            test.folder.storeSetting(QStringLiteral("chkClear"), clear.toString());
        if (parallel.isValid())
            test.folder.storeSetting(QStringLiteral("chkParallelEngines"), parallel.toString());
        OptionsDialog dialog(test.context);
        QCOMPARE(dialog.autoSortBox()->isChecked(), !autoSort.isValid() || autoSort.toString() == "1");
        QCOMPARE(dialog.clearBox()->isChecked(), !clear.isValid() || clear.toString() == "1");
        QCOMPARE(dialog.parallelEnginesBox()->isChecked(), parallel.toString() == "1");
    }

    void editingRankBoxes_data()
    {
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("text");
        QTest::addColumn<Ranks>("after");
        QTest::newRow("a letter after 500 is taken back") << 0 << "type"
                                                          << "a" << Ranks{"500", "1000", "1000"};
        QTest::newRow("digits typed at the end") << 0 << "type"
                                                 << "0" << Ranks{"5000", "10000", "10000"};
        QTest::newRow("paste 1500 over the low box") << 0 << "paste"
                                                     << "1500" << Ranks{"1500", "3000", "3000"};
        QTest::newRow("paste 700 over the low box") << 0 << "paste"
                                                    << "700" << Ranks{"700", "1000", "1000"};
        QTest::newRow("paste 400 over the boundary") << 1 << "paste"
                                                     << "400" << Ranks{"399", "400", "400"};
        QTest::newRow("type 400 over the boundary") << 1 << "typeOver"
                                                    << "400" << Ranks{"3", "400", "400"};
        QTest::newRow("paste 2000 over the high box") << 2 << "paste"
                                                      << "2000" << Ranks{"500", "2000", "2000"};
        QTest::newRow("paste words over the high box") << 2 << "paste"
                                                       << "12ab" << Ranks{"11", "12", "12"};
        QTest::newRow("paste beyond 32 bits") << 1 << "paste"
                                              << "99999999999" << Ranks{"500", "999999999", "999999999"};
        QTest::newRow("emptying a box is left alone") << 1 << "typeOver"
                                                      << "\b" << Ranks{"500", "", "1000"};
        QTest::newRow("a space is left alone") << 0 << "paste"
                                               << " " << Ranks{" ", "1000", "1000"};
    }

    void editingRankBoxes()
    {
        QFETCH(int, box);
        QFETCH(QString, how);
        QFETCH(QString, text);
        QFETCH(Ranks, after);
        TestContext test;
        OptionsDialog dialog(test.context);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QLineEdit* edit = dialog.rankBox(box);
        edit->setFocus();
        if (how == "type") {
            edit->end(false);
            QTest::keyClicks(edit, text);
        } else if (how == "typeOver") {
            edit->selectAll();
            if (text == "\b")
                QTest::keyClick(edit, Qt::Key_Backspace);
            else
                QTest::keyClicks(edit, text);
        } else {
            edit->selectAll();
            edit->insert(text);
        }
        QCOMPARE(ranksOf(dialog), after);
    }

    void typingIntoLowWhileTheBoundaryIsEmptyEmptiesIt()
    {
        TestContext test;
        OptionsDialog dialog(test.context);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.rankBox(1)->selectAll();
        QTest::keyClick(dialog.rankBox(1), Qt::Key_Delete);
        QCOMPARE(ranksOf(dialog), Ranks({"500", "", "1000"}));
        dialog.rankBox(0)->end(false);
        QTest::keyClicks(dialog.rankBox(0), "5");
        QCOMPARE(ranksOf(dialog), Ranks({"", "", "1000"}));
    }

    void resetAnsweredYes()
    {
        TestContext test;
        test.folder.writeFile(QStringLiteral("settings.ini"), customIni);
        storeRanks(test, {"300", "2000", "2000"});
        QPointer<OptionsDialog> dialog = new OptionsDialog(test.context);
        dialog->show();
        QCOMPARE(dialog->templateBox(1)->text(), QStringLiteral("http://g.example/?q="));
        test.prompts.queueYes();
        QTest::mouseClick(dialog->resetButton(), Qt::LeftButton);
        QCOMPARE(test.prompts.shown().size(), 1);
        QCOMPARE(test.prompts.shown()[0].kind, ScriptedPrompts::Kind::Question);
        QCOMPARE(test.prompts.shown()[0].text, QStringLiteral("This will reset all engines, Continue?"));
        QCOMPARE(test.prompts.shown()[0].caption, QStringLiteral("Warning"));
        for (int number = 1; number <= engineCount; ++number)
            QCOMPARE(dialog->templateBox(number)->text(), defaultTemplates()[number - 1]);
        QCOMPARE(ranksOf(*dialog), Ranks({"500", "1000", "1000"}));
        // Written at once, before Ok; the rest of the file stays as it was.
        QCOMPARE(storedTemplates(test), defaultTemplates());
        QVERIFY(test.folder.readFile(QStringLiteral("settings.ini")).startsWith("; kept as it is\r\n[Engines]\r\n"));

        QTest::mouseClick(dialog->cancelButton(), Qt::LeftButton);
        QTRY_VERIFY(!dialog);
        QCOMPARE(storedTemplates(test), defaultTemplates());
        QCOMPARE(storedRanks(test), Ranks({"300", "2000", "2000"}));
    }

    void resetAnsweredNo()
    {
        TestContext test;
        test.folder.writeFile(QStringLiteral("settings.ini"), customIni);
        storeRanks(test, {"300", "2000", "2000"});
        OptionsDialog dialog(test.context);
        test.prompts.queueNo();
        dialog.reset();
        QCOMPARE(test.prompts.shown().size(), 1);
        QCOMPARE(dialog.templateBox(6)->text(), QStringLiteral("http://w.example/?q="));
        QCOMPARE(ranksOf(dialog), Ranks({"500", "1000", "1000"}));
        QCOMPARE(test.folder.readFile(QStringLiteral("settings.ini")), customIni);
        QCOMPARE(storedRanks(test), Ranks({"300", "2000", "2000"}));
    }

    void resetRestoresTheNumbersFromEmptyBoxes()
    {
        TestContext test;
        OptionsDialog dialog(test.context);
        dialog.rankBox(1)->clear();
        dialog.rankBox(0)->clear();
        dialog.rankBox(2)->clear();
        QCOMPARE(ranksOf(dialog), Ranks({"", "", ""}));
        test.prompts.queueNo();
        dialog.reset();
        QCOMPARE(ranksOf(dialog), Ranks({"500", "1000", "1000"}));
        // The boxes check themselves again afterwards.
        dialog.rankBox(0)->setText(QStringLiteral("1500"));
        QCOMPARE(ranksOf(dialog), Ranks({"1500", "3000", "3000"}));
    }

    void okSavesEverything()
    {
        TestContext test;
        QPointer<OptionsDialog> dialog = new OptionsDialog(test.context);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.data()));
        const QStringList templates{"http://one.example/s?q=link:",  " spaced ", "",
                                    "http://four.example/?q=links:", "x",        "http://six.example/?q=link:"};
        for (int number = 1; number <= engineCount; ++number)
            dialog->templateBox(number)->setText(templates[number - 1]);
        dialog->rankBox(0)->selectAll();
        QTest::keyClicks(dialog->rankBox(0), "250");
        dialog->rankBox(1)->selectAll();
        dialog->rankBox(1)->insert(QStringLiteral("4000"));
        dialog->autoSortBox()->setChecked(false);
        QVERIFY(dialog->keepListBox()->isChecked());
        dialog->keepListBox()->setChecked(false);
        dialog->parallelEnginesBox()->setChecked(true);
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
        QTRY_VERIFY(!dialog);

        QCOMPARE(storedTemplates(test), templates);
        QVERIFY(test.folder.readFile(QStringLiteral("settings.ini")).contains("\r\nAltavista= spaced \r\n"));
        QCOMPARE(storedRanks(test), Ranks({"250", "4000", "4000"}));
        QCOMPARE(test.folder.storedSetting(QStringLiteral("chkAutoSort")), QStringLiteral("0"));
        QCOMPARE(test.folder.storedSetting(QStringLiteral("chkClear")), QStringLiteral("1"));
        QCOMPARE(test.folder.storedSetting(QStringLiteral("chkKeepList")), QStringLiteral("0"));
        QCOMPARE(test.folder.storedSetting(QStringLiteral("chkParallelEngines")), QStringLiteral("1"));
        QVERIFY(test.prompts.shown().isEmpty());
    }

    // The Network page shows the per-user settings and Ok keeps what it
    // holds, unless a manual proxy lacks its host or port.
    void networkPage_data()
    {
        QTest::addColumn<QString>("choice"); // the radio button's object name
        QTest::addColumn<QString>("host");
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("userAgent");
        QTest::addColumn<QString>("stored"); // proxy choice kept; empty when Ok refuses
        QTest::newRow("system by default") << "proxySystem" << "" << 0 << "" << "system";
        QTest::newRow("none, own agent") << "proxyNone" << "" << 0 << "Probe/2.0" << "none";
        QTest::newRow("manual") << "proxyManual" << "proxy.lan" << 3128 << "" << "manual";
        QTest::newRow("manual without a port") << "proxyManual" << "proxy.lan" << 0 << "" << "";
        QTest::newRow("agent with a line break") << "proxySystem" << "" << 0 << "A\nX-Evil: 1" << "";
    }

    void networkPage()
    {
        QFETCH(QString, choice);
        QFETCH(QString, host);
        QFETCH(int, port);
        QFETCH(QString, userAgent);
        QFETCH(QString, stored);
        TestContext test;
        QPointer<OptionsDialog> dialog = new OptionsDialog(test.context);
        NetworkPage* page = dialog->networkPage();
        QVERIFY(page->findChild<QRadioButton*>("proxySystem")->isChecked());
        QVERIFY(!page->findChild<QLineEdit*>("proxyHost")->isEnabled());
        page->findChild<QRadioButton*>(choice)->setChecked(true);
        QCOMPARE(page->findChild<QLineEdit*>("proxyHost")->isEnabled(), choice == "proxyManual");
        page->findChild<QLineEdit*>("proxyHost")->setText(host);
        page->findChild<QSpinBox*>("proxyPort")->setValue(port);
        page->findChild<QLineEdit*>("userAgent")->setText(userAgent);
        dialog->okButton()->click();
        if (stored.isEmpty()) {
            QVERIFY(dialog);
            QCOMPARE(test.prompts.shown().size(), 1);
            QCOMPARE(test.folder.storedSetting(QStringLiteral("proxy")), QString());
            delete dialog;
            return;
        }
        QTRY_VERIFY(!dialog);
        const NetworkSettings settings = test.context.settings.networkSettings();
        QCOMPARE(test.folder.storedSetting(QStringLiteral("proxy")), stored);
        QCOMPARE(settings.proxyHost, host);
        QCOMPARE(settings.proxyPort, port);
        QCOMPARE(settings.userAgent, userAgent.isEmpty() ? QStringLiteral("Mozilla") : userAgent);
        // Opened again, the page shows what was kept.
        OptionsDialog again(test.context);
        QCOMPARE(again.networkPage()->shown(), settings);
    }

    // The marker boxes show what settings.ini holds; Ok leaves a file it did
    // not change byte for byte as it was, adds only markers that were typed,
    // and Reset empties them. Other sections and keys always stay.
    void markersRoundTrip_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QString>("action"); // "ok", "type" (into MSN's boxes, then Ok) or "reset"
        QTest::addColumn<QStringList>("googleShown");
        QTest::addColumn<QList<QByteArray>>("linesAfter"); // empty: the file as it was
        const QStringList none{"", "", ""};
        const QStringList stored{"\"backlinks\":", ",", "none found"};
        QTest::newRow("no markers, Ok") << customIni << "ok" << none << QList<QByteArray>{};
        QTest::newRow("markers, Ok") << markersIni << "ok" << stored << QList<QByteArray>{};
        QTest::newRow("typed") << markersIni << "type" << stored
                               << QList<QByteArray>{"MSN.Before=of <b>", "MSN.After=</b>", "Google.After=,",
                                                    "Foo.Bar=1",         "[Other]",        "keep=1",
                                                    "; kept as it is"};
        QTest::newRow("typed into a file without markers")
            << customIni << "type" << none
            << QList<QByteArray>{"[Markers]", "MSN.Before=of <b>", "MSN.After=</b>", "; kept as it is"};
        QTest::newRow("reset") << markersIni << "reset" << stored
                               << QList<QByteArray>{"Google.Before=", "Google.After=", "Google.NoResults=",
                                                    "Foo.Bar=1",      "[Other]",       "keep=1"};
    }

    void markersRoundTrip()
    {
        QFETCH(QByteArray, ini);
        QFETCH(QString, action);
        QFETCH(QStringList, googleShown);
        QFETCH(QList<QByteArray>, linesAfter);
        TestContext test;
        test.folder.writeFile(QStringLiteral("settings.ini"), ini);
        QPointer<OptionsDialog> dialog = new OptionsDialog(test.context);
        QCOMPARE(markersShown(*dialog, 1), googleShown);
        QCOMPARE(markersShown(*dialog, 5), QStringList({"", "", ""}));
        if (action == QLatin1String("type")) {
            QTest::keyClicks(dialog->markerBox(5, 0), "of <b>");
            QTest::keyClicks(dialog->markerBox(5, 1), "</b>");
        }
        if (action == QLatin1String("reset")) {
            test.prompts.queueYes();
            dialog->reset();
            for (int number = 1; number <= engineCount; ++number)
                QCOMPARE(markersShown(*dialog, number), QStringList({"", "", ""}));
            delete dialog;
        } else {
            dialog->saveAndClose();
            QTRY_VERIFY(!dialog);
        }
        const QByteArray after = test.folder.readFile(QStringLiteral("settings.ini"));
        if (linesAfter.isEmpty())
            QCOMPARE(after, ini);
        const QList<QByteArray> lines = after.split('\n');
        for (const QByteArray& line : linesAfter)
            QVERIFY2(lines.contains(line + '\r'), line.constData());
        QVERIFY(!after.contains("MSN.NoResults"));
    }

    // Test fetches the engine's query with the boxes as they are, and shows
    // what a scan would record; Stop Test abandons it.
    void engineTest_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("markers");
        QTest::addColumn<QString>("testSite");
        QTest::addColumn<QStringList>("shownLines");
        const QStringList builtIn{"", "", ""};
        QTest::newRow("counted") << EnginePages::resultPage(1, 1234) << 200 << builtIn << "a.example"
                                 << QStringList{"Google: counted", "Count recorded: 1234",
                                                "The page around the markers:"};
        QTest::newRow("error status") << QByteArray("<html>gone</html>") << 404 << builtIn << ""
                                      << QStringList{"Google: failed: HTTP status 404",
                                                     "Count recorded: (none, the cell stays empty)",
                                                     "The page begins:", "<html>gone</html>"};
        QTest::newRow("JSON by markers") << QByteArray(R"({"backlinks": 77,"x":1})") << 200
                                         << QStringList{"\"backlinks\":", ",", ""} << "b.example"
                                         << QStringList{"Google: counted", "Count recorded: 77"};
        QTest::newRow("markers missing") << QByteArray("<html>new layout</html>") << 200 << builtIn << "a.example"
                                         << QStringList{"Google: no count on the page", "The page begins:"};
    }

    void engineTest()
    {
        QFETCH(QByteArray, body);
        QFETCH(int, status);
        QFETCH(QStringList, markers);
        QFETCH(QString, testSite);
        QFETCH(QStringList, shownLines);
        LoopbackHttpServer server;
        server.setPage(QStringLiteral("/q"), body, status);
        TestContext test;
        OptionsDialog dialog(test.context);
        dialog.setTestSite(testSite);
        dialog.templateBox(1)->setText(server.url(QStringLiteral("/q?s=")).toString());
        for (int marker = 0; marker < 3; ++marker)
            dialog.markerBox(1, marker)->setText(markers[marker]);
        QTest::mouseClick(dialog.testButton(1), Qt::LeftButton);
        QVERIFY(!dialog.testButton(2)->isEnabled());
        QVERIFY(dialog.stopTestButton()->isEnabled());
        QTRY_VERIFY(dialog.testButton(2)->isEnabled());
        const QStringList lines = dialog.testResultBox()->toPlainText().split(u'\n');
        for (const QString& line : shownLines)
            QVERIFY2(lines.contains(line), qPrintable(dialog.testResultBox()->toPlainText()));
        QCOMPARE(server.requests().size(), 1);
        QCOMPARE(server.requests().first().query(),
                 QStringLiteral("s=") + (testSite.isEmpty() ? QStringLiteral("www.example.com") : testSite));
        QVERIFY(!dialog.stopTestButton()->isEnabled());
        // Nothing was written.
        QCOMPARE(test.folder.readFile(QStringLiteral("settings.ini")).contains("Markers"), false);
    }

    void engineTestCanBeStopped()
    {
        LoopbackHttpServer server;
        server.setResponse(QStringLiteral("/q"), LoopbackHttpServer::Response::silence());
        TestContext test;
        OptionsDialog dialog(test.context);
        dialog.templateBox(3)->setText(server.url(QStringLiteral("/q?s=")).toString());
        QTest::mouseClick(dialog.testButton(3), Qt::LeftButton);
        QTRY_COMPARE(server.requests().size(), 1);
        QTest::mouseClick(dialog.stopTestButton(), Qt::LeftButton);
        QCOMPARE(dialog.testResultBox()->toPlainText(), QStringLiteral("The test was stopped."));
        QVERIFY(dialog.testButton(3)->isEnabled());
        QVERIFY(!dialog.stopTestButton()->isEnabled());
        QTRY_COMPARE(server.openConnectionCount(), 0);
    }

    void okStoresAnEmptyRankBox()
    {
        TestContext test;
        OptionsDialog dialog(test.context);
        dialog.rankBox(0)->selectAll();
        dialog.rankBox(0)->del();
        QCOMPARE(ranksOf(dialog), Ranks({"", "1000", "1000"}));
        dialog.saveAndClose();
        QCOMPARE(storedRanks(test), Ranks({"", "1000", "1000"}));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void cancelSavesNothing()
    {
        TestContext test;
        test.folder.writeFile(QStringLiteral("settings.ini"), customIni);
        OptionsDialog dialog(test.context);
        dialog.templateBox(2)->setText(QStringLiteral("http://changed.example/?q="));
        dialog.rankBox(0)->setText(QStringLiteral("100"));
        dialog.clearBox()->setChecked(false);
        QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(test.folder.readFile(QStringLiteral("settings.ini")), customIni);
        QCOMPARE(storedRanks(test), Ranks({"500", "1000", "1000"}));
        QVERIFY(test.folder.settings().clearBeforeScan());
    }

    void missingSettingsFile()
    {
        TestContext test(TestAppFolder::Content::Empty);
        OptionsDialog dialog(test.context);
        for (int number = 1; number <= engineCount; ++number)
            QVERIFY(dialog.templateBox(number)->text().isEmpty());
        dialog.templateBox(4)->setText(QStringLiteral("http://ask.example/?q=links:"));
        dialog.saveAndClose();
        QCOMPARE(storedTemplates(test), QStringList({"", "", "", "http://ask.example/?q=links:", "", ""}));
        QVERIFY(test.prompts.shown().isEmpty());
    }

    void aFailedWriteIsReported()
    {
        TestContext test;
        const QString path = test.folder.filePath(QStringLiteral("settings.ini"));
        const QByteArray before = readBytes(path);
        QPointer<OptionsDialog> dialog = new OptionsDialog(test.context);
        dialog->show();
        dialog->templateBox(1)->setText(QStringLiteral("http://new.example/?q="));
        dialog->rankBox(0)->setText(QStringLiteral("100"));
        {
            WriteProtection protection(path);
            if (!protection.isEffective())
                QSKIP("This process can write a write-protected file");
            dialog->saveAndClose();
            QCOMPARE(test.prompts.shown().size(), 1);
            QCOMPARE(test.prompts.shown()[0].kind, ScriptedPrompts::Kind::Error);
            QVERIFY2(test.prompts.shown()[0].text.contains(QDir::toNativeSeparators(path)),
                     qPrintable(test.prompts.shown()[0].text));
            QCOMPARE(test.prompts.shown()[0].caption, QStringLiteral("Quorvex Full"));
            // The entries stay for another try; nothing was saved.
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(dialog);
            QVERIFY(dialog->isVisible());
            QCOMPARE(dialog->templateBox(1)->text(), QStringLiteral("http://new.example/?q="));
            QCOMPARE(storedRanks(test), Ranks({"500", "1000", "1000"}));

            test.prompts.queueYes();
            dialog->reset();
            QCOMPARE(test.prompts.shown().size(), 3);
            QCOMPARE(test.prompts.shown()[2].kind, ScriptedPrompts::Kind::Error);
            QCOMPARE(readBytes(path), before);
        }
        dialog->saveAndClose();
        QTRY_VERIFY(!dialog);
        QCOMPARE(storedTemplates(test), defaultTemplates());
    }

    void openedFromTheMainWindow()
    {
        TestContext test;
        MainWindow window(test.context, test.makeBrowser);
        OptionsCommand* command = window.optionsCommand();
        QVERIFY(!command->dialog());

        window.menus().config->trigger();
        QPointer<OptionsDialog> modal = command->dialog();
        QVERIFY(modal);
        QVERIFY(modal->isVisible());
        QCOMPARE(modal->windowModality(), Qt::ApplicationModal);
        QCOMPARE(modal->parentWidget(), &window);
        QCOMPARE(window.findChildren<OptionsDialog*>().size(), 1);
        modal->templateBox(1)->setText(QStringLiteral("http://edited.example/?q="));
        QTest::mouseClick(modal->okButton(), Qt::LeftButton);
        QTRY_VERIFY(!modal);
        QVERIFY(!command->dialog());

        window.toolStrip()->optionsButton()->click();
        QPointer<OptionsDialog> modeless = command->dialog();
        QVERIFY(modeless);
        QCOMPARE(modeless->windowModality(), Qt::NonModal);
        // Loaded afresh: the edit saved before shows.
        QCOMPARE(modeless->templateBox(1)->text(), QStringLiteral("http://edited.example/?q="));
        modeless->rankBox(0)->setText(QStringLiteral("42"));
        // Asked again while open: the same dialog, as it is.
        window.toolStrip()->optionsButton()->click();
        window.menus().config->trigger();
        QCOMPARE(command->dialog(), modeless.data());
        QCOMPARE(window.findChildren<OptionsDialog*>().size(), 1);
        QCOMPARE(modeless->rankBox(0)->text(), QStringLiteral("42"));
        QCOMPARE(modeless->windowModality(), Qt::NonModal);
        modeless->close();
        QTRY_VERIFY(!modeless);
        QCOMPARE(storedRanks(test), Ranks({"500", "1000", "1000"}));
    }

    // The Sources page writes each change at once, and every other byte of
    // settings.ini stays as it was.
    void sourcesPageKeepsTheRestOfTheFile_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        const QByteArray engines = "; mine\n[Engines]\r\nGoogle=http://g/?q=\r\n  Ask = spaced \r\n\r\n";
        const QByteArray one = "[Source One]\r\nQuery=https://one.example/?d={site}\r\nHeader1=X-Key: s3cret-one\r\n"
                               "Json=n\r\n; keep me\r\n\r\n";
        const QByteArray other = "[Other]\rZ=1\r\n";
        const QByteArray two = "[Source Two]\r\nQuery=http://two.example/?q=\r\nBefore=<b>\r\nAfter=</b>";
        const QByteArray file = engines + one + other + two;
        QTest::newRow("add") << "add" << file
                             << file +
                                    "\r\n[Source Backlinks]\r\nQuery=https://api.example/v1?d={site}\r\nSite=domain\r\n"
                                    "Json=data.n\r\nTotal=0\r\nHeader1=X-Api-Key: abc12345\r\n";
        QTest::newRow("edit: rename, new path, header kept")
            << "edit" << file
            << engines +
                   "[Source Uno]\r\nQuery=https://one.example/?d={site}\r\nHeader1=X-Key: s3cret-one\r\n"
                   "Json=data.n\r\n; keep me\r\n\r\n" +
                   other + two;
        // The page's fields, off for an index, keep nothing; a rank stays out of the total.
        QTest::newRow("add a web graph") << "add graph" << file
                                         << file + "\r\n[Source Graph]\r\nQuery=webgraph:WebGraph/g.qvg\r\n"
                                                   "Value=rank\r\nTotal=0\r\n";
        QTest::newRow("remove") << "remove" << file << engines + other + two;
        QTest::newRow("move down") << "down" << file << engines + two + "\r\n" + one + other;
        QTest::newRow("hide an engine") << "hide" << file << file + "\r\n[Hidden]\r\nAsk=1\r\n";
        QTest::newRow("show it again") << "show" << file + "\r\n[Hidden]\r\nAsk=1\r\n" << file + "\r\n";
        QTest::newRow("an engine's interval") << "engine interval" << file << file + "\r\n[Pacing]\r\nAsk=1500\r\n";
        QTest::newRow("its interval taken away")
            << "engine no interval" << file + "\r\n[Pacing]\r\nAsk=1500\r\n" << file + "\r\n";
        QTest::newRow("a source's interval")
            << "source interval" << file
            << engines +
                   "[Source One]\r\nQuery=https://one.example/?d={site}\r\nHeader1=X-Key: s3cret-one\r\n"
                   "Json=n\r\n; keep me\r\nInterval=1500\r\n\r\n" +
                   other + two;
    }

    void sourcesPageKeepsTheRestOfTheFile()
    {
        QFETCH(QString, operation);
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        TestContext test;
        test.folder.writeFile("settings.ini", before);
        SourcesPage page(test.context);
        QString shownHeaders;
        page.setEditorRunner([&](SourceEditDialog& editor) {
            if (operation == "add graph") {
                editor.nameBox()->setText("Graph");
                editor.jsonBox()->setText("data.n");
                editor.queryBox()->setText("webgraph:WebGraph/g.qvg");
                editor.valueBox()->setCurrentIndex(1);
            } else if (operation == "add") {
                editor.nameBox()->setText("Backlinks");
                editor.queryBox()->setText("https://api.example/v1?d={site}");
                editor.siteBox()->setCurrentIndex(2);
                editor.jsonBox()->setText("data.n");
                editor.headersBox()->setPlainText("X-Api-Key: abc12345");
                editor.totalBox()->setChecked(false);
            } else {
                // The key is shown masked and kept.
                shownHeaders = editor.headersBox()->toPlainText();
                editor.nameBox()->setText("Uno");
                editor.jsonBox()->setText("data.n");
            }
            editor.accept();
            return editor.result();
        });
        QTreeWidget* list = page.sourceList();
        QCOMPARE(list->topLevelItemCount(), 8);
        if (operation.contains("interval")) {
            page.selectSource(operation.startsWith("source") ? "Source One" : "Ask");
            // A word is refused and asked again.
            test.prompts.queueText("soon");
            test.prompts.queueText(operation.contains("no ") ? "0" : "1500");
            page.intervalButton()->click();
        } else if (operation == "hide" || operation == "show") {
            list->topLevelItem(3)->setCheckState(SourcesPage::NameColumn,
                                                 operation == "hide" ? Qt::Unchecked : Qt::Checked);
        } else if (operation.startsWith("add")) {
            page.newButton()->click();
        } else {
            page.selectSource("Source One");
            test.prompts.queueYes();
            QPushButton* button = operation == "edit"     ? page.editButton()
                                  : operation == "remove" ? page.removeButton()
                                                          : page.downButton();
            QVERIFY(button->isEnabled());
            button->click();
        }
        QTRY_COMPARE(test.folder.readFile("settings.ini"), after);
        QVERIFY(test.prompts.messages().size() <= 1);
        if (operation == "edit")
            QCOMPARE(shownHeaders, QStringLiteral("X-Key: \u2022\u2022\u2022\u2022"));
        // The list shows what the file now holds.
        QStringList names;
        for (int row = 6; row < list->topLevelItemCount(); ++row)
            names << list->topLevelItem(row)->text(SourcesPage::NameColumn);
        const QMap<QString, QStringList> expectedNames{{"add", {"One", "Two", "Backlinks"}},
                                                       {"add graph", {"One", "Two", "Graph"}},
                                                       {"edit", {"Uno", "Two"}},
                                                       {"remove", {"Two"}},
                                                       {"down", {"Two", "One"}},
                                                       {"hide", {"One", "Two"}},
                                                       {"show", {"One", "Two"}}};
        QCOMPARE(names, expectedNames.value(operation, {"One", "Two"}));
        if (operation.contains("interval")) {
            const int row = operation.startsWith("source") ? 6 : 3;
            QCOMPARE(list->topLevelItem(row)->text(SourcesPage::IntervalColumn),
                     operation.contains("no ") ? QStringLiteral("none") : QStringLiteral("1500 ms"));
        }
    }

    // The editor takes no source that cannot be asked, and says why.
    void sourceEditorRefusesWhatCannotBeAsked_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("headers");
        QTest::addColumn<QString>("problem");
        QTest::newRow("name of an engine") << "yahoo!"
                                           << "http://x/"
                                           << ""
                                           << "is the name of a built-in engine";
        QTest::newRow("name taken") << "TWO"
                                    << "http://x/"
                                    << ""
                                    << "another source is named \"Two\"";
        QTest::newRow("not http") << "New"
                                  << "ftp://srv/index"
                                  << ""
                                  << "does not begin with http://";
        QTest::newRow("header without a colon") << "New"
                                                << "http://x/"
                                                << "X-Key abc"
                                                << "is not a header";
    }

    void sourceEditorRefusesWhatCannotBeAsked()
    {
        QFETCH(QString, name);
        QFETCH(QString, query);
        QFETCH(QString, headers);
        QFETCH(QString, problem);
        TestContext test;
        test.folder.writeFile("settings.ini", "[Source Two]\r\nQuery=http://two/\r\nJson=n\r\n");
        const QByteArray before = test.folder.readFile("settings.ini");
        SourcesPage page(test.context);
        QString shown;
        page.setEditorRunner([&](SourceEditDialog& editor) {
            editor.nameBox()->setText(name);
            editor.queryBox()->setText(query);
            editor.jsonBox()->setText("n");
            editor.headersBox()->setPlainText(headers);
            editor.accept();
            [&] {
                QVERIFY2(editor.problemLabel()->text().contains(problem), qPrintable(editor.problemLabel()->text()));
            }();
            return editor.result();
        });
        page.newButton()->click();
        QCOMPARE(test.folder.readFile("settings.ini"), before);
    }
};

QTEST_MAIN(OptionsDialogTest)
#include "tst_optionsdialog.moc"
