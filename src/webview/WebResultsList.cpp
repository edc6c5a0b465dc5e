#include "webview/WebResultsList.h"

#include "engines/EngineTable.h"

#include <QHeaderView>

WebResultsList::WebResultsList(QWidget* parent)
    : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("ListView2"));
    setHeaderLabels({QStringLiteral("Webpage Type"), QStringLiteral("URL")});
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    header()->setSectionsClickable(true);
    connect(header(), &QHeaderView::sectionClicked, this, &WebResultsList::headerClicked);
}

void WebResultsList::addRow(const QString& type, const QString& site)
{
    addTopLevelItem(new QTreeWidgetItem(QStringList{type, site}));
}

void WebResultsList::addSiteRows(const QString& site)
{
    addRow(QString::fromLatin1(homePageRowText), site);
    for (const Engine& engine : engines())
        addRow(engine.webText(), site);
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
