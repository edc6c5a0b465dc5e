#pragma once

#include "app/AppContext.h"

#include <QMainWindow>

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(AppContext& context, QWidget* parent = nullptr);

private:
    AppContext& m_context;
};
