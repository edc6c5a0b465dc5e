#pragma once

#include "webview/Browser.h"

#include <QPointer>

class QWebEngineView;

// The browser as a WebEngine view, named "WebBrowser1". The status text is
// the address of the link under the mouse. The view belongs to this object
// and goes with it.
class WebEngineBrowser final : public Browser
{
    Q_OBJECT

public:
    explicit WebEngineBrowser(QWidget* viewParent);
    ~WebEngineBrowser() override;

    QWidget* view() const override;

    void navigate(const QUrl& address) override;
    void back() override;
    void forward() override;
    void stop() override;
    void reload() override;
    QUrl location() const override;

private:
    QPointer<QWebEngineView> m_view;
    QUrl m_location;
};
