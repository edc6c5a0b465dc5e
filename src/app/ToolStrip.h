#pragma once

#include <QWidget>

class QToolButton;

// The strip of large picture buttons across the top of the main window:
// Start, Stop, Options and the button that visits the publisher's web
// address, which stretches to the right edge.
class ToolStrip : public QWidget
{
    Q_OBJECT

public:
    explicit ToolStrip(const QString& publisherAddress, QWidget* parent = nullptr);

    QToolButton* startButton() const { return m_start; }
    QToolButton* stopButton() const { return m_stop; }
    QToolButton* optionsButton() const { return m_options; }
    QToolButton* visitButton() const { return m_visit; }

private:
    QToolButton* m_start;
    QToolButton* m_stop;
    QToolButton* m_options;
    QToolButton* m_visit;
};
