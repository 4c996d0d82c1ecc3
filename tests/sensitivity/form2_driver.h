// Drives a Form2 as a person would, over fake platform services: the window
// is created, loaded (the greeting goes to the fake box) and shown.
#pragma once

#include "fakes.h"
#include "gui_fixture.h"
#include "sensitivity/form2.h"

#include <QAbstractItemModel>
#include <QLineEdit>
#include <QListView>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace testing_support {

class Form2Driver {
public:
    Form2Driver() : form(new Form2(fakes.platform))
    {
        form->load();
        form->followTiming(timing);
        showAndExpose(form);
    }
    ~Form2Driver() { delete form.data(); }
    Form2Driver(const Form2Driver&) = delete;
    Form2Driver& operator=(const Form2Driver&) = delete;

    template <typename T = QWidget>
    T* control(const char* name) const
    {
        return form->findChild<T*>(QLatin1String(name));
    }
    QLineEdit* loan() const { return control<QLineEdit>("Text5"); }
    QRadioButton* option(int i) const { return control<QRadioButton>(i == 1 ? "Option1" : "Option2"); }
    QPushButton* button(const char* name) const { return control<QPushButton>(name); }
    QAbstractItemModel* list(int i) const { return control<QListView>(i == 1 ? "List1" : "List2")->model(); }

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

    // Types the loan and picks a mode: 1 rate, 2 periods.
    void chooseMode(const QString& loanText, int mode)
    {
        type(loan(), loanText);
        click(option(mode));
    }

    // Fills Text(first)..Text(first + 2) and presses that mode's "Run".
    void run(int first, const QString& lower, const QString& upper, const QString& fixed)
    {
        type(form->Text(first), lower);
        type(form->Text(first + 1), upper);
        type(form->Text(first + 2), fixed);
        click(button(first == 1 ? "Command1" : "Command6"));
    }

    QStringList lines(int i) const
    {
        QStringList result;
        for (int row = 0; row < list(i)->rowCount(); ++row)
            result.append(list(i)->index(row, 0).data().toString());
        return result;
    }

    FakePlatform fakes;
    // The main window's switch, payments at the end until a test sets it.
    app::PaymentTimingSetting timing;
    QPointer<Form2> form;
};

}  // namespace testing_support
