#pragma once

#include "app/BrandingInfo.h"
#include "app/PublisherWebAddress.h"

#include <QWidget>

class QGridLayout;
class QLabel;

// "About <product>": the product's name, version, publisher and web address;
// clicking the address opens it in the web browser.
class AboutWindow : public QWidget
{
    Q_OBJECT

public:
    // The build's branding, opened with the system's browser.
    AboutWindow();
    AboutWindow(const BrandingInfo& branding, UrlOpener opener, QWidget* parent = nullptr);

    // Shows a new about window with the build's branding, modeless and
    // without owner; it deletes itself when closed.
    static AboutWindow* open(UrlOpener opener);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* addRow(QGridLayout* rows, int row, const QString& name, const QString& caption, const QString& valueName,
                   const QString& value);

    BrandingInfo m_branding;
    UrlOpener m_opener;
    QLabel* m_website = nullptr;
};
