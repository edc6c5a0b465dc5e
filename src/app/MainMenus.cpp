#include "app/MainMenus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

QMenu* addMenu(QMenuBar* bar, const char* name, const QString& caption)
{
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

QMenu* makeHiddenMenu(QWidget* window, const char* name, const QString& caption)
{
    auto* menu = new QMenu(caption, window);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

QAction* addItem(QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut = {})
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    return action;
}

void addSeparator(QMenu* menu, const char* name)
{
    menu->addSeparator()->setObjectName(QString::fromLatin1(name));
}

} // namespace

MainMenus::MainMenus(QMenuBar* menuBar, QWidget* window)
    : QObject(window)
{
    QMenu* file = addMenu(menuBar, "mnuFile2", QStringLiteral("&File"));
    newUrl = addItem(file, "mnuNewURL", QStringLiteral("Add URL"), QKeySequence(Qt::CTRL | Qt::Key_N));
    addSeparator(file, "mnuFileSplit1");
    saveUrlList =
        addItem(file, "mnuSaveUrlList", QStringLiteral("Save URL List to File"), QKeySequence(Qt::CTRL | Qt::Key_S));
    openUrlList =
        addItem(file, "mnuOpenURLList", QStringLiteral("Load URL List from File"), QKeySequence(Qt::CTRL | Qt::Key_O));
    openClipboard = addItem(file, "mnuOpenClipboard", QStringLiteral("Load URL List from Clipboard"),
                            QKeySequence(Qt::CTRL | Qt::Key_V));
    addSeparator(file, "mnuFileSplitExport");
    exportResults = addItem(file, "mnuExportResults", QStringLiteral("Export Results as CSV..."),
                            QKeySequence(Qt::CTRL | Qt::Key_E));
    addSeparator(file, "mnuFileSplit84");
    exitNow = addItem(file, "mnuExitNow", QStringLiteral("Exit"));
    // Control+Q is where users of other programs reach for Exit.
    exitNow->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::CTRL | Qt::Key_Q)});

    QMenu* scanMenu = addMenu(menuBar, "mnuOptions", QStringLiteral("&Scan"));
    scan = addItem(scanMenu, "mnuScan", QStringLiteral("Start Scan"));
    stop = addItem(scanMenu, "mnuStop", QStringLiteral("Stop Scan"));
    stop->setEnabled(false);
    scanLog = addItem(scanMenu, "mnuScanLog", QStringLiteral("Scan Log"), QKeySequence(Qt::CTRL | Qt::Key_L));

    QMenu* options = addMenu(menuBar, "mnuOptions2", QStringLiteral("&Options"));
    config = addItem(options, "mnuConfig", QStringLiteral("View Options"));

    toolsMenu = makeHiddenMenu(window, "mnuTools", QStringLiteral("Tools"));
    graph = addItem(toolsMenu, "mnuGraph", QStringLiteral("View Graph..."));

    QMenu* help = addMenu(menuBar, "mnuHelp01", QStringLiteral("&Help"));
    helpItem = addItem(help, "mnuHelpItem", QStringLiteral("View Help"));

    QMenu* aboutMenu = addMenu(menuBar, "mnuHelp", QStringLiteral("&About"));
    about = addItem(aboutMenu, "mnuAbout", QStringLiteral("About this software"));

    urlMenu = makeHiddenMenu(window, "mnuURL", QStringLiteral("URL"));
    urlNewUrl = addItem(urlMenu, "mnuURLNewURL", QStringLiteral("New URL"));
    addSeparator(urlMenu, "mnuSPlit83");
    deleteSelected = addItem(urlMenu, "mnuDeleteSelect", QStringLiteral("Delete Selected"), QKeySequence::Delete);
    clearList =
        addItem(urlMenu, "mnuClearList", QStringLiteral("C&lear list"), QKeySequence(Qt::SHIFT | Qt::Key_Delete));
    addSeparator(urlMenu, "mnuURLsplit1");
    urlLoadUrlList = addItem(urlMenu, "mnuURLLoadUrlList", QStringLiteral("Load URL List from File"));
    loadClipboard = addItem(urlMenu, "mnuLoadClipboard", QStringLiteral("Load URL List from Clipboard"));
    urlSaveUrlList = addItem(urlMenu, "mnuURLSaveUrlList", QStringLiteral("Save URL List to File"));

    listViewMenu = makeHiddenMenu(window, "mnuListView", QStringLiteral("ListView"));
    saveResults = addItem(listViewMenu, "mnuSaveResults", QStringLiteral("Save Results"));
    webResults = addItem(listViewMenu, "mnuWebResults", QStringLiteral("Web Results"));
    clearResults = addItem(listViewMenu, "mnuClearResults", QStringLiteral("Clear Results"));
}
