#pragma once

#include <QGroupBox>

class QListWidget;
class QToolButton;

// The "URLs" frame: the list of sites a scan examines and its four buttons.
class UrlPanel : public QGroupBox
{
    Q_OBJECT

public:
    explicit UrlPanel(QWidget* parent = nullptr);

    QListWidget* list() const { return m_list; }
    QToolButton* addButton() const { return m_add; }
    QToolButton* deleteButton() const { return m_delete; }
    QToolButton* loadButton() const { return m_load; }
    QToolButton* saveButton() const { return m_save; }

private:
    QListWidget* m_list;
    QToolButton* m_add;
    QToolButton* m_delete;
    QToolButton* m_load;
    QToolButton* m_save;
};
