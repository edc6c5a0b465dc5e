#include "app/AboutWindow.h"
#include "app/AccessibleComboBox.h"
#include "app/MainWindow.h"
#include "app/ProgramTranslations.h"
#include "base/UserSettings.h"
#include "engines/SourceList.h"
#include "help/HelpWindow.h"
#include "saved/LoadSearchDialog.h"
#include "saved/SaveSearchDialog.h"
#include "scan/NetworkPage.h"
#include "scan/OptionsDialog.h"
#include "scan/ScanLog.h"
#include "scan/ScanLogWindow.h"
#include "scan/SourceEditDialog.h"
#include "scan/SourcesPage.h"
#include "support/TestContext.h"
#include "support/Widgets.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMap>
#include <QMenuBar>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <functional>
#include <memory>

namespace {

// Every window of the program, opened as the user meets it. A new window is
// audited by adding its line here.
struct WindowOpener
{
    const char* name;
    std::function<std::unique_ptr<QWidget>(TestContext&)> open;
};

std::unique_ptr<QWidget> mainWindowShowing(TestContext& test, MainWindow::View view)
{
    test.context.settings.setShowHelpAtStart(false);
    auto window = std::make_unique<MainWindow>(test.context, test.makeBrowser);
    window->showView(view);
    return window;
}

std::unique_ptr<QWidget> optionsShowing(TestContext& test, const std::function<QWidget*(OptionsDialog&)>& page)
{
    auto dialog = std::make_unique<OptionsDialog>(test.context);
    dialog->pages()->setCurrentWidget(page(*dialog));
    return dialog;
}

std::unique_ptr<QWidget> helpWindow(TestContext& test)
{
    QFile::copy(qEnvironmentVariable("QUORVEX_SOURCE_DIR") + QStringLiteral("/data/Help.rtf"),
                test.folder.filePath(QStringLiteral("Help.rtf")));
    return std::unique_ptr<QWidget>(HelpWindow::open(test.context));
}

const WindowOpener windowOpeners[] = {
    {"main window, Data View", [](TestContext& test) { return mainWindowShowing(test, MainWindow::DataView); }},
    {"main window, Chart View", [](TestContext& test) { return mainWindowShowing(test, MainWindow::ChartView); }},
    {"main window, Website View", [](TestContext& test) { return mainWindowShowing(test, MainWindow::WebsiteView); }},
    {"Options", [](TestContext& test) { return std::make_unique<OptionsDialog>(test.context); }},
    {"Options, Sources page",
     [](TestContext& test) {
         return optionsShowing(test, [](OptionsDialog& options) { return options.sourcesPage(); });
     }},
    {"Options, Network page",
     [](TestContext& test) {
         return optionsShowing(test, [](OptionsDialog& options) { return options.networkPage(); });
     }},
    {"Source editor",
     [](TestContext& test) {
         static const SourceList sources;
         return std::make_unique<SourceEditDialog>(Source{}, sources, test.context);
     }},
    {"Save Search Results",
     [](TestContext& test) { return std::make_unique<SaveSearchDialog>(test.context, QList<SavedCount>{}); }},
    {"Load Saved Search", [](TestContext& test) { return std::make_unique<LoadSearchDialog>(test.context); }},
    {"Scan Log",
     [](TestContext&) {
         auto* log = new ScanLog;
         log->append({QDateTime::currentDateTime(), QStringLiteral("a.example"), QStringLiteral("Google"), {}, 12});
         auto window = std::make_unique<ScanLogWindow>(log);
         log->setParent(window.get());
         return window;
     }},
    {"help", helpWindow},
    {"about",
     [](TestContext&) { return std::make_unique<AboutWindow>(BrandingInfo::fromBuild(), [](const QUrl&) {}); }},
};

QString describe(const QWidget* widget)
{
    return QStringLiteral("%1 (%2)").arg(widget->objectName(), QString::fromLatin1(widget->metaObject()->className()));
}

bool isTabStop(const QWidget* widget, QWidget* window)
{
    return (widget->focusPolicy() & Qt::TabFocus) && !widget->focusProxy() && widget->isEnabled() &&
           widget->isVisibleTo(window);
}

// A control whose caption the user reads; check boxes and radio buttons say
// what they do on their own.
bool needsToolTip(const QWidget* widget)
{
    return qobject_cast<const QAbstractButton*>(widget) && !qobject_cast<const QCheckBox*>(widget) &&
           !qobject_cast<const QRadioButton*>(widget);
}

// Walks the window as screen readers see it.
void auditAccessibleTree(QAccessibleInterface* node, QWidget* window, QStringList& problems)
{
    auto* widget = qobject_cast<QWidget*>(node->object());
    // Cells and other parts of a control are the control's own business.
    if (!widget)
        return;
    if (isTabStop(widget, window) && node->text(QAccessible::Name).trimmed().isEmpty())
        problems << QStringLiteral("no accessible name: ") + describe(widget);
    if (needsToolTip(widget) && seenInWindow(widget, window) && widget->toolTip().isEmpty())
        problems << QStringLiteral("no tool tip: ") + describe(widget);
    for (int child = 0; child < node->childCount(); ++child) {
        if (QAccessibleInterface* childNode = node->child(child))
            auditAccessibleTree(childNode, window, problems);
    }
}

void auditTabStops(QWidget* window, QStringList& problems)
{
    for (QWidget* widget = window->nextInFocusChain(); widget != window; widget = widget->nextInFocusChain()) {
        if (isTabStop(widget, window) && !seenInWindow(widget, window))
            problems << QStringLiteral("Tab stop not visible: ") + describe(widget);
    }
}

// Two controls answering to one Alt+letter: Qt would only focus the first.
void auditShortcutLetters(QWidget* window, QStringList& problems)
{
    QMap<QString, QStringList> owners;
    auto add = [&owners](const QString& caption, const QString& owner) {
        const QKeySequence letter = QKeySequence::mnemonic(caption);
        if (!letter.isEmpty())
            owners[letter.toString()] << owner;
    };
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window))
            continue;
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            add(button->text(), describe(widget));
        else if (auto* label = qobject_cast<QLabel*>(widget); label && label->buddy())
            add(label->text(), describe(widget));
        else if (auto* menuBar = qobject_cast<QMenuBar*>(widget)) {
            for (QAction* menu : menuBar->actions())
                add(menu->text(), menu->objectName());
        }
    }
    for (auto letter = owners.cbegin(); letter != owners.cend(); ++letter) {
        if (letter->size() > 1)
            problems
                << QStringLiteral("%1 is the shortcut of %2").arg(letter.key(), letter->join(QStringLiteral(", ")));
    }
}

} // namespace

class AccessibilityTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // As the program does at start.
        installAccessibleComboBoxes();
        // A desktop set to larger text, for looking at the pictures.
        if (const double scale = qEnvironmentVariable("QUORVEX_AUDIT_FONT_SCALE").toDouble(); scale > 0) {
            QFont font = QApplication::font();
            font.setPointSizeF(font.pointSizeF() * scale);
            QApplication::setFont(font);
        }
    }

    // Names for every control, no hidden stops of the Tab key, a tool tip
    // on every button and no shortcut letter used twice: fails naming each
    // control at fault. With QUORVEX_AUDIT_PICTURES set to a folder, each
    // window is saved there as a picture, to look at with the text made
    // larger by QUORVEX_AUDIT_FONT_SCALE.
    void everyWindowPassesTheAudit_data()
    {
        QTest::addColumn<int>("opener");
        QTest::addColumn<QString>("locale");
        // In German too, whose longer captions and own shortcut letters
        // must pass as well.
        for (const char* locale : {"en_US", "de_DE"}) {
            for (int index = 0; index < static_cast<int>(std::size(windowOpeners)); ++index)
                QTest::addRow("%s, %s", windowOpeners[index].name, locale) << index << QString::fromLatin1(locale);
        }
    }

    void everyWindowPassesTheAudit()
    {
        QFETCH(int, opener);
        QFETCH(QString, locale);
        const ProgramTranslations translations{QLocale(locale)};
        TestContext test;
        const std::unique_ptr<QWidget> window = windowOpeners[opener].open(test);
        QVERIFY(window);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));

        if (const QString folder = qEnvironmentVariable("QUORVEX_AUDIT_PICTURES"); !folder.isEmpty()) {
            QTest::qWait(200);
            window->grab().save(QDir(folder).filePath(QString::fromLatin1(QTest::currentDataTag()) + ".png"));
        }

        QStringList problems;
        auditAccessibleTree(QAccessible::queryAccessibleInterface(window.get()), window.get(), problems);
        auditTabStops(window.get(), problems);
        auditShortcutLetters(window.get(), problems);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
