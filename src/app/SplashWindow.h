#pragma once

#include "app/BrandingInfo.h"

#include <QTimer>
#include <QWidget>

// The picture shown while the program starts. It holds the start-up timer:
// on its 75th tick the timer stops, finished() is emitted (the main window
// then opens) and the splash hides.
class SplashWindow : public QWidget
{
    Q_OBJECT

public:
    // 75 ticks of this interval keep the splash up for about a second.
    static constexpr int defaultTickInterval = 13;

    explicit SplashWindow(const BrandingInfo& branding = BrandingInfo::fromBuild(), QWidget* parent = nullptr);

    void setTickInterval(int milliseconds) { m_timer.setInterval(milliseconds); }
    int tickInterval() const { return m_timer.interval(); }

    // Shows the splash and starts its timer.
    void start();

    // The tick counter: 2 more for every tick, 150 at the end.
    int counter() const { return m_counter; }
    bool isTimerRunning() const { return m_timer.isActive(); }

public slots:
    // One tick of the start-up timer.
    void tick();

signals:
    void finished();

private:
    QTimer m_timer;
    qint16 m_counter = 0;
};
