#include "schedule/schedule_window.h"

#include "app/layout.h"
#include "app/number_text.h"
#include "app/payment_table_model.h"
#include "app/vector_state.h"
#include "schedule/schedule_model.h"

#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QScrollBar>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace schedule {

namespace {

// x grouped in the user's locale, with at most maxDecimals decimals and at
// least minDecimals: trailing zeros beyond those are dropped.
QString groupedNumber(double x, int maxDecimals, int minDecimals)
{
    const QLocale locale;
    QString text = locale.toString(x, 'f', maxDecimals);
    const QString point = locale.decimalPoint();
    const qsizetype pointAt = text.lastIndexOf(point);
    if (pointAt < 0)
        return text;
    const qsizetype keep = pointAt + (minDecimals > 0 ? point.size() + minDecimals : 0);
    qsizetype end = text.size();
    while (end > keep && end > pointAt + point.size() && text.at(end - 1) == QLatin1Char('0'))
        --end;
    if (end == pointAt + point.size())
        end = pointAt;
    text.truncate(end);
    return text;
}

QString count(std::size_t n)
{
    return QLocale().toString(qulonglong(n));
}

}  // namespace

ScheduleWindow::ScheduleWindow(app::Platform& platform, QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Amortization Schedule"));

    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("summary"));
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    m_model = new ScheduleModel(this);
    m_table = app::makePaymentTable(m_model, tr("Payments of the loan"), platform, this);
    m_summary->setBuddy(m_table);
    app::addPrintActions(m_table, *this, platform);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_table);

    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
}

void ScheduleWindow::showSchedule(const finance::Loan& loan, finance::Schedule schedule)
{
    const QString payments = exactPeriodsText(loan.periods, schedule);
    const QString loanText = app::moneyText(schedule.loan);
    const QString interest = app::moneyText(schedule.totalInterest);
    m_summary->setText(loan.timing == finance::PaymentTiming::Begin
                           ? tr("Loan %1 at %2 per period, payments at the start of each period, %3, total interest %4")
                                 .arg(loanText, rateText(loan.rate), payments, interest)
                           : tr("Loan %1 at %2 per period, %3, total interest %4")
                                 .arg(loanText, rateText(loan.rate), payments, interest));
    m_computed = QDateTime::currentDateTime();
    m_terms = {{tr("Loan"), loanText},
               {tr("Rate per period"), rateText(loan.rate)},
               {tr("Periods"), groupedNumber(finance::Round(loan.periods, 4), 4, 0)},
               {tr("Payments due"), loan.timing == finance::PaymentTiming::Begin ? tr("at the start of each period")
                                                                                 : tr("at the end of each period")}};
    m_payments = payments;
    m_model->setSchedule(std::move(schedule));
    fitColumns();
}

app::PrintDocument ScheduleWindow::printDocument() const
{
    app::PrintDocument document;
    document.title = windowTitle();
    document.computed = m_computed;
    document.inputs = m_terms;
    document.table = m_model;
    document.lastRowIsTotal = true;
    document.results = {{tr("Payments"), m_payments}};
    return document;
}

// Each column is as wide as its widest cell as the table draws it: the bold
// total row holds the widest amounts (the balance is at most the loan, the
// total principal), the last payment's row the widest period. No other row is
// measured.
void ScheduleWindow::fitColumns()
{
    const int totalRow = m_model->rowCount() - 1;
    const auto cellWidth = [this](int row, int column) {
        return m_table->sizeHintForIndex(m_model->index(row, column)).width();
    };
    int tableWidth = 0;
    for (int column = 0; column < ScheduleModel::ColumnCount; ++column) {
        const int widest = column == ScheduleModel::Balance ? cellWidth(totalRow, ScheduleModel::Principal)
                                                            : cellWidth(totalRow, column);
        const int width = std::max({m_table->horizontalHeader()->sectionSizeHint(column), widest,
                                    column == ScheduleModel::Period ? cellWidth(totalRow - 1, column) : 0});
        m_table->setColumnWidth(column, width);
        tableWidth += width;
    }
    // The first schedule sizes the window; later ones keep the size the user
    // gave it. The summary stays on one line, so the window is at least as wide.
    if (m_sized)
        return;
    m_sized = true;
    const QMargins margins = layout()->contentsMargins();
    const int frame = m_table->verticalScrollBar()->sizeHint().width() + 2 * m_table->frameWidth();
    resize(std::max(tableWidth + frame, m_summary->sizeHint().width()) + margins.left() + margins.right(),
           30 * m_table->verticalHeader()->defaultSectionSize());
}

QString ScheduleWindow::periodsText(double periods)
{
    if (periods == 1)
        return tr("1 period");
    return tr("%1 periods").arg(groupedNumber(finance::Round(periods, 4), 4, 0));
}

// Six significant digits, at least two decimals: 0.0001% is not 0.00%.
QString ScheduleWindow::rateText(double rate)
{
    const double percent = rate * 100;
    const int magnitude = percent == 0 ? 0 : int(std::floor(std::log10(std::fabs(percent))));
    const int decimals = std::clamp(5 - magnitude, 2, 16);
    return groupedNumber(percent, decimals, 2) + QLatin1Char('%');
}

QString ScheduleWindow::exactPeriodsText(double periods, const finance::Schedule& schedule)
{
    const std::int64_t lastPayment = schedule.rows.back().payment;
    const QString last = app::moneyText(lastPayment);
    const std::size_t regular = schedule.rows.size() - 1;
    if (regular == 0)
        return tr("%1: one payment of %2").arg(periodsText(periods), last);
    if (lastPayment == schedule.payment)
        return tr("%1: %2 payments of %3").arg(periodsText(periods), count(schedule.rows.size()), last);
    if (regular == 1)
        return tr("%1: 1 payment of %2 and a last payment of %3").arg(periodsText(periods), app::moneyText(schedule.payment), last);
    return tr("%1: %2 payments of %3 and a last payment of %4")
        .arg(periodsText(periods), count(regular), app::moneyText(schedule.payment), last);
}

QString ScheduleWindow::refusalText(finance::Schedule::Refusal refusal)
{
    switch (refusal) {
    case finance::Schedule::Refusal::TooManyRows:
        return tr("No schedule: it would have more than %1 payments.")
            .arg(QLocale().toString(qlonglong(finance::maxScheduleRows)));
    case finance::Schedule::Refusal::PaymentBelowInterest:
        return tr("No schedule: the payment does not cover the first period's interest.");
    case finance::Schedule::Refusal::AmountTooLarge:
        return tr("No schedule: amounts of %1 or more cannot be shown exactly.")
            .arg(QLocale().toString(qlonglong(finance::maxScheduleCents / 100)));
    case finance::Schedule::Refusal::None:
        break;
    }
    return {};
}

void openSchedule(app::WindowSlot<ScheduleWindow>& window, const finance::Loan& loan, app::Platform& platform,
                  QWidget* parent)
{
    finance::Schedule schedule = app::atLibrarySpeed([&] { return finance::amortize(loan); });
    if (schedule.refusal != finance::Schedule::Refusal::None) {
        app::Message refusal;
        refusal.text = ScheduleWindow::refusalText(schedule.refusal);
        refusal.title = ScheduleWindow::tr("Amortization Schedule");
        refusal.icon = app::Icon::Warning;
        platform.messages.show(parent, refusal);
        return;
    }
    window.open([&] { return new ScheduleWindow(platform); }).showSchedule(loan, std::move(schedule));
}

}  // namespace schedule
