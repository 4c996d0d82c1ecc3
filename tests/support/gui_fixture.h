// Keeps GUI tests from ever blocking: a watchdog closes any real modal dialog
// that appears (handlers must go through the fake message box) and remembers it,
// so the test can fail instead of hanging. Tests of the real message box answer
// it through answerNextBox and press, which fail rather than crash or wait.
#pragma once

#include "app/translations.h"

#include <QLocale>
#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>

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

// Hands the next real message box to answer, which must close it. Gives up
// when no box has opened within about two seconds: answer then never runs.
void answerNextBox(std::function<void(QMessageBox*)> answer);

// What a real message box showed.
struct SeenBox {
    bool seen = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

// Records what the next real box shows and presses button. The record is
// shared: the answer may outlive the caller when no box opens.
std::shared_ptr<SeenBox> answerNextBox(QMessageBox::StandardButton button);

// Presses one of the box's buttons; a box without it fails the test and is
// closed unanswered, so the test goes on.
void press(QMessageBox* box, QMessageBox::StandardButton button);

// The Alt keys that more than one of the window's own captions answer to
// (field labels, buttons, group boxes, tabs and the menu bar's titles, as far
// as they are visible), each with the captions: "Alt+F: &File | &First payment".
QStringList clashingMnemonics(const QWidget* window);

// The windows made while it lives speak German; English again after it.
struct InGerman {
    bool installed = app::installTranslators(QLocale(QLocale::German, QLocale::Germany));
    ~InGerman() { app::installTranslators(QLocale(QLocale::English, QLocale::UnitedStates)); }
};

}  // namespace testing_support
