#include "schedule/schedule_model.h"

#include "app/number_text.h"

namespace schedule {

ScheduleModel::ScheduleModel(QObject* parent) : app::PaymentTableModel(ColumnCount, parent) {}

void ScheduleModel::setSchedule(finance::Schedule schedule)
{
    beginResetModel();
    m_schedule = std::move(schedule);
    m_shown = app::numberSymbols();
    endResetModel();
}

QStringList ScheduleModel::columnTitles(app::CellText text) const
{
    QStringList titles;
    for (const char* english :
         {QT_TR_NOOP("Period"), QT_TR_NOOP("Payment"), QT_TR_NOOP("Interest"), QT_TR_NOOP("Principal"), QT_TR_NOOP("Balance")})
        titles.append(text == app::CellText::File ? QString::fromLatin1(english) : tr(english));
    return titles;
}

int ScheduleModel::paymentCount() const
{
    return int(m_schedule.rows.size());
}

// The row after the payments is the total, which has no balance.
QString ScheduleModel::cellText(int row, int column, app::CellText text) const
{
    const finance::NumberSymbols& symbols = text == app::CellText::Shown ? m_shown : app::fileSymbols();
    const bool total = row == int(m_schedule.rows.size());
    if (total) {
        switch (column) {
        case Period:
            return text == app::CellText::File ? QStringLiteral("Total") : tr("Total");
        case Payment:
            return app::moneyText(m_schedule.totalPayment, symbols);
        case Interest:
            return app::moneyText(m_schedule.totalInterest, symbols);
        case Principal:
            return app::moneyText(m_schedule.totalPrincipal, symbols);
        default:
            return {};
        }
    }
    const finance::ScheduleRow& line = m_schedule.rows[std::size_t(row)];
    switch (column) {
    case Period:
        return QString::number(row + 1);
    case Payment:
        return app::moneyText(line.payment, symbols);
    case Interest:
        return app::moneyText(line.interest, symbols);
    case Principal:
        return app::moneyText(line.principal, symbols);
    default:
        return app::moneyText(line.balance, symbols);
    }
}

}  // namespace schedule
