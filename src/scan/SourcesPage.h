#pragma once

#include "engines/SourceList.h"

#include <QWidget>

#include <functional>

struct AppContext;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class SourceEditDialog;

// The Options dialog's Sources page: every source of settings.ini in scan
// order, the six built-in engines (each with a check box: asked, or hidden)
// and then the user's own, with kind, status, whether it counts toward the
// total, least interval between queries, address and headers (masked); below the list, the selected one in
// words, with the reason when it cannot be asked. New
// Source, Edit, Remove, Move Up and Move Down change the user's sources;
// Interval sets any source's least interval, a built-in engine's too;
// Test Selected asks the selected source about the test site. Every change
// is written at once with the INI module's profile-string writes, so the
// rest of the file stays byte for byte.
class SourcesPage : public QWidget
{
    Q_OBJECT

public:
    enum Column {
        NameColumn,
        KindColumn,
        StatusColumn,
        TotalColumn,
        IntervalColumn,
        AddressColumn,
        HeadersColumn,
        ColumnCount
    };

    explicit SourcesPage(AppContext& context, QWidget* parent = nullptr);

    QTreeWidget* sourceList() const { return m_list; }
    // What the selected source is and, when it cannot be asked, why.
    QLabel* detailsLabel() const { return m_details; }
    QPushButton* newButton() const { return m_new; }
    QPushButton* editButton() const { return m_edit; }
    QPushButton* removeButton() const { return m_remove; }
    QPushButton* upButton() const { return m_up; }
    QPushButton* downButton() const { return m_down; }
    QPushButton* testButton() const { return m_test; }
    QPushButton* intervalButton() const { return m_interval; }

    // How the editor is shown; exec() unless a test replaces it.
    void setEditorRunner(std::function<int(SourceEditDialog&)> run) { m_runEditor = std::move(run); }

    // Reads the sources of settings.ini afresh into the list.
    void reload();
    const SourceList& sources() const { return m_sources; }
    // The source of the selected row, or null.
    const Source* selectedSource() const;
    void selectSource(const QString& settingsKey);

    // The commands of the buttons.
    void newSource();
    void editSource();
    void removeSource();
    void moveSource(int step); // -1 up, +1 down among the user's sources
    void setHidden(const Source& engine, bool hidden);
    // Asks for the selected source's least interval and writes it.
    void editInterval();

    // While a test runs, Test Selected is off.
    void setTesting(bool testing);

signals:
    // Test Selected: the source as settings.ini has it.
    void testRequested(const Source& source);

private:
    void runEditor(const Source& source);
    bool report(bool written, const QString& reason);
    void selectionChanged();

    AppContext& m_context;
    SourceList m_sources;
    QTreeWidget* m_list;
    QLabel* m_details;
    QPushButton* m_new;
    QPushButton* m_edit;
    QPushButton* m_remove;
    QPushButton* m_up;
    QPushButton* m_interval;
    QPushButton* m_down;
    QPushButton* m_test;
    std::function<int(SourceEditDialog&)> m_runEditor;
    bool m_filling = false;
    bool m_testing = false;
};
