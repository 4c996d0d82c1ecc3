#include "cash_flows/npv_curve.h"

#include "app/number_text.h"
#include "app/vector_state.h"
#include "cash_flows/percent_text.h"
#include "finance/cash_flows.h"

#include <algorithm>
#include <cmath>

namespace cash_flows {

namespace {

constexpr int samples = 200;

// A margin of a quarter of the rates' spread, at least 5 points and a tenth of
// the largest rate; never closer to -100% than halfway from the lowest rate.
std::pair<double, double> rateRange(const std::vector<double>& rates, double rate)
{
    if (rates.empty())
        return {std::max(std::min(0.0, rate - 0.05), (rate - 1) / 2), std::max(0.3, rate + 0.1)};
    const double low = rates.front();
    const double high = rates.back();
    const double margin = std::max({(high - low) / 4, 0.05, std::abs(high) / 10});
    return {std::max(low - margin, (low - 1) / 2), high + margin};
}

}  // namespace

NpvCurve::NpvCurve(QObject* parent) : QAbstractListModel(parent) {}

void NpvCurve::plot(const Flows& flows, const std::vector<double>& rates, double rate)
{
    const auto [low, high] = rateRange(rates, rate);
    // Each rate to draw, and whether it is one of the rates found.
    std::vector<std::pair<double, bool>> at;
    for (const double r : rates)
        at.emplace_back(r, true);
    for (int i = 0; i <= samples; ++i)
        at.emplace_back(low + (high - low) * i / samples, false);
    std::sort(at.begin(), at.end());
    std::vector<QPointF> points;
    QList<qsizetype> found;
    points.reserve(at.size());
    app::atLibrarySpeed([&] {
        for (const auto& [r, isFound] : at) {
            try {
                const double npv = flows.days.empty() ? finance::NetPresentValue(r, flows.values)
                                                      : finance::NetPresentValue(r, flows.values, flows.days);
                if (isFound)
                    found.append(qsizetype(points.size()));
                points.emplace_back(r * 100, npv);
            } catch (const finance::RuntimeError&) {
                // Too large to draw: the line leaves the plot there.
            }
        }
    });
    beginResetModel();
    m_points = std::move(points);
    m_found = std::move(found);
    endResetModel();
}

void NpvCurve::clear()
{
    beginResetModel();
    m_points.clear();
    m_found.clear();
    endResetModel();
}

int NpvCurve::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_points.size());
}

QVariant NpvCurve::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    return pointText(index.row());
}

QString NpvCurve::horizontalTitle() const
{
    return tr("Rate (%)");
}

QString NpvCurve::verticalTitle() const
{
    return tr("NPV");
}

QString NpvCurve::title() const
{
    return tr("NPV Chart");
}

QString NpvCurve::pointText(qsizetype i) const
{
    const QPointF& p = m_points[std::size_t(i)];
    return tr("Rate %1, NPV %2").arg(percentText(p.x() / 100), app::format(p.y(), "standard"));
}

}  // namespace cash_flows
