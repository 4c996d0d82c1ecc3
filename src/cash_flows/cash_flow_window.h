// The cash-flow window: a list of flows, typed in place, pasted from a
// spreadsheet or opened from a CSV file, and what the library says of them at
// the rates typed: NPV, every internal rate with how their count is known,
// MIRR and the paybacks. "Calculate" reads the fields and the list, calls the
// library and fills the results; any edit clears them, so no result outlives
// its flows. The list is a document: its file name is in the title, and
// nothing in it is lost without asking. Every handler runs through the shared
// error path.
#pragma once

#include "app/document.h"
#include "app/platform.h"
#include "app/table_print.h"
#include "app/window_slot.h"
#include "cash_flows/flow_table_model.h"
#include "chart/chart_window.h"
#include "finance/cash_flows.h"

#include <QMainWindow>

class QAction;
class QFormLayout;
class QLabel;
class QLineEdit;
class QTableView;

namespace cash_flows {

class NpvCurve;

class CashFlowWindow : public QMainWindow, public app::PrintSource {
    Q_OBJECT
public:
    explicit CashFlowWindow(app::Platform& platform, QWidget* parent = nullptr);

    // Shows the flows of a CSV file (Date,Amount,Count) in place of the list,
    // without asking. A file that cannot be read is reported, naming it and its
    // line, and the list stays as it was. Returns whether the file was opened.
    bool openFile(const QString& fileName);

    // How many rates there are and how that is known, in one sentence.
    static QString rateSentence(const finance::RateAnalysis& analysis);

    // The flows, the rates typed and the results on show.
    app::PrintDocument printDocument() const override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void addField(QFormLayout* form, const QString& caption, QLineEdit* field, const char* name);
    QAction* addRowAction(const QString& caption, const QKeySequence& key, const char* name);
    void markChanged();
    void clearResults();
    void warn(const QString& text);
    void showProblem(const FlowProblem& problem);
    bool readRate(QLineEdit* field, double& rate);
    bool readFile(const QString& fileName, const QByteArray& contents);
    bool writeFile(const QString& fileName);

    void insertRow();
    void deleteRows();
    void paste();
    void calculate();
    void showChart();

    app::Platform& m_platform;
    FlowTableModel* m_model = nullptr;
    QTableView* m_table = nullptr;
    QLineEdit* m_rate = nullptr;
    QLineEdit* m_financeRate = nullptr;
    QLineEdit* m_reinvestmentRate = nullptr;
    QLineEdit* m_npv = nullptr;
    QLineEdit* m_irr = nullptr;
    QLabel* m_sentence = nullptr;
    QLineEdit* m_mirr = nullptr;
    QLineEdit* m_payback = nullptr;
    QLineEdit* m_discountedPayback = nullptr;
    app::Document m_document;

    // What the results were calculated from, for the chart.
    bool m_calculated = false;
    QDateTime m_calculatedAt;
    Flows m_flows;
    std::vector<double> m_rates;
    double m_npvRate = 0;
    NpvCurve* m_curve = nullptr;
    app::WindowSlot<chart::ChartWindow> m_chart;
};

}  // namespace cash_flows
