#pragma once

#include "saved/SavedSearches.h"

#include <QDialog>

struct AppContext;
class QComboBox;
class QLineEdit;
class QPushButton;

// The Save Search Results dialog: puts the counts of a results row into an
// existing saved search ("Ok") or starts a new one ("Save"). Lists the
// saved searches when it is created; with none, it tells the user so first.
class SaveSearchDialog : public QDialog
{
    Q_OBJECT

public:
    SaveSearchDialog(AppContext& context, const QList<SavedCount>& counts, QWidget* parent = nullptr);

    // Chooses the site's saved search in the list of old searches when there
    // is one: the search a scan that saves each site adds to, whose name is
    // made from the site (SavedSearches::nameForSite), in any letter case.
    void preselectSearchOf(const QString& site);

    // The saved search the counts went into, once the dialog was accepted.
    QString savedName() const { return m_savedName; }

private:
    void appendToOldSearch();
    void saveNewSearch();
    // Writes and closes the dialog; on failure tells the user and stays open.
    void save(const QString& name, bool startAnew);

    AppContext& m_context;
    const QList<SavedCount> m_counts;
    const SavedSearches m_searches;
    QString m_savedName;

    QComboBox* m_oldSearches = nullptr;
    QLineEdit* m_newName = nullptr;
};
