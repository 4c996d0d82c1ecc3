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
    const QStringList shown = cells(index.row(), app::CellText::Shown);
    return m_column == Column::Rate ? shown[0] + QStringLiteral("   //  ") + shown[1]
                                    : shown[0] + QStringLiteral("     //    ") + shown[1];
}

QStringList PaymentListModel::columnTitles(app::CellText text) const
{
    const auto title = [text](const char* english) {
        return text == app::CellText::File ? QString::fromLatin1(english) : tr(english);
    };
    const char* payment = m_timing == finance::PaymentTiming::Begin
                              ? QT_TR_NOOP("Payment (payments at the start of each period)")
                              : QT_TR_NOOP("Payment");
    return {title(payment), title(m_column == Column::Rate ? QT_TR_NOOP("Rate") : QT_TR_NOOP("Periods"))};
}

QStringList PaymentListModel::cells(int row, app::CellText text) const
{
    const PaymentLine& line = m_lines[std::size_t(row)];
    if (text == app::CellText::File)
        return {app::format(line.payment, "standard", app::fileSymbols()),
                app::numberToText(line.counter, app::fileSymbols())};
    const QString counter =
        m_column == Column::Rate ? app::format(line.counter, "percent") : app::numberToText(line.counter);
    return {app::numberToText(line.payment), counter};
}

QString PaymentListModel::horizontalTitle() const
{
    return m_column == Column::Rate ? tr("Rate (%)") : tr("Periods");
}

QString PaymentListModel::verticalTitle() const
{
    return tr("Payment");
}

QPointF PaymentListModel::point(qsizetype i) const
{
    const PaymentLine& line = m_lines[std::size_t(i)];
    return {m_column == Column::Rate ? line.counter * 100 : line.counter, line.payment};
}

QString PaymentListModel::pointText(qsizetype i) const
{
    const QString counter = cells(int(i), app::CellText::Shown)[1];
    const QString payment = app::format(m_lines[std::size_t(i)].payment, "standard");
    return m_column == Column::Rate ? tr("Rate %1, payment %2").arg(counter, payment)
                                    : tr("Periods %1, payment %2").arg(counter, payment);
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
