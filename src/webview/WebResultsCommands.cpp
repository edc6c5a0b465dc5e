#include "webview/WebResultsCommands.h"

#include "Branding.h"
#include "base/AppContext.h"
#include "base/Prompts.h"
#include "results/ResultRow.h"
#include "results/ResultsView.h"
#include "webview/WebAddresses.h"
#include "webview/WebResultsList.h"
#include "webview/WebViewPanel.h"

#include <QCoreApplication>
#include <QTreeWidget>

WebResultsCommands::WebResultsCommands(WebViewPanel* panel, const ResultsView* results, AppContext& context,
                                       QObject* parent)
    : QObject(parent)
    , m_panel(panel)
    , m_results(results)
    , m_context(context)
{
    connect(panel->webResultsList(), &QTreeWidget::itemClicked, this, &WebResultsCommands::openSelectedRow);
}

void WebResultsCommands::openSelectedRow()
{
    const QTreeWidgetItem* row = m_panel->webResultsList()->selectedRow();
    if (!row)
        return;
    const std::optional<QString> page = WebResultsList::pageOf(row);
    if (!page)
        return;
    // A source removed since its row was made has no page to open.
    const QString address =
        webResultAddress(*page, row->text(WebResultsList::UrlColumn), m_context.folder.settingsIni());
    if (!address.isEmpty() || page->isEmpty())
        m_panel->openAddress(address);
}

void WebResultsCommands::showWebResults()
{
    const ResultRow* resultsRow = m_results ? m_results->selectedRow() : nullptr;
    if (!resultsRow) {
        m_context.prompts.notice(QCoreApplication::translate("WebResultsCommands",
                                                             "You must first select the item in the results list "
                                                             "you wish to view web results for."),
                                 QString::fromLatin1(Branding::applicationTitle));
        return;
    }
    WebResultsList* list = m_panel->webResultsList();
    QTreeWidgetItem* row = list->firstRowForSite(resultsRow->site);
    if (!row)
        return;
    list->setCurrentItem(row);
    list->scrollToItem(row);
    openSelectedRow();
    emit websiteViewRequested();
}
