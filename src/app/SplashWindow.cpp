#include "app/SplashWindow.h"

#include "app/BrandArtwork.h"
#include "base/WindowPlacement.h"

#include <QIcon>
#include <QLabel>
#include <QPalette>

namespace {

constexpr QSize windowSize(478, 318);
constexpr QSize pictureSize(476, 316);
constexpr qint16 finalCount = 150;

} // namespace

SplashWindow::SplashWindow(const BrandingInfo& branding, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(branding.productName);
    setWindowIcon(QIcon(QString::fromLatin1(BrandArtwork::logoResource)));
    setFixedSize(windowSize);
    // The one-pixel margin around the picture reads as a thin frame.
    QPalette framePalette = palette();
    framePalette.setColor(QPalette::Window, QColor(0x0B, 0x12, 0x20));
    setPalette(framePalette);
    setAutoFillBackground(true);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setGeometry(QRect(QPoint(1, 1), pictureSize));
    picture->setPixmap(BrandArtwork::splashPicture(pictureSize, branding));

    m_timer.setObjectName(QStringLiteral("Timer2"));
    m_timer.setInterval(defaultTickInterval);
    connect(&m_timer, &QTimer::timeout, this, &SplashWindow::tick);
}

void SplashWindow::start()
{
    centreOnScreen(this);
    show();
    m_timer.start();
}

void SplashWindow::tick()
{
    m_counter = static_cast<qint16>(m_counter + 2);
    if (m_counter != finalCount)
        return;
    m_timer.stop();
    emit finished();
    hide();
}
