#pragma once

#include <QGroupBox>

#include <memory>
#include <optional>

struct AppContext;
struct ResultRow;
struct SourceColumn;
class ChartWidget;
class PrinterChoice;
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QToolButton;
class SavedSearchChart;

// The "Results - Chart View" frame: the chart, the engine selector of a
// saved search, the chart-type selector with its remembered setting and
// rotation hint, the remembered choice of spacing dates by time, "Load
// Data", "Print", and the exports of the chart as a picture and of a saved
// search's history. The chart shows an example until the first chart is
// built, from the results after a scan or from a saved search.
class ChartPanel : public QGroupBox
{
    Q_OBJECT

public:
    explicit ChartPanel(AppContext& context, QWidget* parent = nullptr);
    ~ChartPanel() override;

    ChartWidget* chart() const { return m_chart; }
    QComboBox* engineSelector() const { return m_engineSelector; }
    QComboBox* chartTypeSelector() const { return m_chartTypeSelector; }
    // "Space dates by time", for the flat types.
    QCheckBox* spaceDatesBox() const { return m_spaceDates; }
    QLabel* hintLabel() const { return m_hint; }
    QToolButton* loadDataButton() const { return m_loadData; }
    QToolButton* printButton() const { return m_print; }
    // "Export", a button whose menu holds the two exports.
    QToolButton* exportButton() const { return m_export; }
    // "Export Chart...", on the chart's pop-up menu and the export button.
    QAction* exportChartAction() const { return m_exportChart; }
    // "Export History as CSV...", beside it; enabled while a saved search
    // is charted.
    QAction* exportHistoryAction() const { return m_exportHistory; }
    // "Print...", with Control+P in the chart view.
    QAction* printAction() const { return m_printAction; }
    // The button the chart once handed its focus to and the empty picture
    // box: never shown, no part of the panel's widgets, not told to screen
    // readers.
    QPushButton* focusTarget() const { return m_focusTarget; }
    QWidget* pictureBox() const { return m_picture; }

    // Where Print lets the user choose the printer: the print dialog unless
    // replaced.
    void setPrinterChoice(std::unique_ptr<PrinterChoice> choice);

    // Selects the chart type remembered in the user settings, as at start:
    // a stored value that is not a number from 0 to 7 selects "2D Line
    // Graph". The spacing of dates comes back with it.
    void restoreChartType();

    // Charts the results: one series per site, one row per source (named
    // in the results' column order). The engine selector is emptied and
    // disabled.
    void drawCurrentResultsChart(const QList<SourceColumn>& columns, const QList<ResultRow>& rows);

    // Charts the saved search of this file name (with ".qvh") in the Saved
    // folder: its sections fill the engine selector, followed by "All
    // Engines", and the first entry is drawn. A file that cannot be read is
    // reported and leaves the chart as it was.
    void drawSavedSearchChart(const QString& chartFileName);

    // The saved search last charted, or the empty text.
    QString chartFilePath() const { return m_chartFilePath; }

    // Prints the chart as shown, on the printer the user chooses.
    void printChart();

    // Saves the chart as a PNG, SVG or PDF file the user chooses.
    void exportChart();

    // Writes the history of the charted saved search into a CSV file the
    // user chooses.
    void exportHistory();

signals:
    // "Load Data": the window opens the Load Saved Search dialog.
    void loadDataRequested();

private:
    void chartTypeChosen(int index);
    void spacingChosen(bool byTime);
    void engineChosen(int index);
    // The saved search, or nothing after telling the user why it cannot be read.
    std::optional<SavedSearchChart> readSavedSearch(const QString& filePath, const QString& chartFileName);
    void showSavedSearch(const SavedSearchChart& saved, int selectorIndex);
    // Tells screen readers the chart type and which engine the chart shows.
    void describeChart();

    AppContext& m_context;
    ChartWidget* m_chart;
    QComboBox* m_engineSelector;
    QComboBox* m_chartTypeSelector;
    QCheckBox* m_spaceDates;
    QLabel* m_hint;
    QToolButton* m_loadData;
    QToolButton* m_print;
    QToolButton* m_export;
    QAction* m_exportChart;
    QAction* m_exportHistory;
    QAction* m_printAction;
    std::unique_ptr<PrinterChoice> m_printerChoice;
    std::unique_ptr<QWidget> m_unusedControls;
    QPushButton* m_focusTarget;
    QWidget* m_picture;
    QString m_chartFileName;
    QString m_chartFilePath;
    // The engine the chart shows and where its data comes from, in words.
    QString m_chartShows;
    bool m_twoSearchesWarned = false;
};
