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
    setWindowTitle(tr("Scan Log"));
    auto* caption = new QLabel(tr("Every query of the last scan (Ctrl+C copies the selected rows):"), this);
    m_table->setObjectName(QStringLiteral("scanLogTable"));
    m_table->setAccessibleName(tr("Queries of the last scan"));
    caption->setBuddy(m_table);
    m_table->setModel(log);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setAlternatingRowColors(true);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    const QFontMetrics metrics = fontMetrics();
    // Room for the sample value and for the caption, whichever is wider in
    // the language shown.
    const auto fit = [this, log, &metrics](int column, const QString& sample) {
        const QString header = log->headerData(column, Qt::Horizontal).toString();
        m_table->setColumnWidth(column, std::max(metrics.horizontalAdvance(sample), metrics.horizontalAdvance(header)) +
                                            2 * metrics.averageCharWidth());
    };
    fit(ScanLog::Time, QStringLiteral("00:00:00.000"));
    fit(ScanLog::Site, QString(24, u'x'));
    fit(ScanLog::EngineName, QStringLiteral("All The Web"));
    fit(ScanLog::Address, QString(40, u'x'));
    fit(ScanLog::HttpStatus, QString());
    fit(ScanLog::Bytes, QStringLiteral("00000000"));
    fit(ScanLog::Milliseconds, QStringLiteral("000000"));
    fit(ScanLog::Outcome, QString(30, u'x'));
    m_table->verticalHeader()->setDefaultSectionSize(metrics.height() + metrics.height() / 2);

    m_table->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(m_table, 1);
    // Every column in view, the count's too, as far as the screen allows.
    int width = metrics.horizontalAdvance(log->headerData(ScanLog::Count, Qt::Horizontal).toString() +
                                          QStringLiteral(" 0000000000"));
    for (int column = 0; column < ScanLog::Count; ++column)
        width += m_table->columnWidth(column);
    resize(width + 4 * metrics.averageCharWidth(), metrics.height() * 30);
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
