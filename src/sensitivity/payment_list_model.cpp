#include "sensitivity/payment_list_model.h"

#include "app/number_text.h"

#include <iterator>

namespace sensitivity {

PaymentListModel::PaymentListModel(Column column, QObject* parent)
    : QAbstractListModel(parent), m_column(column)
{
}

int PaymentListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_lines.size());
}

QVariant PaymentListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    return lineText(m_lines[std::size_t(index.row())]);
}

QString PaymentListModel::lineText(const PaymentLine& line) const
{
    if (m_column == Column::Rate)
        return app::numberToText(line.payment) + QStringLiteral("   //  ") + app::format(line.counter, "percent");
    return app::numberToText(line.payment) + QStringLiteral("     //    ") + app::numberToText(line.counter);
}

void PaymentListModel::append(std::vector<PaymentLine>&& lines)
{
    if (lines.empty())
        return;
    const int first = rowCount();
    beginInsertRows(QModelIndex(), first, first + int(lines.size()) - 1);
    if (m_lines.empty())
        m_lines = std::move(lines);
    else
        m_lines.insert(m_lines.end(), std::make_move_iterator(lines.begin()), std::make_move_iterator(lines.end()));
    endInsertRows();
}

void PaymentListModel::clear()
{
    if (m_lines.empty())
        return;
    beginResetModel();
    m_lines.clear();
    m_lines.shrink_to_fit();
    endResetModel();
}

}  // namespace sensitivity
