#include "scan/ScanLogWindow.h"

#include "scan/ScanLog.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

ScanLogWindow::ScanLogWindow(ScanLog* log, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_log(log)
    , m_table(new QTableView(this))
{
    setObjectName(QStringLiteral("frmScanLog"));
    setWindowTitle(QStringLiteral("Scan Log"));
    auto* caption = new QLabel(QStringLiteral("Every query of the last scan (Ctrl+C copies the selected rows):"), this);
    m_table->setObjectName(QStringLiteral("scanLogTable"));
    m_table->setAccessibleName(QStringLiteral("Queries of the last scan"));
    caption->setBuddy(m_table);
    m_table->setModel(log);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setAlternatingRowColors(true);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    const QFontMetrics metrics = fontMetrics();
    m_table->setColumnWidth(ScanLog::Time, metrics.horizontalAdvance(QStringLiteral("00:00:00.000")) + 16);
    m_table->setColumnWidth(ScanLog::Site, metrics.horizontalAdvance(QLatin1Char('x')) * 24);
    m_table->setColumnWidth(ScanLog::Address, metrics.horizontalAdvance(QLatin1Char('x')) * 40);
    m_table->setColumnWidth(ScanLog::Outcome, metrics.horizontalAdvance(QLatin1Char('x')) * 34);

    m_table->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(m_table, 1);
    resize(metrics.horizontalAdvance(QLatin1Char('x')) * 150, metrics.height() * 30);
}

// The table's own copy takes only the current cell; the window's copies
// whole rows. The shortcut override keeps a window-wide Ctrl+C from taking
// the key first.
bool ScanLogWindow::eventFilter(QObject* watched, QEvent* event)
{
    const bool keyEvent = event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride;
    if (watched == m_table && keyEvent && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        event->accept();
        if (event->type() == QEvent::KeyPress)
            copySelection();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

QString ScanLogWindow::selectedText() const
{
    QList<int> rows;
    for (const QModelIndex& index : m_table->selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return m_log->rowsAsText(rows);
}

void ScanLogWindow::copySelection() const
{
    const QString text = selectedText();
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}
