#include "loan_planner/plan_model.h"

#include "app/number_text.h"
#include "finance/calendar.h"

#include <QDate>
#include <QLocale>

namespace loan_planner {

// A two-digit year would make 2056 read as 1956 when typed back.
QString shownDateFormat()
{
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

QDate dateOf(std::int64_t dayNumber)
{
    const finance::CivilDate date = finance::civilFromDays(dayNumber);
    return QDate(int(date.year), date.month, date.day);
}

std::int64_t dayNumberOf(const QDate& date)
{
    return finance::daysFromCivil(date.year(), date.month(), date.day());
}

PlanModel::PlanModel(QObject* parent)
    : app::PaymentTableModel(ColumnCount, parent), m_plan(std::make_shared<const finance::LoanPlan>())
{
}

void PlanModel::setPlan(std::shared_ptr<const finance::LoanPlan> plan)
{
    beginResetModel();
    m_plan = plan ? std::move(plan) : std::make_shared<const finance::LoanPlan>();
    m_shown = app::numberSymbols();
    m_dateFormat = shownDateFormat();
    endResetModel();
}

QStringList PlanModel::columnTitles(app::CellText text) const
{
    QStringList titles;
    for (const char* english : {QT_TR_NOOP("Number"), QT_TR_NOOP("Date"), QT_TR_NOOP("Payment"), QT_TR_NOOP("Extra"),
                                QT_TR_NOOP("Interest"), QT_TR_NOOP("Principal"), QT_TR_NOOP("Balance")})
        titles.append(text == app::CellText::File ? QString::fromLatin1(english) : tr(english));
    return titles;
}

int PlanModel::paymentCount() const
{
    return int(m_plan->rows.size());
}

// The row after the payments is the total, which has no date and no balance.
QString PlanModel::cellText(int row, int column, app::CellText text) const
{
    const finance::NumberSymbols& symbols = text == app::CellText::Shown ? m_shown : app::fileSymbols();
    if (row == int(m_plan->rows.size())) {
        switch (column) {
        case Number:
            return text == app::CellText::File ? QStringLiteral("Total") : tr("Total");
        case Payment:
            return app::moneyText(m_plan->totalPayment, symbols);
        case Extra:
            return app::moneyText(m_plan->totalExtra, symbols);
        case Interest:
            return app::moneyText(m_plan->totalInterest, symbols);
        case Principal:
            return app::moneyText(m_plan->totalPrincipal, symbols);
        default:
            return {};
        }
    }
    const finance::PlanRow& line = m_plan->rows[std::size_t(row)];
    switch (column) {
    case Number:
        return QString::number(row + 1);
    case Date: {
        const QDate date = dateOf(line.date);
        return text == app::CellText::File ? date.toString(Qt::ISODate) : QLocale().toString(date, m_dateFormat);
    }
    case Payment:
        return app::moneyText(line.payment, symbols);
    case Extra:
        return app::moneyText(line.extra, symbols);
    case Interest:
        return app::moneyText(line.interest, symbols);
    case Principal:
        return app::moneyText(line.principal(), symbols);
    default:
        return app::moneyText(line.balance, symbols);
    }
}

}  // namespace loan_planner
