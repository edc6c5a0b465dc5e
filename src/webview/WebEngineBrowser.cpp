#include "webview/WebEngineBrowser.h"

#include "webview/BrowserFactory.h"
#include "webview/WebAddresses.h"

#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include <functional>

namespace {

// A page that opens web addresses only, whatever asks: a link, a script, a
// redirection, a frame.
class WebOnlyPage final : public QWebEnginePage
{
public:
    WebOnlyPage(std::function<void(const QUrl&)> refused, QObject* parent)
        : QWebEnginePage(parent)
        , m_refused(std::move(refused))
    {}

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType, bool) override
    {
        if (mayOpenInWebView(url))
            return true;
        m_refused(url);
        return false;
    }

private:
    std::function<void(const QUrl&)> m_refused;
};

} // namespace

Browser* makeWebEngineBrowser(QWidget* parent)
{
    return new WebEngineBrowser(parent);
}

WebEngineBrowser::WebEngineBrowser(QWidget* viewParent)
    : m_view(new QWebEngineView(viewParent))
{
    m_view->setObjectName(QStringLiteral("WebBrowser1"));
    m_view->setAccessibleName(tr("Web page"));
    auto* page = new WebOnlyPage([this](const QUrl& address) { emit navigationRefused(address); }, m_view);
    m_view->setPage(page);
    // A page read from a file reaches neither the web nor other files.
    QWebEngineSettings* settings = page->profile()->settings();
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);

    connect(page, &QWebEnginePage::linkHovered, this, &Browser::statusTextChanged);
    // The loading info names the address being opened even when the load
    // goes back or forward through the history, where the page's own url
    // still names the page being left.
    connect(page, &QWebEnginePage::loadingChanged, this, [this](const QWebEngineLoadingInfo& info) {
        if (info.status() != QWebEngineLoadingInfo::LoadStartedStatus)
            return;
        m_location = info.url();
        emit downloadBegan();
    });
    connect(page, &QWebEnginePage::urlChanged, this, [this](const QUrl& url) { m_location = url; });
    connect(page, &QWebEnginePage::loadFinished, this, [this](bool) {
        if (m_view)
            m_location = m_view->url();
        emit downloadCompleted();
    });
}

WebEngineBrowser::~WebEngineBrowser()
{
    delete m_view;
}

QWidget* WebEngineBrowser::view() const
{
    return m_view;
}

void WebEngineBrowser::navigate(const QUrl& address)
{
    if (m_view)
        m_view->load(address);
}

void WebEngineBrowser::back()
{
    if (m_view)
        m_view->back();
}

void WebEngineBrowser::forward()
{
    if (m_view)
        m_view->forward();
}

void WebEngineBrowser::stop()
{
    if (m_view)
        m_view->stop();
}

void WebEngineBrowser::reload()
{
    if (m_view)
        m_view->reload();
}

QUrl WebEngineBrowser::location() const
{
    return m_location;
}
