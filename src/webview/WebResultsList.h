#pragma once

#include <QTreeWidget>

#include <optional>

struct Engine;

// The web-results list "ListView2": a row per page to open, its text the page
// type ("Home Page" or an engine's name), its second column the site. Each
// row keeps the page it opens as item data.
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

    // Adds the row of the site's home page, or of the engine's result page
    // for the site; made whole first so that a sorted list places it once.
    // Unsorted, an engine's row goes among the site's last rows in the
    // engine table's order, whatever order the engines answered in.
    QTreeWidgetItem* addHomePageRow(const QString& site);
    QTreeWidgetItem* addEngineRow(const Engine& engine, const QString& site);
    // The seven rows a scan adds for a site: "Home Page", then one per
    // engine in the engine table's order.
    void addSiteRows(const QString& site);

    // The page a row opens: the site's home page (no engine) or an engine's
    // result page; nothing for a row the list did not make.
    static std::optional<const Engine*> pageOf(const QTreeWidgetItem* row);

    // The first row, in the list's current order, whose site is exactly this
    // text; null when none is.
    QTreeWidgetItem* firstRowForSite(const QString& site) const;

    // The row the user picked: the current row when it is selected, else
    // the first selected row; null when no row is selected.
    QTreeWidgetItem* selectedRow() const;

private:
    QTreeWidgetItem* addRow(const QString& type, const QString& site, int engineNumber);
    // Where an engine's row for the site goes in an unsorted list: after
    // the last row, from the end, of that site with a lower page number.
    int engineRowPosition(const QString& site, int engineNumber) const;
    void headerClicked(int column);

    Qt::SortOrder m_order = Qt::AscendingOrder;
};
