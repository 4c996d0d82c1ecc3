// The net present value of a list's flows over the rate, for the NPV chart:
// sampled over rates that show every internal rate found, which are marked.
#pragma once

#include "cash_flows/flow_table_model.h"
#include "chart/plot_data.h"

#include <QAbstractListModel>

#include <vector>

namespace cash_flows {

class NpvCurve : public QAbstractListModel, public chart::PlotData {
    Q_OBJECT
public:
    explicit NpvCurve(QObject* parent = nullptr);

    // Samples the flows' NPV from below the lowest of rates to above the
    // highest, each of them a point, highlighted; without rates, from 0% (or
    // below rate) to 30% (or above rate). Rates where the NPV overflows are
    // left out.
    void plot(const Flows& flows, const std::vector<double>& rates, double rate);
    void clear();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    QString horizontalTitle() const override;
    QString verticalTitle() const override;
    qsizetype pointCount() const override { return qsizetype(m_points.size()); }
    QPointF point(qsizetype i) const override { return m_points[std::size_t(i)]; }
    QString pointText(qsizetype i) const override;
    QString title() const override;
    // The points of the rates found.
    QList<qsizetype> highlighted() const override { return m_found; }

private:
    std::vector<QPointF> m_points;  // rate in percent, NPV
    QList<qsizetype> m_found;
};

}  // namespace cash_flows
