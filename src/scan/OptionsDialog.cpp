#include "scan/OptionsDialog.h"

#include "base/AppContext.h"
#include "base/Prompts.h"
#include "base/UserSettings.h"
#include "engines/EngineSettingsFile.h"
#include "scan/EngineFileCheck.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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
    {2, ":/icons/rank-high.svg", "High Profile if total is greater than: "},
    {1, ":/icons/rank-medium.svg", "Medium Profile if total is less than: "},
    {0, ":/icons/rank-low.svg", "Low Profile if total is less than:"},
};

// What the boxes hold before the stored numbers are loaded into them; the
// change check of the load runs against these.
const char* const designRankTexts[OptionsDialog::rankBoxCount] = {"1000", "10000", "10000"};
const char* const defaultRankTexts[OptionsDialog::rankBoxCount] = {"500", "1000", "1000"};

} // namespace

OptionsDialog::OptionsDialog(AppContext& context, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
    , m_rules([this](int box) { return m_ranks[static_cast<std::size_t>(box)]->text(); },
              [this](int box, const QString& text) { m_ranks[static_cast<std::size_t>(box)]->setText(text); })
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Options"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* engineGroup = new QGroupBox(QStringLiteral("Edit Search Engine URLs"), this);
    engineGroup->setObjectName(QStringLiteral("Frame1"));
    auto* engineLayout = new QVBoxLayout(engineGroup);
    engineLayout->setSpacing(2);
    for (const Engine& engine : engines()) {
        auto* box = new QLineEdit(engineGroup);
        box->setObjectName(QStringLiteral("Text%1").arg(engine.number));
        box->setMinimumWidth(380);
        auto* label = new QLabel(engine.label(), engineGroup);
        label->setBuddy(box);
        if (engine.number > 1)
            engineLayout->addSpacing(8);
        engineLayout->addWidget(label);
        engineLayout->addWidget(box);
        m_templates[static_cast<std::size_t>(engine.number - 1)] = box;
    }
    engineLayout->addStretch();

    auto* rankGroup = new QGroupBox(QStringLiteral("Define Popularity Ranks"), this);
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
        auto* label = new QLabel(QString::fromLatin1(rank.label), rankGroup);
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

    auto* dataGroup = new QGroupBox(QStringLiteral("Data Options"), this);
    dataGroup->setObjectName(QStringLiteral("Frame3"));
    m_autoSort = new QCheckBox(QStringLiteral("&Auto-sort data by popularity"), dataGroup);
    m_autoSort->setObjectName(QStringLiteral("chkAuto"));
    m_clear = new QCheckBox(QStringLiteral("C&lear results after each search"), dataGroup);
    m_clear->setObjectName(QStringLiteral("chkClear"));
    m_keepList = new QCheckBox(QStringLiteral("&Keep the URL list between sessions"), dataGroup);
    m_keepList->setObjectName(QStringLiteral("chkKeepList"));
    auto* dataLayout = new QVBoxLayout(dataGroup);
    dataLayout->addWidget(m_autoSort);
    dataLayout->addWidget(m_clear);
    dataLayout->addWidget(m_keepList);
    dataLayout->addStretch();

    m_reset = new QPushButton(QStringLiteral("&Reset"), this);
    m_reset->setObjectName(QStringLiteral("Command3"));
    m_reset->setToolTip(QStringLiteral("Put back the default engine addresses and ranks"));
    m_reset->setAutoDefault(false);
    m_ok = new QPushButton(QStringLiteral("&Ok"), this);
    m_ok->setObjectName(QStringLiteral("Command1"));
    m_ok->setToolTip(QStringLiteral("Keep the changes and close"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("Command2"));
    m_cancel->setToolTip(QStringLiteral("Close without keeping the changes"));
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
    right->addWidget(dataGroup, 1);
    auto* groups = new QHBoxLayout;
    groups->addWidget(engineGroup, 1);
    groups->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups, 1);
    layout->addSpacing(6);
    layout->addLayout(buttons);

    connect(m_ok, &QPushButton::clicked, this, &OptionsDialog::saveAndClose);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_reset, &QPushButton::clicked, this, &OptionsDialog::reset);

    load();
}

QLineEdit* OptionsDialog::templateBox(int engineNumber) const
{
    if (engineNumber < 1 || engineNumber > engineCount)
        return nullptr;
    return m_templates[static_cast<std::size_t>(engineNumber - 1)];
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
        for (const Engine& engine : engines())
            showTemplate(engine, EngineSettingsFile::queryTemplate(ini, engine));
    }
    // One box after the other, each through the change check, as if typed.
    for (int index = 0; index < rankBoxCount; ++index)
        rankBox(index)->setText(m_context.settings.rankNumberText(index));
    m_autoSort->setChecked(m_context.settings.autoSort());
    m_clear->setChecked(m_context.settings.clearBeforeScan());
    m_keepList->setChecked(m_context.settings.keepUrlList());
}

void OptionsDialog::saveAndClose()
{
    for (const Engine& engine : engines()) {
        if (!writeTemplate(engine, templateBox(engine.number)->text()))
            return;
    }
    for (int index = 0; index < rankBoxCount; ++index)
        m_context.settings.setRankNumberText(index, rankBox(index)->text());
    m_context.settings.setAutoSort(m_autoSort->isChecked());
    m_context.settings.setClearBeforeScan(m_clear->isChecked());
    m_context.settings.setKeepUrlList(m_keepList->isChecked());
    accept();
}

void OptionsDialog::reset()
{
    if (m_context.prompts.question(QStringLiteral("This will reset all engines, Continue?"),
                                   QStringLiteral("Warning"))) {
        for (const Engine& engine : engines())
            showTemplate(engine, engine.defaultQueryTemplate());
        QString reason;
        if (!EngineSettingsFile::writeDefaults(m_context.folder.settingsIni(), &reason))
            reportEngineSaveFailure(m_context.prompts, m_context.folder.settingsIni(), reason);
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

bool OptionsDialog::writeTemplate(const Engine& engine, const QString& text)
{
    QString reason;
    if (EngineSettingsFile::writeQueryTemplate(m_context.folder.settingsIni(), engine, text, &reason))
        return true;
    reportEngineSaveFailure(m_context.prompts, m_context.folder.settingsIni(), reason);
    return false;
}
