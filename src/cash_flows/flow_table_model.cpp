#include "cash_flows/flow_table_model.h"

#include "app/number_text.h"

#include <QColor>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace cash_flows {

namespace {

// Why text cannot be an amount; empty when it reads as value.
QString amountProblem(const QString& text, double& value)
{
    if (text.isEmpty())
        return FlowTableModel::tr("The amount is missing.");
    if (!app::isNumeric(text))
        return FlowTableModel::tr("\"%1\" is not a number.").arg(text);
    try {
        value = app::readNumber(text);
    } catch (const finance::RuntimeError&) {
        return FlowTableModel::tr("\"%1\" is too large.").arg(text);
    }
    return {};
}

QString countProblem(const QString& text, double& value)
{
    value = 1;
    if (text.isEmpty())
        return {};
    bool whole = app::isNumeric(text);
    if (whole) {
        try {
            value = app::readNumber(text);
            whole = value >= 1 && value <= double(maxFlows) && value == std::floor(value);
        } catch (const finance::RuntimeError&) {
            whole = false;
        }
    }
    return whole ? QString()
                 : FlowTableModel::tr("\"%1\" is not a whole number from 1 to %2.")
                       .arg(text, QLocale().toString(qlonglong(maxFlows)));
}

QString dateProblem(const QString& text, QDate& date)
{
    if (text.isEmpty())
        return {};
    date = FlowTableModel::readDate(text);
    if (date.isValid())
        return {};
    return FlowTableModel::tr("\"%1\" is not a date: type it as 2027-01-31 or %2.")
        .arg(text, QLocale().toString(QDate(2027, 1, 31), QLocale::ShortFormat));
}

bool isBlank(const FlowRow& row)
{
    return row.date.isEmpty() && row.amount.isEmpty() && row.count.isEmpty();
}

}  // namespace

FlowTableModel::FlowTableModel(QObject* parent) : QAbstractTableModel(parent), m_rows(1) {}

int FlowTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int FlowTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString& FlowTableModel::cell(int row, int column)
{
    FlowRow& flow = m_rows[std::size_t(row)];
    return column == Date ? flow.date : column == Amount ? flow.amount : flow.count;
}

const QString& FlowTableModel::cell(int row, int column) const
{
    return const_cast<FlowTableModel*>(this)->cell(row, column);
}

bool FlowTableModel::isBlank(int row) const
{
    return cash_flows::isBlank(m_rows[std::size_t(row)]);
}

QVariant FlowTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return cell(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return index.column() == Date ? QVariant() : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        // A translucent red reads on light and dark palettes alike.
        return cellProblem(index.row(), index.column()).isEmpty() ? QVariant() : QVariant(QColor(255, 0, 0, 70));
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole: {
        const QString problem = cellProblem(index.row(), index.column());
        return problem.isEmpty() ? QVariant() : QVariant(problem);
    }
    default:
        return {};
    }
}

QVariant FlowTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    return columnTitles(app::CellText::Shown).value(section);
}

Qt::ItemFlags FlowTableModel::flags(const QModelIndex& index) const
{
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

bool FlowTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    const QString text = value.toString().trimmed();
    QString& target = cell(index.row(), index.column());
    if (target == text)
        return false;
    target = text;
    emit dataChanged(index, index);
    if (index.row() == rowCount() - 1 && !text.isEmpty())
        insertRows(rowCount(), 1);
    return true;
}

bool FlowTableModel::insertRows(int row, int count, const QModelIndex& parent)
{
    if (parent.isValid() || row < 0 || row > rowCount() || count < 1)
        return false;
    beginInsertRows(QModelIndex(), row, row + count - 1);
    m_rows.insert(m_rows.begin() + row, std::size_t(count), FlowRow{});
    endInsertRows();
    return true;
}

bool FlowTableModel::removeRows(int row, int count, const QModelIndex& parent)
{
    const int last = std::min(row + count, rowCount() - 1) - 1;
    if (parent.isValid() || row < 0 || last < row)
        return false;
    beginRemoveRows(QModelIndex(), row, last);
    m_rows.erase(m_rows.begin() + row, m_rows.begin() + last + 1);
    endRemoveRows();
    return true;
}

std::vector<FlowRow> FlowTableModel::rows() const
{
    return {m_rows.begin(), m_rows.end() - 1};
}

void FlowTableModel::setRows(std::vector<FlowRow> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    m_rows.emplace_back();
    endResetModel();
}

QString FlowTableModel::cellProblem(int row, int column) const
{
    if (isBlank(row))
        return {};
    const QString& text = cell(row, column);
    double value = 0;
    QDate date;
    switch (column) {
    case Date:
        return dateProblem(text, date);
    case Amount:
        return amountProblem(text, value);
    default:
        return countProblem(text, value);
    }
}

FlowReading FlowTableModel::read() const
{
    FlowReading reading;
    Flows& flows = reading.flows;
    FlowProblem& problem = reading.problem;
    int firstDated = -1;
    int firstUndated = -1;
    qint64 total = 0;
    const int rows = rowCount();
    for (int row = 0; row < rows; ++row) {
        if (isBlank(row))
            continue;
        const FlowRow& flow = m_rows[std::size_t(row)];
        double amount = 0;
        double count = 1;
        QDate date;
        for (const auto& [column, text] : {std::pair{int(Date), dateProblem(flow.date, date)},
                                           std::pair{int(Amount), amountProblem(flow.amount, amount)},
                                           std::pair{int(Count), countProblem(flow.count, count)}}) {
            if (!text.isEmpty()) {
                problem = {row, column, text};
                return reading;
            }
        }
        const bool dated = date.isValid();
        int& first = dated ? firstDated : firstUndated;
        if (first < 0)
            first = row;
        if (firstDated >= 0 && firstUndated >= 0) {
            problem.row = row;
            problem.text = dated ? tr("Row %1 has a date and row %2 has none: either every row has a date or none has.")
                                       .arg(row + 1)
                                       .arg(firstUndated + 1)
                                 : tr("Row %1 has no date and row %2 has one: either every row has a date or none has.")
                                       .arg(row + 1)
                                       .arg(firstDated + 1);
            return reading;
        }
        if (dated && count != 1) {
            problem = {row, Count, tr("A dated row is one flow: its count must be 1.")};
            return reading;
        }
        // Past the limit the rows are still checked, so that a problem of a
        // row is found before the list's.
        total += qint64(count);
        if (total > maxFlows)
            continue;
        flows.values.insert(flows.values.end(), std::size_t(count), amount);
        if (dated)
            flows.days.push_back(double(date.toJulianDay()));
    }
    if (total > maxFlows)
        problem.text = tr("The list holds more than %1 flows, counts included; it takes at most %1.")
                           .arg(QLocale().toString(qlonglong(maxFlows)));
    else if (total == 0)
        problem.text = tr("The list has no flows: type an amount in a row.");
    return reading;
}

PasteOutcome FlowTableModel::paste(const QString& text, int row)
{
    PasteOutcome outcome;
    const QStringList lines = text.split(QLatin1Char('\n'));
    std::vector<FlowRow> pasted;
    pasted.reserve(std::size_t(lines.size()));
    // Lines numbered as in the pasted text, blank lines counted.
    std::vector<int> lineNumbers;
    int firstDated = -1;
    int firstUndated = -1;
    const auto lineName = [&](int index) { return lineNumbers[std::size_t(index)]; };
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty())
            continue;
        QStringList cells = line.split(QLatin1Char('\t'));
        for (QString& cell : cells)
            cell = cell.trimmed();
        FlowRow flow;
        switch (cells.size()) {
        case 1:
            flow.amount = cells[0];
            break;
        case 2:
            if (!app::isNumeric(cells[0]) && readDate(cells[0]).isValid())
                flow = {cells[0], cells[1], {}};
            else
                flow = {{}, cells[0], cells[1]};
            break;
        case 3:
            flow = {cells[0], cells[1], cells[2]};
            break;
        default:
            outcome.refusal = tr("Line %1 of the pasted text has %2 cells; a row takes an amount; an amount and a "
                                 "count; a date and an amount; or a date, an amount and a count.")
                                  .arg(i + 1)
                                  .arg(cells.size());
            return outcome;
        }
        int& first = flow.date.isEmpty() ? firstUndated : firstDated;
        if (first < 0)
            first = int(pasted.size());
        lineNumbers.push_back(int(i) + 1);
        pasted.push_back(std::move(flow));
    }
    // A pasted line of the other kind than an earlier pasted line, or than the
    // list's first row, is named with it.
    int later = -1;
    QString other;
    if (firstDated >= 0 && firstUndated >= 0) {
        later = std::max(firstDated, firstUndated);
        other = tr("line %1").arg(lineName(std::min(firstDated, firstUndated)));
    } else if (!pasted.empty()) {
        const auto listed =
            std::find_if(m_rows.begin(), m_rows.end(), [](const FlowRow& r) { return !cash_flows::isBlank(r); });
        if (listed != m_rows.end() && listed->date.isEmpty() != pasted.front().date.isEmpty()) {
            later = 0;
            other = tr("row %1 of the list").arg(listed - m_rows.begin() + 1);
        }
    }
    if (later >= 0) {
        const QString line = QString::number(lineName(later));
        outcome.refusal =
            pasted[std::size_t(later)].date.isEmpty()
                ? tr("Line %1 of the pasted text has no date and %2 has one: either every row has a date or none has.")
                      .arg(line, other)
                : tr("Line %1 of the pasted text has a date and %2 has none: either every row has a date or none has.")
                      .arg(line, other);
        return outcome;
    }
    if (qint64(m_rows.size()) - 1 + qint64(pasted.size()) > maxFlows) {
        outcome.refusal = tr("The list would hold %1 rows; it takes at most %2 flows.")
                              .arg(QLocale().toString(qlonglong(m_rows.size()) - 1 + qlonglong(pasted.size())),
                                   QLocale().toString(qlonglong(maxFlows)));
        return outcome;
    }
    if (pasted.empty())
        return outcome;
    row = std::clamp(row, 0, rowCount() - 1);
    outcome.firstRow = row;
    outcome.rowCount = int(pasted.size());
    beginInsertRows(QModelIndex(), row, row + outcome.rowCount - 1);
    m_rows.insert(m_rows.begin() + row, std::make_move_iterator(pasted.begin()), std::make_move_iterator(pasted.end()));
    endInsertRows();
    for (int r = row; r < row + outcome.rowCount; ++r) {
        for (int column = 0; column < ColumnCount; ++column) {
            const QString problem = cellProblem(r, column);
            if (problem.isEmpty())
                continue;
            if (outcome.badCells++ == 0)
                outcome.firstBadCell = {r, column, problem};
        }
    }
    return outcome;
}

QString FlowTableModel::problemText(const FlowProblem& problem) const
{
    if (problem.column >= 0)
        return tr("Row %1, %2: %3")
            .arg(problem.row + 1)
            .arg(columnTitles(app::CellText::Shown).value(problem.column), problem.text);
    return problem.text;
}

QDate FlowTableModel::readDate(const QString& text)
{
    const QDate iso = QDate::fromString(text, Qt::ISODate);
    if (iso.isValid())
        return iso;
    const QLocale locale;
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    const QDate date = locale.toDate(text, format);
    if (date.isValid() && !format.contains(QLatin1String("yyyy")) && date.year() < 1950)
        return date.addYears(100);
    return date;
}

QStringList FlowTableModel::columnTitles(app::CellText text) const
{
    if (text == app::CellText::File)
        return {QStringLiteral("Date"), QStringLiteral("Amount"), QStringLiteral("Count")};
    return {tr("Date"), tr("Amount"), tr("Count")};
}

// A file holds what can be read in its one spelling (ISO dates, "." decimals,
// a count of 1 written out); a cell that cannot be read, as typed.
QStringList FlowTableModel::cells(int row, app::CellText text) const
{
    const FlowRow& flow = m_rows[std::size_t(row)];
    if (text == app::CellText::Shown)
        return {flow.date, flow.amount, flow.count};
    QDate date;
    double amount = 0;
    double count = 1;
    const bool blank = isBlank(row);
    return {dateProblem(flow.date, date).isEmpty() ? date.toString(Qt::ISODate) : flow.date,
            !blank && amountProblem(flow.amount, amount).isEmpty() ? app::numberToText(amount, app::fileSymbols())
                                                                   : flow.amount,
            !blank && countProblem(flow.count, count).isEmpty() ? app::numberToText(count, app::fileSymbols())
                                                                : flow.count};
}

}  // namespace cash_flows
