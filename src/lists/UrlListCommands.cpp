#include "lists/UrlListCommands.h"

#include "base/Prompts.h"
#include "base/RightButtonFilter.h"
#include "base/SavePathChoice.h"
#include "lists/ClipboardUrls.h"
#include "lists/UrlListFile.h"
#include "lists/UrlPanel.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QDropEvent>
#include <QGuiApplication>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QToolButton>
#include <QUrl>

namespace {

QString listFullMessage(qsizetype notAdded, const QString& sourceFile)
{
    const QString count = notAdded == 1 ? QCoreApplication::translate("UrlListCommands", "1 URL")
                                        : QCoreApplication::translate("UrlListCommands", "%1 URLs").arg(notAdded);
    const QString source =
        sourceFile.isEmpty()
            ? QString()
            : QCoreApplication::translate("UrlListCommands", " of \"%1\"").arg(QDir::toNativeSeparators(sourceFile));
    return QCoreApplication::translate("UrlListCommands",
                                       "The URL list is full: it holds at most %1 URLs. %2%3 %4 not added.")
        .arg(QString::number(UrlListCommands::maxUrls), count, source,
             notAdded == 1 ? QCoreApplication::translate("UrlListCommands", "was")
                           : QCoreApplication::translate("UrlListCommands", "were"));
}

// The local .txt files among the dropped items, in order.
QStringList droppedListFiles(const QMimeData* data)
{
    QStringList paths;
    if (!data)
        return paths;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile() && UrlListFile::hasTextExtension(url.toLocalFile()))
            paths << url.toLocalFile();
    }
    return paths;
}

} // namespace

UrlListCommands::UrlListCommands(UrlPanel* panel, Prompts& prompts, const ApplicationFolder& folder, QObject* parent)
    : QObject(parent)
    , m_list(panel->list())
    , m_prompts(prompts)
    , m_folder(folder)
{
    connect(panel->addButton(), &QToolButton::clicked, this, &UrlListCommands::addUrl);
    connect(panel->deleteButton(), &QToolButton::clicked, this, &UrlListCommands::deleteSelected);
    connect(panel->saveButton(), &QToolButton::clicked, this, &UrlListCommands::saveList);
    connect(panel->loadButton(), &QToolButton::clicked, this, &UrlListCommands::loadList);

    // The enabling of the pop-up's items also decides whether Del acts.
    connect(m_list, &QListWidget::itemSelectionChanged, this, &UrlListCommands::updatePopupItems);
    connect(this, &UrlListCommands::listChanged, this, &UrlListCommands::updatePopupItems);
    const QAbstractItemModel* model = m_list->model();
    connect(model, &QAbstractItemModel::rowsInserted, this, &UrlListCommands::listChanged);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &UrlListCommands::listChanged);
    connect(model, &QAbstractItemModel::rowsMoved, this, &UrlListCommands::listChanged);
    connect(model, &QAbstractItemModel::modelReset, this, &UrlListCommands::listChanged);
    connect(model, &QAbstractItemModel::layoutChanged, this, &UrlListCommands::listChanged);
    connect(model, &QAbstractItemModel::dataChanged, this, &UrlListCommands::listChanged);

    // The menu opens on the press, and the right button never changes the
    // selection.
    auto* rightButton = new RightButtonFilter(m_list->viewport(), this);
    connect(rightButton, &RightButtonFilter::pressed, this,
            [this](const QPoint&, const QPoint& globalPosition) { showPopupMenu(globalPosition); });
}

void UrlListCommands::setPopupMenu(QMenu* menu, QAction* deleteSelected, QAction* clearList, QAction* saveList)
{
    m_popupMenu = menu;
    m_deleteSelected = deleteSelected;
    m_popupSave = saveList;
    // Del and Shift+Del act on the list only while it has the focus, so
    // they keep their usual meaning in text boxes.
    for (QAction* action : {deleteSelected, clearList}) {
        action->setShortcutContext(Qt::WidgetShortcut);
        m_list->addAction(action);
    }
    updatePopupItems();
}

void UrlListCommands::addUrl()
{
    const std::optional<QString> url =
        m_prompts.inputText(tr("Please enter a URL"), tr("New URL"), QStringLiteral("http://"));
    // Anything longer than the bare default "http://" is taken as typed.
    if (url && url->size() > 7)
        appendUrls({*url});
}

void UrlListCommands::deleteSelected()
{
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    if (selected.isEmpty())
        return;
    const int row = m_list->row(selected.first());
    delete m_list->takeItem(row);
    m_list->clearSelection();
    if (row < m_list->count())
        m_list->setCurrentRow(row);
}

void UrlListCommands::clearList()
{
    if (m_prompts.question(tr("This will delete all the URLs, Continue?"), tr("Warning")))
        m_list->clear();
}

void UrlListCommands::saveList()
{
    const QString path = chooseSavePath(m_prompts, QString(), tr("Text Files (*.txt);;All Files (*)"),
                                        m_folder.listsFolder(), QStringLiteral(".txt"), tr("Save URL List"));
    if (path.isEmpty())
        return;
    QString reason;
    if (!UrlListFile::write(path, urls(), reason)) {
        m_prompts.error(tr("The URL list could not be saved to \"%1\": %2").arg(QDir::toNativeSeparators(path), reason),
                        Prompts::errorCaption());
    }
}

void UrlListCommands::loadList()
{
    const QString path = m_prompts.openFile(tr("Select a file"), tr("Text Files (*.txt)"), m_folder.listsFolder());
    if (!path.isEmpty())
        loadListFile(path);
}

bool UrlListCommands::loadListFile(const QString& path, LoadMode mode)
{
    // Lines the list has no room for are only counted.
    const qsizetype room = mode == LoadMode::Replace ? maxUrls : qMax(0, maxUrls - m_list->count());
    QStringList loaded;
    qsizetype beyondRoom = 0;
    QString reason;
    if (!UrlListFile::read(path, loaded, reason, room, &beyondRoom)) {
        m_prompts.error(UrlListFile::readFailure(path, reason), Prompts::errorCaption());
        return false;
    }
    if (mode == LoadMode::Replace)
        m_list->clear();
    appendWithinRoom(loaded, beyondRoom, path);
    return true;
}

void UrlListCommands::loadFromClipboard()
{
    appendUrls(ClipboardUrls::fromText(QGuiApplication::clipboard()->text()));
}

int UrlListCommands::appendUrls(const QStringList& urls)
{
    return appendWithinRoom(urls, 0, QString());
}

int UrlListCommands::appendWithinRoom(const QStringList& urls, qsizetype unread, const QString& sourceFile)
{
    const qsizetype room = qMax(0, maxUrls - m_list->count());
    const qsizetype added = qMin(room, urls.size());
    if (added > 0) {
        // One insertion for the whole batch: adding item by item makes the
        // list recompute its layout for every line of a large file.
        const bool updates = m_list->updatesEnabled();
        m_list->setUpdatesEnabled(false);
        m_list->addItems(added == urls.size() ? urls : urls.first(added));
        m_list->setUpdatesEnabled(updates);
    }
    if (const qsizetype notAdded = urls.size() - added + unread; notAdded > 0)
        m_prompts.information(listFullMessage(notAdded, sourceFile), tr("Information"));
    return static_cast<int>(added);
}

QStringList UrlListCommands::urls() const
{
    QStringList result;
    result.reserve(m_list->count());
    for (int row = 0; row < m_list->count(); ++row)
        result << m_list->item(row)->text();
    return result;
}

void UrlListCommands::acceptDroppedListFiles(QWidget* window)
{
    m_dropTarget = window;
    window->setAcceptDrops(true);
    window->installEventFilter(this);
}

bool UrlListCommands::handleDrop(QEvent* event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (droppedListFiles(drag->mimeData()).isEmpty())
            return false;
        drag->setDropAction(Qt::CopyAction);
        drag->accept();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QStringList paths = droppedListFiles(drop->mimeData());
        if (paths.isEmpty())
            return false;
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        // Loaded once the drop is over: a message box opened inside the drop
        // would keep the file manager's drag waiting for its end.
        QMetaObject::invokeMethod(
            this,
            [this, paths] {
                for (const QString& path : paths)
                    loadListFile(path);
            },
            Qt::QueuedConnection);
        return true;
    }
    default:
        return false;
    }
}

void UrlListCommands::updatePopupItems()
{
    // The window may be destroying its menus before the list.
    if (m_deleteSelected)
        m_deleteSelected->setEnabled(!m_list->selectedItems().isEmpty());
    // Only the pop-up's item: the File menu's "Save URL List to File" also
    // saves an empty list.
    if (m_popupSave)
        m_popupSave->setEnabled(m_list->count() > 0);
}

void UrlListCommands::showPopupMenu(const QPoint& globalPosition)
{
    updatePopupItems();
    if (m_popupMenu)
        m_popupMenu->popup(globalPosition);
}

bool UrlListCommands::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_dropTarget && handleDrop(event))
        return true;
    return QObject::eventFilter(watched, event);
}
