#include "scan/ScanLogWindow.h"

#include "scan/ScanLog.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
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

    auto* copy = new QAction(QStringLiteral("Copy"), this);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(copy, &QAction::triggered, this, &ScanLogWindow::copySelection);
    addAction(copy);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(m_table, 1);
    resize(metrics.horizontalAdvance(QLatin1Char('x')) * 150, metrics.height() * 30);
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
