#pragma once

#include <QList>
#include <QTreeWidget>

#include <optional>

struct Source;

// The web-results list "ListView2": a row per page to open, its text the page
// type ("Home Page" or a source's name), its second column the site. Each
// row keeps the page it opens as item data: the site's home page, or the
// page of the source kept under a settings key.
//
// A header click sorts the list by that column's text. The list has one sort
// order for all its columns, which each header click flips whichever column
// was clicked before; it starts ascending, so the first click sorts
// descending. Once sorted, the list keeps rows added later in that order.
class WebResultsList : public QTreeWidget
{
    Q_OBJECT

public:
    enum Column { TypeColumn = 0, UrlColumn = 1 };

    explicit WebResultsList(QWidget* parent = nullptr);

    // The order the next header click flips.
    Qt::SortOrder sortOrder() const { return m_order; }

    // Adds the row of the site's home page, or of the source's result page
    // for the site (the source numbered from 1 in the scan's order); made
    // whole first so that a sorted list places it once. Unsorted, a source's
    // row goes among the site's last rows in the sources' order, whatever
    // order the sources answered in. Only a source with a web page
    // (Source::hasWebPage) gets a row; for any other none is added (null).
    QTreeWidgetItem* addHomePageRow(const QString& site);
    QTreeWidgetItem* addSourceRow(const Source& source, int sourceNumber, const QString& site);
    // The rows a scan adds for a site: "Home Page", then one per source in
    // the given order.
    void addSiteRows(const QString& site, const QList<Source>& sources);
    // Empties the list at once, however long it is.
    void removeAllRows();

    // The page a row opens: the empty text for the site's home page, else
    // the settings key of the source whose result page it is; nothing for a
    // row the list did not make.
    static std::optional<QString> pageOf(const QTreeWidgetItem* row);

    // The first row, in the list's current order, whose site is exactly this
    // text; null when none is.
    QTreeWidgetItem* firstRowForSite(const QString& site) const;

    // The row the user picked: the current row when it is selected, else
    // the first selected row; null when no row is selected.
    QTreeWidgetItem* selectedRow() const;

private:
    QTreeWidgetItem* addRow(const QString& type, const QString& site, const QString& page, int order);
    // Where a source's row for the site goes in an unsorted list: after the
    // last row, from the end, of that site with a lower order number.
    int sourceRowPosition(const QString& site, int order) const;
    void headerClicked(int column);

    Qt::SortOrder m_order = Qt::AscendingOrder;
};
