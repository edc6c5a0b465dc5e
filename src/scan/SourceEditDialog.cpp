#include "scan/SourceEditDialog.h"

#include "engines/SourceList.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>

namespace {

const Source::SiteForm siteForms[] = {Source::SiteForm::Listed, Source::SiteForm::Host, Source::SiteForm::Domain};

QLineEdit* makeBox(const QString& objectName, const QString& accessibleName, const QString& text, QWidget* parent)
{
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(objectName);
    box->setAccessibleName(accessibleName);
    return box;
}

QSpinBox* makeIntervalBox(int intervalMs, QWidget* parent)
{
    auto* box = new QSpinBox(parent);
    box->setObjectName(QStringLiteral("sourceInterval"));
    box->setAccessibleName(SourceEditDialog::tr("Least interval between queries, in milliseconds"));
    box->setToolTip(SourceEditDialog::tr("The least time between two queries of this source; a service that allows "
                                         "one query a second wants 1000"));
    box->setRange(0, 86400000);
    box->setSingleStep(250);
    box->setSuffix(QStringLiteral(" ms"));
    box->setSpecialValueText(SourceEditDialog::tr("none"));
    box->setValue(intervalMs);
    return box;
}

} // namespace

SourceEditDialog::SourceEditDialog(const Source& source, const SourceList& sources, QWidget* parent)
    : QDialog(parent)
    , m_sources(sources)
    , m_original(source)
    , m_edited(source)
{
    setObjectName(QStringLiteral("SourceEditor"));
    setWindowTitle(source.name.isEmpty() ? tr("New Source") : tr("Edit Source"));

    m_name = makeBox(QStringLiteral("sourceName"), tr("Name"), source.name, this);
    m_name->setToolTip(tr("The column's caption, the saved searches' section and the chart's series"));
    m_name->setMaxLength(SourceList::maxNameLength);
    m_query = makeBox(QStringLiteral("sourceQuery"), tr("Query address"), source.queryTemplate, this);
    m_query->setPlaceholderText(QStringLiteral("https://api.example.net/v1/links?domain={site}"));
    m_query->setToolTip(tr("{site} stands for the site, percent-encoded; without it the site is appended"));
    m_query->setMinimumWidth(420);
    m_site = new QComboBox(this);
    m_site->setObjectName(QStringLiteral("sourceSite"));
    m_site->setAccessibleName(tr("Site form"));
    m_site->addItem(tr("listed: the text as the URL list holds it"));
    m_site->addItem(tr("host: the host without www."));
    m_site->addItem(tr("domain: the registered domain"));
    m_site->setCurrentIndex(static_cast<int>(
        std::distance(std::begin(siteForms), std::find(std::begin(siteForms), std::end(siteForms), source.siteForm))));
    m_json = makeBox(QStringLiteral("sourceJson"), tr("JSON path"), source.jsonPath, this);
    m_json->setPlaceholderText(QStringLiteral("data.items.0.refDomains"));
    m_json->setToolTip(tr("Where a JSON reply holds the count; leave it empty to read a page by markers"));
    const QString markerTexts[3] = {source.markers.before, source.markers.after, source.markers.noResults};
    const char* const markerNames[3] = {"sourceBefore", "sourceAfter", "sourceNoResults"};
    const QString markerDescriptions[3] = {tr("Text just before the count"), tr("Text just after the count"),
                                           tr("Text of the page that says nothing was found")};
    for (int marker = 0; marker < 3; ++marker) {
        m_markers[marker] =
            makeBox(QString::fromLatin1(markerNames[marker]), markerDescriptions[marker], markerTexts[marker], this);
        m_markers[marker]->setToolTip(markerDescriptions[marker]);
    }
    m_headers = new QPlainTextEdit(source.maskedHeaders().join(u'\n'), this);
    m_headers->setObjectName(QStringLiteral("sourceHeaders"));
    m_headers->setAccessibleName(tr("Headers"));
    m_headers->setToolTip(tr("One header a line, Name: value, such as an API key; saved values show as dots and "
                             "are kept unless retyped"));
    m_headers->setTabChangesFocus(true);
    m_headers->setFixedHeight(m_headers->fontMetrics().lineSpacing() * 4 + 12);
    m_total = new QCheckBox(tr("Counts toward the &total and the rank"), this);
    m_total->setObjectName(QStringLiteral("sourceTotal"));
    m_total->setChecked(source.countsTowardTotal);
    m_interval = makeIntervalBox(source.intervalMs, this);
    m_userAgent = makeBox(QStringLiteral("sourceUserAgent"), tr("User agent"), source.userAgent, this);
    m_userAgent->setPlaceholderText(tr("as in the Network options"));
    m_userAgent->setToolTip(tr("The User-Agent this source is asked with; empty for the one of the Network options"));
    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("sourceProblem"));
    m_problem->setWordWrap(true);
    m_problem->setStyleSheet(QStringLiteral("color: #b00020"));

    auto* form = new QFormLayout;
    form->addRow(tr("&Name:"), m_name);
    form->addRow(tr("&Address:"), m_query);
    form->addRow(tr("&Site:"), m_site);
    form->addRow(tr("&JSON path:"), m_json);
    form->addRow(tr("&Before:"), m_markers[0]);
    form->addRow(tr("A&fter:"), m_markers[1]);
    form->addRow(tr("No &results:"), m_markers[2]);
    form->addRow(tr("&Headers:"), m_headers);
    form->addRow(tr("&Interval:"), m_interval);
    form->addRow(tr("&User agent:"), m_userAgent);
    form->addRow(QString(), m_total);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setToolTip(tr("Save the source into settings.ini"));
    buttons->button(QDialogButtonBox::Cancel)->setToolTip(tr("Close without saving the source"));
    connect(buttons, &QDialogButtonBox::accepted, this, &SourceEditDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_problem);
    layout->addWidget(buttons);
}

QLineEdit* SourceEditDialog::markerBox(int marker) const
{
    return marker >= 0 && marker < 3 ? m_markers[marker] : nullptr;
}

void SourceEditDialog::accept()
{
    Source source = m_original;
    source.name = m_name->text();
    source.queryTemplate = m_query->text().trimmed();
    source.siteForm = siteForms[std::max(0, m_site->currentIndex())];
    source.jsonPath = m_json->text().trimmed();
    source.kind = source.jsonPath.isEmpty() ? Source::Kind::WebPage : Source::Kind::Json;
    source.markers = {m_markers[0]->text(), m_markers[1]->text(), m_markers[2]->text()};
    source.countsTowardTotal = m_total->isChecked();
    source.intervalMs = m_interval->value();
    source.userAgent = m_userAgent->text().trimmed();
    QString problem = m_sources.nameProblem(source.name, m_original.settingsKey);
    if (problem.isEmpty()) {
        const std::optional<QList<SourceHeader>> headers =
            SourceList::headersFromLines(m_headers->toPlainText().split(u'\n'), m_original.headers, &problem);
        if (headers)
            source.headers = *headers;
    }
    if (problem.isEmpty())
        problem = SourceList::problemOf(source);
    if (!problem.isEmpty()) {
        m_problem->setText(tr("This source cannot be saved: %1.").arg(problem));
        return;
    }
    source.settingsKey = SourceList::sectionOf(source.name);
    source.invalidReason.clear();
    m_edited = source;
    QDialog::accept();
}
