#pragma once

#include "base/NetworkSettings.h"

#include <QWidget>

class QButtonGroup;
class QLineEdit;
class QRadioButton;
class QSpinBox;

// The Options page for how queries reach the network: the proxy choice,
// with the manual proxy's fields enabled only when it is chosen, and the
// user agent the sources are asked with.
class NetworkPage : public QWidget
{
    Q_OBJECT

public:
    explicit NetworkPage(QWidget* parent = nullptr);

    void showSettings(const NetworkSettings& settings);
    // What the page holds now; an empty user agent is the default one.
    NetworkSettings shown() const;
    // Why what the page holds cannot be kept, or empty when it can.
    QString problem() const;

private:
    void enableManualFields();

    QButtonGroup* m_choices;
    QLineEdit* m_host;
    QSpinBox* m_port;
    QLineEdit* m_user;
    QLineEdit* m_password;
    QLineEdit* m_userAgent;
};
