#include "app/MainStatusBar.h"

#include "base/Twips.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>

namespace {

// Holds the status text. A scan changes the text after every query, and a
// label placed by a layout has the whole main window laid out anew at each
// change (it may need another size), at a cost like that of a query to a
// fast server. Here the label just fills the host, whose size does not
// depend on the text: one line of it, as wide as the status bar allows.
class StatusTextHost : public QWidget
{
public:
    explicit StatusTextHost(QLabel* label, QWidget* parent)
        : QWidget(parent)
        , m_label(label)
    {
        label->setParent(this);
    }

    QSize sizeHint() const override
    {
        const QMargins margins = m_label->contentsMargins();
        return {minimumWidth(),
                m_label->fontMetrics().height() + margins.top() + margins.bottom() + 2 * m_label->margin()};
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void resizeEvent(QResizeEvent*) override { m_label->setGeometry(rect()); }

private:
    QLabel* m_label;
};

} // namespace

MainStatusBar::MainStatusBar(QWidget* parent)
    : QStatusBar(parent)
{
    setObjectName(QStringLiteral("StatusBar1"));
    setSizeGripEnabled(true);

    m_panel1 = new QLabel;
    m_panel1->setObjectName(QStringLiteral("Panel1"));
    m_panel1->setTextFormat(Qt::PlainText);
    auto* panel1 = new StatusTextHost(m_panel1, this);
    panel1->setMinimumWidth(twips(1440));
    // Long status texts are cut off instead of widening the window.
    panel1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    addWidget(panel1, 1);

    auto* panel2 = new QWidget(this);
    panel2->setObjectName(QStringLiteral("Panel2Host"));
    panel2->setFixedWidth(twips(3500));
    m_panel2 = new QLabel(panel2);
    m_panel2->setObjectName(QStringLiteral("Panel2"));
    m_panel2->setTextFormat(Qt::PlainText);
    m_progress = new QProgressBar(panel2);
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    m_progress->setTextVisible(false);
    m_progress->setMaximumHeight(twips(315) - 4);
    m_progress->hide();
    // The progress bar lies over the panel's text while a scan runs.
    auto* overlay = new QGridLayout(panel2);
    overlay->setContentsMargins(2, 1, 2, 1);
    overlay->addWidget(m_panel2, 0, 0);
    overlay->addWidget(m_progress, 0, 0);
    addPermanentWidget(panel2);
    m_panel2->installEventFilter(this);
}

void MainStatusBar::setFailureText(const QString& text)
{
    m_failureText = text;
    m_showsFailures = !text.isEmpty();
    m_panel2->setText(text);
    m_panel2->setToolTip(m_showsFailures ? tr("Click to open the scan log") : QString());
    m_panel2->setCursor(m_showsFailures ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

bool MainStatusBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_panel2 && event->type() == QEvent::MouseButtonRelease && m_showsFailures)
        emit failuresClicked();
    return QStatusBar::eventFilter(watched, event);
}

QString MainStatusBar::panelText(int panel) const
{
    return panel == 1 ? m_panel1->text() : m_panel2->text();
}

void MainStatusBar::setPanelText(int panel, const QString& text)
{
    if (panel == 1) {
        m_panel1->setText(text);
        return;
    }
    if (text.isEmpty()) {
        setFailureText(m_failureText);
        return;
    }
    m_showsFailures = false;
    m_panel2->setText(text);
    m_panel2->setToolTip(QString());
    m_panel2->setCursor(Qt::ArrowCursor);
}

void MainStatusBar::startProgress(int steps)
{
    m_progress->show();
    m_progress->raise();
    m_progress->setRange(0, steps);
    m_progress->setValue(0);
}

void MainStatusBar::stepProgress(int steps)
{
    m_progress->setValue(m_progress->value() + steps);
}

void MainStatusBar::endProgress()
{
    m_progress->hide();
}
