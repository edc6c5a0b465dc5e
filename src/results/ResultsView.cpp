#include "results/ResultsView.h"

#include "base/ButtonFactory.h"
#include "base/RightButtonFilter.h"
#include "base/Twips.h"
#include "results/ResultsSortOrder.h"
#include "results/ScanResults.h"

#include <QAction>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QIdentityProxyModel>
#include <QMenu>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Column widths of the results table, in twips: the site, the total and the
// six engines' columns, then every further source column.
constexpr int columnWidths[] = {2750, 950, 950, 950, 950, 950, 950, 1100};
constexpr int furtherColumnWidth = 950;

// The results as the table shows them: the rank as an icon before the site,
// and in words, with the total, as the site's tool tip and as what screen
// readers say about it; a warning mark on an engine cell whose query failed
// or found no count, its tool tip saying why.
class RankShown : public QIdentityProxyModel
{
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (index.column() != ResultsColumns::domainName)
            return engineData(index, role);
        const int rank = QIdentityProxyModel::data(index, ScanResults::RankRole).toInt();
        switch (role) {
        case Qt::DecorationRole: {
            const QIcon icon = rankIcon(rank);
            return icon.isNull() ? QVariant() : QVariant(icon);
        }
        case Qt::ToolTipRole:
        case Qt::AccessibleDescriptionRole:
            if (rankName(rank).isEmpty())
                return {};
            return QStringLiteral("Rank: %1, total %2")
                .arg(rankName(rank), index.siblingAtColumn(ResultsColumns::total).data().toString());
        default:
            return QIdentityProxyModel::data(index, role);
        }
    }

private:
    QVariant engineData(const QModelIndex& index, int role) const
    {
        const bool suspect = QIdentityProxyModel::data(index, ScanResults::SuspectRole).toBool();
        if (role == Qt::DecorationRole && suspect) {
            static const QIcon warning(QStringLiteral(":/icons/warning.svg"));
            return warning;
        }
        if (role == Qt::AccessibleDescriptionRole)
            return QIdentityProxyModel::data(index, Qt::ToolTipRole);
        return QIdentityProxyModel::data(index, role);
    }
};

} // namespace

QIcon rankIcon(int rank)
{
    static const QIcon low(QStringLiteral(":/icons/rank-low.svg"));
    static const QIcon medium(QStringLiteral(":/icons/rank-medium.svg"));
    static const QIcon high(QStringLiteral(":/icons/rank-high.svg"));
    switch (rank) {
    case 1:
        return low;
    case 2:
        return medium;
    case 3:
        return high;
    default:
        return {};
    }
}

ResultsView::ResultsView(ScanResults* results, QWidget* parent)
    : QGroupBox(QStringLiteral("Results - Data View"), parent)
    , m_results(results)
    , m_sortOrder(new ResultsSortOrder(results))
{
    setObjectName(QStringLiteral("Frame2"));

    m_saveSelected = makePictureButton(this, QStringLiteral("Command4"), QStringLiteral("Save Sele&cted"),
                                       QStringLiteral("Add the selected site's counts to a saved search"),
                                       QStringLiteral("save-selected"), CaptionPlacement::BesideIcon);
    m_webResults = makePictureButton(this, QStringLiteral("Command12"), QStringLiteral("&Web Results"),
                                     QStringLiteral("Open the selected site's pages in the website view"),
                                     QStringLiteral("web-results"), CaptionPlacement::BesideIcon);
    m_clearAll = makePictureButton(this, QStringLiteral("Command5"), QStringLiteral("C&lear All"),
                                   QStringLiteral("Remove every row of the results"), QStringLiteral("clear-all"),
                                   CaptionPlacement::BesideIcon);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(twips(45));
    for (QToolButton* button : {m_saveSelected, m_webResults, m_clearAll}) {
        setDesignSize(button, QSize(twips(1755), twips(735)));
        buttons->addWidget(button);
    }
    buttons->addStretch();

    m_table = new QTreeView(this);
    m_table->setObjectName(QStringLiteral("ListView1"));
    m_table->setAccessibleName(QStringLiteral("Results"));
    auto* shown = new RankShown(m_table);
    shown->setSourceModel(results);
    m_table->setModel(shown);
    m_table->setRootIsDecorated(false);
    m_table->setItemsExpandable(false);
    m_table->setUniformRowHeights(true);
    m_table->setAllColumnsShowFocus(true);
    m_table->setAlternatingRowColors(true);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setIconSize(QSize(16, 16));
    m_table->header()->setSectionsClickable(true);
    m_table->header()->setStretchLastSection(false);
    m_table->header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    sourceColumnsChanged();
    connect(results, &ScanResults::sourceColumnsChanged, this, &ResultsView::sourceColumnsChanged);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(twips(120) - 2, twips(240) - 6, twips(120) - 2, twips(200));
    layout->setSpacing(twips(210));
    layout->addLayout(buttons);
    layout->addWidget(m_table, 1);

    connect(m_table->header(), &QHeaderView::sectionClicked, this, &ResultsView::columnClicked);
    connect(m_table, &QTreeView::doubleClicked, this, &ResultsView::webResultsRequested);
    connect(m_saveSelected, &QToolButton::clicked, this, &ResultsView::saveRequested);
    connect(m_webResults, &QToolButton::clicked, this, &ResultsView::webResultsRequested);
    connect(m_clearAll, &QToolButton::clicked, this, &ResultsView::clearRequested);
    // The press selects the row, the release opens the menu, on every platform.
    auto* rightButton = new RightButtonFilter(m_table->viewport(), this);
    connect(rightButton, &RightButtonFilter::pressed, this, &ResultsView::rightButtonPressed);
    connect(rightButton, &RightButtonFilter::released, this, &ResultsView::rightButtonReleased);
}

const ResultRow* ResultsView::selectedRow() const
{
    const QItemSelectionModel* selection = m_table->selectionModel();
    const QModelIndex current = selection->currentIndex();
    int row = -1;
    if (current.isValid() && selection->isRowSelected(current.row()))
        row = current.row();
    else if (const QModelIndexList rows = selection->selectedRows(); !rows.isEmpty())
        row = rows.first().row();
    return row >= 0 && row < m_results->rowCount() ? &m_results->row(row) : nullptr;
}

void ResultsView::setPopupMenu(QMenu* menu, QAction* saveResults, QAction* webResults, QAction* clearResults)
{
    m_popupMenu = menu;
    m_saveResultsAction = saveResults;
    connect(saveResults, &QAction::triggered, this, &ResultsView::saveRequested);
    connect(webResults, &QAction::triggered, this, &ResultsView::webResultsRequested);
    connect(clearResults, &QAction::triggered, this, &ResultsView::clearRequested);
}

void ResultsView::setScanRunning(bool running)
{
    m_scanRunning = running;
}

bool ResultsView::columnSortAscending(int column1Based) const
{
    return m_columnSortAscending.value(column1Based - 1, false);
}

void ResultsView::sourceColumnsChanged()
{
    const int count = m_results->columnCount();
    m_columnSortAscending = QList<bool>(count, false);
    // Wide enough for each caption when large text is set.
    for (int column = 0; column < count; ++column) {
        const int width = column < std::ssize(columnWidths) ? columnWidths[column] : furtherColumnWidth;
        m_table->setColumnWidth(column, std::max(twips(width), m_table->header()->sectionSizeHint(column)));
    }
}

void ResultsView::sortByColumn(int column1Based, SortDataType type, bool ascending)
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    m_sortOrder->sortByColumn(column1Based, type, ascending);
    QGuiApplication::restoreOverrideCursor();
}

void ResultsView::setKeepSorted(bool on)
{
    m_sortOrder->setKeepSorted(on);
}

bool ResultsView::keepSorted() const
{
    return m_sortOrder->keepSorted();
}

void ResultsView::columnClicked(int column)
{
    if (m_scanRunning || column < 0 || column >= m_columnSortAscending.size())
        return;
    bool& ascending = m_columnSortAscending[column];
    ascending = !ascending;
    const SortDataType type = column == ResultsColumns::domainName ? SortDataType::Text : SortDataType::Number;
    sortByColumn(column + 1, type, ascending);
}

void ResultsView::rightButtonPressed(const QPoint& position)
{
    const QModelIndex index = m_table->indexAt(position);
    if (index.isValid())
        m_table->setCurrentIndex(index);
    else
        m_table->clearSelection();
}

void ResultsView::rightButtonReleased(const QPoint& position, const QPoint& globalPosition)
{
    const QModelIndex index = m_table->indexAt(position);
    if (!index.isValid() || !m_popupMenu)
        return;
    if (m_saveResultsAction) {
        m_saveResultsAction->setText(QStringLiteral("Save Result For ") +
                                     literalCaption(m_results->row(index.row()).site));
    }
    m_popupMenu->popup(globalPosition);
}
