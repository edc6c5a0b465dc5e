#include "webview/WebViewPanel.h"

#include "base/ButtonFactory.h"
#include "base/Twips.h"
#include "webview/Browser.h"
#include "webview/WebAddresses.h"
#include "webview/WebResultsList.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

WebViewPanel::WebViewPanel(QWidget* parent)
    : QGroupBox(tr("Results - Website View"), parent)
{
    setObjectName(QStringLiteral("Frame4"));

    m_resultsList = new WebResultsList(this);
    m_resultsList->setFixedHeight(twips(1875));

    m_addressLabel = new QLabel(tr("&URL:"), this);
    m_addressLabel->setObjectName(QStringLiteral("Label5"));
    m_address = new QLineEdit(this);
    m_address->setObjectName(QStringLiteral("Text1"));
    m_addressLabel->setBuddy(m_address);
    m_browse = makePictureButton(this, QStringLiteral("Command10"), tr("Browse"), tr("Open the address you typed"),
                                 QStringLiteral("browse"), CaptionPlacement::IconOnly);
    setDesignSize(m_browse, QSize(twips(795), twips(315) + 6));

    m_back = makePictureButton(this, QStringLiteral("Command8"), tr("Back"), tr("Go back"), QStringLiteral("back"),
                               CaptionPlacement::IconOnly);
    m_forward = makePictureButton(this, QStringLiteral("Command9"), tr("Forward"), tr("Go forward"),
                                  QStringLiteral("forward"), CaptionPlacement::IconOnly);
    m_stop = makePictureButton(this, QStringLiteral("Command11"), tr("Stop"), tr("Stop loading the page"),
                               QStringLiteral("stop-loading"), CaptionPlacement::IconOnly);
    m_refresh = makePictureButton(this, QStringLiteral("Command70"), tr("Refresh"), tr("Reload the page"),
                                  QStringLiteral("refresh"), CaptionPlacement::IconOnly);

    auto* addressRow = new QHBoxLayout;
    addressRow->setSpacing(twips(100));
    addressRow->addWidget(m_addressLabel);
    addressRow->addWidget(m_address, 1);
    addressRow->addWidget(m_browse);

    auto* navigation = new QHBoxLayout;
    navigation->setSpacing(twips(45));
    navigation->addSpacing(m_addressLabel->sizeHint().width() + twips(100));
    for (QToolButton* button : {m_back, m_forward, m_stop, m_refresh}) {
        setDesignSize(button, QSize(twips(435), twips(435)));
        navigation->addWidget(button);
    }
    navigation->addStretch();

    m_browserArea = new QFrame(this);
    m_browserArea->setObjectName(QStringLiteral("browserArea"));
    m_browserArea->setFrameShape(QFrame::StyledPanel);
    m_browserArea->setMinimumHeight(40);
    auto* browserLayout = new QVBoxLayout(m_browserArea);
    browserLayout->setContentsMargins(0, 0, 0, 0);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(twips(60), twips(240) - 6, twips(60), twips(100));
    layout->setSpacing(twips(45));
    layout->addWidget(m_resultsList);
    layout->addLayout(addressRow);
    layout->addLayout(navigation);
    layout->addWidget(m_browserArea, 1);

    connect(m_browse, &QToolButton::clicked, this, &WebViewPanel::browseToTypedAddress);
    connect(m_address, &QLineEdit::returnPressed, this, &WebViewPanel::browseToTypedAddress);
    connect(m_back, &QToolButton::clicked, this, [this] {
        if (m_browser)
            m_browser->back();
    });
    connect(m_forward, &QToolButton::clicked, this, [this] {
        if (m_browser)
            m_browser->forward();
    });
    connect(m_stop, &QToolButton::clicked, this, [this] {
        if (m_browser)
            m_browser->stop();
    });
    connect(m_refresh, &QToolButton::clicked, this, [this] {
        if (m_browser)
            m_browser->reload();
    });
}

WebViewPanel::~WebViewPanel() = default;

QTreeWidget* WebViewPanel::resultsList() const
{
    return m_resultsList;
}

void WebViewPanel::setBrowserFactory(BrowserFactory makeBrowser)
{
    m_makeBrowser = std::move(makeBrowser);
}

Browser* WebViewPanel::ensureBrowser()
{
    if (m_browser || !m_makeBrowser)
        return m_browser;
    Browser* browser = m_makeBrowser(m_browserArea);
    if (!browser)
        return nullptr;
    browser->setParent(this);
    m_browser = browser;
    if (QWidget* view = browser->view()) {
        m_browserArea->layout()->addWidget(view);
        view->show();
    }
    connect(browser, &Browser::statusTextChanged, this, [this](const QString& text) { emit statusPanelText(1, text); });
    connect(browser, &Browser::downloadBegan, this, &WebViewPanel::pageBegan);
    connect(browser, &Browser::downloadCompleted, this, &WebViewPanel::pageCompleted);
    connect(browser, &Browser::navigationRefused, this, &WebViewPanel::refuse);
    browser->navigate(QUrl(QStringLiteral("about:blank")));
    return browser;
}

void WebViewPanel::openAddress(const QString& address)
{
    const QUrl url = browserUrl(address);
    if (url.isEmpty())
        return;
    if (!mayOpenInWebView(url)) {
        refuse(url);
        return;
    }
    if (Browser* browser = ensureBrowser())
        browser->navigate(url);
}

void WebViewPanel::refuse(const QUrl& address)
{
    m_showsOpening = false;
    emit statusPanelText(2, refusedAddressText(address));
}

void WebViewPanel::browseToTypedAddress()
{
    openAddress(m_address->text());
}

void WebViewPanel::pageBegan()
{
    m_showsOpening = true;
    emit statusPanelText(2, tr("Opening %1").arg(m_browser->location().toString()));
}

void WebViewPanel::pageCompleted()
{
    m_address->setText(m_browser->location().toString());
    // The page is there, so "Opening" is no longer true; a refusal said
    // since stays.
    if (m_showsOpening)
        emit statusPanelText(2, QString());
    m_showsOpening = false;
}

void WebViewPanel::showEvent(QShowEvent* event)
{
    QGroupBox::showEvent(event);
    // The columns share the list's width a quarter to three quarters, taken
    // from the width the list has when it is first shown.
    if (!m_columnsSized) {
        m_columnsSized = true;
        const int width = m_resultsList->viewport()->width();
        m_resultsList->setColumnWidth(0, width / 4);
        m_resultsList->setColumnWidth(1, width * 3 / 4);
    }
    ensureBrowser();
}
