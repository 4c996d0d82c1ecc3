#include "comparison/comparison_model.h"

#include "app/number_text.h"
#include "comparison/pins.h"
#include "loan_planner/plan_model.h"

#include <QCoreApplication>
#include <QDate>
#include <QFont>
#include <QLocale>

#include <algorithm>

namespace comparison {

namespace {

// English in files, translated on screen.
constexpr const char* rowTitles[ComparisonModel::RowCount] = {
    QT_TRANSLATE_NOOP("comparison::ComparisonModel", "Amount"),
    QT_TRANSLATE_NOOP("comparison::ComparisonModel", "Annual rate"),
    QT_TRANSLATE_NOOP("comparison::ComparisonModel", "Payments per year"),
    QT_TRANSLATE_NOOP("comparison::ComparisonModel", "Regular payment"),
    QT_TRANSLATE_NOOP("comparison::ComparisonModel", "Number of payments"),
    QT_TRANSLATE_NOOP("comparison::ComparisonModel", "Last payment date"),
    QT_TRANSLATE_NOOP("comparison::ComparisonModel", "Total interest"),
    QT_TRANSLATE_NOOP("comparison::ComparisonModel", "Total paid"),
    QT_TRANSLATE_NOOP("comparison::ComparisonModel", "Fees"),
    QT_TRANSLATE_NOOP("comparison::ComparisonModel", "APR (actual/365)"),
    QT_TRANSLATE_NOOP("comparison::ComparisonModel", "Interest saved"),
};
constexpr const char* nameTitle = QT_TRANSLATE_NOOP("comparison::ComparisonModel", "Name");

// A percentage with the decimals it needs, two at least: "6.50%", "6.125%".
QString percentText(double fraction, int maxDecimals)
{
    const QLocale locale;
    QString text = locale.toString(fraction * 100, 'f', maxDecimals);
    const qsizetype point = text.lastIndexOf(locale.decimalPoint());
    if (point >= 0) {
        const qsizetype keep = point + locale.decimalPoint().size() + 2;
        while (text.size() > keep && text.endsWith(QLatin1Char('0')))
            text.chop(1);
    }
    return ComparisonModel::tr("%1%").arg(text);
}

}  // namespace

ComparisonModel::ComparisonModel(const Pins& pins, QObject* parent) : QAbstractTableModel(parent), m_pins(pins)
{
    connect(&pins, &Pins::changed, this, &ComparisonModel::refresh);
    refresh();
}

QString ComparisonModel::mark()
{
    return QStringLiteral("\u2605");
}

QString ComparisonModel::markMeaning()
{
    return tr("%1 marks the best value in a row: the lowest cost, the earliest last payment, the most interest saved.")
        .arg(mark());
}

void ComparisonModel::refresh()
{
    beginResetModel();
    m_shown = app::numberSymbols();
    m_dateFormat = loan_planner::shownDateFormat();
    const int loans = m_pins.count();
    m_best.assign(RowCount, std::vector<bool>(std::size_t(loans), false));
    // A weekly payment is not better than a monthly one for being smaller.
    bool samePaymentsPerYear = true;
    for (int loan = 1; loan < loans; ++loan)
        if (m_pins.at(loan).terms.paymentsPerYear != m_pins.at(0).terms.paymentsPerYear)
            samePaymentsPerYear = false;
    for (int row = 0; row < RowCount; ++row) {
        if (row == RegularPayment && !samePaymentsPerYear)
            continue;
        std::vector<std::optional<double>> ranks;
        for (int loan = 0; loan < loans; ++loan)
            ranks.push_back(rank(row, loan));
        std::vector<double> present;
        for (const auto& value : ranks)
            if (value)
                present.push_back(*value);
        // A best needs a worse value beside it.
        if (present.size() < 2)
            continue;
        const auto [low, high] = std::minmax_element(present.begin(), present.end());
        if (*low == *high)
            continue;
        for (int loan = 0; loan < loans; ++loan)
            m_best[std::size_t(row)][std::size_t(loan)] = ranks[std::size_t(loan)] == *low;
    }
    endResetModel();
}

std::optional<double> ComparisonModel::rank(int row, int loan) const
{
    const loan_planner::PinnedLoan& pinned = m_pins.at(loan);
    const finance::LoanPlan& plan = pinned.plan;
    switch (row) {
    case AnnualRate: return pinned.terms.annualRate;
    case RegularPayment: return double(plan.regularPayment);
    case LastPaymentDate:
        return plan.rows.empty() ? std::nullopt : std::optional<double>(double(plan.rows.back().date));
    case TotalInterest: return double(plan.totalInterest);
    case TotalPaid: return double(plan.totalPaid());
    case Fees: return double(plan.fees);
    case Apr: return pinned.apr;
    case InterestSaved: return -double(plan.interestSaved);
    default: return std::nullopt;
    }
}

bool ComparisonModel::isBest(int row, int loan) const
{
    return row >= 0 && row < RowCount && loan >= 0 && loan < m_pins.count() &&
           m_best[std::size_t(row)][std::size_t(loan)];
}

QString ComparisonModel::rowTitle(int row, app::CellText text) const
{
    return text == app::CellText::File ? QString::fromLatin1(rowTitles[row]) : tr(rowTitles[row]);
}

QString ComparisonModel::figureText(int row, int loan, app::CellText text) const
{
    const loan_planner::PinnedLoan& pinned = m_pins.at(loan);
    const finance::LoanPlan& plan = pinned.plan;
    const bool file = text == app::CellText::File;
    const finance::NumberSymbols& symbols = file ? app::fileSymbols() : m_shown;
    const auto count = [file](qlonglong n) { return file ? QString::number(n) : QLocale().toString(n); };
    QString figure;
    switch (row) {
    case Amount: figure = app::moneyText(plan.amount, symbols); break;
    case AnnualRate:
        figure = file ? app::numberToText(pinned.terms.annualRate, symbols) : percentText(pinned.terms.annualRate, 6);
        break;
    case PaymentsPerYear: figure = count(pinned.terms.paymentsPerYear); break;
    case RegularPayment: figure = app::moneyText(plan.regularPayment, symbols); break;
    case Payments: figure = count(qlonglong(plan.rows.size())); break;
    case LastPaymentDate:
        if (!plan.rows.empty()) {
            const QDate date = loan_planner::dateOf(plan.rows.back().date);
            figure = file ? date.toString(Qt::ISODate) : QLocale().toString(date, m_dateFormat);
        }
        break;
    case TotalInterest: figure = app::moneyText(plan.totalInterest, symbols); break;
    case TotalPaid: figure = app::moneyText(plan.totalPaid(), symbols); break;
    case Fees: figure = app::moneyText(plan.fees, symbols); break;
    case Apr:
        if (pinned.apr)
            figure = file ? app::numberToText(*pinned.apr, symbols) : percentText(*pinned.apr, 4);
        else if (!file)
            figure = tr("none");
        break;
    case InterestSaved: figure = app::moneyText(plan.interestSaved, symbols); break;
    default: break;
    }
    return figure;
}

QString ComparisonModel::shownText(int row, int loan) const
{
    const QString figure = figureText(row, loan, app::CellText::Shown);
    return isBest(row, loan) ? mark() + QLatin1Char(' ') + figure : figure;
}

int ComparisonModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : RowCount;
}

int ComparisonModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_pins.count();
}

QVariant ComparisonModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int row = index.row();
    const int loan = index.column();
    switch (role) {
    case Qt::DisplayRole: return shownText(row, loan);
    case Qt::TextAlignmentRole: return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::FontRole:
        if (isBest(row, loan)) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    case Qt::ToolTipRole: return isBest(row, loan) ? markMeaning() : QVariant();
    case Qt::AccessibleTextRole:
        return isBest(row, loan) ? tr("%1, best").arg(figureText(row, loan, app::CellText::Shown)) : QVariant();
    default: return {};
    }
}

QVariant ComparisonModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section >= 0 && section < RowCount ? rowTitle(section, app::CellText::Shown) : QVariant();
    return section >= 0 && section < m_pins.count() ? m_pins.at(section).name : QVariant();
}

QStringList ComparisonModel::columnTitles(app::CellText text) const
{
    QStringList titles{text == app::CellText::File ? QString::fromLatin1(nameTitle) : tr(nameTitle)};
    for (int loan = 0; loan < m_pins.count(); ++loan)
        titles.append(m_pins.at(loan).name);
    return titles;
}

int ComparisonModel::tableRowCount() const
{
    return RowCount;
}

QStringList ComparisonModel::cells(int row, app::CellText text) const
{
    QStringList texts{rowTitle(row, text)};
    for (int loan = 0; loan < m_pins.count(); ++loan)
        texts.append(text == app::CellText::File ? figureText(row, loan, text) : shownText(row, loan));
    return texts;
}

}  // namespace comparison
