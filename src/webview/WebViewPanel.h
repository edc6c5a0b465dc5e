#pragma once

#include "webview/Browser.h"
#include "webview/BrowserFactory.h"

#include <QGroupBox>
#include <QPointer>

class QFrame;
class QLabel;
class QLineEdit;
class QToolButton;
class QTreeWidget;
class WebResultsList;

// The "Results - Website View" frame: the web-results list, the address
// line, the browser buttons and the embedded browser below them.
//
// The browser is made when the frame is first shown, or earlier when an
// address is to be opened, so that the program starts without starting a
// browser engine. It starts on "about:blank". Its events go to the status
// bar through statusPanelText() and to the address box.
class WebViewPanel : public QGroupBox
{
    Q_OBJECT

public:
    explicit WebViewPanel(QWidget* parent = nullptr);
    ~WebViewPanel() override;

    QTreeWidget* resultsList() const;
    WebResultsList* webResultsList() const { return m_resultsList; }
    QLineEdit* addressBox() const { return m_address; }
    QToolButton* browseButton() const { return m_browse; }
    QToolButton* backButton() const { return m_back; }
    QToolButton* forwardButton() const { return m_forward; }
    QToolButton* stopButton() const { return m_stop; }
    QToolButton* refreshButton() const { return m_refresh; }

    // The area below the buttons where the browser is shown.
    QFrame* browserArea() const { return m_browserArea; }

    // How the browser is made; without a factory the panel has no browser.
    void setBrowserFactory(BrowserFactory makeBrowser);
    // The browser, or null while it has not been made.
    Browser* browser() const { return m_browser; }
    // Makes the browser when there is none yet; null without a factory.
    Browser* ensureBrowser();

    // The list's columns share its width when the panel is first shown,
    // unless they already have widths kept from an earlier session.
    void keepColumnWidths() { m_columnsSized = true; }
    bool columnsSized() const { return m_columnsSized; }

    // Opens an address as the browser's address bar reads it; text that is
    // no address does nothing, and an address the web view does not open
    // (mayOpenInWebView) gets a line in the status bar instead.
    void openAddress(const QString& address);

signals:
    // A text for a panel of the main window's status bar: 1 for the
    // browser's status text, 2 for the address being opened or refused.
    void statusPanelText(int panel, const QString& text);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void browseToTypedAddress();
    void pageBegan();
    void pageCompleted();
    void refuse(const QUrl& address);

    WebResultsList* m_resultsList;
    QLabel* m_addressLabel;
    QLineEdit* m_address;
    QToolButton* m_browse;
    QToolButton* m_back;
    QToolButton* m_forward;
    QToolButton* m_stop;
    QToolButton* m_refresh;
    QFrame* m_browserArea;
    BrowserFactory m_makeBrowser;
    QPointer<Browser> m_browser;
    bool m_columnsSized = false;
    // Panel 2 tells of a page being opened.
    bool m_showsOpening = false;
};
