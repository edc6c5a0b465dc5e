#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QString>
#include <QTextStream>

#include <functional>

// Benchmarks run without a display unless a platform is asked for; called
// before the application object is made.
inline void runOffscreenUnlessAsked()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// Runs the step once and reports its time together with the time until
// the window has processed the resulting events (layout and painting).
inline void measure(QTextStream& out, const QString& what, const std::function<void()>& step)
{
    QElapsedTimer timer;
    timer.start();
    step();
    const qint64 stepTime = timer.elapsed();
    QCoreApplication::processEvents();
    out << qSetFieldWidth(56) << Qt::left << what << qSetFieldWidth(0) << stepTime << " ms (" << timer.elapsed()
        << " ms with the repaint)\n";
    out.flush();
}
