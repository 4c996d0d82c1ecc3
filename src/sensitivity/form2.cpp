// Construction of the sensitivity window: its controls, their places in twips,
// the focus order and the one place where signals meet handlers. Form_Load is
// here too; the mode handlers are in form2_modes.cpp, the runs in form2_runs.cpp.
#include "sensitivity/form2.h"

#include "app/error_guard.h"
#include "app/form_button.h"
#include "app/layout.h"
#include "app/table_export.h"
#include "chart/chart_window.h"
#include "sensitivity/line_control.h"
#include "sensitivity/payment_list_model.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QRadioButton>

namespace {

const QColor lightGreen = app::bgr(0x00C0FFC0);
const QColor black = app::bgr(0x00000000);

struct LabelDesign {
    const char* name;
    const char* caption;  // none: a letter of a word written downwards
    double points;
    bool bold;
    Qt::Alignment alignment;
};

constexpr Qt::Alignment alignLeft = Qt::AlignLeft | Qt::AlignTop;
constexpr Qt::Alignment alignCentred = Qt::AlignHCenter | Qt::AlignTop;

// Captions are translated where the labels are made.
// name        caption                                        points  bold   alignment
const LabelDesign labelDesigns[] = {
    {"Label1",  QT_TRANSLATE_NOOP("Form2", "Loan (PV)"),       9.75, true,  alignLeft},
    {"Label2",  QT_TRANSLATE_NOOP("Form2", "Lower Bound"),     9.75, true,  alignLeft},
    {"Label8",  nullptr,                                       8.25, true,  alignLeft},
    {"Label9",  nullptr,                                       8.25, true,  alignLeft},
    {"Label10", nullptr,                                       8.25, true,  alignLeft},
    {"Label11", nullptr,                                       8.25, true,  alignLeft},
    {"Label14", nullptr,                                       8.25, true,  alignLeft},
    {"Label15", nullptr,                                       8.25, true,  alignLeft},
    {"Label16", nullptr,                                       8.25, true,  alignLeft},
    {"Label17", nullptr,                                       8.25, true,  alignLeft},
    {"Label18", nullptr,                                       8.25, true,  alignLeft},
    {"Label19", nullptr,                                       8.25, true,  alignLeft},
    {"Label20", nullptr,                                       8.25, true,  alignLeft},
    {"Label3",  QT_TRANSLATE_NOOP("Form2", "Upper Bound"),     9.75, true,  alignLeft},
    {"Label12", QT_TRANSLATE_NOOP("Form2", "Periods"),         9.75, false, alignLeft},
    {"Label13", QT_TRANSLATE_NOOP("Form2", "Rate"),            9.75, false, alignLeft},
    {"Label4",  QT_TRANSLATE_NOOP("Form2", "PAYMENT     //"),  9.75, false, alignCentred},
    {"Label5",  QT_TRANSLATE_NOOP("Form2", "RATE"),            9.75, false, alignCentred},
    {"Label7",  QT_TRANSLATE_NOOP("Form2", "PAYMENT     //"),  9.75, false, alignLeft},
    {"Label6",  QT_TRANSLATE_NOOP("Form2", "PERIODS"),         9.75, false, alignCentred},
};

// The strokes from the bound labels to their fields, in twips on the window.
// name     x1    y1    x2    y2
const sensitivity::Stroke strokes[] = {
    {"Line1", 1800, 2400, 2040, 2280},
    {"Line2", 2400, 2280, 2640, 2400},
    {"Line4", 2040, 3360, 1800, 3480},
    {"Line3", 2400, 3360, 2640, 3480},
};

// A word written downwards beside the bound fields: each label shows one of
// its letters, in order.
void spellDownwards(QWidget* form, const QString& word, std::initializer_list<const char*> labels)
{
    int letter = 0;
    for (const char* name : labels)
        form->findChild<QLabel*>(QLatin1String(name))->setText(word.mid(letter++, 1));
}

QLineEdit* newField(const char* name, const QString& accessibleName, QWidget* parent)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(QLatin1String(name));
    field->setFont(app::formFont(12));
    field->setAccessibleName(accessibleName);
    return field;
}

QRadioButton* newOption(const char* name, const QString& caption, QWidget* parent)
{
    auto* option = new QRadioButton(caption, parent);
    option->setObjectName(QLatin1String(name));
    option->setFont(app::formFont(9.75));
    app::setTextColor(option, black);
    return option;
}

// Buttons of the graphical style, drawn in the window's green. The same
// caption stands on two buttons, so the description tells them apart.
FormButton* newButton(const char* name, const QString& caption, const QString& description, QWidget* parent)
{
    auto* button = new FormButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setFont(app::formFont(9.75));
    button->setAccessibleDescription(description);
    button->setGraphical(lightGreen);
    return button;
}

QListView* newList(const char* name, const QString& accessibleName, sensitivity::PaymentListModel* model,
                   QWidget* parent)
{
    auto* list = new QListView(parent);
    list->setObjectName(QLatin1String(name));
    list->setFont(app::formFont(12));
    list->setAccessibleName(accessibleName);
    list->setModel(model);
    // Every line has the same size, so a long list is laid out without
    // measuring each line's text: the first line sets a grid for the rest,
    // which spares asking the model for each line, and scrolling by pixels
    // spares a table of every line's position.
    list->setUniformItemSizes(true);
    list->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    QObject::connect(model, &QAbstractItemModel::rowsInserted, list, [list, model](const QModelIndex&, int first) {
        if (first == 0)
            list->setGridSize(list->sizeHintForIndex(model->index(0, 0)));
    });
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    return list;
}

}  // namespace

Form2::Form2(app::Platform& platform, QWidget* parent) : QWidget(parent), m_platform(platform)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Sensitivity Analysis"));
    app::setFixedSingleBorder(this, 9810, 6735);
    QPalette back = palette();
    back.setColor(QPalette::Window, lightGreen);
    setPalette(back);
    setAutoFillBackground(true);

    buildControls();
    placeControls();
    setFocusOrder();
    connectHandlers();
    addListActions();
    addScheduleAction(List1, m_list1Lines, &m_list1Loan);
    addScheduleAction(List2, m_list2Lines, &m_list2Loan);
}

// The charts go with the window whose lists they draw.
Form2::~Form2() = default;

QLineEdit* Form2::Text(int i) const
{
    Q_ASSERT(i >= 1 && i <= int(m_text.size()));
    return m_text[std::size_t(i - 1)];
}

void Form2::buildControls()
{
    for (const LabelDesign& design : labelDesigns) {
        auto* label = new QLabel(design.caption ? tr(design.caption) : QString(), this);
        label->setObjectName(QLatin1String(design.name));
        label->setFont(app::formFont(design.points, design.bold));
        label->setAlignment(design.alignment);
        app::setTextColor(label, black);
    }
    //: Written downwards, one letter to a label: exactly four letters.
    spellDownwards(this, tr("RATE", "downwards"), {"Label8", "Label9", "Label10", "Label11"});
    //: Written downwards, one letter to a label: exactly seven letters.
    spellDownwards(this, tr("PERIODS", "downwards"),
                   {"Label14", "Label15", "Label16", "Label17", "Label18", "Label19", "Label20"});
    for (const sensitivity::Stroke& stroke : strokes)
        new sensitivity::LineControl(stroke, black, this);

    // Created in the focus order, so that the focus chain starts where it should.
    Option1 = newOption("Option1", tr("RATE"), this);
    Option2 = newOption("Option2", tr("PERIODS"), this);
    m_text[0] = newField("Text(1)", tr("Lower Bound"), this);
    m_text[1] = newField("Text(2)", tr("Upper Bound"), this);
    m_text[3] = newField("Text(4)", tr("Lower Bound"), this);
    m_text[4] = newField("Text(5)", tr("Upper Bound"), this);
    Text5 = newField("Text5", tr("Loan (PV)"), this);
    Text5->setText(tr("Fill in!"));
    Command1 = newButton("Command1", tr("Run"), tr("Lists the payment for each rate"), this);
    Command2 = newButton("Command2", tr("Clear Fields"), tr("Empties the loan and all six fields"), this);
    Command3 = newButton("Command3", tr("Clear list"), tr("Empties the list of payments by rate"), this);
    m_list1Lines = new sensitivity::PaymentListModel(sensitivity::PaymentListModel::Column::Rate, this);
    List1 = newList("List1", tr("Payments by rate"), m_list1Lines, this);
    m_list2Lines = new sensitivity::PaymentListModel(sensitivity::PaymentListModel::Column::Periods, this);
    List2 = newList("List2", tr("Payments by periods"), m_list2Lines, this);
    Command4 = newButton("Command4", tr("Clear list"), tr("Empties the list of payments by periods"), this);
    m_text[2] = newField("Text(3)", tr("Periods"), this);
    m_text[5] = newField("Text(6)", tr("Rate"), this);
    Command6 = newButton("Command6", tr("Run"), tr("Lists the payment for each number of periods"), this);
    m_timingMarker = app::newTimingMarker(this);
    app::setTextColor(m_timingMarker, black);
}

void Form2::placeControls()
{
    app::placeControls(this, {
        // name        left   top  width height   (twips)
        {"Label1",      240,  360,  1215,  495},
        {"Text5",      1560,  360,  1335,  495},
        {"Option1",     840, 1320,  1215,  495},
        {"Option2",    2280, 1320,  1335,  495},
        {"Label2",     1560, 2040,  1455,  495},
        {"Text(1)",     960, 2400,  1215,  495},
        {"Text(4)",    2280, 2400,  1215,  495},
        {"Label8",      720, 2640,   255,  255},
        {"Label9",      720, 2880,   255,  255},
        {"Label10",     720, 3120,   255,  255},
        {"Label11",     720, 3360,   255,  255},
        {"Label14",    3600, 2400,   255,  255},
        {"Label15",    3600, 2640,   135,  255},
        {"Label16",    3600, 2880,   135,  255},
        {"Label17",    3600, 3120,   255,  255},
        {"Label18",    3600, 3360,   255,  255},
        {"Label19",    3600, 3600,   135,  255},
        {"Label20",    3600, 3840,   255,  255},
        {"Label3",     1560, 3120,  1455,  495},
        {"Text(2)",     960, 3480,  1215,  495},
        {"Text(5)",    2280, 3480,  1215,  495},
        {"Label12",     240, 4320,   735,  495},
        {"Text(3)",     960, 4320,  1215,  495},
        {"Text(6)",    2280, 4320,  1215,  495},
        {"Label13",    3600, 4320,   735,  495},
        {"Command1",    960, 5040,  1215,  495},
        {"Command6",   2280, 5040,  1215,  495},
        {"Command2",   1440, 5640,  1215,  495},
        {"Label4",     4440,  240,  1455,  495},
        {"Label5",     6000,  240,  1215,  495},
        {"List1",      4440,  600,  3975,  1260},
        {"Command3",   8520,  960,  1215,  495},
        {"Label7",     4440, 2400,  1335,  495},
        {"Label6",     5880, 2400,  1215,  495},
        {"List2",      4440, 2760,  3975,  1260},
        {"Command4",   8520, 3360,  1215,  495},
        {"timingMarker", 4440, 5040,  1815,  495},
    });
}

void Form2::followTiming(const app::PaymentTimingSetting& setting)
{
    m_timing = &setting;
    app::showTimingOn(m_timingMarker, setting);
}

void Form2::setFocusOrder()
{
    QWidget* const order[] = {Option1, Option2, Text(1), Text(2), Text(4), Text(5), Text5, Command1,
                              Command2, Command3, List1, List2, Command4, Text(3), Text(6), Command6};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void Form2::connectHandlers()
{
    const auto handler = [this](void (Form2::*h)()) { return app::guarded(this, m_platform.messages, h); };
    connect(Text5, &QLineEdit::textChanged, this, handler(&Form2::Text5_Change));
    connect(Option1, &QRadioButton::clicked, this, handler(&Form2::Option1_Click));
    connect(Option2, &QRadioButton::clicked, this, handler(&Form2::Option2_Click));
    connect(Command1, &QPushButton::clicked, this, handler(&Form2::Command1_Click));
    connect(Command2, &QPushButton::clicked, this, handler(&Form2::Command2_Click));
    connect(Command3, &QPushButton::clicked, this, handler(&Form2::Command3_Click));
    connect(Command4, &QPushButton::clicked, this, handler(&Form2::Command4_Click));
    connect(Command6, &QPushButton::clicked, this, handler(&Form2::Command6_Click));
}

void Form2::addListActions()
{
    app::addTableExport(List1, *m_list1Lines, m_platform);
    app::addTableExport(List2, *m_list2Lines, m_platform);
    addChartAction(List1, m_list1Lines, m_list1Chart);
    addChartAction(List2, m_list2Lines, m_list2Chart);
}

// One chart per list: showing it again brings the open one to the front.
void Form2::addChartAction(QListView* list, sensitivity::PaymentListModel* lines,
                           app::WindowSlot<chart::ChartWindow>& window)
{
    auto* action = new QAction(tr("Show C&hart"), list);
    action->setObjectName(QStringLiteral("showChartAction"));
    list->addAction(action);
    connect(action, &QAction::triggered, this, [this, lines, &window] {
        app::runGuarded(m_platform.messages, this,
                        [&] { window.open([&] { return new chart::ChartWindow(*lines, *lines, this); }); });
    });
}

// A double click on a line, or the list's "Amortization Schedule..." on the
// current line, asks for that line's schedule.
void Form2::addScheduleAction(QListView* list, const sensitivity::PaymentListModel* lines,
                              const finance::Loan* runLoan)
{
    auto* action = new QAction(tr("&Amortization Schedule..."), list);
    action->setObjectName(QStringLiteral("scheduleAction"));
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    action->setShortcutContext(Qt::WidgetShortcut);
    list->addAction(action);
    const auto request = [this, lines, runLoan](const QModelIndex& line) {
        if (!line.isValid())
            return;
        finance::Loan loan = *runLoan;
        const double counter = lines->lines()[std::size_t(line.row())].counter;
        (lines->column() == sensitivity::PaymentListModel::Column::Rate ? loan.rate : loan.periods) = counter;
        emit scheduleRequested(loan);
    };
    connect(action, &QAction::triggered, this, [list, request] { request(list->currentIndex()); });
    connect(list, &QAbstractItemView::doubleClicked, this, request);
}

void Form2::showMessage(const app::Message& message)
{
    m_platform.messages.show(this, message);
}

void Form2::load()
{
    app::guarded(this, m_platform.messages, &Form2::Form_Load)();
}

void Form2::Form_Load()
{
    // The window is not on screen yet: the greeting stands on its own.
    m_platform.messages.show(nullptr, {tr("Fill in 'Loan' in the pop un window!"),
                                       tr("Welcome to Sensitivity Analysis"), app::Icon::Information});
    Option1->setEnabled(false);
    Option2->setEnabled(false);
    Command1->setEnabled(false);
    Command6->setEnabled(false);
    for (int i = 1; i <= 6; ++i)
        Text(i)->setEnabled(false);
}
