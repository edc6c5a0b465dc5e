#pragma once

#include "base/ApplicationFolder.h"
#include "lists/UrlListFile.h"

#include <QAction>
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QStringList>

class Prompts;
class QListWidget;
class QPoint;
class UrlPanel;

// The commands of the URL list: add, delete, clear, save, load and import
// from the clipboard, started by the panel's buttons and by the menu items
// the window connects to them; and the list's pop-up menu.
class UrlListCommands : public QObject
{
    Q_OBJECT

public:
    // The most URLs the list holds.
    static constexpr int maxUrls = UrlListFile::maxUrls;

    UrlListCommands(UrlPanel* panel, Prompts& prompts, const ApplicationFolder& folder, QObject* parent = nullptr);

    // The pop-up menu of a right click on the list. Its deleteSelected item
    // is enabled while a URL is selected and its saveList item while the
    // list holds one; deleteSelected and clearList also take their keys
    // (Del, Shift+Del) while the list has the focus.
    void setPopupMenu(QMenu* menu, QAction* deleteSelected, QAction* clearList, QAction* saveList);

    void addUrl();
    void deleteSelected();
    void clearList();
    void saveList();
    void loadList();
    enum class LoadMode { Append, Replace };
    // Loads the URLs of a list file, after the list's (as "Load URL List
    // from File" does with the file chosen) or in their place. A file that
    // cannot be read is reported and changes nothing.
    bool loadListFile(const QString& path, LoadMode mode = LoadMode::Append);
    void loadFromClipboard();

    // Appends as many URLs as the list has room for, in order, and tells
    // the user how many did not fit. Returns the number appended.
    int appendUrls(const QStringList& urls);

    // The list's URLs, in order.
    QStringList urls() const;

    // Lets the window take .txt files dropped on it (from a file manager)
    // as list files to load, in the order dropped.
    void acceptDroppedListFiles(QWidget* window);

signals:
    // The URLs of the list or their order changed.
    void listChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // appendUrls() for URLs of sourceFile (empty for any other source),
    // of which `unread` more were only counted: the message about the URLs
    // that did not fit counts those too and names the file.
    int appendWithinRoom(const QStringList& urls, qsizetype unread, const QString& sourceFile);
    bool handleDrop(QEvent* event);
    void updatePopupItems();
    void showPopupMenu(const QPoint& globalPosition);

    QListWidget* m_list;
    QPointer<QMenu> m_popupMenu;
    QPointer<QAction> m_deleteSelected;
    QPointer<QAction> m_popupSave;
    QPointer<QWidget> m_dropTarget;
    Prompts& m_prompts;
    ApplicationFolder m_folder;
};
