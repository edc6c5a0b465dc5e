#pragma once

#include "engines/EngineTable.h"
#include "scan/RankBoxRules.h"

#include <QDialog>

#include <array>

struct AppContext;
class QCheckBox;
class QLineEdit;
class QPushButton;

// The Options dialog "Form2": the six engines' query templates of
// settings.ini, the rank numbers and the three data options of the per-user
// settings. Loaded when made; Ok saves everything and closes, Cancel closes,
// Reset writes the default templates at once (after asking) and puts the
// default rank numbers into the boxes.
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
    // txtProfile0..2: 0 low threshold, 1 medium/high boundary, 2 high value.
    QLineEdit* rankBox(int index) const;
    QCheckBox* autoSortBox() const { return m_autoSort; }
    QCheckBox* clearBox() const { return m_clear; }
    QCheckBox* keepListBox() const { return m_keepList; }
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

private:
    void load();
    void setRankBoxes(const QString& low, const QString& boundary, const QString& high);
    void showTemplate(const Engine& engine, const QString& text);
    bool writeTemplate(const Engine& engine, const QString& text);

    AppContext& m_context;
    std::array<QLineEdit*, engineCount> m_templates{};
    std::array<QLineEdit*, rankBoxCount> m_ranks{};
    RankBoxRules m_rules;
    bool m_checkRanks = true;
    QCheckBox* m_autoSort = nullptr;
    QCheckBox* m_clear = nullptr;
    QCheckBox* m_keepList = nullptr;
    QPushButton* m_reset = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};
