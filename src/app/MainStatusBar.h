#pragma once

#include <QStatusBar>

class QLabel;
class QProgressBar;

// The status bar of the main window: panel 1 takes the remaining width and
// shows status texts; panel 2 has a fixed width and hosts the scan's
// progress bar over its own text. A click on panel 2 while it tells of
// failed queries asks for the scan log.
class MainStatusBar : public QStatusBar
{
    Q_OBJECT

public:
    explicit MainStatusBar(QWidget* parent = nullptr);

    QString panelText(int panel) const;
    // Panel 2's text stands over the failed queries' text, which comes back
    // when the text is emptied.
    void setPanelText(int panel, const QString& text);

    QProgressBar* progressBar() const { return m_progress; }
    // The scan's progress over panel 2: shown at 0 of this many steps,
    // one step further, hidden.
    void startProgress(int steps);
    void stepProgress(int steps = 1);
    void endProgress();

    // Panel 2's text about failed queries; the empty text for none.
    void setFailureText(const QString& text);

signals:
    void failuresClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* m_panel1;
    QLabel* m_panel2;
    QProgressBar* m_progress;
    QString m_failureText;
    bool m_showsFailures = false;
};
