#include "schedule/schedule_model.h"

#include "app/number_text.h"

#include <QFont>

namespace schedule {

ScheduleModel::ScheduleModel(QObject* parent) : QAbstractTableModel(parent) {}

void ScheduleModel::setSchedule(finance::Schedule schedule)
{
    beginResetModel();
    m_schedule = std::move(schedule);
    m_shown = app::numberSymbols();
    endResetModel();
}

int ScheduleModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : tableRowCount();
}

int ScheduleModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ScheduleModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return cellText(index.row(), index.column(), app::CellText::Shown);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::FontRole:
        if (index.row() == int(m_schedule.rows.size())) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    default:
        return {};
    }
}

QVariant ScheduleModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return columnTitles(app::CellText::Shown).at(section);
    return {};
}

QStringList ScheduleModel::columnTitles(app::CellText text) const
{
    QStringList titles;
    for (const char* english :
         {QT_TR_NOOP("Period"), QT_TR_NOOP("Payment"), QT_TR_NOOP("Interest"), QT_TR_NOOP("Principal"), QT_TR_NOOP("Balance")})
        titles.append(text == app::CellText::File ? QString::fromLatin1(english) : tr(english));
    return titles;
}

int ScheduleModel::tableRowCount() const
{
    return m_schedule.rows.empty() ? 0 : int(m_schedule.rows.size()) + 1;
}

QStringList ScheduleModel::cells(int row, app::CellText text) const
{
    QStringList result;
    result.reserve(ColumnCount);
    for (int column = 0; column < ColumnCount; ++column)
        result.append(cellText(row, column, text));
    return result;
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
