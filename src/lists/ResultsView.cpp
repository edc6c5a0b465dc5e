#include "lists/ResultsView.h"

#include "app/ButtonFactory.h"
#include "app/Twips.h"
#include "lists/ResultsColumns.h"

#include <QHBoxLayout>
#include <QHeaderView>
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

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(twips(120) - 2, twips(240) - 6, twips(120) - 2, twips(200));
    layout->setSpacing(twips(210));
    layout->addLayout(buttons);
    layout->addWidget(m_table, 1);
}
