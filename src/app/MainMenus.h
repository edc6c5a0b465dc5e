#pragma once

#include <QObject>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

// The main window's menus: File, Scan, Options, Help and About on the menu
// bar; Tools, URL and ListView are kept off it (URL and ListView are the
// pop-up menus of the URL list and the results table). Each action carries
// its item name as objectName.
class MainMenus : public QObject
{
    Q_OBJECT

public:
    MainMenus(QMenuBar* menuBar, QWidget* window);

    // File
    QAction* newUrl;        // mnuNewURL
    QAction* saveUrlList;   // mnuSaveUrlList
    QAction* openUrlList;   // mnuOpenURLList
    QAction* openClipboard; // mnuOpenClipboard
    QAction* exportResults; // mnuExportResults
    QAction* exitNow;       // mnuExitNow
    // Scan
    QAction* scan;    // mnuScan
    QAction* stop;    // mnuStop
    QAction* scanLog; // mnuScanLog
    // Options
    QAction* config; // mnuConfig
    // Tools (hidden)
    QAction* graph; // mnuGraph
    // Help, About
    QAction* helpItem; // mnuHelpItem
    QAction* about;    // mnuAbout

    // URL pop-up menu
    QMenu* urlMenu;          // mnuURL
    QAction* urlNewUrl;      // mnuURLNewURL
    QAction* deleteSelected; // mnuDeleteSelect
    QAction* clearList;      // mnuClearList
    QAction* urlLoadUrlList; // mnuURLLoadUrlList
    QAction* loadClipboard;  // mnuLoadClipboard
    QAction* urlSaveUrlList; // mnuURLSaveUrlList

    // ListView pop-up menu
    QMenu* listViewMenu;   // mnuListView
    QAction* saveResults;  // mnuSaveResults
    QAction* webResults;   // mnuWebResults
    QAction* clearResults; // mnuClearResults

    QMenu* toolsMenu; // mnuTools
};
