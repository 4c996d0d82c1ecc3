#include "gui_fixture.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QWidget>

namespace testing_support {

ModalWatchdog::ModalWatchdog(QObject* parent) : QObject(parent)
{
    connect(&m_timer, &QTimer::timeout, this, &ModalWatchdog::check);
    m_timer.start(50);
}

void ModalWatchdog::check()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal)
        return;
    QString description = modal->windowTitle();
    for (auto* label : modal->findChildren<QLabel*>())
        description += QStringLiteral(" | ") + label->text();
    m_intercepted.append(description);
    modal->close();
}

bool showAndExpose(QWidget* window)
{
    window->show();
    return QTest::qWaitForWindowExposed(window);
}

}  // namespace testing_support
