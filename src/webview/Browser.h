#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

class QWidget;

// The embedded web browser as the web view uses it: requests to navigate and
// to move through the history, the address of the page, and three events.
// The program uses a WebEngine view; tests use a recording double.
class Browser : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    ~Browser() override;

    // The widget that shows the pages, for the caller's layout; null for a
    // browser that shows nothing.
    virtual QWidget* view() const = 0;

    virtual void navigate(const QUrl& address) = 0;
    // Requests that cannot be met (going back with no history, stopping
    // when nothing loads) do nothing.
    virtual void back() = 0;
    virtual void forward() = 0;
    virtual void stop() = 0;
    virtual void reload() = 0;

    // The address being opened while a page loads, else the address of the
    // page shown (after any redirections).
    virtual QUrl location() const = 0;

signals:
    // A text for the status bar, such as the address of the link under the
    // mouse; empty to clear it.
    void statusTextChanged(const QString& text);
    // A page starts to load; location() is the address being opened.
    void downloadBegan();
    // A load has ended, successfully or not; location() is the address
    // reached.
    void downloadCompleted();
    // The page asked for an address the web view does not open
    // (mayOpenInWebView), such as a link to a local file; nothing was opened.
    void navigationRefused(const QUrl& address);
};
