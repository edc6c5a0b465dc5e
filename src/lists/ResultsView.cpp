#include "lists/ResultsView.h"

#include "app/ButtonFactory.h"
#include "app/Twips.h"
#include "lists/ResultsTable.h"
#include "lists/RightButtonFilter.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// Column widths of the results table, in twips.
constexpr int columnWidths[ResultsColumns::count] = {2750, 950, 950, 950, 950, 950, 950, 1100};

} // namespace

ResultsView::ResultsView(QWidget* parent)
    : QGroupBox(QStringLiteral("Results - Data View"), parent)
{
    setObjectName(QStringLiteral("Frame2"));

    m_saveSelected = makePictureButton(this, QStringLiteral("Command4"), QStringLiteral("Save Selected"),
                                       QStringLiteral("save-selected"), CaptionPlacement::BesideIcon);
    m_webResults = makePictureButton(this, QStringLiteral("Command12"), QStringLiteral("Web Results"),
                                     QStringLiteral("web-results"), CaptionPlacement::BesideIcon);
    m_clearAll = makePictureButton(this, QStringLiteral("Command5"), QStringLiteral("Clear All"),
                                   QStringLiteral("clear-all"), CaptionPlacement::BesideIcon);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(twips(45));
    for (QToolButton* button : {m_saveSelected, m_webResults, m_clearAll}) {
        button->setFixedSize(twips(1755), twips(735));
        buttons->addWidget(button);
    }
    buttons->addStretch();

    m_table = new QTreeWidget(this);
    m_table->setObjectName(QStringLiteral("ListView1"));
    m_table->setHeaderLabels(ResultsColumns::captions());
    m_table->setRootIsDecorated(false);
    m_table->setUniformRowHeights(true);
    m_table->setAllColumnsShowFocus(true);
    m_table->setAlternatingRowColors(true);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setIconSize(QSize(16, 16));
    m_table->header()->setSectionsClickable(true);
    m_table->header()->setStretchLastSection(false);
    m_table->header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (int column = 0; column < ResultsColumns::count; ++column)
        m_table->setColumnWidth(column, twips(columnWidths[column]));
    m_resultsTable = new ResultsTable(m_table);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(twips(120) - 2, twips(240) - 6, twips(120) - 2, twips(200));
    layout->setSpacing(twips(210));
    layout->addLayout(buttons);
    layout->addWidget(m_table, 1);

    connect(m_table->header(), &QHeaderView::sectionClicked, this, &ResultsView::columnClicked);
    connect(m_table, &QTreeWidget::itemDoubleClicked, this, &ResultsView::webResultsRequested);
    connect(m_saveSelected, &QToolButton::clicked, this, &ResultsView::saveRequested);
    connect(m_webResults, &QToolButton::clicked, this, &ResultsView::webResultsRequested);
    connect(m_clearAll, &QToolButton::clicked, this, &ResultsView::clearRequested);
    // The press selects the row, the release opens the menu, on every platform.
    auto* rightButton = new RightButtonFilter(m_table->viewport(), this);
    connect(rightButton, &RightButtonFilter::pressed, this, &ResultsView::rightButtonPressed);
    connect(rightButton, &RightButtonFilter::released, this, &ResultsView::rightButtonReleased);
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
    if (column1Based < 1 || column1Based > ResultsColumns::count)
        return false;
    return m_columnSortAscending[column1Based - 1];
}

void ResultsView::sortListView(int column1Based, SortDataType type, bool ascending)
{
    m_resultsTable->sortListView(column1Based, type, ascending);
}

void ResultsView::setKeepSorted(bool on)
{
    m_resultsTable->setKeepSorted(on);
}

bool ResultsView::keepSorted() const
{
    return m_resultsTable->keepSorted();
}

void ResultsView::columnClicked(int column)
{
    if (m_scanRunning || column < 0 || column >= ResultsColumns::count)
        return;
    bool& ascending = m_columnSortAscending[column];
    ascending = !ascending;
    const SortDataType type = column == ResultsColumns::domainName ? SortDataType::Text : SortDataType::Number;
    m_resultsTable->sortListView(column + 1, type, ascending);
}

void ResultsView::rightButtonPressed(const QPoint& position)
{
    if (QTreeWidgetItem* item = m_table->itemAt(position)) {
        m_table->setCurrentItem(item);
        item->setSelected(true);
    } else {
        m_table->clearSelection();
    }
}

void ResultsView::rightButtonReleased(const QPoint& position, const QPoint& globalPosition)
{
    QTreeWidgetItem* item = m_table->itemAt(position);
    if (!item || !m_popupMenu)
        return;
    if (m_saveResultsAction) {
        // "&" would otherwise mark a shortcut letter instead of showing.
        QString domain = item->text(ResultsColumns::domainName);
        domain.replace(QLatin1Char('&'), QLatin1String("&&"));
        m_saveResultsAction->setText(QStringLiteral("Save Result For ") + domain);
    }
    m_popupMenu->popup(globalPosition);
}
