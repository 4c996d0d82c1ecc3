#include "schedule/schedule_window.h"

#include "app/layout.h"
#include "app/number_text.h"
#include "app/table_export.h"
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

namespace schedule {

ScheduleWindow::ScheduleWindow(app::Platform& platform, QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Amortization Schedule"));

    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("summary"));
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    m_model = new ScheduleModel(this);
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("table"));
    m_table->setAccessibleName(tr("Payments of the loan"));
    m_table->setModel(m_model);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setWordWrap(false);
    // The period column numbers the rows already.
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setMinimumSectionSize(0);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_summary->setBuddy(m_table);
    app::addTableExport(m_table, *m_model, platform);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_table);

    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
}

void ScheduleWindow::showSchedule(const finance::Loan& loan, finance::Schedule schedule)
{
    m_summary->setText(tr("Loan %1 at %2 per period, %3: payment %4, total interest %5")
                           .arg(app::moneyText(schedule.loan), app::format(loan.rate, "percent"), periodsText(loan.periods),
                                app::moneyText(schedule.payment), app::moneyText(schedule.totalInterest)));
    m_model->setSchedule(std::move(schedule));
    fitColumns();
}

// Each column is as wide as its widest text: the total row holds the widest
// amounts (the balance is at most the loan, the total principal), the last
// payment's row the widest period. No other row is measured.
void ScheduleWindow::fitColumns()
{
    const int totalRow = m_model->rowCount() - 1;
    QStringList widest = m_model->cells(totalRow, app::CellText::Shown);
    widest[ScheduleModel::Balance] = widest[ScheduleModel::Principal];
    const QString lastPeriod = m_model->cells(totalRow - 1, app::CellText::Shown).at(ScheduleModel::Period);

    const QFontMetrics metrics(m_table->font());
    const QFontMetrics headerMetrics(m_table->horizontalHeader()->font());
    const int padding = 3 * metrics.averageCharWidth();
    int tableWidth = 0;
    for (int column = 0; column < ScheduleModel::ColumnCount; ++column) {
        const int width = padding + std::max({headerMetrics.horizontalAdvance(m_model->columnTitles(app::CellText::Shown).at(column)),
                                              metrics.horizontalAdvance(widest.at(column)),
                                              column == ScheduleModel::Period ? metrics.horizontalAdvance(lastPeriod) : 0});
        m_table->setColumnWidth(column, width);
        tableWidth += width;
    }
    // The summary stays on one line, so the window is at least as wide.
    const QMargins margins = layout()->contentsMargins();
    const int frame = m_table->verticalScrollBar()->sizeHint().width() + 2 * m_table->frameWidth();
    if (!isVisible())
        resize(std::max(tableWidth + frame, m_summary->sizeHint().width()) + margins.left() + margins.right(),
               30 * m_table->verticalHeader()->defaultSectionSize());
}

QString ScheduleWindow::periodsText(double periods)
{
    if (periods == 1)
        return tr("1 period");
    return tr("%1 periods").arg(app::numberToText(finance::Round(periods, 4)));
}

QString ScheduleWindow::exactPeriodsText(double periods, const finance::Schedule& schedule)
{
    const QString last = app::moneyText(schedule.rows.back().payment);
    const std::size_t regular = schedule.rows.size() - 1;
    if (regular == 0)
        return tr("%1: one payment of %2").arg(periodsText(periods), last);
    if (regular == 1)
        return tr("%1: 1 payment of %2 and a last payment of %3").arg(periodsText(periods), app::moneyText(schedule.payment), last);
    return tr("%1: %2 payments of %3 and a last payment of %4")
        .arg(periodsText(periods), QString::number(regular), app::moneyText(schedule.payment), last);
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
        return tr("No schedule: its amounts would reach %1.").arg(app::moneyText(finance::maxScheduleCents));
    case finance::Schedule::Refusal::None:
        break;
    }
    return {};
}

void openSchedule(QPointer<ScheduleWindow>& window, const finance::Loan& loan, app::Platform& platform,
                  QWidget* parent)
{
    // The library runs at its own speed only with the vector registers' upper halves clear.
    app::clearUpperVectorState();
    finance::Schedule schedule = finance::amortize(loan);
    if (schedule.refusal != finance::Schedule::Refusal::None) {
        app::Message refusal;
        refusal.text = ScheduleWindow::refusalText(schedule.refusal);
        refusal.title = ScheduleWindow::tr("Amortization Schedule");
        refusal.icon = app::Icon::Warning;
        platform.messages.show(parent, refusal);
        return;
    }
    if (!window)
        window = new ScheduleWindow(platform);
    window->showSchedule(loan, std::move(schedule));
    app::bringToFront(window);
}

}  // namespace schedule
