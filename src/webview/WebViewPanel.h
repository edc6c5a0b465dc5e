#pragma once

#include <QGroupBox>

class QFrame;
class QLabel;
class QLineEdit;
class QToolButton;
class QTreeWidget;

// The "Results - Website View" frame: the web-results list, the address
// line, the browser buttons and the area the embedded browser fills.
class WebViewPanel : public QGroupBox
{
    Q_OBJECT

public:
    explicit WebViewPanel(QWidget* parent = nullptr);

    QTreeWidget* resultsList() const { return m_resultsList; }
    QLineEdit* addressBox() const { return m_address; }
    QToolButton* browseButton() const { return m_browse; }
    QToolButton* backButton() const { return m_back; }
    QToolButton* forwardButton() const { return m_forward; }
    QToolButton* stopButton() const { return m_stop; }
    QToolButton* refreshButton() const { return m_refresh; }

    // The area below the buttons where the browser is shown.
    QFrame* browserArea() const { return m_browserArea; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QTreeWidget* m_resultsList;
    QLabel* m_addressLabel;
    QLineEdit* m_address;
    QToolButton* m_browse;
    QToolButton* m_back;
    QToolButton* m_forward;
    QToolButton* m_stop;
    QToolButton* m_refresh;
    QFrame* m_browserArea;
    bool m_columnsSized = false;
};
