// Drives a Form1 the way a person does: typing into fields, clicking tabs and
// buttons. The window runs on fake platform services, so every message box is
// recorded instead of shown, and a watchdog fails any real dialog.
#pragma once

#include "fakes.h"
#include "gui_fixture.h"
#include "main_window/form1.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

#include <memory>

struct Form1Driver {
    testing_support::FakePlatform fakes;
    testing_support::ModalWatchdog watchdog;
    std::unique_ptr<Form1> form;

    // Loads and shows the window; the greeting is left in the fake's record.
    Form1Driver() : form(std::make_unique<Form1>(fakes.platform))
    {
        form->load();
        testing_support::showAndExpose(form.get());
    }

    template <typename T = QWidget>
    T* control(const char* name) const
    {
        auto* widget = form->findChild<T*>(QLatin1String(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }

    QTabBar* tabs() const { return control<QTabBar>("SSTab1"); }
    QLabel* label(int i) const { return control<QLabel>(QStringLiteral("Label%1").arg(i).toLatin1().constData()); }
    QLineEdit* field(int i) const { return form->Text(i); }
    QLineEdit* interestField() const { return control<QLineEdit>("Text1"); }
    // The field a tab writes its answer to.
    QLineEdit* resultField(int tab) const { return tab == 7 ? interestField() : field(4); }

    void clickTab(int index)
    {
        QTest::mouseClick(tabs(), Qt::LeftButton, {}, tabs()->tabRect(index).center());
    }

    // Types into Text(1), Text(2), ... in turn; an empty text leaves its field empty.
    void type(const QStringList& texts)
    {
        for (int i = 0; i < texts.size(); ++i)
            QTest::keyClicks(field(i + 1), texts[i]);
    }

    void clickRun() { QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton); }

    // Tools > Payments at Period Start.
    QAction* paymentsAtStart() const { return control<QAction>("paymentsAtStart"); }
    QLabel* timingMarker() const { return control<QLabel>("timingMarker"); }

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
