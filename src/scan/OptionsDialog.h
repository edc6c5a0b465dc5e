#pragma once

#include "engines/EngineTable.h"
#include "scan/RankBoxRules.h"

#include <QDialog>
#include <QList>

#include <array>

struct AppContext;
struct CountMarkers;
struct Source;
class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class NetworkPage;
class SourcesPage;
class SourceTest;

// The Options dialog "Form2": on its first page the six engines' query
// templates and count markers of settings.ini, on its second the sources
// (SourcesPage: hiding engines, the user's own sources, written at once);
// beside them the rank numbers and the data options of the per-user
// settings. Loaded when made; Ok saves everything and closes, Cancel
// closes, Reset writes the default templates and empty markers at once
// (after asking) and puts the default rank numbers into the boxes. Each
// engine's Test button fetches its query for the test site with the boxes'
// current texts, the Sources page's Test Selected the selected source as
// saved, and the result shows what a scan would record.
//
// The rank boxes keep themselves consistent on every change of their text,
// whoever makes it (RankBoxRules): box 2 mirrors box 1 and box 0 stays
// below box 1; text that is no whole number is taken back.
class OptionsDialog : public QDialog
{
    Q_OBJECT

public:
    static constexpr int rankBoxCount = RankBoxRules::boxCount;

    explicit OptionsDialog(AppContext& context, QWidget* parent = nullptr);

    // Text1..Text6, the template of the engine numbered 1..6.
    QLineEdit* templateBox(int engineNumber) const;
    // The engine's marker boxes: 0 before, 1 after, 2 no results.
    QLineEdit* markerBox(int engineNumber, int marker) const;
    QPushButton* testButton(int engineNumber) const;
    QPushButton* stopTestButton() const { return m_stopTest; }
    QTabWidget* pages() const { return m_pages; }
    SourcesPage* sourcesPage() const { return m_sourcesPage; }
    NetworkPage* networkPage() const { return m_networkPage; }
    QPlainTextEdit* testResultBox() const { return m_testResult; }
    // The site a test asks about; SourceTest::defaultSite() when empty.
    void setTestSite(const QString& site) { m_testSite = site; }
    // txtProfile0..2: 0 low threshold, 1 medium/high boundary, 2 high value.
    QLineEdit* rankBox(int index) const;
    QCheckBox* autoSortBox() const { return m_autoSort; }
    QCheckBox* clearBox() const { return m_clear; }
    QCheckBox* keepListBox() const { return m_keepList; }
    QCheckBox* parallelEnginesBox() const { return m_parallelEngines; }
    QPushButton* resetButton() const { return m_reset; }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; }

    // Ok: writes the six templates into settings.ini and the rank numbers
    // and options into the per-user settings, then closes. A template that
    // cannot be written is reported, and the dialog stays open with the
    // user's entries.
    void saveAndClose();
    // Reset: after the user agrees, the default templates go into the boxes
    // and into settings.ini at once; either way the rank boxes get the
    // default numbers (not saved until Ok).
    void reset();
    // Test: starts the engine's test with the boxes' texts; Stop Test ends it.
    void startTest(int engineNumber);
    void stopTest();
    // Starts the test of a source as it is given.
    void startSourceTest(const Source& source);

private:
    QWidget* makeEngineGroup();
    QWidget* makeTestGroup();
    CountMarkers markersShown(const Engine& engine) const;
    void showMarkers(const Engine& engine, const CountMarkers& markers);
    void testFinished();
    void load();
    void setRankBoxes(const QString& low, const QString& boundary, const QString& high);
    void showTemplate(const Engine& engine, const QString& text);
    bool writeEngine(const Engine& engine);

    AppContext& m_context;
    // The engines' boxes and buttons, in the engine table's order.
    QList<QLineEdit*> m_templates;
    QList<std::array<QLineEdit*, 3>> m_markers;
    QList<QPushButton*> m_testButtons;
    QPushButton* m_stopTest = nullptr;
    QPlainTextEdit* m_testResult = nullptr;
    SourceTest* m_test = nullptr;
    QTabWidget* m_pages = nullptr;
    SourcesPage* m_sourcesPage = nullptr;
    NetworkPage* m_networkPage = nullptr;
    QString m_testSite;
    std::array<QLineEdit*, rankBoxCount> m_ranks{};
    RankBoxRules m_rules;
    bool m_checkRanks = true;
    QCheckBox* m_autoSort = nullptr;
    QCheckBox* m_clear = nullptr;
    QCheckBox* m_keepList = nullptr;
    QCheckBox* m_parallelEngines = nullptr;
    QPushButton* m_reset = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};
