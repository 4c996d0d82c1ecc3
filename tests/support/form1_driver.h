// Drives the main window: tabs, the four fields and "Run".
#pragma once

#include "main_window/form1.h"
#include "window_driver.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>

namespace testing_support {

class Form1Driver : public WindowDriver<Form1> {
public:
    Form1Driver() { showAndExpose(form); }

    QTabBar* tabs() const { return control<QTabBar>("SSTab1"); }
    QLabel* label(int i) const { return control<QLabel>(qPrintable(QStringLiteral("Label%1").arg(i))); }
    QLineEdit* field(int i) const { return form->Text(i); }
    QLineEdit* interestField() const { return control<QLineEdit>("Text1"); }
    // The field a tab writes its answer to.
    QLineEdit* resultField(int tab) const { return tab == 7 ? interestField() : field(4); }
    // Tools > Payments at Period Start.
    QAction* paymentsAtStart() const { return control<QAction>("paymentsAtStart"); }
    QLabel* timingMarker() const { return control<QLabel>("timingMarker"); }

    void clickTab(int index) { QTest::mouseClick(tabs(), Qt::LeftButton, {}, tabs()->tabRect(index).center()); }
    void clickRun() { click("Command1"); }

    using WindowDriver::type;
    // Types into Text(1), Text(2), ... in turn.
    void type(const QStringList& texts)
    {
        for (int i = 0; i < texts.size(); ++i)
            type(field(i + 1), texts[i]);
    }

    // Selects the tab, types the inputs and presses "Run", with the greeting
    // already out of the record.
    void run(int tab, const QStringList& inputs)
    {
        clickTab(tab);
        type(inputs);
        fakes.messages.shown.clear();
        clickRun();
    }

    // Like run(), over a result field that holds an earlier answer; gives the
    // fields' texts as they stood just before "Run".
    QStringList runOverEarlierAnswer(int tab, const QStringList& inputs)
    {
        resultField(tab)->setText(QStringLiteral("earlier answer"));
        clickTab(tab);
        type(inputs);
        const QStringList before = fieldTexts();
        fakes.messages.shown.clear();
        clickRun();
        return before;
    }

    // Every field's text, to show that a refused run changed none.
    QStringList fieldTexts() const
    {
        return {field(1)->text(), field(2)->text(), field(3)->text(), field(4)->text(), interestField()->text()};
    }
};

}  // namespace testing_support

// Tests name the drivers plainly.
using testing_support::Form1Driver;
