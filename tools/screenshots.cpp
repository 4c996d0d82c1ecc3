// Renders the README's pictures of the windows, driven the way a person would
// fill them in: menus and context menus are clicked open and their items
// clicked. Run through scripts/screenshots.sh.
#include "cash_flows/cash_flow_window.h"
#include "chart/chart_window.h"
#include "comparison/comparison_window.h"
#include "fakes.h"
#include "info_window/form3.h"
#include "loan_planner/planner_window.h"
#include "main_window/form1.h"
#include "schedule/schedule_window.h"
#include "sensitivity/form2.h"

#include <QAction>
#include <QApplication>
#include <QChartView>
#include <QDateEdit>
#include <QDir>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include <algorithm>

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

// Clicks the item named action in the menu that is open.
void clickMenuItem(const char* action)
{
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu)
        qFatal("no menu open for %s", action);
    for (QAction* item : menu->actions())
        if (item->objectName() == QLatin1String(action)) {
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
            return;
        }
    qFatal("no menu item %s", action);
}

// Opens the menu bar's menu and clicks its item.
void chooseFromMenuBar(QMainWindow* window, const char* menuName, const char* action)
{
    auto* menu = window->menuBar()->findChild<QMenu*>(QLatin1String(menuName));
    if (!menu)
        qFatal("no menu %s", menuName);
    QTest::mouseClick(window->menuBar(), Qt::LeftButton, {},
                      window->menuBar()->actionGeometry(menu->menuAction()).center());
    clickMenuItem(action);
}

// Right-clicks a line of the list and clicks the context menu's item; the
// context menu runs its own event loop, so the item is clicked from inside it.
void chooseFromContextMenu(QListView* list, int line, const char* action)
{
    const QPoint position = list->visualRect(list->model()->index(line, 0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, position);
    QTimer::singleShot(0, list, [action] { clickMenuItem(action); });
    QContextMenuEvent event(QContextMenuEvent::Mouse, position, list->viewport()->mapToGlobal(position));
    QApplication::sendEvent(list->viewport(), &event);
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

    // The rate list's chart, with the pointer over the middle of the plot.
    chooseFromContextMenu(control<QListView>(form2, "List1"), 0, "showChartAction");
    auto* chart = form2->findChild<chart::ChartWindow*>();
    if (!chart || !QTest::qWaitForWindowExposed(chart))
        qFatal("chart not open");
    // The pointer goes to the first window under it: the chart stands beside the others.
    chart->move(std::max(form1.frameGeometry().right(), form2->frameGeometry().right()) + 1, 0);
    auto* view = control<QChartView>(chart, "chartView");
    const QPoint middle = view->mapFromScene(view->chart()->mapToScene(view->chart()->plotArea().center()));
    QTest::mouseMove(view->viewport(), middle);
    saved = save(chart, folder, "payment_chart.png") && saved;

    // The schedule of a loan of 1000 at 1% for 24 periods, from tab 4's payment.
    auto* tabs = control<QTabBar>(&form1, "SSTab1");
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(4).center());
    for (int i = 1; i <= 3; ++i)
        type(form1.Text(i), QStringList{"1000", "24", "0.01"}[i - 1]);
    click(&form1, "Command1");
    chooseFromMenuBar(&form1, "Tools", "scheduleAction");
    saved = save(openedWindow<schedule::ScheduleWindow>(), folder, "amortization_schedule.png") && saved;

    // Flows with two rates of return, typed into the table's cells.
    chooseFromMenuBar(&form1, "Tools", "cashFlowsAction");
    auto* flows = openedWindow<cash_flows::CashFlowWindow>();
    auto* table = control<QTableView>(flows, "table");
    const QStringList amounts{"-100", "230", "-132"};
    for (int row = 0; row < amounts.size(); ++row)
        table->model()->setData(table->model()->index(row, 1), amounts[row]);
    click(flows, "calculate");
    saved = save(flows, folder, "cash_flows.png") && saved;

    // 300,000 at 6.5% a year, paid monthly for 30 years with 200 extra each month.
    chooseFromMenuBar(&form1, "Tools", "loanPlannerAction");
    auto* planner = openedWindow<loan_planner::PlannerWindow>();
    control<QDateEdit>(planner, "loanDate")->setDate(QDate(2026, 12, 31));
    control<QDateEdit>(planner, "firstPayment")->setDate(QDate(2027, 1, 31));
    type(control<QLineEdit>(planner, "amount"), QStringLiteral("300000"));
    type(control<QLineEdit>(planner, "annualRate"), QStringLiteral("6.5"));
    type(control<QLineEdit>(planner, "payments"), QStringLiteral("360"));
    type(control<QLineEdit>(planner, "extraPerPayment"), QStringLiteral("200"));
    click(planner, "calculate");
    // The headless screen is smaller than a desktop's: the window takes the size a desktop gives it.
    planner->resize(1180, 780);
    saved = save(planner, folder, "loan_planner.png") && saved;

    // That loan and the same without the extra, kept and compared.
    click(planner, "keep");
    type(control<QLineEdit>(planner, "extraPerPayment"), QString());
    click(planner, "keep");
    chooseFromMenuBar(&form1, "Tools", "comparisonAction");
    auto* comparison = openedWindow<comparison::ComparisonWindow>();
    comparison->resize(900, 720);
    saved = save(comparison, folder, "comparison.png") && saved;

    click(&form1, "Command4");
    saved = save(openedWindow<Form3>(), folder, "information_window.png") && saved;
    return saved ? 0 : 1;
}
