#pragma once

#include "app/platform.h"

#include <QMainWindow>

class Form1 : public QMainWindow {
    Q_OBJECT
public:
    explicit Form1(app::Platform& platform, QWidget* parent = nullptr);
    void load();

private:
    app::Platform& m_platform;
};
