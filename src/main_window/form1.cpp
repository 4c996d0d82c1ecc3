#include "main_window/form1.h"

#include "app/application.h"
#include "app/error_guard.h"
#include "app/layout.h"
#include "app/payment_timing.h"
#include "main_window/form1_colors.h"
#include "app/form_button.h"
#include "main_window/tab_strip.h"
#include "cash_flows/cash_flow_window.h"
#include "comparison/comparison_window.h"
#include "info_window/form3.h"
#include "loan_planner/planner_window.h"
#include "schedule/schedule_window.h"
#include "sensitivity/form2.h"

#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

namespace {

constexpr int clientWidth = 7815;  // twips
constexpr int clientHeight = 6060;
constexpr int tabHeight = 800;

QLabel* newLabel(QWidget* parent, const char* name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QLineEdit* newField(QWidget* parent, const QString& name)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setFont(app::formFont(12));
    return field;
}

FormButton* newButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* button = new FormButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setFont(app::formFont(9.75, true));
    return button;
}

}  // namespace

Form1::Form1(app::Platform& platform, QWidget* parent) : QMainWindow(parent), m_platform(platform)
{
    setWindowTitle(tr("Quandrel Calculator"));
    setWindowIcon(app::applicationIcon());
    m_timing = new app::PaymentTimingSetting(this);
    createControls();
    createMenus();
    placeAndStyleControls();
    setFocusOrder();
    connectHandlers();
}

Form1::~Form1() = default;

QLineEdit* Form1::Text(int i) const
{
    Q_ASSERT(i >= 1 && i <= int(m_text.size()));
    return m_text[std::size_t(i - 1)];
}

void Form1::createControls()
{
    m_clientArea = new QWidget(this);
    m_clientArea->setObjectName(QStringLiteral("clientArea"));
    setCentralWidget(m_clientArea);

    SSTab1 = new TabStrip(app::pixels(tabHeight), m_clientArea);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    for (const QString& caption : {tr("Present Value (PVOA)"), tr("Future Value (FVOA)"), tr("Rate"),
                                   tr("Periods (Nper)"), tr("Payment (pmt)"), tr("Present Value (PV)"),
                                   tr("Future Value (FV)"), tr("Interest (Ipmt)")})
        SSTab1->addTab(caption);

    Label1 = newLabel(m_clientArea, "Label1");
    Label2 = newLabel(m_clientArea, "Label2");
    Label3 = newLabel(m_clientArea, "Label3");
    Label4 = newLabel(m_clientArea, "Label4");
    Label5 = newLabel(m_clientArea, "Label5");
    for (int i = 1; i <= int(m_text.size()); ++i)
        m_text[std::size_t(i - 1)] = newField(m_clientArea, QStringLiteral("Text(%1)").arg(i));
    Text1 = newField(m_clientArea, QStringLiteral("Text1"));

    // The labels name their fields for assistive technology (setCaption).
    Label1->setBuddy(Text(1));
    Label2->setBuddy(Text(2));
    Label3->setBuddy(Text(3));
    Label4->setBuddy(Text(4));
    Label5->setBuddy(Text1);
    setCaption(Label1, tr("Payment"));
    setCaption(Label2, tr("Rate"));
    setCaption(Label3, tr("Periods"));
    setCaption(Label4, tr("Present Value"));
    setCaption(Label5, tr("Interest"));
    Text(4)->setReadOnly(true);
    // Text1 only ever shows the interest, so it never takes typing.
    Text1->setReadOnly(true);

    //: Drawn upright, one letter to a line.
    Command4 = newButton(m_clientArea, "Command4", tr("INFO"));
    Command1 = newButton(m_clientArea, "Command1", tr("Run"));
    Command3 = newButton(m_clientArea, "Command3", tr("Clear Fields"));
    Command2 = newButton(m_clientArea, "Command2", tr("Exit"));
    Command5 = newButton(m_clientArea, "Command5", tr("Sensitivity Analysis"));
    Command4->setStackedCaption(true);

    m_timingMarker = app::newTimingMarker(m_clientArea);
    app::showTimingOn(m_timingMarker, *m_timing);
}

void Form1::createMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("File"));
    Exit = file->addAction(tr("&Exit"));
    Exit->setObjectName(QStringLiteral("Exit"));

    QMenu* tools = menuBar()->addMenu(tr("&Tools"));
    tools->setObjectName(QStringLiteral("Tools"));
    m_scheduleAction = tools->addAction(tr("&Amortization Schedule..."));
    m_scheduleAction->setObjectName(QStringLiteral("scheduleAction"));
    m_scheduleAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    m_scheduleAction->setEnabled(false);
    m_cashFlowsAction = tools->addAction(tr("&Cash Flows..."));
    m_cashFlowsAction->setObjectName(QStringLiteral("cashFlowsAction"));
    m_loanPlannerAction = tools->addAction(tr("&Loan Planner..."));
    m_loanPlannerAction->setObjectName(QStringLiteral("loanPlannerAction"));
    m_comparisonAction = tools->addAction(tr("Co&mparison..."));
    m_comparisonAction->setObjectName(QStringLiteral("comparisonAction"));
    tools->addSeparator();
    m_paymentsAtStart = tools->addAction(tr("Payments at Period &Start"));
    m_paymentsAtStart->setObjectName(QStringLiteral("paymentsAtStart"));
    m_paymentsAtStart->setCheckable(true);
    m_paymentsAtStart->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("Help"));
    About = help->addAction(tr("&About"));
    About->setObjectName(QStringLiteral("About"));
}

void Form1::placeAndStyleControls()
{
    app::placeControls(m_clientArea, {
        // name          left   top  width height   (twips)
        {"SSTab1",          0,    0,  7725,   855},
        {"Label1",        120, 1560,  1575,   615},
        {"Text(1)",      1680, 1560,  1215,   495},
        {"Label2",        120, 2280,  1335,   495},
        {"Text(2)",      1680, 2280,  1215,   495},
        {"Label3",        120, 3000,  1335,   495},
        {"Text(3)",      1680, 3000,  1215,   495},
        {"Label4",        120, 3720,  1455,   735},
        {"Text(4)",      1680, 3720,  1215,   495},
        {"Label5",        120, 4440,  1335,   495},
        {"Text1",        1680, 4440,  1215,   495},
        {"timingMarker", 3240, 1560,  1815,   495},
        {"Command4",     7560, 4680,   255,  1215},
        {"Command1",     1560, 5400,  1215,   495},
        {"Command3",     3000, 5400,  1335,   495},
        {"Command2",     4560, 5400,  1215,   495},
        {"Command5",     5880, 5400,  1215,   495},
    });

    // The menu bar keeps the system's font; the client area has the window's.
    m_clientArea->setFont(app::formFont(9.75));
    QPalette back = m_clientArea->palette();
    back.setColor(QPalette::Window, form1::backColor());
    m_clientArea->setPalette(back);
    m_clientArea->setAutoFillBackground(true);

    for (QLabel* label : {Label1, Label2, Label3, m_timingMarker})
        app::setColors(label, form1::backColor(), form1::buttonTextColor());
    for (QLabel* label : {Label4, Label5}) {
        app::setColors(label, form1::backColor(), form1::resultColor());
        label->setFont(app::formFont(9.75, true));
    }
    for (FormButton* button : {Command1, Command3, Command2, Command5})
        button->setGraphical(form1::backColor());

    app::setFixedSingleBorder(this, clientWidth, clientHeight);
    m_clientArea->setFixedSize(app::pixels(clientWidth), app::pixels(clientHeight));
    // The client area lies below the menu bar, so the window's fixed size is
    // the client area's plus whatever the menu bar takes.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void Form1::setFocusOrder()
{
    QWidget* const order[] = {Text(1), Text(2), Text(3), Text(4), SSTab1, Command1,
                              Command2, Command3, Command4, Text1, Command5};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    Text(1)->setFocus();
}

// Every handler of the window is connected here, each through the shared error path.
void Form1::connectHandlers()
{
    const auto handler = [this](void (Form1::*h)()) { return app::guarded(this, m_platform.messages, h); };
    connect(SSTab1, &QTabBar::currentChanged, this, handler(&Form1::SSTab1_Click));
    connect(Command1, &QPushButton::clicked, this, handler(&Form1::Command1_Click));
    connect(Command2, &QPushButton::clicked, this, handler(&Form1::Command2_Click));
    connect(Command3, &QPushButton::clicked, this, handler(&Form1::Command3_Click));
    connect(Command4, &QPushButton::clicked, this, handler(&Form1::Command4_Click));
    connect(Command5, &QPushButton::clicked, this, handler(&Form1::Command5_Click));
    connect(Exit, &QAction::triggered, this, handler(&Form1::Exit_Click));
    connect(About, &QAction::triggered, this, handler(&Form1::About_Click));
    connect(m_paymentsAtStart, &QAction::toggled, this, handler(&Form1::paymentTimingToggled));
    // Return or Enter in an input field runs "Run", as "=" does on a calculator.
    for (QLineEdit* field : m_text)
        connect(field, &QLineEdit::returnPressed, Command1, [this, field] {
            if (!field->isReadOnly())
                Command1->click();
        });
    connect(m_scheduleAction, &QAction::triggered, this, handler(&Form1::Schedule_Click));
    connect(m_cashFlowsAction, &QAction::triggered, this, handler(&Form1::openCashFlows));
    connect(m_loanPlannerAction, &QAction::triggered, this, handler(&Form1::openLoanPlanner));
    connect(m_comparisonAction, &QAction::triggered, this, handler(&Form1::openComparison));
}

void Form1::load()
{
    app::guarded(this, m_platform.messages, &Form1::Form_Load)();
}

void Form1::Form_Load()
{
    app::Message greeting;
    greeting.text = tr("Welcome to Quandrel Calculator!\r\nPress INFO for more information");
    // The window is not on screen yet: the greeting stands on its own.
    m_platform.messages.show(nullptr, greeting);
    Label5->hide();
    Text1->hide();
}
