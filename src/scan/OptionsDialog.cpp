#include "scan/OptionsDialog.h"

#include "base/AppContext.h"
#include "base/Prompts.h"
#include "base/UserSettings.h"
#include "engines/EngineSettingsFile.h"
#include "scan/EngineFileCheck.h"
#include "scan/NetworkPage.h"
#include "scan/PageFetcher.h"
#include "scan/SourceTest.h"
#include "scan/SourcesPage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Shown top to bottom: the high value first, the low threshold last.
struct RankRow
{
    int index;
    const char* icon;
    const char* label;
};
const RankRow rankRows[OptionsDialog::rankBoxCount] = {
    {2, ":/icons/rank-high.svg", QT_TRANSLATE_NOOP("OptionsDialog", "High Profile if total is greater than: ")},
    {1, ":/icons/rank-medium.svg", QT_TRANSLATE_NOOP("OptionsDialog", "Medium Profile if total is less than: ")},
    {0, ":/icons/rank-low.svg", QT_TRANSLATE_NOOP("OptionsDialog", "Low Profile if total is less than:")},
};

// What the boxes hold before the stored numbers are loaded into them; the
// change check of the load runs against these.
const char* const designRankTexts[OptionsDialog::rankBoxCount] = {"1000", "10000", "10000"};
const char* const defaultRankTexts[OptionsDialog::rankBoxCount] = {"500", "1000", "1000"};

// The marker boxes under each template: label, object name, what screen
// readers and tool tips say.
struct MarkerField
{
    const char* label;
    const char* name;
    const char* description;
};
const MarkerField markerFields[3] = {
    {QT_TRANSLATE_NOOP("OptionsDialog", "Before:"), "Before",
     QT_TRANSLATE_NOOP("OptionsDialog", "text just before the count")},
    {QT_TRANSLATE_NOOP("OptionsDialog", "After:"), "After",
     QT_TRANSLATE_NOOP("OptionsDialog", "text just after the count")},
    {QT_TRANSLATE_NOOP("OptionsDialog", "No results:"), "NoResults",
     QT_TRANSLATE_NOOP("OptionsDialog", "text of the page that says nothing was found")},
};

} // namespace

OptionsDialog::OptionsDialog(AppContext& context, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
    , m_rules([this](int box) { return m_ranks[static_cast<std::size_t>(box)]->text(); },
              [this](int box, const QString& text) { m_ranks[static_cast<std::size_t>(box)]->setText(text); })
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(tr("Options"));
    setAttribute(Qt::WA_DeleteOnClose);

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("optionPages"));
    m_sourcesPage = new SourcesPage(context);
    m_networkPage = new NetworkPage;
    for (const auto& [page, caption] : {std::pair<QWidget*, QString>(makeEngineGroup(), tr("Search &Engines")),
                                        std::pair<QWidget*, QString>(m_sourcesPage, tr("So&urces")),
                                        std::pair<QWidget*, QString>(m_networkPage, tr("Net&work"))}) {
        // A tab widget lays out a page as it is added, long before the
        // dialog is shown; at its own size, not squeezed into a default one
        // that leaves its controls no height to be clicked.
        page->resize(page->sizeHint());
        m_pages->addTab(page, caption);
    }

    auto* rankGroup = new QGroupBox(tr("Define Popularity Ranks"), this);
    rankGroup->setObjectName(QStringLiteral("Frame2"));
    auto* rankLayout = new QGridLayout(rankGroup);
    rankLayout->setColumnStretch(1, 1);
    rankLayout->setVerticalSpacing(10);
    for (int row = 0; row < rankBoxCount; ++row) {
        const RankRow& rank = rankRows[row];
        auto* icon = new QLabel(rankGroup);
        icon->setPixmap(QIcon(QString::fromLatin1(rank.icon)).pixmap(16, 16));
        auto* box = new QLineEdit(QString::fromLatin1(designRankTexts[rank.index]), rankGroup);
        box->setObjectName(QStringLiteral("txtProfile%1").arg(rank.index));
        // Room for the largest count a threshold sensibly holds, at any font size.
        box->setFixedWidth(std::max(80, box->fontMetrics().horizontalAdvance(QStringLiteral("000000000"))));
        auto* label = new QLabel(tr(rank.label), rankGroup);
        label->setBuddy(box);
        rankLayout->addWidget(icon, row, 0);
        rankLayout->addWidget(label, row, 1);
        rankLayout->addWidget(box, row, 2);
        m_ranks[static_cast<std::size_t>(rank.index)] = box;
    }
    for (int index = 0; index < rankBoxCount; ++index) {
        connect(m_ranks[static_cast<std::size_t>(index)], &QLineEdit::textChanged, this, [this, index] {
            if (m_checkRanks)
                m_rules.boxChanged(index);
        });
    }

    auto* dataGroup = new QGroupBox(tr("Data Options"), this);
    dataGroup->setObjectName(QStringLiteral("Frame3"));
    m_autoSort = new QCheckBox(tr("&Auto-sort data by popularity"), dataGroup);
    m_autoSort->setObjectName(QStringLiteral("chkAuto"));
    m_clear = new QCheckBox(tr("C&lear results after each search"), dataGroup);
    m_clear->setObjectName(QStringLiteral("chkClear"));
    m_keepList = new QCheckBox(tr("&Keep the URL list between sessions"), dataGroup);
    m_keepList->setObjectName(QStringLiteral("chkKeepList"));
    m_parallelEngines = new QCheckBox(tr("Ask the six engines at the same &time"), dataGroup);
    m_parallelEngines->setObjectName(QStringLiteral("chkParallelEngines"));
    m_parallelEngines->setToolTip(
        tr("Send a site's six queries together instead of one after another; sites are still asked one at a "
           "time"));
    auto* dataLayout = new QVBoxLayout(dataGroup);
    dataLayout->addWidget(m_autoSort);
    dataLayout->addWidget(m_clear);
    dataLayout->addWidget(m_keepList);
    dataLayout->addWidget(m_parallelEngines);
    dataLayout->addStretch();

    m_reset = new QPushButton(tr("&Reset"), this);
    m_reset->setObjectName(QStringLiteral("Command3"));
    m_reset->setToolTip(tr("Put back the default engine addresses and ranks"));
    m_reset->setAutoDefault(false);
    m_ok = new QPushButton(tr("&Ok"), this);
    m_ok->setObjectName(QStringLiteral("Command1"));
    m_ok->setToolTip(tr("Keep the changes and close"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(tr("&Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("Command2"));
    m_cancel->setToolTip(tr("Close without keeping the changes"));
    m_cancel->setAutoDefault(false);
    for (QPushButton* button : {m_reset, m_ok, m_cancel})
        button->setMinimumWidth(90);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_reset);
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);

    auto* right = new QVBoxLayout;
    right->addWidget(rankGroup);
    right->addWidget(dataGroup);
    right->addWidget(makeTestGroup(), 1);
    auto* groups = new QHBoxLayout;
    groups->addWidget(m_pages, 1);
    groups->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups, 1);
    layout->addSpacing(6);
    layout->addLayout(buttons);

    connect(m_ok, &QPushButton::clicked, this, &OptionsDialog::saveAndClose);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_reset, &QPushButton::clicked, this, &OptionsDialog::reset);

    m_test = new SourceTest(new PageFetcher(this), this);
    connect(m_test, &SourceTest::finished, this, [this](const SourceTest::Result& result) {
        m_testResult->setPlainText(SourceTest::describe(m_test->source(), result));
        testFinished();
    });
    connect(m_sourcesPage, &SourcesPage::testRequested, this, &OptionsDialog::startSourceTest);

    load();
}

QWidget* OptionsDialog::makeEngineGroup()
{
    auto* group = new QGroupBox(tr("Edit Search Engine URLs"), this);
    group->setObjectName(QStringLiteral("Frame1"));
    auto* layout = new QVBoxLayout(group);
    layout->setSpacing(2);
    for (const Engine& engine : engines()) {
        auto* box = new QLineEdit(group);
        box->setObjectName(QStringLiteral("Text%1").arg(engine.number));
        box->setMinimumWidth(380);
        auto* label = new QLabel(engine.label(), group);
        label->setBuddy(box);
        auto* test = new QPushButton(tr("Test"), group);
        test->setObjectName(QStringLiteral("Test%1").arg(engine.number));
        test->setAccessibleName(tr("Test %1").arg(engine.header()));
        test->setToolTip(tr("Ask %1 about the first site of the URL list with these settings and show "
                            "what a scan would record")
                             .arg(engine.header()));
        test->setAutoDefault(false);
        connect(test, &QPushButton::clicked, this, [this, number = engine.number] { startTest(number); });
        m_testButtons << test;
        auto* templateRow = new QHBoxLayout;
        templateRow->addWidget(box, 1);
        templateRow->addWidget(test);

        // Empty boxes keep the engine's built-in way of reading its page.
        auto* markerRow = new QHBoxLayout;
        std::array<QLineEdit*, 3> markerBoxes{};
        for (std::size_t marker = 0; marker < 3; ++marker) {
            const MarkerField& field = markerFields[marker];
            auto* markerBox = new QLineEdit(group);
            markerBox->setObjectName(QString::fromLatin1(field.name) + QString::number(engine.number));
            const QString description = tr(field.description);
            markerBox->setAccessibleName(tr("%1 count marker: %2").arg(engine.header(), description));
            markerBox->setToolTip(tr("The %1 on %2's page; leave the three boxes empty for the "
                                     "built-in rule")
                                      .arg(description, engine.header()));
            markerBox->setPlaceholderText(tr("built-in"));
            auto* markerLabel = new QLabel(tr(field.label), group);
            markerLabel->setBuddy(markerBox);
            markerRow->addWidget(markerLabel);
            markerRow->addWidget(markerBox, 1);
            markerBoxes[marker] = markerBox;
        }
        m_markers << markerBoxes;

        if (engine.number > 1)
            layout->addSpacing(8);
        layout->addWidget(label);
        layout->addLayout(templateRow);
        layout->addLayout(markerRow);
        m_templates << box;
    }
    layout->addStretch();
    return group;
}

QWidget* OptionsDialog::makeTestGroup()
{
    auto* group = new QGroupBox(tr("Engine Test"), this);
    group->setObjectName(QStringLiteral("Frame4"));
    m_testResult = new QPlainTextEdit(group);
    m_testResult->setObjectName(QStringLiteral("testResult"));
    m_testResult->setAccessibleName(tr("Engine test result"));
    m_testResult->setReadOnly(true);
    m_testResult->setPlaceholderText(tr("Press an engine's Test button to see what a scan would record."));
    m_stopTest = new QPushButton(tr("&Stop Test"), group);
    m_stopTest->setObjectName(QStringLiteral("stopTest"));
    m_stopTest->setToolTip(tr("Abandon the running engine test"));
    m_stopTest->setAutoDefault(false);
    m_stopTest->setEnabled(false);
    connect(m_stopTest, &QPushButton::clicked, this, &OptionsDialog::stopTest);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(m_testResult, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_stopTest);
    layout->addLayout(buttons);
    return group;
}

QLineEdit* OptionsDialog::markerBox(int engineNumber, int marker) const
{
    if (engineNumber < 1 || engineNumber > m_markers.size() || marker < 0 || marker > 2)
        return nullptr;
    return m_markers[engineNumber - 1][static_cast<std::size_t>(marker)];
}

QPushButton* OptionsDialog::testButton(int engineNumber) const
{
    if (engineNumber < 1 || engineNumber > m_testButtons.size())
        return nullptr;
    return m_testButtons[engineNumber - 1];
}

CountMarkers OptionsDialog::markersShown(const Engine& engine) const
{
    return {markerBox(engine.number, 0)->text(), markerBox(engine.number, 1)->text(),
            markerBox(engine.number, 2)->text()};
}

void OptionsDialog::showMarkers(const Engine& engine, const CountMarkers& markers)
{
    markerBox(engine.number, 0)->setText(markers.before);
    markerBox(engine.number, 1)->setText(markers.after);
    markerBox(engine.number, 2)->setText(markers.noResults);
}

void OptionsDialog::startTest(int engineNumber)
{
    const Engine* engine = engineByNumber(engineNumber);
    if (!engine)
        return;
    Source source = Source::builtIn(*engine);
    source.queryTemplate = templateBox(engineNumber)->text();
    source.markers = markersShown(*engine);
    startSourceTest(source);
}

void OptionsDialog::startSourceTest(const Source& source)
{
    // A test goes out as a scan would with what the Network page holds now.
    m_test->pageFetcher()->setNetworkSettings(m_networkPage->shown());
    m_test->start(source, m_testSite);
    m_testResult->setPlainText(
        tr("Testing %1 with %2...").arg(source.name, m_testSite.isEmpty() ? SourceTest::defaultSite() : m_testSite));
    for (QPushButton* button : m_testButtons)
        button->setEnabled(false);
    m_sourcesPage->setTesting(true);
    m_stopTest->setEnabled(true);
}

void OptionsDialog::stopTest()
{
    if (!m_test->isRunning())
        return;
    m_test->cancel();
    m_testResult->setPlainText(tr("The test was stopped."));
    testFinished();
}

void OptionsDialog::testFinished()
{
    for (QPushButton* button : m_testButtons)
        button->setEnabled(true);
    m_sourcesPage->setTesting(false);
    m_stopTest->setEnabled(false);
}

QLineEdit* OptionsDialog::templateBox(int engineNumber) const
{
    if (engineNumber < 1 || engineNumber > m_templates.size())
        return nullptr;
    return m_templates[engineNumber - 1];
}

QLineEdit* OptionsDialog::rankBox(int index) const
{
    if (index < 0 || index >= rankBoxCount)
        return nullptr;
    return m_ranks[static_cast<std::size_t>(index)];
}

void OptionsDialog::load()
{
    const QString ini = m_context.folder.settingsIni();
    // The boxes of templates that cannot be read stay empty.
    if (engineFileReadable(m_context.folder, m_context.prompts)) {
        for (const Engine& engine : engines()) {
            const EngineSettings settings = EngineSettingsFile::engineSettings(ini, engine);
            showTemplate(engine, settings.queryTemplate);
            showMarkers(engine, settings.markers);
        }
    }
    // One box after the other, each through the change check, as if typed.
    for (int index = 0; index < rankBoxCount; ++index)
        rankBox(index)->setText(m_context.settings.rankNumberText(index));
    m_autoSort->setChecked(m_context.settings.autoSort());
    m_clear->setChecked(m_context.settings.clearBeforeScan());
    m_keepList->setChecked(m_context.settings.keepUrlList());
    m_parallelEngines->setChecked(m_context.settings.parallelEngines());
    m_networkPage->showSettings(m_context.settings.networkSettings());
}

void OptionsDialog::saveAndClose()
{
    if (const QString problem = m_networkPage->problem(); !problem.isEmpty()) {
        m_pages->setCurrentWidget(m_networkPage);
        m_context.prompts.error(problem, tr("Options"));
        return;
    }
    for (const Engine& engine : engines()) {
        if (!writeEngine(engine))
            return;
    }
    for (int index = 0; index < rankBoxCount; ++index)
        m_context.settings.setRankNumberText(index, rankBox(index)->text());
    m_context.settings.setAutoSort(m_autoSort->isChecked());
    m_context.settings.setClearBeforeScan(m_clear->isChecked());
    m_context.settings.setKeepUrlList(m_keepList->isChecked());
    m_context.settings.setParallelEngines(m_parallelEngines->isChecked());
    m_context.settings.setNetworkSettings(m_networkPage->shown());
    accept();
}

void OptionsDialog::reset()
{
    if (m_context.prompts.question(tr("This will reset all engines, Continue?"), tr("Warning"))) {
        for (const Engine& engine : engines()) {
            showTemplate(engine, engine.defaultQueryTemplate());
            showMarkers(engine, {});
        }
        QString reason;
        bool written = EngineSettingsFile::writeDefaults(m_context.folder.settingsIni(), &reason);
        for (const Engine& engine : engines())
            written = written && EngineSettingsFile::writeMarkers(m_context.folder.settingsIni(), engine, {}, &reason);
        if (!written)
            reportEngineSaveFailure(m_context.prompts, m_context.folder.settingsIni(), reason);
        // The Sources page shows the addresses as the file now has them.
        m_sourcesPage->reload();
    }
    setRankBoxes(QString::fromLatin1(defaultRankTexts[0]), QString::fromLatin1(defaultRankTexts[1]),
                 QString::fromLatin1(defaultRankTexts[2]));
}

// The default numbers agree with each other, so they go in as a set. One at
// a time through the change check, a box that is empty or holds no number
// at that moment would make the check take each new number back again.
void OptionsDialog::setRankBoxes(const QString& low, const QString& boundary, const QString& high)
{
    m_checkRanks = false;
    rankBox(0)->setText(low);
    rankBox(1)->setText(boundary);
    rankBox(2)->setText(high);
    m_checkRanks = true;
}

void OptionsDialog::showTemplate(const Engine& engine, const QString& text)
{
    QLineEdit* box = templateBox(engine.number);
    box->setText(text);
    // The host is the part worth seeing first.
    box->setCursorPosition(0);
}

bool OptionsDialog::writeEngine(const Engine& engine)
{
    const QString ini = m_context.folder.settingsIni();
    QString reason;
    if (EngineSettingsFile::writeQueryTemplate(ini, engine, templateBox(engine.number)->text(), &reason) &&
        EngineSettingsFile::writeMarkers(ini, engine, markersShown(engine), &reason))
        return true;
    reportEngineSaveFailure(m_context.prompts, m_context.folder.settingsIni(), reason);
    return false;
}
