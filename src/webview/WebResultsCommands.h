#pragma once

#include <QObject>

struct AppContext;
class ResultsView;
class WebViewPanel;

// Opens the pages of the web-results list: a click on a row opens it, and
// showWebResults() opens the page of the site selected in the results table
// and asks for the Website View.
class WebResultsCommands : public QObject
{
    Q_OBJECT

public:
    WebResultsCommands(WebViewPanel* panel, const ResultsView* results, AppContext& context, QObject* parent = nullptr);

    // Opens the selected row of the web-results list in the browser: the
    // site itself for "Home Page", the engine's result page for the site
    // for an engine's row. Does nothing without a selected row or for a row
    // of another type.
    void openSelectedRow();

    // Finds the first web-results row of the site selected in the results
    // table, selects it, brings it into view, opens it and emits
    // websiteViewRequested(). Without a selected results row the user is
    // told to select one; when the site has no row nothing happens.
    void showWebResults();

signals:
    void websiteViewRequested();

private:
    WebViewPanel* m_panel;
    const ResultsView* m_results;
    AppContext& m_context;
};
