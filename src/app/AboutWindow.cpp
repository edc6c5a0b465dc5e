#include "app/AboutWindow.h"

#include "app/BrandArtwork.h"
#include "app/SystemUrlOpener.h"
#include "base/WindowPlacement.h"

#include <QEvent>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr QSize windowSize(497, 169);
constexpr QSize bannerSize(497, 68);
constexpr int captionWidth = 160;

// The program's font at the design's size, or at the desktop's when that is
// larger.
QFont fontAtLeast(const QFont& programFont, qreal designPointSize, QFont::Weight weight = QFont::Normal)
{
    QFont font = programFont;
    if (font.pointSizeF() > 0)
        font.setPointSizeF(std::max(font.pointSizeF(), designPointSize));
    font.setWeight(weight);
    return font;
}

} // namespace

AboutWindow::AboutWindow()
    : AboutWindow(BrandingInfo::fromBuild(), systemUrlOpener())
{}

AboutWindow::AboutWindow(const BrandingInfo& branding, UrlOpener opener, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_branding(branding)
    , m_opener(std::move(opener))
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About %1").arg(branding.productName));
    setWindowIcon(QIcon(QString::fromLatin1(BrandArtwork::logoResource)));
    setFont(fontAtLeast(font(), 9));
    // The window has no button of its own; Escape closes it as it would a dialog.
    auto* closeShortcut = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(closeShortcut, &QShortcut::activated, this, &QWidget::close);

    auto* banner = new QLabel(this);
    banner->setObjectName(QStringLiteral("Picture1"));
    banner->setFixedSize(bannerSize);
    banner->setPixmap(BrandArtwork::aboutBanner(bannerSize));

    auto* productName = new QLabel(branding.productName, banner);
    productName->setObjectName(QStringLiteral("Label1"));
    productName->setFont(fontAtLeast(font(), 18, QFont::Bold));
    productName->setStyleSheet(QStringLiteral("color: white;"));
    productName->setGeometry(bannerSize.height() + 8, 0, bannerSize.width() - bannerSize.height() - 16,
                             bannerSize.height());

    auto* rows = new QGridLayout;
    rows->setContentsMargins(12, 8, 16, 10);
    rows->setHorizontalSpacing(0);
    rows->setColumnMinimumWidth(0, captionWidth);
    rows->setColumnStretch(1, 1);
    addRow(rows, 0, QStringLiteral("Label2"), tr("Version:"), QStringLiteral("lblVersion"), branding.versionText());
    addRow(rows, 1, QStringLiteral("Label3"), tr("Owned By:"), QStringLiteral("lblCompany"), branding.companyName);
    m_website =
        addRow(rows, 2, QStringLiteral("Label4"), tr("Website:"), QStringLiteral("lblWebsite"), branding.comments);
    m_website->setStyleSheet(QStringLiteral("color: #1D4ED8; text-decoration: underline;"));
    m_website->setCursor(Qt::PointingHandCursor);
    m_website->setToolTip(publisherWebAddress(branding.comments));
    m_website->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(banner);
    layout->addLayout(rows, 1);
    // Larger for large text, so that no row is cut off.
    setFixedSize(windowSize.expandedTo(sizeHint()));
}

QLabel* AboutWindow::addRow(QGridLayout* rows, int row, const QString& name, const QString& caption,
                            const QString& valueName, const QString& value)
{
    auto* captionLabel = new QLabel(caption, this);
    captionLabel->setObjectName(name);
    auto* valueLabel = new QLabel(value, this);
    valueLabel->setObjectName(valueName);
    rows->addWidget(captionLabel, row, 0);
    rows->addWidget(valueLabel, row, 1);
    return valueLabel;
}

AboutWindow* AboutWindow::open(UrlOpener opener)
{
    auto* window = new AboutWindow(BrandingInfo::fromBuild(), std::move(opener));
    window->setAttribute(Qt::WA_DeleteOnClose);
    centreOnScreen(window);
    window->show();
    return window;
}

bool AboutWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_website && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        openPublisherWebAddress(m_branding.comments, m_opener);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
