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
    QMenu* file = addMenu(menuBar, "mnuFile2", tr("&File"));
    newUrl = addItem(file, "mnuNewURL", tr("Add URL"), QKeySequence(Qt::CTRL | Qt::Key_N));
    addSeparator(file, "mnuFileSplit1");
    saveUrlList = addItem(file, "mnuSaveUrlList", tr("Save URL List to File"), QKeySequence(Qt::CTRL | Qt::Key_S));
    openUrlList = addItem(file, "mnuOpenURLList", tr("Load URL List from File"), QKeySequence(Qt::CTRL | Qt::Key_O));
    openClipboard =
        addItem(file, "mnuOpenClipboard", tr("Load URL List from Clipboard"), QKeySequence(Qt::CTRL | Qt::Key_V));
    addSeparator(file, "mnuFileSplitExport");
    exportResults =
        addItem(file, "mnuExportResults", tr("Export Results as CSV..."), QKeySequence(Qt::CTRL | Qt::Key_E));
    addSeparator(file, "mnuFileSplit84");
    exitNow = addItem(file, "mnuExitNow", tr("Exit"));
    // Control+Q is where users of other programs reach for Exit.
    exitNow->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::CTRL | Qt::Key_Q)});

    QMenu* scanMenu = addMenu(menuBar, "mnuOptions", tr("&Scan"));
    scan = addItem(scanMenu, "mnuScan", tr("Start Scan"));
    stop = addItem(scanMenu, "mnuStop", tr("Stop Scan"));
    stop->setEnabled(false);
    scanLog = addItem(scanMenu, "mnuScanLog", tr("Scan Log"), QKeySequence(Qt::CTRL | Qt::Key_L));

    QMenu* options = addMenu(menuBar, "mnuOptions2", tr("&Options"));
    config = addItem(options, "mnuConfig", tr("View Options"));

    toolsMenu = makeHiddenMenu(window, "mnuTools", tr("Tools"));
    graph = addItem(toolsMenu, "mnuGraph", tr("View Graph..."));

    QMenu* help = addMenu(menuBar, "mnuHelp01", tr("&Help"));
    helpItem = addItem(help, "mnuHelpItem", tr("View Help"));

    QMenu* aboutMenu = addMenu(menuBar, "mnuHelp", tr("&About"));
    about = addItem(aboutMenu, "mnuAbout", tr("About this software"));

    urlMenu = makeHiddenMenu(window, "mnuURL", tr("URL"));
    urlNewUrl = addItem(urlMenu, "mnuURLNewURL", tr("New URL"));
    addSeparator(urlMenu, "mnuSPlit83");
    deleteSelected = addItem(urlMenu, "mnuDeleteSelect", tr("Delete Selected"), QKeySequence::Delete);
    clearList = addItem(urlMenu, "mnuClearList", tr("C&lear list"), QKeySequence(Qt::SHIFT | Qt::Key_Delete));
    addSeparator(urlMenu, "mnuURLsplit1");
    urlLoadUrlList = addItem(urlMenu, "mnuURLLoadUrlList", tr("Load URL List from File"));
    loadClipboard = addItem(urlMenu, "mnuLoadClipboard", tr("Load URL List from Clipboard"));
    urlSaveUrlList = addItem(urlMenu, "mnuURLSaveUrlList", tr("Save URL List to File"));

    listViewMenu = makeHiddenMenu(window, "mnuListView", tr("ListView"));
    saveResults = addItem(listViewMenu, "mnuSaveResults", tr("Save Results"));
    webResults = addItem(listViewMenu, "mnuWebResults", tr("Web Results"));
    clearResults = addItem(listViewMenu, "mnuClearResults", tr("Clear Results"));
}
