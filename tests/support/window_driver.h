// Drives a window as a person does, over the fake platform services: the
// window is made and loaded (its greeting goes to the fake box, where the test
// finds it), and a watchdog closes any real dialog and fails the test. The
// window may delete itself on close; the driver deletes it otherwise.
#pragma once

#include "fakes.h"
#include "gui_fixture.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPointer>
#include <QTest>

namespace testing_support {

template <typename Window>
class WindowDriver {
public:
    WindowDriver(const WindowDriver&) = delete;
    WindowDriver& operator=(const WindowDriver&) = delete;
    ~WindowDriver()
    {
        delete form.data();
        if (!watchdog.intercepted().isEmpty())
            QTest::qFail(qPrintable(QStringLiteral("real dialogs: ") + watchdog.intercepted().join('\n')), __FILE__,
                         __LINE__);
    }

    template <typename T = QWidget>
    T* control(const char* name) const
    {
        auto* widget = form->template findChild<T*>(QLatin1String(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }

    // Replaces the field's text by typing, as after selecting all of it.
    static void type(QLineEdit* field, const QString& text)
    {
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        if (text.isEmpty())
            QTest::keyClick(field, Qt::Key_Delete);
        else
            QTest::keyClicks(field, text);
    }
    // Clicks near the left edge, where an option button has its circle.
    static void click(QAbstractButton* button)
    {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }
    void click(const char* name) { click(control<QAbstractButton>(name)); }

    FakePlatform fakes;
    ModalWatchdog watchdog;
    QPointer<Window> form;

protected:
    WindowDriver() : form(new Window(fakes.platform)) { form->load(); }
};

}  // namespace testing_support
