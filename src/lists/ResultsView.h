#pragma once

#include <QGroupBox>

class QToolButton;
class QTreeWidget;

// The "Results - Data View" frame: the results table and its three buttons.
class ResultsView : public QGroupBox
{
    Q_OBJECT

public:
    explicit ResultsView(QWidget* parent = nullptr);

    QTreeWidget* table() const { return m_table; }
    QToolButton* saveSelectedButton() const { return m_saveSelected; }
    QToolButton* webResultsButton() const { return m_webResults; }
    QToolButton* clearAllButton() const { return m_clearAll; }

private:
    QTreeWidget* m_table;
    QToolButton* m_saveSelected;
    QToolButton* m_webResults;
    QToolButton* m_clearAll;
};
