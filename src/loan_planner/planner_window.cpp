#include "loan_planner/planner_window.h"

#include "app/error_guard.h"
#include "app/number_text.h"
#include "app/payment_table_model.h"
#include "app/safe_save.h"
#include "app/vector_state.h"
#include "finance/amortization.h"
#include "finance/calendar.h"
#include "loan_planner/loan_file.h"
#include "loan_planner/plan_model.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QShortcut>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <cmath>

namespace loan_planner {

namespace {

constexpr int listedPaymentsPerYear[] = {1, 2, 4, 12, 24, 26, 52};

enum SummaryItem {
    RegularPayment,
    PaymentsMade,
    FirstPaymentDate,
    LastPaymentDate,
    TotalInterest,
    TotalPaid,
    CostOfCredit,
    InterestSaved,
    PaymentsSaved,
    EffectiveRate,
    Apr,
    SummaryItemCount
};

// From this many payments on, the APR is searched for on another thread:
// about 2 ms of search at this length.
constexpr std::size_t backgroundAprFrom = 100'000;

QString percentText(double fraction)
{
    return QCoreApplication::translate("loan_planner::PlannerWindow", "%1%")
        .arg(QLocale().toString(fraction * 100, 'f', 4));
}

// A caption as a screen reader says it: without its mnemonic's "&".
QString plain(QString caption)
{
    return caption.remove(QLatin1Char('&'));
}

QString dateText(std::int64_t dayNumber)
{
    return QLocale().toString(dateOf(dayNumber), shownDateFormat());
}

// A number of payments typed or solved: a fraction of a payment still needs a
// payment, but one within 1e-9 of a whole number is that number. Anything
// above the limit is refused by the plan, so it is held just above it.
std::int64_t paymentCount(double payments)
{
    const double count = std::ceil(payments - 1e-9 * std::fabs(payments));
    return std::int64_t(std::min(count, double(finance::maxScheduleRows) + 1));
}

QString cellText(const QTableWidget* list, int row, int column)
{
    const QTableWidgetItem* item = list->item(row, column);
    return item ? item->text().trimmed() : QString();
}

// A number from a file as a field shows it, in the fewest digits that read
// back to it.
QString fieldText(double x)
{
    return QLocale().toString(x, 'f', QLocale::FloatingPointShortest);
}

const QString recentFilesKey = QStringLiteral("loanPlanner/recentFiles");

QString loanFilesFilter()
{
    return PlannerWindow::tr("Loan files (*%1)").arg(QLatin1String(loanFileSuffix));
}

}  // namespace

PlannerWindow::PlannerWindow(app::Platform& platform, const app::PaymentTimingSetting& timing, QWidget* parent)
    : QWidget(parent),
      m_platform(platform),
      m_timing(timing),
      m_loanTiming(new app::PaymentTimingSetting(this)),
      m_document(this, platform, tr("Loan Planner"), {tr("Open Loan"), loanFilesFilter()},
                 {tr("Save Loan"), loanFilesFilter(), QLatin1String(loanFileSuffix).mid(1)},
                 [this](const QString& fileName, const QByteArray& contents) { return readFile(fileName, contents); },
                 [this](const QString& fileName) { return writeFile(fileName); })
{
    m_loanTiming->setTiming(m_timing.timing());
    connect(&m_timing, &app::PaymentTimingSetting::changed, m_loanTiming, &app::PaymentTimingSetting::setTiming);
    setAttribute(Qt::WA_DeleteOnClose);

    auto* panel = new QWidget;
    auto* top = new QHBoxLayout(panel);
    top->addWidget(makeTerms(), 0, Qt::AlignTop);
    top->addWidget(makeEvents(), 0, Qt::AlignTop);
    top->addWidget(makeSummary(), 1, Qt::AlignTop);
    auto* scroll = new QScrollArea;
    scroll->setWidget(panel);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);

    m_model = new PlanModel(this);
    m_table = app::makePaymentTable(m_model, tr("Payments of the loan"), m_platform);

    auto* splitter = new QSplitter(Qt::Vertical);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(scroll);
    splitter->addWidget(m_table);
    splitter->setStretchFactor(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(makeMenu());
    layout->addWidget(splitter);

    connectFields();
    m_loanDate->setDate(QDate::currentDate());
    followLoanDate();
    connectChanges();

    // The terms in full above about 16 rows of the schedule, as the screen allows.
    const QSize panelSize = panel->sizeHint();
    const int tableHeight = 16 * m_table->verticalHeader()->defaultSectionSize();
    QSize size(panelSize.width() + 2 * layout->contentsMargins().left(), panelSize.height() + tableHeight);
    if (const QScreen* shown = screen())
        size = size.boundedTo(shown->availableSize() * 9 / 10);
    resize(size);
    splitter->setSizes({panelSize.height(), tableHeight});
}

template <typename Field>
Field* PlannerWindow::addField(QFormLayout* form, const QString& caption, const char* name)
{
    auto* field = new Field;
    field->setObjectName(QLatin1String(name));
    field->setAccessibleName(plain(caption));
    field->installEventFilter(this);
    auto* label = new QLabel(caption);
    label->setBuddy(field);
    form->addRow(label, field);
    return field;
}

QWidget* PlannerWindow::makeTerms()
{
    auto* box = new QGroupBox(tr("Terms"));
    auto* form = new QFormLayout(box);
    QLabel* marker = app::newTimingMarker(box);
    form->addRow(marker);
    app::showTimingOn(marker, *m_loanTiming);

    m_amount = addField<QLineEdit>(form, tr("&Amount"), "amount");
    m_annualRate = addField<QLineEdit>(form, tr("Annual &rate (%)"), "annualRate");
    m_paymentsPerYear = addField<QComboBox>(form, tr("&Payments per year"), "paymentsPerYear");
    m_compounding = addField<QComboBox>(form, tr("C&ompounding per year"), "compounding");
    for (int count : listedPaymentsPerYear) {
        m_paymentsPerYear->addItem(QLocale().toString(count), count);
        m_compounding->addItem(QLocale().toString(count), count);
    }
    m_compounding->addItem(QLocale().toString(365), 365);
    m_compounding->addItem(tr("Continuous"), finance::continuousCompounding);
    m_paymentsPerYear->setCurrentIndex(m_paymentsPerYear->findData(12));
    m_compounding->setCurrentIndex(m_compounding->findData(12));
    m_payments = addField<QLineEdit>(form, tr("&Number of payments"), "payments");
    m_years = addField<QLineEdit>(form, tr("Y&ears"), "years");
    m_payment = addField<QLineEdit>(form, tr("Pa&yment"), "payment");
    m_balloon = addField<QLineEdit>(form, tr("&Balloon"), "balloon");
    m_loanDate = addField<QDateEdit>(form, tr("&Loan date"), "loanDate");
    m_firstPayment = addField<QDateEdit>(form, tr("First pay&ment"), "firstPayment");
    for (QDateEdit* date : {m_loanDate, m_firstPayment}) {
        date->setDisplayFormat(shownDateFormat());
        date->setCalendarPopup(true);
    }
    m_fees = addField<QLineEdit>(form, tr("Fee&s"), "fees");
    for (QLineEdit* zero : {m_balloon, m_fees})
        zero->setPlaceholderText(QLocale().toString(0));
    m_interestRule = addField<QComboBox>(form, tr("&Interest"), "interestRule");
    m_interestRule->addItems({tr("Per period"), tr("Actual/365"), tr("Actual/360")});
    m_paymentRounding = addField<QComboBox>(form, tr("Payment ro&unding"), "paymentRounding");
    m_paymentRounding->addItems({tr("to the nearest cent"), tr("up to the cent"), tr("up to the whole unit")});
    m_interestRounding = addField<QComboBox>(form, tr("Interest roun&ding"), "interestRounding");
    m_interestRounding->addItems({tr("halves away from zero"), tr("halves to even"), tr("down")});
    return box;
}

QTableWidget* PlannerWindow::makeEventList(const QString& numberTitle, const QString& valueTitle, const char* name)
{
    auto* list = new QTableWidget(0, 2);
    list->setObjectName(QLatin1String(name));
    list->setHorizontalHeaderLabels({numberTitle, valueTitle});
    list->verticalHeader()->hide();
    list->horizontalHeader()->setStretchLastSection(true);
    list->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setMinimumHeight(5 * list->fontMetrics().height());
    list->setMaximumHeight(8 * list->fontMetrics().height());
    list->installEventFilter(this);
    return list;
}

QWidget* PlannerWindow::makeEvents()
{
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* extrasBox = new QGroupBox(tr("Extra payments"));
    auto* extras = new QVBoxLayout(extrasBox);
    auto* recurring = new QFormLayout;
    m_extraPerPayment = addField<QLineEdit>(recurring, tr("E&xtra per payment"), "extraPerPayment");
    m_extraPerPayment->setPlaceholderText(QLocale().toString(0));
    m_extraFrom = addField<QSpinBox>(recurring, tr("from payment"), "extraFrom");
    m_extraFrom->setRange(1, int(finance::maxScheduleRows));
    m_extraTo = addField<QSpinBox>(recurring, tr("to payment"), "extraTo");
    m_extraTo->setRange(0, int(finance::maxScheduleRows));
    m_extraTo->setSpecialValueText(tr("the last"));
    extras->addLayout(recurring);

    const QString oneOffCaption = tr("One-off ex&tras");
    m_extras = makeEventList(tr("Payment number"), tr("Amount"), "extras");
    m_extras->setAccessibleName(plain(oneOffCaption));
    auto* oneOffLabel = new QLabel(oneOffCaption);
    oneOffLabel->setBuddy(m_extras);
    extras->addWidget(oneOffLabel);
    extras->addWidget(m_extras);
    auto* extraButtons = new QHBoxLayout;
    m_addExtra = new QPushButton(tr("Add extra"));
    m_removeExtra = new QPushButton(tr("Remove extra"));
    extraButtons->addWidget(m_addExtra);
    extraButtons->addWidget(m_removeExtra);
    extraButtons->addStretch();
    extras->addLayout(extraButtons);
    m_keepPayment = new QRadioButton(tr("&Keep the payment"));
    m_keepTerm = new QRadioButton(tr("Keep t&he term"));
    m_keepPayment->setObjectName(QStringLiteral("keepPayment"));
    m_keepTerm->setObjectName(QStringLiteral("keepTerm"));
    m_keepPayment->setChecked(true);
    extras->addWidget(m_keepPayment);
    extras->addWidget(m_keepTerm);
    layout->addWidget(extrasBox);

    auto* ratesBox = new QGroupBox(tr("Rate changes"));
    auto* rates = new QVBoxLayout(ratesBox);
    const QString ratesCaption = tr("Rate chan&ges");
    m_rateChanges = makeEventList(tr("Payment number"), tr("New annual rate (%)"), "rateChanges");
    m_rateChanges->setAccessibleName(plain(ratesCaption));
    auto* ratesLabel = new QLabel(ratesCaption);
    ratesLabel->setBuddy(m_rateChanges);
    rates->addWidget(ratesLabel);
    rates->addWidget(m_rateChanges);
    auto* rateButtons = new QHBoxLayout;
    m_addRateChange = new QPushButton(tr("Add rate change"));
    m_removeRateChange = new QPushButton(tr("Remove rate change"));
    rateButtons->addWidget(m_addRateChange);
    rateButtons->addWidget(m_removeRateChange);
    rateButtons->addStretch();
    rates->addLayout(rateButtons);
    layout->addWidget(ratesBox);
    return column;
}

QWidget* PlannerWindow::makeSummary()
{
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* buttons = new QHBoxLayout;
    m_calculate = new QPushButton(tr("&Calculate"));
    m_calculate->setObjectName(QStringLiteral("calculate"));
    // F1 is its key: every letter of "Help" is taken by a field.
    m_help = new QPushButton(tr("Help"));
    m_help->setObjectName(QStringLiteral("help"));
    m_keep = new QPushButton(tr("Keep for Comparison"));
    m_keep->setObjectName(QStringLiteral("keep"));
    buttons->addWidget(m_calculate);
    buttons->addWidget(m_help);
    buttons->addWidget(m_keep);
    buttons->addStretch();
    layout->addLayout(buttons);

    auto* box = new QGroupBox(tr("Summary"));
    m_summary = new QFormLayout(box);
    static const char* const names[SummaryItemCount] = {
        "regularPayment", "paymentsMade", "firstPaymentDate", "lastPaymentDate", "totalInterest", "totalPaid",
        "costOfCredit",   "interestSaved", "paymentsSaved",   "effectiveRate",   "apr"};
    const QString captions[SummaryItemCount] = {
        tr("Regular payment"), tr("Payments made"), tr("First payment date"), tr("Last payment date"),
        tr("Total interest"), tr("Total paid"), tr("Total cost of credit"), tr("Interest saved"),
        tr("Payments saved"), tr("Effective annual rate"), tr("APR (actual/365)")};
    for (int item = 0; item < SummaryItemCount; ++item) {
        auto* value = new QLabel;
        value->setObjectName(QLatin1String(names[item]));
        value->setAccessibleName(captions[item]);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_summary->addRow(captions[item], value);
        m_summaryValues.push_back(value);
    }
    layout->addWidget(box);
    clearPlan();
    return column;
}

QMenuBar* PlannerWindow::makeMenu()
{
    auto* bar = new QMenuBar;
    QMenu* file = bar->addMenu(tr("&File"));
    m_document.addActions(file);
    m_recentFiles = file->addMenu(tr("&Recent Files"));
    m_recentFiles->setObjectName(QStringLiteral("recentFiles"));
    connect(m_recentFiles, &QMenu::aboutToShow, this, app::guarded(this, m_platform.messages, &PlannerWindow::showRecentFiles));
    file->addSeparator();
    // Printing joins the schedule's context menu and the File menu.
    const app::PrintActions printing = app::addPrintActions(m_table, *this, m_platform);
    file->addActions({printing.print, printing.exportPdf});
    file->addSeparator();
    QAction* close = file->addAction(tr("&Close"));
    close->setShortcut(QKeySequence::Close);
    connect(close, &QAction::triggered, this, &QWidget::close);
    return bar;
}

void PlannerWindow::connectFields()
{
    const auto handler = [this](void (PlannerWindow::*h)()) { return app::guarded(this, m_platform.messages, h); };
    connect(m_calculate, &QPushButton::clicked, this, handler(&PlannerWindow::calculate));
    connect(m_help, &QPushButton::clicked, this, handler(&PlannerWindow::showRule));
    connect(m_keep, &QPushButton::clicked, this, handler(&PlannerWindow::keepForComparison));
    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this, handler(&PlannerWindow::showRule));

    connect(m_paymentsPerYear, &QComboBox::currentIndexChanged, this, handler(&PlannerWindow::paymentsPerYearChanged));
    // Compounding follows the payments until the user picks another count.
    connect(m_compounding, &QComboBox::activated, this, [this] {
        m_compoundingFollows = m_compounding->currentData() == m_paymentsPerYear->currentData();
    });
    connect(m_years, &QLineEdit::textEdited, this, handler(&PlannerWindow::yearsEdited));
    connect(m_payments, &QLineEdit::textEdited, this, handler(&PlannerWindow::paymentsEdited));
    connect(m_loanDate, &QDateEdit::dateChanged, this, handler(&PlannerWindow::followLoanDate));
    connect(m_firstPayment, &QDateEdit::dateChanged, this, [this] {
        if (!m_settingFirstPayment)
            m_firstPaymentFollows = false;
    });
    connect(m_loanTiming, &app::PaymentTimingSetting::changed, this, handler(&PlannerWindow::followLoanDate));
    const auto onList = [this](void (PlannerWindow::*h)(QTableWidget*), QTableWidget* list) {
        return [this, h, list] { app::runGuarded(m_platform.messages, this, [this, h, list] { (this->*h)(list); }); };
    };
    connect(m_addExtra, &QPushButton::clicked, this, onList(&PlannerWindow::addEventRow, m_extras));
    connect(m_removeExtra, &QPushButton::clicked, this, onList(&PlannerWindow::removeEventRow, m_extras));
    connect(m_addRateChange, &QPushButton::clicked, this, onList(&PlannerWindow::addEventRow, m_rateChanges));
    connect(m_removeRateChange, &QPushButton::clicked, this, onList(&PlannerWindow::removeEventRow, m_rateChanges));
}

// Return in a field calculates; in an event list, Insert adds a row and
// Delete removes the current one.
bool PlannerWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return QWidget::eventFilter(watched, event);
    // Return in a list's cell editor reaches the list too; there it only
    // closes the editor (the cell is committed after this event).
    const bool inCellEditor =
        (watched == m_extras || watched == m_rateChanges) && QApplication::focusWidget() != watched;
    if (inCellEditor)
        return QWidget::eventFilter(watched, event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        app::guarded(this, m_platform.messages, &PlannerWindow::calculate)();
        return true;
    }
    for (QTableWidget* list : {m_extras, m_rateChanges}) {
        if (watched != list)
            continue;
        if (key->key() == Qt::Key_Insert) {
            addEventRow(list);
            return true;
        }
        if (key->key() == Qt::Key_Delete) {
            removeEventRow(list);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

int PlannerWindow::paymentsPerYear() const
{
    return m_paymentsPerYear->currentData().toInt();
}

void PlannerWindow::paymentsPerYearChanged()
{
    if (m_compoundingFollows)
        m_compounding->setCurrentIndex(m_compounding->findData(paymentsPerYear()));
    if (m_termInYears)
        yearsEdited();
    else
        paymentsEdited();
    followLoanDate();
}

// Years and the number of payments are one term in two units: typing one
// writes the other.
void PlannerWindow::yearsEdited()
{
    m_termInYears = true;
    if (app::isNumeric(m_years->text()))
        m_payments->setText(app::numberToText(finance::Round(app::readNumber(m_years->text()) * paymentsPerYear(), 4)));
    else if (m_years->text().trimmed().isEmpty())
        m_payments->clear();
}

void PlannerWindow::paymentsEdited()
{
    m_termInYears = false;
    if (app::isNumeric(m_payments->text()))
        m_years->setText(app::numberToText(finance::Round(app::readNumber(m_payments->text()) / paymentsPerYear(), 4)));
    else if (m_payments->text().trimmed().isEmpty())
        m_years->clear();
}

// The first payment falls one period after the loan date (on it with
// payments at the start) until the user sets it.
void PlannerWindow::followLoanDate()
{
    if (!m_firstPaymentFollows)
        return;
    const std::int64_t loanDate = dayNumberOf(m_loanDate->date());
    const std::int64_t first = m_loanTiming->timing() == finance::PaymentTiming::Begin
                                   ? loanDate
                                   : finance::paymentDate(loanDate, paymentsPerYear(), 2);
    m_settingFirstPayment = true;
    m_firstPayment->setDate(dateOf(first));
    m_settingFirstPayment = false;
}

void PlannerWindow::addEventRow(QTableWidget* list)
{
    const int row = list->rowCount();
    list->insertRow(row);
    list->setCurrentCell(row, 0);
    list->setFocus();
}

void PlannerWindow::removeEventRow(QTableWidget* list)
{
    if (list->currentRow() >= 0)
        list->removeRow(list->currentRow());
    list->setFocus();
}

std::optional<PlannerTerms> PlannerWindow::terms(QString* problem) const
{
    const auto refuse = [problem](const QString& why) {
        if (problem)
            *problem = why;
        return std::nullopt;
    };
    const auto notANumber = [](const QString& caption, const QString& text) {
        return tr("%1: \"%2\" is not a number.").arg(caption, text);
    };

    PlannerTerms result;
    finance::LoanTerms& loan = result.loan;
    struct MainTerm {
        QLineEdit* field;
        finance::LoanTerm term;
    };
    const MainTerm mainTerms[] = {{m_amount, finance::LoanTerm::Amount},
                                  {m_annualRate, finance::LoanTerm::AnnualRate},
                                  {m_payments, finance::LoanTerm::Payments},
                                  {m_payment, finance::LoanTerm::Payment}};
    for (const MainTerm& main : mainTerms) {
        if (!main.field->text().trimmed().isEmpty())
            continue;
        if (result.unknown)
            return refuse(tr("Leave at most one of Amount, Annual rate, Number of payments and Payment empty."));
        result.unknown = main.term;
    }
    // Empty money fields are 0.
    for (QLineEdit* field : {m_amount, m_annualRate, m_payments, m_payment, m_balloon, m_fees, m_extraPerPayment}) {
        const QString text = field->text().trimmed();
        if (!text.isEmpty() && !app::isNumeric(text))
            return refuse(notANumber(field->accessibleName(), text));
    }
    const auto number = [](const QLineEdit* field) { return app::readNumber(field->text()); };
    loan.amount = number(m_amount);
    loan.annualRate = number(m_annualRate) / 100;
    loan.paymentsPerYear = paymentsPerYear();
    loan.compoundingsPerYear = m_compounding->currentData().toInt();
    if (result.unknown != finance::LoanTerm::Payments) {
        const double payments = number(m_payments);
        if (!(payments > 0))
            return refuse(tr("%1: at least one payment is needed.").arg(m_payments->accessibleName()));
        loan.payments = paymentCount(payments);
    }
    if (result.unknown != finance::LoanTerm::Payment)
        loan.payment = number(m_payment);
    loan.balloon = number(m_balloon);
    loan.loanDate = dayNumberOf(m_loanDate->date());
    loan.firstPayment = dayNumberOf(m_firstPayment->date());
    if (loan.firstPayment < loan.loanDate)
        return refuse(tr("The first payment cannot fall before the loan date."));
    loan.fees = number(m_fees);
    loan.interestRule = finance::InterestRule(m_interestRule->currentIndex());
    loan.paymentRounding = finance::PaymentRounding(m_paymentRounding->currentIndex());
    loan.interestRounding = finance::InterestRounding(m_interestRounding->currentIndex());
    loan.timing = m_loanTiming->timing();
    loan.extraPerPayment = number(m_extraPerPayment);
    loan.extraFrom = m_extraFrom->value();
    loan.extraTo = m_extraTo->value();
    loan.afterExtra = m_keepTerm->isChecked() ? finance::AfterExtra::KeepTerm : finance::AfterExtra::KeepPayment;

    // A list row is a payment number and a number; a row left blank is skipped.
    for (const QTableWidget* list : {m_extras, m_rateChanges}) {
        for (int row = 0; row < list->rowCount(); ++row) {
            const QString numberText = cellText(list, row, 0);
            const QString valueText = cellText(list, row, 1);
            if (numberText.isEmpty() && valueText.isEmpty())
                continue;
            const QString where = tr("%1, row %2").arg(list->accessibleName()).arg(row + 1);
            for (const QString& text : {numberText, valueText}) {
                if (!app::isNumeric(text))
                    return refuse(notANumber(where, text));
            }
            const double paymentNumber = app::readNumber(numberText);
            if (!(paymentNumber >= 1 && paymentNumber == std::floor(paymentNumber)))
                return refuse(tr("%1: the payment number must be a whole number from 1 on.").arg(where));
            const auto count = std::int64_t(std::min(paymentNumber, double(finance::maxScheduleRows) + 1));
            if (list == m_extras)
                loan.extras.push_back({count, app::readNumber(valueText)});
            else
                loan.rateChanges.push_back({count, app::readNumber(valueText) / 100});
        }
    }
    return result;
}

void PlannerWindow::calculate()
{
    planFields();
}

void PlannerWindow::keepForComparison()
{
    if (!planFields())
        return;
    PinnedLoan pinned;
    const QString& fileName = m_document.fileName();
    if (!fileName.isEmpty()) {
        const QString name = QFileInfo(fileName).fileName();
        const QLatin1String suffix(loanFileSuffix);
        pinned.name = name.endsWith(suffix, Qt::CaseInsensitive) ? name.chopped(suffix.size())
                                                                 : QFileInfo(fileName).completeBaseName();
    }
    pinned.terms = m_plannedTerms;
    settleApr();
    if (m_aprFailed)
        return;
    pinned.plan = m_model->plan();
    pinned.apr = m_apr;
    emit keptForComparison(pinned);
}

// Calculates; returns whether a plan is shown.
bool PlannerWindow::planFields()
{
    QString problem;
    std::optional<PlannerTerms> read = terms(&problem);
    if (!read) {
        warn(problem);
        return false;
    }
    finance::LoanTerms& loan = read->loan;
    // The payment is left to the plan, which rounds it by the payment rule.
    if (read->unknown && *read->unknown != finance::LoanTerm::Payment)
        writeSolved(*read->unknown, finance::solveLoanTerm(loan, *read->unknown), loan);
    finance::LoanPlan plan = app::atLibrarySpeed([&] { return finance::planLoan(loan); });
    if (plan.refusal != finance::LoanPlan::Refusal::None) {
        clearPlan();
        warn(refusalText(plan.refusal));
        return false;
    }
    if (read->unknown == finance::LoanTerm::Payment)
        m_payment->setText(app::moneyText(plan.regularPayment));
    m_plannedTerms = loan;
    showPlan(std::move(plan));
    return true;
}

// The field shows the solved value as it is used: the amount to the cent,
// the rate to 8 decimals of a percent, the number of payments to 4 decimals.
void PlannerWindow::writeSolved(finance::LoanTerm unknown, double value, finance::LoanTerms& loan)
{
    switch (unknown) {
    case finance::LoanTerm::Amount:
        m_amount->setText(app::format(value, "standard"));
        loan.amount = value;
        break;
    case finance::LoanTerm::AnnualRate: {
        const double percent = finance::Round(value * 100, 8);
        m_annualRate->setText(app::numberToText(percent));
        loan.annualRate = percent / 100;
        break;
    }
    case finance::LoanTerm::Payments: {
        const double payments = finance::Round(value, 4);
        m_payments->setText(app::numberToText(payments));
        paymentsEdited();
        loan.payments = paymentCount(payments);
        break;
    }
    case finance::LoanTerm::Payment:
        break;
    }
}

void PlannerWindow::showPlan(finance::LoanPlan plan)
{
    const auto show = [this](SummaryItem item, const QString& text) { m_summaryValues[item]->setText(text); };
    show(RegularPayment, app::moneyText(plan.regularPayment));
    show(PaymentsMade, QLocale().toString(qlonglong(plan.rows.size())));
    show(FirstPaymentDate, dateText(plan.rows.front().date));
    show(LastPaymentDate, dateText(plan.rows.back().date));
    show(TotalInterest, app::moneyText(plan.totalInterest));
    show(TotalPaid, app::moneyText(plan.totalPaid()));
    show(CostOfCredit, app::moneyText(plan.costOfCredit()));
    show(InterestSaved, app::moneyText(plan.interestSaved));
    show(PaymentsSaved, QLocale().toString(qlonglong(plan.paymentsSaved)));
    show(EffectiveRate, percentText(plan.effectiveAnnualRate));
    m_summary->setRowVisible(InterestSaved, plan.comparedWithoutExtras);
    m_summary->setRowVisible(PaymentsSaved, plan.comparedWithoutExtras);
    auto shown = std::make_shared<const finance::LoanPlan>(std::move(plan));
    m_model->setPlan(shown);
    fitColumns();
    findApr(std::move(shown));
}

void PlannerWindow::findApr(std::shared_ptr<const finance::LoanPlan> plan)
{
    dropAprSearch();
    const auto search = [plan] {
        AprSearch found;
        try {
            found.apr = app::atLibrarySpeed([&] { return finance::annualPercentageRate(*plan); });
        } catch (...) {
            found.error = std::current_exception();
        }
        return found;
    };
    if (plan->rows.size() < backgroundAprFrom) {
        showApr(search());
        return;
    }
    m_summaryValues[Apr]->setText(tr("being found..."));
    auto* watcher = new QFutureWatcher<AprSearch>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher] {
        watcher->deleteLater();
        AprSearch found;
        app::runGuarded(m_platform.messages, this, [&] { found = watcher->result(); });
        showApr(found);
    });
    watcher->setFuture(QtConcurrent::run(search));
    m_aprSearch = watcher;
}

// A search still running is for a plan no longer shown: one not yet started
// is skipped.
void PlannerWindow::dropAprSearch()
{
    if (m_aprSearch)
        m_aprSearch->cancel();
    delete m_aprSearch;
    m_apr.reset();
    m_aprFailed = false;
}

void PlannerWindow::showApr(const AprSearch& search)
{
    m_aprSearch.clear();
    m_apr = search.apr;
    m_aprFailed = bool(search.error);
    m_summaryValues[Apr]->setText(m_apr ? percentText(*m_apr) : search.error ? QString() : tr("none"));
    app::runGuarded(m_platform.messages, this, [&] {
        if (search.error)
            std::rethrow_exception(search.error);
    });
}

// The search posts its result to the watcher as it ends, so the result is
// waiting once the search is over.
void PlannerWindow::settleApr() const
{
    if (!m_aprSearch)
        return;
    m_aprSearch->waitForFinished();
    QCoreApplication::sendPostedEvents(m_aprSearch, QEvent::FutureCallOut);
}

void PlannerWindow::clearPlan()
{
    dropAprSearch();
    for (QLabel* value : m_summaryValues)
        value->clear();
    m_summary->setRowVisible(InterestSaved, false);
    m_summary->setRowVisible(PaymentsSaved, false);
    if (m_model)
        m_model->setPlan({});
}

// Any edit of a field or a list makes the loan one with unsaved changes.
void PlannerWindow::connectChanges()
{
    for (QLineEdit* field :
         {m_amount, m_annualRate, m_payments, m_years, m_payment, m_balloon, m_fees, m_extraPerPayment})
        connect(field, &QLineEdit::textChanged, this, &PlannerWindow::markChanged);
    for (QComboBox* field : {m_paymentsPerYear, m_compounding, m_interestRule, m_paymentRounding, m_interestRounding})
        connect(field, &QComboBox::currentIndexChanged, this, &PlannerWindow::markChanged);
    for (QDateEdit* field : {m_loanDate, m_firstPayment})
        connect(field, &QDateEdit::dateChanged, this, &PlannerWindow::markChanged);
    for (QSpinBox* field : {m_extraFrom, m_extraTo})
        connect(field, &QSpinBox::valueChanged, this, &PlannerWindow::markChanged);
    connect(m_keepTerm, &QRadioButton::toggled, this, &PlannerWindow::markChanged);
    connect(m_loanTiming, &app::PaymentTimingSetting::changed, this, &PlannerWindow::markChanged);
    for (QTableWidget* list : {m_extras, m_rateChanges}) {
        connect(list, &QTableWidget::itemChanged, this, &PlannerWindow::markChanged);
        connect(list->model(), &QAbstractItemModel::rowsInserted, this, &PlannerWindow::markChanged);
        connect(list->model(), &QAbstractItemModel::rowsRemoved, this, &PlannerWindow::markChanged);
    }
}

void PlannerWindow::markChanged()
{
    setWindowModified(true);
}

void PlannerWindow::closeEvent(QCloseEvent* event)
{
    event->setAccepted(m_document.mayClose());
}

bool PlannerWindow::openFile(const QString& fileName)
{
    return m_document.open(fileName);
}

// The whole file is read before any field is touched.
bool PlannerWindow::readFile(const QString& fileName, const QByteArray& contents)
{
    QString problem;
    const std::optional<PlannerTerms> read = readLoanFile(contents, &problem);
    for (std::int64_t day : {read ? read->loan.loanDate : 0, read ? read->loan.firstPayment : 0}) {
        if (read && (dateOf(day) < m_loanDate->minimumDate() || dateOf(day) > m_loanDate->maximumDate())) {
            problem = tr("%1 is outside the dates the planner shows").arg(dateOf(day).toString(Qt::ISODate));
            break;
        }
    }
    if (!read || !problem.isEmpty()) {
        warn(tr("The file %1 could not be opened: %2.").arg(QDir::toNativeSeparators(fileName), problem));
        return false;
    }
    setTerms(*read);
    rememberFile(fileName);
    return true;
}

// The fields and the timing as a file left them.
void PlannerWindow::setTerms(const PlannerTerms& read)
{
    const finance::LoanTerms& loan = read.loan;
    m_loanTiming->setTiming(loan.timing);
    clearPlan();
    m_paymentsPerYear->setCurrentIndex(m_paymentsPerYear->findData(loan.paymentsPerYear));
    m_compounding->setCurrentIndex(m_compounding->findData(loan.compoundingsPerYear));
    m_compoundingFollows = loan.compoundingsPerYear == loan.paymentsPerYear;
    const auto show = [&read](QLineEdit* field, finance::LoanTerm term, double value) {
        field->setText(read.unknown == term ? QString() : fieldText(value));
    };
    show(m_amount, finance::LoanTerm::Amount, loan.amount);
    show(m_annualRate, finance::LoanTerm::AnnualRate, percentOf(loan.annualRate));
    show(m_payments, finance::LoanTerm::Payments, double(loan.payments));
    paymentsEdited();
    show(m_payment, finance::LoanTerm::Payment, loan.payment.value_or(0));
    m_balloon->setText(fieldText(loan.balloon));
    m_fees->setText(fieldText(loan.fees));
    m_extraPerPayment->setText(fieldText(loan.extraPerPayment));
    m_loanDate->setDate(dateOf(loan.loanDate));
    m_firstPaymentFollows = false;
    m_firstPayment->setDate(dateOf(loan.firstPayment));
    m_interestRule->setCurrentIndex(int(loan.interestRule));
    m_paymentRounding->setCurrentIndex(int(loan.paymentRounding));
    m_interestRounding->setCurrentIndex(int(loan.interestRounding));
    m_extraFrom->setValue(int(loan.extraFrom));
    m_extraTo->setValue(int(loan.extraTo));
    (loan.afterExtra == finance::AfterExtra::KeepTerm ? m_keepTerm : m_keepPayment)->setChecked(true);
    const auto fill = [](QTableWidget* list, const auto& events, auto value) {
        list->setRowCount(0);
        list->setRowCount(int(events.size()));
        for (int row = 0; row < list->rowCount(); ++row) {
            list->setItem(row, 0, new QTableWidgetItem(QLocale().toString(qlonglong(events[std::size_t(row)].number))));
            list->setItem(row, 1, new QTableWidgetItem(fieldText(value(events[std::size_t(row)]))));
        }
    };
    fill(m_extras, loan.extras, [](const finance::OneOffExtra& extra) { return extra.amount; });
    fill(m_rateChanges, loan.rateChanges, [](const finance::RateChange& change) { return percentOf(change.annualRate); });
}

// A loan whose fields cannot be read is not written.
bool PlannerWindow::writeFile(const QString& fileName)
{
    QString problem;
    const std::optional<PlannerTerms> read = terms(&problem);
    if (!read) {
        warn(problem);
        return false;
    }
    const QByteArray bytes = loanFileBytes(*read);
    const auto write = [&bytes](QIODevice& file) { return file.write(bytes) == bytes.size(); };
    if (!app::saveWhole(fileName, write, m_platform.messages, this))
        return false;
    rememberFile(fileName);
    return true;
}

void PlannerWindow::rememberFile(const QString& fileName)
{
    QSettings settings;
    settings.setValue(recentFilesKey,
                      withRecentFile(settings.value(recentFilesKey).toStringList(), QFileInfo(fileName).absoluteFilePath()));
}

// The menu is made as it opens, so every planner shows the files of the last.
void PlannerWindow::showRecentFiles()
{
    m_recentFiles->clear();
    const QStringList recent = QSettings().value(recentFilesKey).toStringList();
    for (int i = 0; i < recent.size(); ++i) {
        const QString fileName = recent[i];
        QAction* action =
            m_recentFiles->addAction(tr("&%1 %2").arg(i + 1).arg(QFileInfo(fileName).fileName()));
        action->setToolTip(QDir::toNativeSeparators(fileName));
        connect(action, &QAction::triggered, this, [this, fileName] {
            app::runGuarded(m_platform.messages, this, [this, fileName] {
                if (m_document.mayReplace())
                    m_document.open(fileName);
            });
        });
    }
    if (recent.isEmpty())
        m_recentFiles->addAction(tr("No recent files"))->setEnabled(false);
}

void PlannerWindow::warn(const QString& text)
{
    app::warn(m_platform.messages, this, tr("Loan Planner"), text);
}

// Each column is as wide as its widest cell as the table draws it: the bold
// total row holds the widest amounts (the balance is at most the amount, the
// total principal), the last row the widest number; dates are measured on
// the first and last rows, with room for more digits.
void PlannerWindow::fitColumns()
{
    const int totalRow = m_model->rowCount() - 1;
    const auto cellWidth = [this](int row, int column) {
        return m_table->sizeHintForIndex(m_model->index(row, column)).width();
    };
    for (int column = 0; column < PlanModel::ColumnCount; ++column) {
        int widest = cellWidth(totalRow, column == PlanModel::Balance ? int(PlanModel::Principal) : column);
        if (column == PlanModel::Number || column == PlanModel::Date)
            widest = std::max({widest, cellWidth(0, column), cellWidth(totalRow - 1, column)});
        // Another row's date may have two digits more (12/28 against 1/31),
        // and the grid takes a pixel.
        if (column == PlanModel::Date)
            widest += m_table->fontMetrics().horizontalAdvance(QStringLiteral("00")) + 1;
        m_table->setColumnWidth(column, std::max(m_table->horizontalHeader()->sectionSizeHint(column), widest));
    }
}

void PlannerWindow::showRule()
{
    app::Message message;
    message.text = ruleText();
    message.title = tr("Loan Planner: the rule");
    message.icon = app::Icon::Information;
    m_platform.messages.show(this, message);
}

QString PlannerWindow::ruleText()
{
    return QStringList{
        tr("All amounts are whole cents."),
        tr("Rate per period: i = (1 + j/c)^(c/p) - 1 for nominal annual rate j, c compoundings and p payments a "
           "year; continuous: i = e^(j/p) - 1."),
        tr("Regular payment: the level payment for the amount, i, n payments and the balloon (at the start of each "
           "period when payments fall at the start), computed exactly and then rounded by the payment rule "
           "(default: to the nearest cent, halves away from zero; also \"up to the cent\" and \"up to the whole "
           "unit\")."),
        tr("Each row's interest: balance x i (per period; with payments at the start, payment 1 carries none and "
           "payment k the interest of the period before it), or balance x j x days / 365 (or 360), the days "
           "counted from the previous payment (from the loan date for the first); rounded by the interest rule "
           "(default: halves away from zero; also \"halves to even\" and \"down\"). Under the daily rules the "
           "regular payment is the level payment at j/p with payments at the end."),
        tr("Dates: with 1, 2, 4 or 12 payments a year, payment k falls 12/p x (k-1) months after the first, "
           "counted from the first payment each time and held to the month's last day (31 January, 28 February, "
           "31 March ...); 24: the first payment's day and 15 days after it, each month (held to the month's "
           "last day); 26: every 14 days; 52: every 7 days."),
        tr("Extra payments: a recurring \"Extra per payment\" from payment number a (default 1) to b (default the "
           "last), and a list of one-off extras (payment number and amount). A row pays its regular payment plus "
           "its extras. Rule after an extra: \"Keep the payment\" (default: the loan ends sooner) or \"Keep the "
           "term\" (the regular payment is recomputed for the new balance over the payments left, and rounded "
           "again)."),
        tr("Rate changes: a list of (payment number, new annual rate): from that payment on, i is the new rate's, "
           "and the regular payment is recomputed for the balance over the payments left of the term, rounded "
           "again."),
        tr("The loan ends on the first row whose regular payment plus extras reaches the balance plus interest, or "
           "on payment n: that row pays exactly the balance plus its interest; its \"Payment\" shows "
           "max(min(regular, due), due - extras) and \"Extra\" the rest, so the balance ends at 0.00 and "
           "principal paid equals the amount."),
        tr("Limits: at most 1,000,000 payments; amounts below 10^13; a payment that does not cover the first "
           "interest is refused with a clear message; nothing else is refused."),
    }
        .join(QStringLiteral("\r\n\r\n"));
}

QString PlannerWindow::refusalText(finance::LoanPlan::Refusal refusal)
{
    switch (refusal) {
    case finance::LoanPlan::Refusal::TooManyPayments:
        return tr("No plan: it would have more than %1 payments.")
            .arg(QLocale().toString(qlonglong(finance::maxScheduleRows)));
    case finance::LoanPlan::Refusal::AmountTooLarge:
        return tr("No plan: amounts of %1 or more cannot be shown exactly.")
            .arg(QLocale().toString(qlonglong(finance::maxScheduleCents / 100)));
    case finance::LoanPlan::Refusal::PaymentBelowInterest:
        return tr("No plan: the payment does not cover the first interest.");
    case finance::LoanPlan::Refusal::None:
        break;
    }
    return {};
}

app::PrintDocument PlannerWindow::printDocument() const
{
    settleApr();
    app::PrintDocument document;
    document.title = tr("Loan Planner");
    document.computed = QDateTime::currentDateTime();
    for (const QLineEdit* field : {m_amount, m_annualRate, m_payments, m_payment, m_balloon, m_fees, m_extraPerPayment})
        if (!field->text().isEmpty())
            document.inputs.append({field->accessibleName(), field->text()});
    for (const QComboBox* choice : {m_paymentsPerYear, m_compounding, m_interestRule, m_paymentRounding, m_interestRounding})
        document.inputs.append({choice->accessibleName(), choice->currentText()});
    for (const QDateEdit* date : {m_loanDate, m_firstPayment})
        document.inputs.append({date->accessibleName(), date->text()});
    document.table = m_model;
    document.lastRowIsTotal = m_model->tableRowCount() > 0;
    for (const QLabel* value : m_summaryValues)
        if (!value->text().isEmpty() && value->isVisibleTo(this))
            document.results.append({value->accessibleName(), value->text()});
    return document;
}

}  // namespace loan_planner
