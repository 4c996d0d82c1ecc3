#include "main_window/form1.h"

Form1::Form1(app::Platform& platform, QWidget* parent)
    : QMainWindow(parent), m_platform(platform)
{
}

void Form1::load()
{
}
