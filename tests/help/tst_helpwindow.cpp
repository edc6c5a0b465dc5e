#include "base/AppContext.h"
#include "help/HelpText.h"
#include "help/HelpWindow.h"
#include "support/FixedClock.h"
#include "support/ScriptedPrompts.h"
#include "support/TestAppFolder.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <memory>

namespace {

const QString helpFileName = QStringLiteral("Help.rtf");
const QString showHelpKey = QStringLiteral("showHelp");
const QByteArray sampleHelp = "{\\rtf1\\ansi{\\fonttbl{\\f0 Verdana;}}\\f0\\fs20{\\b Welcome}\\par Second line\\par}";

// One test's world: a temporary application folder with its own settings
// store, prompts that record what they show, and a fixed date.
struct HelpSetup
{
    TestAppFolder folder;
    ScriptedPrompts prompts;
    FixedClock clock{QDate(2024, 5, 1)};
    AppContext context{folder.folder(), folder.settings(), prompts, clock};
};

QTextEdit* textBox(QWidget* window)
{
    return window->findChild<QTextEdit*>(QStringLiteral("rtf1"));
}

QCheckBox* startupBox(QWidget* window)
{
    return window->findChild<QCheckBox*>(QStringLiteral("Check1"));
}

// Opens the window and waits until its text is in.
std::unique_ptr<HelpWindow> openAndLoad(AppContext& context)
{
    std::unique_ptr<HelpWindow> window(HelpWindow::open(context));
    if (window && window->isLoading()) {
        QSignalSpy shown(window.get(), &HelpWindow::helpTextShown);
        if (!shown.wait(60000))
            qWarning("the help text did not come");
    }
    return window;
}

int openHelpWindows()
{
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<HelpWindow*>(widget))
            ++count;
    }
    return count;
}

} // namespace

class HelpWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void missingHelpFileOpensNothing()
    {
        HelpSetup setup;
        QVERIFY(!QFile::exists(setup.context.folder.helpFile()));
        QCOMPARE(HelpWindow::open(setup.context), nullptr);
        QCOMPARE(openHelpWindows(), 0);
        QVERIFY(setup.prompts.shown().isEmpty());
    }

    void folderNamedLikeTheHelpFileOpensNothing()
    {
        HelpSetup setup;
        QVERIFY(QDir(setup.folder.path()).mkdir(helpFileName));
        QCOMPARE(HelpWindow::open(setup.context), nullptr);
        QCOMPARE(openHelpWindows(), 0);
        QVERIFY(setup.prompts.shown().isEmpty());
    }

    void showsTheHelpText()
    {
        HelpSetup setup;
        QVERIFY(setup.folder.writeFile(helpFileName, sampleHelp));
        std::unique_ptr<HelpWindow> window = openAndLoad(setup.context);
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QCOMPARE(window->objectName(), QStringLiteral("Form8"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Readme/Help"));
        QTextEdit* text = textBox(window.get());
        QVERIFY(text);
        QVERIFY(text->isReadOnly());
        QCOMPARE(text->toPlainText(), QStringLiteral("Welcome\nSecond line"));
        QVERIFY(setup.prompts.shown().isEmpty());
    }

    void windowShape()
    {
        HelpSetup setup;
        QVERIFY(setup.folder.writeFile(helpFileName, sampleHelp));
        std::unique_ptr<HelpWindow> window = openAndLoad(setup.context);
        QVERIFY(window);

        // Topmost, a tool window (no task-bar button), no minimize or
        // maximize button, fixed size.
        const Qt::WindowFlags flags = window->windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(window->windowType(), Qt::Tool);
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QCOMPARE(window->size(), QSize(686, 528));
        QCOMPARE(window->minimumSize(), window->maximumSize());

        // The text fills the window above a strip holding the check box at
        // the bottom left.
        QTextEdit* text = textBox(window.get());
        QCheckBox* box = startupBox(window.get());
        QVERIFY(box);
        QCOMPARE(box->text(), QStringLiteral("Show at &Startup"));
        QCOMPARE(text->geometry().topLeft(), QPoint(0, 0));
        QCOMPARE(text->size(), QSize(686, 501));
        const QRect boxArea(box->mapTo(window.get(), QPoint(0, 0)), box->size());
        QVERIFY(boxArea.top() >= text->geometry().bottom());
        QVERIFY(boxArea.bottom() <= window->height());
        QVERIFY(boxArea.left() < window->width() / 4);
    }

    void helpFileNameInOtherLetterCase()
    {
        HelpSetup setup;
        QVERIFY(setup.folder.writeFile(QStringLiteral("help.RTF"), sampleHelp));
        std::unique_ptr<HelpWindow> window = openAndLoad(setup.context);
        QVERIFY(window);
        QCOMPARE(textBox(window.get())->toPlainText(), QStringLiteral("Welcome\nSecond line"));
    }

    void unreadableHelpFileOpensEmpty_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("plain text") << QByteArray("This is not rich text.\r\n");
        QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0", 11);
    }

    void unreadableHelpFileOpensEmpty()
    {
        QFETCH(QByteArray, content);
        HelpSetup setup;
        QVERIFY(setup.folder.writeFile(helpFileName, content));
        std::unique_ptr<HelpWindow> window = openAndLoad(setup.context);
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QVERIFY(textBox(window.get())->toPlainText().isEmpty());
        QVERIFY(startupBox(window.get())->isChecked());
        QVERIFY(setup.prompts.shown().isEmpty());
    }

    void helpFileWithoutReadPermissionOpensEmpty()
    {
        HelpSetup setup;
        QVERIFY(setup.folder.writeFile(helpFileName, sampleHelp));
        const QString path = setup.folder.filePath(helpFileName);
        QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
        QFile probe(path);
        if (probe.open(QIODevice::ReadOnly))
            QSKIP("this user can read any file (running as root)");
        std::unique_ptr<HelpWindow> window = openAndLoad(setup.context);
        QVERIFY(window);
        QVERIFY(textBox(window.get())->toPlainText().isEmpty());
    }

    void startupChoiceFromStore_data()
    {
        QTest::addColumn<bool>("store");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("checked");

        QTest::newRow("fresh store") << false << QString() << true;
        QTest::newRow("1") << true << "1" << true;
        QTest::newRow("0") << true << "0" << false;
        QTest::newRow("0 with spaces") << true << " 0 " << false;
        // Not a state of the box: it keeps its design state, ticked.
        QTest::newRow("2") << true << "2" << true;
        QTest::newRow("text") << true << "no" << true;
        QTest::newRow("empty") << true << "" << true;
    }

    void startupChoiceFromStore()
    {
        QFETCH(bool, store);
        QFETCH(QString, stored);
        QFETCH(bool, checked);

        HelpSetup setup;
        QVERIFY(setup.folder.writeFile(helpFileName, sampleHelp));
        if (store)
            setup.folder.storeSetting(showHelpKey, stored);
        std::unique_ptr<HelpWindow> window = openAndLoad(setup.context);
        QVERIFY(window);
        QCOMPARE(startupBox(window.get())->isChecked(), checked);
        // Loading writes back at most what it read: a stored 0 stays 0.
        if (store && !checked)
            QCOMPARE(setup.folder.storedSetting(showHelpKey), QStringLiteral("0"));
        if (!store)
            QVERIFY(setup.folder.settings().showHelpAtStart());
    }

    void clickingTheBoxStoresTheChoice()
    {
        HelpSetup setup;
        QVERIFY(setup.folder.writeFile(helpFileName, sampleHelp));
        std::unique_ptr<HelpWindow> window = openAndLoad(setup.context);
        QVERIFY(window);
        QCheckBox* box = startupBox(window.get());
        QVERIFY(box->isChecked());

        QTest::mouseClick(box, Qt::LeftButton);
        QVERIFY(!box->isChecked());
        QCOMPARE(setup.folder.storedSetting(showHelpKey), QStringLiteral("0"));

        QTest::mouseClick(box, Qt::LeftButton);
        QVERIFY(box->isChecked());
        QCOMPARE(setup.folder.storedSetting(showHelpKey), QStringLiteral("1"));
    }

    void uncheckedChoiceShowsWhenOpenedAgain()
    {
        HelpSetup setup;
        QVERIFY(setup.folder.writeFile(helpFileName, sampleHelp));
        {
            std::unique_ptr<HelpWindow> first(HelpWindow::open(setup.context));
            QVERIFY(first);
            QTest::mouseClick(startupBox(first.get()), Qt::LeftButton);
        }
        std::unique_ptr<HelpWindow> second(HelpWindow::open(setup.context));
        QVERIFY(second);
        QVERIFY(!startupBox(second.get())->isChecked());
        QCOMPARE(setup.folder.storedSetting(showHelpKey), QStringLiteral("0"));
    }

    void closingDeletesTheWindow()
    {
        HelpSetup setup;
        QVERIFY(setup.folder.writeFile(helpFileName, sampleHelp));
        QPointer<HelpWindow> window = HelpWindow::open(setup.context);
        QVERIFY(window);
        window->close();
        QTRY_VERIFY(window.isNull());
    }

    // A help text of megabytes, in one paragraph: the window's event loop
    // goes on all the time it is read and put into the box, and only its
    // start is shown, with a last line saying the rest is left out.
    void largeHelpLeavesTheEventLoopRunning()
    {
        HelpSetup setup;
        const QByteArray line = "0123456789 abcdefghijklmnopqrstuvwxyz ";
        QVERIFY(setup.folder.writeFile(helpFileName, "{\\rtf1 " + line.repeated(80000) + "}"));
        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
        ticker.start(0);

        std::unique_ptr<HelpWindow> window(HelpWindow::open(setup.context));
        QVERIFY(window);
        QSignalSpy shown(window.get(), &HelpWindow::helpTextShown);
        QVERIFY(shown.wait(60000));
        QVERIFY2(ticks >= 50, qPrintable(QStringLiteral("%1 ticks while the help came in").arg(ticks)));

        QString text = textBox(window.get())->toPlainText();
        QVERIFY(text.endsWith(HelpText::leftOutNotice()));
        text.chop(HelpText::leftOutNotice().size());
        text.remove(QLatin1Char('\n'));
        QCOMPARE(text.size(), HelpText::Limits().characters);
        QVERIFY(QString::fromLatin1(line.repeated(80000)).startsWith(text));
    }

    void installedHelpFileReads()
    {
        QFile installed(qEnvironmentVariable("QUORVEX_SOURCE_DIR") + QStringLiteral("/data/Help.rtf"));
        QVERIFY(installed.open(QIODevice::ReadOnly));
        HelpSetup setup;
        QVERIFY(setup.folder.writeFile(helpFileName, installed.readAll()));
        std::unique_ptr<HelpWindow> window = openAndLoad(setup.context);
        QVERIFY(window);

        const QString text = textBox(window.get())->toPlainText();
        QVERIFY(text.contains(QStringLiteral("Getting started")));
        QVERIFY(text.contains(QStringLiteral("Show at Startup")));
        QVERIFY(text.contains(QStringLiteral("settings.ini")));
        // No RTF syntax may leak into the shown text.
        const QRegularExpressionMatch controlWord = QRegularExpression(QStringLiteral("\\\\[a-z]+")).match(text);
        QVERIFY2(!controlWord.hasMatch(), qPrintable(controlWord.captured()));
        QVERIFY(!text.contains(QLatin1Char('{')));
        QVERIFY(!text.contains(QChar(QChar::ReplacementCharacter)));
        QVERIFY(textBox(window.get())->document()->blockCount() > 40);
    }
};

QTEST_MAIN(HelpWindowTest)
#include "tst_helpwindow.moc"
