#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>

class QWidget;

// Takes every right-button event of an item view's viewport for the view's
// pop-up menu, so that the right button never reaches the view's own
// selection handling, and reports presses (double clicks too) and releases.
// It knows only the viewport it was given and never calls into the view:
// while the view is being destroyed its viewport still receives events.
class RightButtonFilter : public QObject
{
    Q_OBJECT

public:
    RightButtonFilter(QWidget* viewport, QObject* parent);
    ~RightButtonFilter() override;

signals:
    void pressed(const QPoint& position, const QPoint& globalPosition);
    void released(const QPoint& position, const QPoint& globalPosition);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> m_viewport;
};
