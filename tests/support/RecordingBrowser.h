#pragma once

#include "webview/Browser.h"

#include <QList>
#include <QStringList>
#include <QUrl>

// A browser for tests: shows nothing, records every request in order, and
// raises its events only when the test says so.
class RecordingBrowser final : public Browser
{
    Q_OBJECT

public:
    explicit RecordingBrowser(QObject* parent = nullptr);

    QWidget* view() const override { return nullptr; }
    void navigate(const QUrl& address) override;
    void back() override;
    void forward() override;
    void stop() override;
    void reload() override;
    QUrl location() const override { return m_location; }

    // Every request: "navigate <address, fully encoded>", "back", "forward",
    // "stop", "reload".
    const QStringList& requests() const { return m_requests; }
    // The addresses given to navigate(), in order.
    const QList<QUrl>& navigations() const { return m_navigations; }
    QUrl lastNavigation() const { return m_navigations.isEmpty() ? QUrl() : m_navigations.last(); }
    void clearRequests();

    // The events, as a browser raises them.
    void beginLoad(const QUrl& address);
    void completeLoad(const QUrl& reached);
    void showStatus(const QString& text);

private:
    QStringList m_requests;
    QList<QUrl> m_navigations;
    QUrl m_location;
};
