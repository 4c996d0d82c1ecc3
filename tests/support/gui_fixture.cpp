#include "gui_fixture.h"

#include <QApplication>
#include <QAbstractButton>
#include <QDeadlineTimer>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMap>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
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

namespace {

void answerWhenOpen(const std::function<void(QMessageBox*)>& answer, QDeadlineTimer deadline)
{
    QTimer::singleShot(10, [=] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            answer(box);
        else if (!deadline.hasExpired())
            answerWhenOpen(answer, deadline);
    });
}

}  // namespace

void answerNextBox(std::function<void(QMessageBox*)> answer)
{
    answerWhenOpen(answer, QDeadlineTimer(2000));
}

std::shared_ptr<SeenBox> answerNextBox(QMessageBox::StandardButton button)
{
    auto seen = std::make_shared<SeenBox>();
    answerNextBox([=](QMessageBox* box) {
        *seen = {true, box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                 box->standardButton(box->defaultButton())};
        press(box, button);
    });
    return seen;
}

void press(QMessageBox* box, QMessageBox::StandardButton button)
{
    if (QAbstractButton* wanted = box->button(button)) {
        wanted->click();
        return;
    }
    box->reject();
    QTest::qFail(qPrintable(QStringLiteral("the box \"%1\" has no button %2").arg(box->text()).arg(button)),
                 __FILE__, __LINE__);
}

QStringList clashingMnemonics(const QWidget* window)
{
    QMap<QString, QStringList> captions;
    const auto add = [&](const QWidget* widget, const QString& caption) {
        const QKeySequence key = QKeySequence::mnemonic(caption);
        if (!key.isEmpty() && widget->isVisibleTo(window))
            captions[key.toString()].append(caption);
    };
    for (const QLabel* label : window->findChildren<QLabel*>())
        if (label->buddy())
            add(label, label->text());
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>())
        add(button, button->text());
    for (const QGroupBox* box : window->findChildren<QGroupBox*>())
        add(box, box->title());
    for (const QTabBar* tabs : window->findChildren<QTabBar*>())
        for (int i = 0; i < tabs->count(); ++i)
            add(tabs, tabs->tabText(i));
    for (const QMenuBar* bar : window->findChildren<QMenuBar*>())
        for (const QAction* action : bar->actions())
            add(bar, action->text());
    QStringList clashes;
    for (auto key = captions.cbegin(); key != captions.cend(); ++key)
        if (key->size() > 1)
            clashes.append(key.key() + QStringLiteral(": ") + key->join(QStringLiteral(" | ")));
    return clashes;
}

}  // namespace testing_support
