#pragma once

#include <QWidget>

class QTableView;
class ScanLog;

// "Scan Log": the queries of the last scan in a table, one row each, kept
// up to date while a scan runs. Ctrl+C copies the selected rows as
// tab-separated lines.
class ScanLogWindow : public QWidget
{
    Q_OBJECT

public:
    explicit ScanLogWindow(ScanLog* log, QWidget* parent = nullptr);

    QTableView* table() const { return m_table; }
    // The selected rows, top to bottom, as ScanLog::rowsAsText gives them.
    QString selectedText() const;
    void copySelection() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ScanLog* m_log;
    QTableView* m_table;
};
