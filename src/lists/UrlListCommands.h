#pragma once

#include "app/ApplicationFolder.h"

#include <QAction>
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QStringList>

class MainMenus;
class Prompts;
class QListWidget;
class QPoint;
class UrlPanel;

// The commands of the URL list: add, delete, clear, save, load and import
// from the clipboard, started alike from the File menu, the list's pop-up
// menu and the panel's buttons; and the pop-up menu itself.
class UrlListCommands : public QObject
{
    Q_OBJECT

public:
    // The most URLs the list holds.
    static constexpr int maxUrls = 32767;

    UrlListCommands(UrlPanel* panel, MainMenus& menus, Prompts& prompts, const ApplicationFolder& folder,
                    QObject* parent = nullptr);

    void addUrl();
    void deleteSelected();
    void clearList();
    void saveList();
    void loadList();
    void loadFromClipboard();

    // Appends as many URLs as the list has room for, in order, and tells
    // the user how many did not fit. Returns the number appended.
    int appendUrls(const QStringList& urls);

    // The list's URLs, in order.
    QStringList urls() const;

private:
    void updatePopupItems();
    void showPopupMenu(const QPoint& globalPosition);

    QListWidget* m_list;
    QPointer<QMenu> m_popupMenu;
    QPointer<QAction> m_deleteSelected;
    QPointer<QAction> m_popupSave;
    Prompts& m_prompts;
    ApplicationFolder m_folder;
};
