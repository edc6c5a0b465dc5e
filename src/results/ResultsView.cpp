#include "results/ResultsView.h"

#include "base/ButtonFactory.h"
#include "base/RightButtonFilter.h"
#include "base/Twips.h"
#include "results/ResultsSortProxy.h"
#include "results/ScanResults.h"

#include <QAction>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QMenu>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <numeric>

namespace {

// Column widths of the results table, in twips: the site, the total and the
// six engines' columns, then every further source column.
constexpr int columnWidths[] = {2750, 950, 950, 950, 950, 950, 950, 1100};
constexpr int furtherColumnWidth = 950;

// The table's column captions. The table asks for the header's height
// whenever it lays out its rows, which a scan makes it do for every site
// added, and the header works it out anew from every caption's text each
// time; it is kept here until a caption, the columns, the font or the
// style change.
class ResultsHeader : public QHeaderView
{
public:
    explicit ResultsHeader(QWidget* parent)
        : QHeaderView(Qt::Horizontal, parent)
    {
        connect(this, &QHeaderView::sectionCountChanged, this, &ResultsHeader::forgetSizeHint);
        connect(this, &QHeaderView::sectionResized, this, &ResultsHeader::forgetSizeHint);
        connect(this, &QHeaderView::sortIndicatorChanged, this, &ResultsHeader::forgetSizeHint);
    }

    void setModel(QAbstractItemModel* model) override
    {
        if (this->model())
            disconnect(this->model(), &QAbstractItemModel::headerDataChanged, this, &ResultsHeader::forgetSizeHint);
        QHeaderView::setModel(model);
        if (model)
            connect(model, &QAbstractItemModel::headerDataChanged, this, &ResultsHeader::forgetSizeHint);
        forgetSizeHint();
    }

    QSize sizeHint() const override
    {
        if (!m_sizeHint.isValid())
            m_sizeHint = QHeaderView::sizeHint();
        return m_sizeHint;
    }

protected:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
            forgetSizeHint();
        return QHeaderView::event(event);
    }

private:
    void forgetSizeHint() { m_sizeHint = QSize(); }

    mutable QSize m_sizeHint;
};

// The results as the table shows them: the pictures the results' roles
// stand for, the rank as an icon before the site and a warning mark on a
// cell whose query failed or found no count.
class ShownResults : public ResultsSortProxy
{
public:
    using ResultsSortProxy::ResultsSortProxy;

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DecorationRole)
            return ResultsSortProxy::data(index, role);
        if (index.column() == ResultsColumns::domainName) {
            const QIcon icon = rankIcon(ResultsSortProxy::data(index, ScanResults::RankRole).toInt());
            return icon.isNull() ? QVariant() : QVariant(icon);
        }
        if (ResultsSortProxy::data(index, ScanResults::SuspectRole).toBool()) {
            static const QIcon warning(QStringLiteral(":/icons/warning.svg"));
            return warning;
        }
        return {};
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
    : QGroupBox(tr("Results - Data View"), parent)
    , m_results(results)
    , m_shown(new ShownResults(results, this))
{
    setObjectName(QStringLiteral("Frame2"));

    m_saveSelected = makePictureButton(this, QStringLiteral("Command4"), tr("Save Sele&cted"),
                                       tr("Add the selected site's counts to a saved search"),
                                       QStringLiteral("save-selected"), CaptionPlacement::BesideIcon);
    m_webResults = makePictureButton(this, QStringLiteral("Command12"), tr("&Web Results"),
                                     tr("Open the selected site's pages in the website view"),
                                     QStringLiteral("web-results"), CaptionPlacement::BesideIcon);
    m_clearAll =
        makePictureButton(this, QStringLiteral("Command5"), tr("C&lear All"), tr("Remove every row of the results"),
                          QStringLiteral("clear-all"), CaptionPlacement::BesideIcon);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(twips(45));
    for (QToolButton* button : {m_saveSelected, m_webResults, m_clearAll}) {
        setDesignSize(button, QSize(twips(1755), twips(735)));
        buttons->addWidget(button);
    }
    buttons->addStretch();

    m_table = new QTableView(this);
    m_table->setHorizontalHeader(new ResultsHeader(m_table));
    m_table->setObjectName(QStringLiteral("ListView1"));
    m_table->setAccessibleName(tr("Results"));
    m_table->setModel(m_shown);
    m_table->setShowGrid(false);
    m_table->setWordWrap(false);
    m_table->setAlternatingRowColors(true);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setIconSize(QSize(16, 16));
    m_table->verticalHeader()->hide();
    // Every row is one line high: the table never measures its rows.
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(
        std::max(m_table->fontMetrics().height(), m_table->iconSize().height()) + 4);
    QHeaderView* header = m_table->horizontalHeader();
    header->setSectionsClickable(true);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setSortIndicatorShown(true);
    sourceColumnsChanged();
    connect(results, &ScanResults::sourceColumnsChanged, this, &ResultsView::sourceColumnsChanged);
    connect(m_shown, &ResultsSortProxy::keepSortedChanged, this, &ResultsView::showSortIndicator);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(twips(120) - 2, twips(240) - 6, twips(120) - 2, twips(200));
    layout->setSpacing(twips(210));
    layout->addLayout(buttons);
    layout->addWidget(m_table, 1);

    connect(header, &QHeaderView::sectionClicked, this, &ResultsView::columnClicked);
    connect(m_table, &QTableView::doubleClicked, this, &ResultsView::webResultsRequested);
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
    return row >= 0 && row < m_shown->rowCount() ? &m_shown->rowAt(row) : nullptr;
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

bool ResultsView::columnSortAscending(int column) const
{
    return m_columnSortAscending.value(column, false);
}

void ResultsView::sourceColumnsChanged()
{
    m_columnSortAscending = QList<bool>(m_results->columnCount(), false);
    fitColumns();
    showSortIndicator();
}

void ResultsView::showEvent(QShowEvent* event)
{
    QGroupBox::showEvent(event);
    if (m_shownBefore)
        return;
    m_shownBefore = true;
    // The results kept from the last session are in by now; the table has
    // its size once the window's layout has run.
    QMetaObject::invokeMethod(this, &ResultsView::fitColumns, Qt::QueuedConnection);
}

void ResultsView::fitColumns()
{
    const int count = m_results->columnCount();
    const QHeaderView* header = m_table->horizontalHeader();
    const int captionMargins = 2 * (header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header) + 1);
    // Each column's width, and the least it may give up to: its caption
    // (without the room a sort indicator takes) and its widest value.
    QList<int> widths(count);
    QList<int> least(count);
    for (int column = 0; column < count; ++column) {
        const int design = twips(column < std::ssize(columnWidths) ? columnWidths[column] : furtherColumnWidth);
        const int caption =
            header->fontMetrics().horizontalAdvance(m_shown->headerData(column, Qt::Horizontal).toString()) +
            captionMargins;
        least[column] = std::max(caption, widestValueWidth(column));
        // Wide enough for each caption and its sort indicator when large
        // text is set.
        widths[column] = std::max({design, header->sectionSizeHint(column), least[column]});
    }
    const int available = m_table->viewport()->width();
    int excess = std::accumulate(widths.cbegin(), widths.cend(), 0) - available;
    if (!m_shownBefore || available <= 0)
        excess = 0;
    // The counts give up the room of a sort indicator they do not show
    // first, each alike, then the site's column.
    for (const bool siteColumn : {false, true}) {
        int spare = 0;
        for (int column = 0; column < count; ++column) {
            if ((column == ResultsColumns::domainName) == siteColumn)
                spare += widths[column] - least[column];
        }
        const int cut = std::min(excess, spare);
        for (int column = 0; column < count && cut > 0; ++column) {
            if ((column == ResultsColumns::domainName) != siteColumn)
                continue;
            // Rounded up, so that the parts add up to no less than the cut.
            const int part = std::min({int((qint64(widths[column] - least[column]) * cut + spare - 1) / spare),
                                       widths[column] - least[column], excess});
            widths[column] -= part;
            excess -= part;
        }
    }
    for (int column = 0; column < count; ++column)
        m_table->setColumnWidth(column, widths[column]);
}

int ResultsView::widestValueWidth(int column) const
{
    if (column == ResultsColumns::domainName)
        return 0;
    // The largest number has the longest text, and digits are as wide as
    // each other in most fonts: its cell alone is measured.
    int widestRow = -1;
    qint64 largest = -1;
    for (int row = 0; row < m_results->rowCount(); ++row) {
        const std::optional<qint64> number = m_results->row(row).columnNumber(column);
        if (number && *number > largest) {
            largest = *number;
            widestRow = row;
        }
    }
    if (widestRow < 0)
        return 0;
    return m_table->sizeHintForIndex(m_shown->mapFromSource(m_results->index(widestRow, column))).width();
}

void ResultsView::sortByColumn(int column, Qt::SortOrder order)
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    m_shown->sortBy(column, order);
    QGuiApplication::restoreOverrideCursor();
    showSortIndicator();
}

void ResultsView::setKeepSorted(bool on)
{
    m_shown->setKeepSorted(on);
}

bool ResultsView::keepSorted() const
{
    return m_shown->keepSorted();
}

void ResultsView::showSortIndicator()
{
    // Rows that are no longer kept sorted are not in the order the header
    // would claim.
    const bool sorted = m_shown->keepSorted() && m_shown->sortColumn() >= 0;
    m_table->horizontalHeader()->setSortIndicator(sorted ? m_shown->sortColumn() : -1, m_shown->sortOrder());
}

void ResultsView::columnClicked(int column)
{
    if (m_scanRunning || column < 0 || column >= m_columnSortAscending.size()) {
        // The header turns its indicator at every click.
        showSortIndicator();
        return;
    }
    bool& ascending = m_columnSortAscending[column];
    ascending = !ascending;
    sortByColumn(column, ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
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
                                     literalCaption(m_shown->rowAt(index.row()).site));
    }
    m_popupMenu->popup(globalPosition);
}
