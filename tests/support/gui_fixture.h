// Keeps GUI tests from ever blocking: a watchdog closes any real modal dialog
// that appears (handlers must go through the fake message box) and remembers it,
// so the test can fail instead of hanging.
#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

class QWidget;

namespace testing_support {

class ModalWatchdog : public QObject {
    Q_OBJECT
public:
    explicit ModalWatchdog(QObject* parent = nullptr);
    // Titles and texts of the dialogs it had to close.
    QStringList intercepted() const { return m_intercepted; }
    void clear() { m_intercepted.clear(); }

private:
    void check();
    QTimer m_timer;
    QStringList m_intercepted;
};

// Shows a window and waits until it is exposed, so input can be driven into it.
bool showAndExpose(QWidget* window);

}  // namespace testing_support
