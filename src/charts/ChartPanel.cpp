#include "charts/ChartPanel.h"

#include "base/AppContext.h"
#include "base/ButtonFactory.h"
#include "base/Clock.h"
#include "base/CsvExport.h"
#include "base/Prompts.h"
#include "base/SavePathChoice.h"
#include "base/Twips.h"
#include "base/UserSettings.h"
#include "charts/ChartExport.h"
#include "charts/ChartPrinter.h"
#include "charts/ChartTypes.h"
#include "charts/ChartWidget.h"
#include "charts/CurrentResultsChart.h"
#include "charts/ExampleChart.h"
#include "charts/PrinterChoice.h"
#include "charts/SavedSearchChart.h"
#include "saved/HistoryCsv.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QToolButton>
#include <QVBoxLayout>

#include <iterator>

namespace {

// In the order of ChartTypes; translated as the selector is filled.
const char* const chartTypeNames[] = {
    QT_TRANSLATE_NOOP("ChartPanel", "3D Bar Chart"),  QT_TRANSLATE_NOOP("ChartPanel", "2D Bar Chart"),
    QT_TRANSLATE_NOOP("ChartPanel", "3d Line Graph"), QT_TRANSLATE_NOOP("ChartPanel", "2D Line Graph"),
    QT_TRANSLATE_NOOP("ChartPanel", "3D Area Chart"), QT_TRANSLATE_NOOP("ChartPanel", "2D Area Chart"),
    QT_TRANSLATE_NOOP("ChartPanel", "3D Step Chart"), QT_TRANSLATE_NOOP("ChartPanel", "2D Step Chart"),
};
static_assert(std::size(chartTypeNames) == ChartTypes::count);

QString rotationHint()
{
    return QCoreApplication::translate("ChartPanel", "Control Key + Drag to rotate. Or click the chart and use "
                                                     "Control Key + Arrow Keys; Home sets it straight.");
}

} // namespace

ChartPanel::ChartPanel(AppContext& context, QWidget* parent)
    : QGroupBox(tr("Results - Chart View"), parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("Frame3"));

    m_loadData =
        makePictureButton(this, QStringLiteral("Command7"), tr("&Load Data"), tr("Chart the history of a saved search"),
                          QStringLiteral("load-data"), CaptionPlacement::BesideIcon);
    m_printAction = new QAction(QIcon(QStringLiteral(":/icons/print.svg")), tr("Print..."), this);
    m_printAction->setObjectName(QStringLiteral("mnuPrintChart"));
    m_printAction->setShortcut(QKeySequence::Print);
    m_printAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(m_printAction);
    m_print =
        makePictureButton(this, QStringLiteral("Command14"), tr("P&rint"),
                          tr("Print the chart (%1)").arg(m_printAction->shortcut().toString(QKeySequence::NativeText)),
                          QStringLiteral("print"), CaptionPlacement::BesideIcon);
    m_exportChart = new QAction(QIcon(QStringLiteral(":/icons/save.svg")), tr("Export Chart..."), this);
    m_exportChart->setObjectName(QStringLiteral("mnuExportChart"));
    m_exportHistory = new QAction(QIcon(QStringLiteral(":/icons/save.svg")), tr("Export History as CSV..."), this);
    m_exportHistory->setObjectName(QStringLiteral("mnuExportHistory"));
    m_exportHistory->setEnabled(false);
    m_export = makePictureButton(this, QStringLiteral("cmdExport"), tr("E&xport"),
                                 tr("Save the chart as a picture, or the history as CSV"), QStringLiteral("save"),
                                 CaptionPlacement::BesideIcon);
    auto* exportMenu = new QMenu(m_export);
    exportMenu->addAction(m_exportChart);
    exportMenu->addAction(m_exportHistory);
    m_export->setMenu(exportMenu);
    m_export->setPopupMode(QToolButton::InstantPopup);
    for (QToolButton* button : {m_loadData, m_print, m_export})
        setDesignSize(button, QSize(twips(1215), twips(735)));

    auto* engineLabel = new QLabel(tr("Search En&gine:"), this);
    engineLabel->setObjectName(QStringLiteral("lblChartSearch"));
    auto* typeLabel = new QLabel(tr("&Chart Type:"), this);
    typeLabel->setObjectName(QStringLiteral("lblChartType"));

    m_engineSelector = new QComboBox(this);
    m_engineSelector->setObjectName(QStringLiteral("cmbChart1"));
    m_engineSelector->setAccessibleName(tr("Search engine"));
    m_chartTypeSelector = new QComboBox(this);
    m_chartTypeSelector->setObjectName(QStringLiteral("cmbChart2"));
    m_chartTypeSelector->setAccessibleName(tr("Chart type"));
    for (const char* name : chartTypeNames)
        m_chartTypeSelector->addItem(tr(name));
    m_chartTypeSelector->setCurrentIndex(ChartTypes::defaultType);
    for (QComboBox* selector : {m_engineSelector, m_chartTypeSelector}) {
        selector->setMinimumWidth(twips(2655));
        selector->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    }
    engineLabel->setBuddy(m_engineSelector);
    typeLabel->setBuddy(m_chartTypeSelector);

    m_spaceDates = new QCheckBox(tr("Space dates &by time"), this);
    m_spaceDates->setObjectName(QStringLiteral("chkSpaceDates"));
    m_spaceDates->setToolTip(tr("Place the saved dates of a flat chart by the time between them"));
    m_spaceDates->setChecked(true);

    m_hint = new QLabel(this);
    m_hint->setObjectName(QStringLiteral("Label1"));
    // A long hint wraps instead of making the window wider.
    m_hint->setWordWrap(true);

    m_chart = new ChartWidget(this);
    m_chart->setGrid(exampleChart());
    m_chart->setChartType(ChartTypes::defaultType);
    m_chartShows = tr("none, an example chart");
    describeChart();

    // The focus target and the empty picture box keep their names but have
    // no use: the chart keeps the keyboard focus itself. They live in a
    // holder that is never shown, so neither the eye nor a screen reader
    // meets them.
    m_unusedControls = std::make_unique<QWidget>();
    m_focusTarget = new QPushButton(QStringLiteral("Command8"), m_unusedControls.get());
    m_focusTarget->setObjectName(QStringLiteral("cmdFocus"));
    m_focusTarget->setFixedSize(twips(375), twips(255));
    m_focusTarget->setFocusPolicy(Qt::NoFocus);
    m_picture = new QWidget(m_unusedControls.get());
    m_picture->setObjectName(QStringLiteral("Picture2"));
    m_picture->setFixedSize(twips(255), twips(255));
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    m_chart->addActions({m_exportChart, m_exportHistory, separator, m_printAction});
    m_chart->setContextMenuPolicy(Qt::ActionsContextMenu);

    auto* selectors = new QGridLayout;
    selectors->setHorizontalSpacing(twips(90));
    selectors->setVerticalSpacing(twips(45));
    selectors->addWidget(engineLabel, 0, 0);
    selectors->addWidget(m_engineSelector, 0, 1);
    selectors->addWidget(typeLabel, 1, 0);
    selectors->addWidget(m_chartTypeSelector, 1, 1);
    // Under the selectors rather than beside them, so that the row fits the
    // window's start width, and large text needs less width still.
    selectors->addWidget(m_spaceDates, 2, 1);

    auto* top = new QHBoxLayout;
    top->setSpacing(twips(45));
    top->addWidget(m_loadData, 0, Qt::AlignTop);
    top->addWidget(m_print, 0, Qt::AlignTop);
    top->addWidget(m_export, 0, Qt::AlignTop);
    top->addSpacing(twips(105));
    top->addLayout(selectors);
    top->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(twips(180) - 2, twips(240) - 6, twips(180) - 2, twips(200));
    layout->setSpacing(twips(60));
    layout->addLayout(top);
    layout->addWidget(m_hint);
    layout->addWidget(m_chart, 1);

    connect(m_chartTypeSelector, &QComboBox::currentIndexChanged, this, &ChartPanel::chartTypeChosen);
    connect(m_engineSelector, &QComboBox::currentIndexChanged, this, &ChartPanel::engineChosen);
    connect(m_loadData, &QToolButton::clicked, this, &ChartPanel::loadDataRequested);
    connect(m_print, &QToolButton::clicked, m_printAction, &QAction::trigger);
    connect(m_printAction, &QAction::triggered, this, &ChartPanel::printChart);
    connect(m_exportChart, &QAction::triggered, this, &ChartPanel::exportChart);
    connect(m_exportHistory, &QAction::triggered, this, &ChartPanel::exportHistory);
    connect(m_spaceDates, &QCheckBox::toggled, this, &ChartPanel::spacingChosen);
}

ChartPanel::~ChartPanel() = default;

void ChartPanel::setPrinterChoice(std::unique_ptr<PrinterChoice> choice)
{
    m_printerChoice = std::move(choice);
}

void ChartPanel::restoreChartType()
{
    const std::optional<int> stored = m_context.settings.chartType();
    const int index = stored && ChartTypes::isValid(*stored) ? *stored : ChartTypes::defaultType;
    if (m_chartTypeSelector->currentIndex() == index)
        chartTypeChosen(index);
    else
        m_chartTypeSelector->setCurrentIndex(index);
    const bool byTime = m_context.settings.spaceDatesByTime();
    m_spaceDates->setChecked(byTime);
    m_chart->setSpaceDatesByTime(byTime);
}

void ChartPanel::spacingChosen(bool byTime)
{
    m_context.settings.setSpaceDatesByTime(byTime);
    m_chart->setSpaceDatesByTime(byTime);
}

void ChartPanel::chartTypeChosen(int index)
{
    if (!ChartTypes::isValid(index))
        return;
    m_context.settings.setChartType(index);
    m_chart->setChartType(index);
    m_hint->setText(ChartTypes::isThreeD(index) ? rotationHint() : QString());
    // Three-dimensional charts stand their dates evenly in a row.
    m_spaceDates->setEnabled(!ChartTypes::isThreeD(index));
    describeChart();
}

void ChartPanel::describeChart()
{
    m_chart->setAccessibleDescription(
        tr("Chart type: %1. Engine: %2.").arg(m_chartTypeSelector->currentText(), m_chartShows));
}

void ChartPanel::drawCurrentResultsChart(const QList<SourceColumn>& columns, const QList<ResultRow>& rows)
{
    m_chart->setChartType(m_chartTypeSelector->currentIndex());
    {
        const QSignalBlocker blocker(m_engineSelector);
        m_engineSelector->clear();
        m_engineSelector->setEnabled(false);
    }
    m_exportHistory->setEnabled(false);
    m_chart->setGrid(CurrentResultsChart::build(columns, rows));
    m_chartShows = tr("all engines, current results");
    describeChart();
}

void ChartPanel::drawSavedSearchChart(const QString& chartFileName)
{
    const QString filePath = QDir(m_context.folder.savedFolder()).filePath(chartFileName);
    const std::optional<SavedSearchChart> saved = readSavedSearch(filePath, chartFileName);
    if (!saved)
        return;
    m_chart->setChartType(m_chartTypeSelector->currentIndex());
    m_chartFileName = chartFileName;
    m_chartFilePath = filePath;
    m_exportHistory->setEnabled(true);
    {
        const QSignalBlocker blocker(m_engineSelector);
        m_engineSelector->clear();
        m_engineSelector->addItems(saved->selectorEntries());
        m_engineSelector->setEnabled(saved->selectorEnabled());
        m_engineSelector->setCurrentIndex(0);
    }
    showSavedSearch(*saved, 0);
}

void ChartPanel::engineChosen(int index)
{
    if (index < 0 || m_chartFilePath.isEmpty())
        return;
    // The file is read afresh for every choice, so the chart shows what the
    // saved search holds now.
    if (const std::optional<SavedSearchChart> saved = readSavedSearch(m_chartFilePath, m_chartFileName))
        showSavedSearch(*saved, index);
}

std::optional<SavedSearchChart> ChartPanel::readSavedSearch(const QString& filePath, const QString& chartFileName)
{
    QString reason;
    std::optional<SavedSearchChart> saved =
        SavedSearchChart::read(filePath, chartFileName, m_context.clock.today(), &reason);
    if (!saved) {
        m_context.prompts.error(
            tr("The saved search \"%1\" could not be read: %2").arg(QDir::toNativeSeparators(filePath), reason),
            Prompts::errorCaption());
    }
    return saved;
}

void ChartPanel::showSavedSearch(const SavedSearchChart& saved, int selectorIndex)
{
    m_chart->setGrid(saved.grid(selectorIndex));
    m_chartShows = tr("%1, saved search %2").arg(m_engineSelector->itemText(selectorIndex), saved.title());
    describeChart();
    if (!m_twoSearchesWarned && saved.drawsSingleDateSeries(selectorIndex)) {
        m_twoSearchesWarned = true;
        m_context.prompts.information(tr("You need atleast 2 saved searches to get any data displayed"),
                                      tr("Information"));
    }
}

void ChartPanel::printChart()
{
    if (!m_printerChoice)
        m_printerChoice = std::make_unique<PrintDialogChoice>(window());
    ChartPrinter(m_context.prompts).printChosen(*m_chart, *m_printerChoice);
}

void ChartPanel::exportChart()
{
    const QString title = tr("Export Chart");
    const QString path = chooseSavePath(
        m_context.prompts, title, ChartExport::fileFilter(), existingSaveFolder(QStandardPaths::PicturesLocation),
        {ChartExport::extensionOf(ChartExport::Format::Png), ChartExport::extensionOf(ChartExport::Format::Svg),
         ChartExport::extensionOf(ChartExport::Format::Pdf)},
        title);
    if (path.isEmpty())
        return;
    QString reason;
    if (ChartExport::write(*m_chart, path, ChartExport::formatOf(path).value_or(ChartExport::Format::Png), &reason))
        return;
    m_context.prompts.error(
        tr("The chart could not be saved as \"%1\": %2").arg(QDir::toNativeSeparators(path), reason),
        Prompts::errorCaption());
}

void ChartPanel::exportHistory()
{
    if (m_chartFilePath.isEmpty())
        return;
    exportCsv(m_context.prompts, tr("Export History as CSV"), [this](const QString& path, QString* error) {
        return HistoryCsv::write(m_chartFilePath, path, m_context.clock.today(), error);
    });
}
