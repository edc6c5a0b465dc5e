#pragma once

#include <QDialog>

struct AppContext;
class QComboBox;

// The Load Saved Search dialog: the user picks one saved search, whose file
// name (with ".qvh", without folder) the dialog exposes once accepted.
class LoadSearchDialog : public QDialog
{
    Q_OBJECT

public:
    explicit LoadSearchDialog(AppContext& context, QWidget* parent = nullptr);

    // The chosen saved search's file name, e.g. "site.qvh"; empty until "Ok".
    QString chartFileName() const { return m_chartFileName; }

private:
    void confirm();

    AppContext& m_context;
    QString m_chartFileName;
    QComboBox* m_searches = nullptr;
};
