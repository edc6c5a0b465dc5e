#include "scan/SourcesPage.h"

#include "Branding.h"
#include "base/AppContext.h"
#include "base/Prompts.h"
#include "engines/SourceSettingsFile.h"
#include "scan/SourceEditDialog.h"

#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int keyRole = Qt::UserRole;

QPushButton* makeButton(const QString& objectName, const QString& text, const QString& toolTip, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(objectName);
    button->setToolTip(toolTip);
    button->setAutoDefault(false);
    return button;
}

QString intervalText(const Source& source)
{
    return source.intervalMs ? QStringLiteral("%1 ms").arg(source.intervalMs) : SourcesPage::tr("none");
}

QString statusOf(const Source& source)
{
    if (!source.isValid())
        return SourcesPage::tr("skipped");
    return source.hidden ? SourcesPage::tr("hidden") : SourcesPage::tr("asked");
}

// The source in a sentence or two, headers masked.
QString describe(const Source& source)
{
    QString text = QStringLiteral("%1: %2, %3").arg(source.name, shownKindName(source.kind), source.queryTemplate);
    if (!source.headers.isEmpty())
        text += SourcesPage::tr(", headers %1").arg(source.maskedHeaders().join(QStringLiteral(", ")));
    if (source.kind == Source::Kind::WebGraph)
        text += source.graphValue == Source::GraphValue::Rank ? SourcesPage::tr(", the harmonic-centrality rank")
                                                              : SourcesPage::tr(", the in-degree");
    text +=
        source.countsTowardTotal ? SourcesPage::tr("; counts toward the total") : SourcesPage::tr("; not in the total");
    if (source.intervalMs)
        text += SourcesPage::tr("; at least %1 ms between two queries").arg(source.intervalMs);
    if (!source.userAgent.isEmpty())
        text += SourcesPage::tr("; asked as \"%1\"").arg(source.userAgent);
    text += u'.';
    if (!source.isValid())
        return text + SourcesPage::tr(" Scans skip it: ") + source.invalidReason + u'.';
    return text +
           (source.hidden ? SourcesPage::tr(" Hidden: scans do not ask it.") : SourcesPage::tr(" Scans ask it."));
}

} // namespace

SourcesPage::SourcesPage(AppContext& context, QWidget* parent)
    : QWidget(parent)
    , m_context(context)
    , m_runEditor([](SourceEditDialog& editor) { return editor.exec(); })
{
    setObjectName(QStringLiteral("SourcesPage"));
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("sourceList"));
    m_list->setAccessibleName(tr("Sources"));
    m_list->setHeaderLabels(
        {tr("Name"), tr("Kind"), tr("Status"), tr("In total"), tr("Interval"), tr("Address"), tr("Headers")});
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setColumnWidth(NameColumn, 150);
    m_list->setColumnWidth(KindColumn, 75);
    m_list->setColumnWidth(StatusColumn, 80);
    m_list->setColumnWidth(TotalColumn, 60);
    m_list->setColumnWidth(IntervalColumn, 70);
    m_list->setColumnWidth(AddressColumn, 260);
    // A caption longer in the language shown widens its column.
    const QFontMetrics captionMetrics = m_list->header()->fontMetrics();
    for (int column = 0; column < ColumnCount; ++column) {
        const int captionWidth = captionMetrics.horizontalAdvance(m_list->headerItem()->text(column)) +
                                 2 * captionMetrics.averageCharWidth();
        m_list->setColumnWidth(column, std::max(m_list->columnWidth(column), captionWidth));
    }
    m_details = new QLabel(this);
    m_details->setObjectName(QStringLiteral("sourceDetails"));
    m_details->setWordWrap(true);
    m_details->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_details->setMinimumHeight(m_details->fontMetrics().lineSpacing() * 3);
    m_details->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_new = makeButton(QStringLiteral("newSource"), tr("&New Source..."),
                       tr("Add a source of your own: a web page, a JSON API or a web-graph index"), this);
    m_edit =
        makeButton(QStringLiteral("editSource"), tr("Ed&it..."), tr("Change the selected source of your own"), this);
    m_remove = makeButton(QStringLiteral("removeSource"), tr("Re&move"),
                          tr("Remove the selected source of your own; its saved history stays"), this);
    m_up = makeButton(QStringLiteral("moveSourceUp"), tr("Move U&p"),
                      tr("Ask the selected source, and show its column, before the one above it"), this);
    m_down = makeButton(QStringLiteral("moveSourceDown"), tr("Move Do&wn"),
                        tr("Ask the selected source, and show its column, after the one below it"), this);
    m_interval = makeButton(QStringLiteral("sourceInterval"), tr("Inter&val..."),
                            tr("Set the least time between two queries of the selected source"), this);
    m_test = makeButton(QStringLiteral("testSource"), tr("Test Selecte&d"),
                        tr("Ask the selected source about the first site of the URL list and show what "
                           "a scan would record"),
                        this);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {m_new, m_edit, m_remove, m_up, m_down, m_interval, m_test})
        buttons->addWidget(button);
    buttons->addStretch();

    auto* note = new QLabel(tr("Untick an engine to hide it. Changes to sources are saved at once."), this);
    note->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_details);
    layout->addLayout(buttons);
    layout->addWidget(note);

    connect(m_new, &QPushButton::clicked, this, &SourcesPage::newSource);
    connect(m_edit, &QPushButton::clicked, this, &SourcesPage::editSource);
    connect(m_remove, &QPushButton::clicked, this, &SourcesPage::removeSource);
    connect(m_up, &QPushButton::clicked, this, [this] { moveSource(-1); });
    connect(m_down, &QPushButton::clicked, this, [this] { moveSource(1); });
    connect(m_interval, &QPushButton::clicked, this, &SourcesPage::editInterval);
    connect(m_test, &QPushButton::clicked, this, [this] {
        if (const Source* source = selectedSource())
            emit testRequested(*source);
    });
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, &SourcesPage::selectionChanged);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &SourcesPage::editSource);
    connect(m_list, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item, int column) {
        const Source* source = m_sources.find(item->data(NameColumn, keyRole).toString());
        if (m_filling || column != NameColumn || !source || !source->isBuiltIn())
            return;
        const bool hidden = item->checkState(NameColumn) != Qt::Checked;
        if (hidden == source->hidden)
            return;
        // The list is filled anew after the write, which must not happen
        // while the item is still telling of its change.
        QMetaObject::invokeMethod(
            this,
            [this, key = source->settingsKey, hidden] {
                if (const Source* engine = m_sources.find(key))
                    setHidden(*engine, hidden);
            },
            Qt::QueuedConnection);
    });

    reload();
}

void SourcesPage::reload()
{
    const Source* selected = selectedSource();
    const QString selectedKey = selected ? selected->settingsKey : QString();
    m_sources = SourceList::read(m_context.folder.settingsIni());
    m_filling = true;
    m_list->clear();
    static const QIcon warning(QStringLiteral(":/icons/warning.svg"));
    for (const Source& source : m_sources.all()) {
        auto* item = new QTreeWidgetItem(m_list, QStringList{source.name, shownKindName(source.kind), statusOf(source),
                                                             source.countsTowardTotal ? tr("yes") : tr("no"),
                                                             intervalText(source), source.queryTemplate,
                                                             source.maskedHeaders().join(QStringLiteral("; "))});
        item->setData(NameColumn, keyRole, source.settingsKey);
        for (int column = 0; column < ColumnCount; ++column)
            item->setToolTip(column, describe(source));
        if (source.isBuiltIn()) {
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(NameColumn, source.hidden ? Qt::Unchecked : Qt::Checked);
        }
        if (!source.isValid())
            item->setIcon(StatusColumn, warning);
    }
    m_filling = false;
    selectSource(selectedKey);
    selectionChanged();
}

const Source* SourcesPage::selectedSource() const
{
    const QList<QTreeWidgetItem*> selected = m_list->selectedItems();
    return selected.isEmpty() ? nullptr : m_sources.find(selected.first()->data(NameColumn, keyRole).toString());
}

void SourcesPage::selectSource(const QString& settingsKey)
{
    for (int row = 0; row < m_list->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = m_list->topLevelItem(row);
        if (!settingsKey.isEmpty() && item->data(NameColumn, keyRole).toString() == settingsKey) {
            m_list->setCurrentItem(item);
            return;
        }
    }
}

void SourcesPage::selectionChanged()
{
    const Source* source = selectedSource();
    const bool own = source && !source->isBuiltIn();
    QList<Source> ownSources;
    for (const Source& listed : m_sources.all()) {
        if (!listed.isBuiltIn())
            ownSources << listed;
    }
    m_details->setText(source ? describe(*source) : QString());
    m_edit->setEnabled(own);
    m_remove->setEnabled(own);
    m_up->setEnabled(own && ownSources.first().settingsKey != source->settingsKey);
    m_down->setEnabled(own && ownSources.last().settingsKey != source->settingsKey);
    m_interval->setEnabled(source != nullptr);
    m_test->setEnabled(!m_testing && source && source->isValid());
    const bool room = m_sources.userSourceCount() < SourceList::maxUserSources;
    m_new->setEnabled(room);
    m_new->setToolTip(
        room ? tr("Add a source of your own: a web page, a JSON API or a web-graph index")
             : tr("There are %1 sources of your own, as many as there can be").arg(SourceList::maxUserSources));
}

void SourcesPage::setTesting(bool testing)
{
    m_testing = testing;
    selectionChanged();
}

void SourcesPage::newSource()
{
    if (m_sources.userSourceCount() >= SourceList::maxUserSources)
        return;
    runEditor(Source{});
}

void SourcesPage::editSource()
{
    const Source* source = selectedSource();
    if (source && !source->isBuiltIn())
        runEditor(*source);
}

void SourcesPage::runEditor(const Source& source)
{
    SourceEditDialog editor(source, m_sources, m_context, this);
    if (m_runEditor(editor) != QDialog::Accepted)
        return;
    const Source edited = editor.editedSource();
    QString reason;
    if (report(SourceSettingsFile::writeSource(m_context.folder.settingsIni(), edited, source.name, &reason), reason))
        selectSource(edited.settingsKey);
}

void SourcesPage::removeSource()
{
    const Source* source = selectedSource();
    if (!source || source->isBuiltIn())
        return;
    const QString name = source->name;
    if (!m_context.prompts.question(tr("Remove the source \"%1\"? Its column goes; its saved history stays.").arg(name),
                                    tr("Warning")))
        return;
    QString reason;
    report(SourceSettingsFile::removeSource(m_context.folder.settingsIni(), name, &reason), reason);
}

void SourcesPage::moveSource(int step)
{
    const Source* source = selectedSource();
    if (!source || source->isBuiltIn())
        return;
    QStringList own;
    for (const Source& listed : m_sources.all()) {
        if (!listed.isBuiltIn())
            own << listed.name;
    }
    const qsizetype at = own.indexOf(source->name);
    const qsizetype other = at + step;
    if (at < 0 || other < 0 || other >= own.size())
        return;
    const QString key = source->settingsKey;
    // Moving down is moving the next one up.
    const QString moved = step < 0 ? own[at] : own[other];
    const QString before = step < 0 ? own[other] : own[at];
    QString reason;
    if (report(SourceSettingsFile::moveSource(m_context.folder.settingsIni(), moved, before, &reason), reason))
        selectSource(key);
}

void SourcesPage::setHidden(const Source& engine, bool hidden)
{
    if (!engine.engine)
        return;
    QString reason;
    report(SourceSettingsFile::setHidden(m_context.folder.settingsIni(), *engine.engine, hidden, &reason), reason);
}

void SourcesPage::editInterval()
{
    const Source* selected = selectedSource();
    if (!selected)
        return;
    const Source source = *selected;
    QString text = QString::number(source.intervalMs);
    for (;;) {
        const std::optional<QString> answer = m_context.prompts.inputText(
            tr("Least time between two queries of %1, in milliseconds (0 for none):").arg(source.name), tr("Interval"),
            text);
        if (!answer)
            return;
        text = *answer;
        if (const std::optional<int> ms = SourceList::intervalOf(text)) {
            QString reason;
            if (report(SourceSettingsFile::setInterval(m_context.folder.settingsIni(), source, *ms, &reason), reason))
                selectSource(source.settingsKey);
            return;
        }
        m_context.prompts.error(
            tr("\"%1\" is not a whole number of milliseconds from 0 to 86400000.").arg(text.trimmed()), tr("Interval"));
    }
}

bool SourcesPage::report(bool written, const QString& reason)
{
    if (!written) {
        m_context.prompts.error(tr("The sources could not be saved to \"%1\": %2")
                                    .arg(QDir::toNativeSeparators(m_context.folder.settingsIni()), reason),
                                QString::fromLatin1(Branding::applicationTitle));
    }
    reload();
    return written;
}
