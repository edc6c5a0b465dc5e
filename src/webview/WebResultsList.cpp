#include "webview/WebResultsList.h"

#include "engines/EngineTable.h"

#include <QHeaderView>

namespace {

// The item data of a row: the number of the engine whose page it opens, 0
// for the site's home page.
constexpr int pageRole = Qt::UserRole;
constexpr int homePage = 0;

} // namespace

WebResultsList::WebResultsList(QWidget* parent)
    : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("ListView2"));
    setAccessibleName(QStringLiteral("Web results"));
    setHeaderLabels({QStringLiteral("Webpage Type"), QStringLiteral("URL")});
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
    return addRow(QStringLiteral("Home Page"), site, homePage);
}

QTreeWidgetItem* WebResultsList::addEngineRow(const Engine& engine, const QString& site)
{
    return addRow(engine.webText(), site, engine.number);
}

QTreeWidgetItem* WebResultsList::addRow(const QString& type, const QString& site, int engineNumber)
{
    auto* row = new QTreeWidgetItem(QStringList{type, site});
    row->setData(TypeColumn, pageRole, engineNumber);
    if (engineNumber == homePage || isSortingEnabled())
        addTopLevelItem(row);
    else
        insertTopLevelItem(engineRowPosition(site, engineNumber), row);
    return row;
}

int WebResultsList::engineRowPosition(const QString& site, int engineNumber) const
{
    // A scan adds the site's home page row first, so the search ends at the
    // latest one at the latest, and rows of an earlier scan of the same
    // site stay as they are.
    for (int position = topLevelItemCount(); position > 0; --position) {
        const QTreeWidgetItem* item = topLevelItem(position - 1);
        if (item->text(UrlColumn) != site)
            continue;
        if (item->data(TypeColumn, pageRole).toInt() < engineNumber)
            return position;
    }
    return topLevelItemCount();
}

void WebResultsList::addSiteRows(const QString& site)
{
    addHomePageRow(site);
    for (const Engine& engine : engines())
        addEngineRow(engine, site);
}

std::optional<const Engine*> WebResultsList::pageOf(const QTreeWidgetItem* row)
{
    bool isNumber = false;
    const int number = row->data(TypeColumn, pageRole).toInt(&isNumber);
    if (!isNumber)
        return std::nullopt;
    if (number == homePage)
        return nullptr;
    if (const Engine* engine = engineByNumber(number))
        return engine;
    return std::nullopt;
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
