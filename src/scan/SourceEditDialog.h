#pragma once

#include "engines/Source.h"

#include <QDialog>

class QCheckBox;
class QSpinBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class SourceList;

// The editor of one user source, opened by the Sources page's New Source
// and Edit buttons: its name, query address, site form, count rule (a JSON
// path or the markers), headers and whether it counts toward the total.
// Header values are shown masked; a masked line keeps its value. Ok takes
// the source only when it is valid among the list's other sources (the
// reason shows in the dialog otherwise); the page writes it.
class SourceEditDialog : public QDialog
{
    Q_OBJECT

public:
    // `source` is the one being edited (a default Source for a new one);
    // `sources` the list it is to join, for the name checks.
    SourceEditDialog(const Source& source, const SourceList& sources, QWidget* parent = nullptr);

    // The source as the fields give it; valid once the dialog is accepted.
    Source editedSource() const { return m_edited; }

    QLineEdit* nameBox() const { return m_name; }
    QLineEdit* queryBox() const { return m_query; }
    QComboBox* siteBox() const { return m_site; }
    QLineEdit* jsonBox() const { return m_json; }
    QLineEdit* markerBox(int marker) const; // 0 before, 1 after, 2 no results
    QPlainTextEdit* headersBox() const { return m_headers; }
    QCheckBox* totalBox() const { return m_total; }
    QSpinBox* intervalBox() const { return m_interval; }
    QLineEdit* userAgentBox() const { return m_userAgent; }
    QLabel* problemLabel() const { return m_problem; }

    // Ok: takes the fields when they make a valid source, else says why.
    void accept() override;

private:
    const SourceList& m_sources;
    Source m_original;
    Source m_edited;
    QLineEdit* m_name;
    QLineEdit* m_query;
    QComboBox* m_site;
    QLineEdit* m_json;
    QLineEdit* m_markers[3];
    QPlainTextEdit* m_headers;
    QCheckBox* m_total;
    QSpinBox* m_interval;
    QLineEdit* m_userAgent;
    QLabel* m_problem;
};
