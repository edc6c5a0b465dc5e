#pragma once

#include <QStringList>

class Prompts;
class QComboBox;
class QWidget;

// The saved-search chooser "Combo1" that the Save Search Results and the Load
// Saved Search dialogs share, and what they tell the user about it.
namespace SavedSearchChoice {

// An empty chooser, wide enough for long names.
QComboBox* makeChooser(QWidget* parent);

// Lists the names with none of them chosen, and tells the user when there
// is no saved search at all.
void offer(QComboBox* chooser, const QStringList& names, Prompts& prompts);

// The name the user chose; when none is, the user is asked to choose one
// and the text is empty.
QString chosen(const QComboBox* chooser, Prompts& prompts);

} // namespace SavedSearchChoice
