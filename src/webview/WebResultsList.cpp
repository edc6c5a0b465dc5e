#include "webview/WebResultsList.h"

#include "engines/Source.h"

#include <QHeaderView>
#include <QThreadPool>

namespace {

// The item data of a row: the settings key of the source whose page it
// opens, the empty text for the site's home page; and the row's place among
// a site's rows, 0 for the home page.
constexpr int pageRole = Qt::UserRole;
constexpr int orderRole = Qt::UserRole + 1;
constexpr int homePage = 0;

} // namespace

WebResultsList::WebResultsList(QWidget* parent)
    : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("ListView2"));
    setAccessibleName(tr("Web results"));
    setHeaderLabels({tr("Webpage Type"), QStringLiteral("URL")});
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    header()->setSectionsClickable(true);
    connect(header(), &QHeaderView::sectionClicked, this, &WebResultsList::headerClicked);
}

QTreeWidgetItem* WebResultsList::addHomePageRow(const QString& site)
{
    return addRow(tr("Home Page"), site, QString(), homePage);
}

QTreeWidgetItem* WebResultsList::addSourceRow(const Source& source, int sourceNumber, const QString& site)
{
    if (!source.hasWebPage())
        return nullptr;
    return addRow(source.webViewText(), site, source.settingsKey, sourceNumber);
}

QTreeWidgetItem* WebResultsList::addRow(const QString& type, const QString& site, const QString& page, int order)
{
    auto* row = new QTreeWidgetItem(QStringList{type, site});
    row->setData(TypeColumn, pageRole, page);
    row->setData(TypeColumn, orderRole, order);
    if (order == homePage || isSortingEnabled())
        addTopLevelItem(row);
    else
        insertTopLevelItem(sourceRowPosition(site, order), row);
    return row;
}

int WebResultsList::sourceRowPosition(const QString& site, int order) const
{
    // A scan adds the site's home page row first, so the search ends at the
    // latest one at the latest, and rows of an earlier scan of the same
    // site stay as they are.
    for (int position = topLevelItemCount(); position > 0; --position) {
        const QTreeWidgetItem* item = topLevelItem(position - 1);
        if (item->text(UrlColumn) != site)
            continue;
        if (item->data(TypeColumn, orderRole).toInt() < order)
            return position;
    }
    return topLevelItemCount();
}

void WebResultsList::addSiteRows(const QString& site, const QList<Source>& sources)
{
    addHomePageRow(site);
    for (qsizetype index = 0; index < sources.size(); ++index)
        addSourceRow(sources[index], static_cast<int>(index) + 1, site);
}

void WebResultsList::removeAllRows()
{
    // Deleting the rows of a scan of thousands of sites takes longer than
    // the window may stand still. Taken out of the list they belong to
    // nothing, so a worker deletes them.
    const QList<QTreeWidgetItem*> rows = invisibleRootItem()->takeChildren();
    if (!rows.isEmpty())
        QThreadPool::globalInstance()->start([rows] { qDeleteAll(rows); });
}

std::optional<QString> WebResultsList::pageOf(const QTreeWidgetItem* row)
{
    const QVariant page = row->data(TypeColumn, pageRole);
    if (page.typeId() != QMetaType::QString)
        return std::nullopt;
    return page.toString();
}

QTreeWidgetItem* WebResultsList::firstRowForSite(const QString& site) const
{
    for (int row = 0; row < topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = topLevelItem(row);
        if (item->text(UrlColumn) == site)
            return item;
    }
    return nullptr;
}

QTreeWidgetItem* WebResultsList::selectedRow() const
{
    QTreeWidgetItem* current = currentItem();
    if (current && current->isSelected())
        return current;
    const QList<QTreeWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

void WebResultsList::headerClicked(int column)
{
    if (topLevelItemCount() == 0)
        return;
    m_order = m_order == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    // The view's own sorting keeps later rows in place. The header shows no
    // sort arrow: with it, the header would flip its own per-column order on
    // every click.
    header()->setSortIndicator(column, m_order);
    if (!isSortingEnabled()) {
        setSortingEnabled(true);
        header()->setSortIndicatorShown(false);
    }
    sortItems(column, m_order);
}
