// Drives the sensitivity window: the loan, the two modes, their fields,
// "Run" buttons and lists.
#pragma once

#include "sensitivity/form2.h"
#include "window_driver.h"

#include <QAbstractItemModel>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>

namespace testing_support {

class Form2Driver : public WindowDriver<Form2> {
public:
    Form2Driver()
    {
        form->followTiming(timing);
        showAndExpose(form);
    }
    // The window goes before the switch it follows.
    ~Form2Driver() { delete form.data(); }

    QLineEdit* loan() const { return control<QLineEdit>("Text5"); }
    QRadioButton* option(int i) const { return control<QRadioButton>(i == 1 ? "Option1" : "Option2"); }
    QPushButton* button(const char* name) const { return control<QPushButton>(name); }
    QListView* listView(int i) const { return control<QListView>(i == 1 ? "List1" : "List2"); }
    QAbstractItemModel* list(int i) const { return listView(i)->model(); }

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
        click(first == 1 ? "Command1" : "Command6");
    }

    QStringList lines(int i) const
    {
        QStringList result;
        for (int row = 0; row < list(i)->rowCount(); ++row)
            result.append(list(i)->index(row, 0).data().toString());
        return result;
    }

    // The main window's switch, payments at the end until a test sets it.
    app::PaymentTimingSetting timing;
};

}  // namespace testing_support

// Tests name the drivers plainly.
using testing_support::Form2Driver;
