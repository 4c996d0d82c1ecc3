// Renders the README's pictures of the three windows, driven the way a person
// would fill them in. Run through scripts/screenshots.sh.
#include "fakes.h"
#include "info_window/form3.h"
#include "main_window/form1.h"
#include "sensitivity/form2.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>

namespace {

template <typename T = QWidget>
T* control(const QWidget* window, const char* name)
{
    T* widget = window->findChild<T*>(QLatin1String(name));
    if (!widget)
        qFatal("no control %s", name);
    return widget;
}

void click(const QWidget* window, const char* name)
{
    QTest::mouseClick(control(window, name), Qt::LeftButton);
}

void type(QLineEdit* field, const QString& text)
{
    field->clear();
    QTest::keyClicks(field, text);
}

template <typename Window>
Window* openedWindow()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<Window*>(widget))
            return window;
    qFatal("window not open");
}

bool save(QWidget* window, const QDir& folder, const char* file)
{
    const QString path = folder.filePath(QLatin1String(file));
    const bool saved = QTest::qWaitForWindowExposed(window) && window->grab().save(path);
    qInfo("%s %s", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs"));
    testing_support::FakePlatform fakes;

    Form1 form1(fakes.platform);
    form1.load();
    form1.show();
    for (int i = 1; i <= 3; ++i)
        type(form1.Text(i), QStringList{"100", "0.1", "10"}[i - 1]);
    click(&form1, "Command1");
    bool saved = save(&form1, folder, "main_window.png");

    click(&form1, "Command5");
    auto* form2 = openedWindow<Form2>();
    type(control<QLineEdit>(form2, "Text5"), QStringLiteral("10000"));
    click(form2, "Option1");
    for (int i = 1; i <= 3; ++i)
        type(form2->Text(i), QStringList{"0.05", "0.06", "12"}[i - 1]);
    click(form2, "Command1");
    click(form2, "Option2");
    for (int i = 4; i <= 6; ++i)
        type(form2->Text(i), QStringList{"10", "12", "0.01"}[i - 4]);
    click(form2, "Command6");
    saved = save(form2, folder, "sensitivity_window.png") && saved;

    click(&form1, "Command4");
    saved = save(openedWindow<Form3>(), folder, "information_window.png") && saved;
    return saved ? 0 : 1;
}
