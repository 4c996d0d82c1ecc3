#include "cash_flows/cash_flow_window.h"

#include "app/error_guard.h"
#include "app/number_text.h"
#include "app/safe_save.h"
#include "app/vector_state.h"
#include "cash_flows/npv_curve.h"
#include "cash_flows/percent_text.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIODevice>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <optional>

namespace cash_flows {

namespace {

QString signChangesText(int changes)
{
    switch (changes) {
    case 0:
        return CashFlowWindow::tr("the flows never change sign");
    case 1:
        return CashFlowWindow::tr("the flows change sign once");
    case 2:
        return CashFlowWindow::tr("the flows change sign twice");
    default:
        return CashFlowWindow::tr("the flows change sign %1 times").arg(QLocale().toString(changes));
    }
}

QString rateCountText(std::size_t count)
{
    switch (count) {
    case 1:
        return CashFlowWindow::tr("One rate");
    case 2:
        return CashFlowWindow::tr("Two rates");
    default:
        return CashFlowWindow::tr("%1 rates").arg(QLocale().toString(qulonglong(count)));
    }
}

// The edges of a stretch of rates with the digits that tell them apart.
QString edgeText(double rate)
{
    return QLocale().toString(rate * 100, 'g', 12) + QLatin1Char('%');
}

QString periodsText(const std::optional<double>& periods)
{
    return periods ? app::format(*periods, "standard") : CashFlowWindow::tr("never");
}

QLineEdit* resultField()
{
    auto* field = new QLineEdit;
    field->setReadOnly(true);
    return field;
}

// One file line's cells: "" or an ISO date, an amount, "" or a count.
QString readFileLine(const QString& line, FlowRow& row, bool& dated, double& flows)
{
    const QStringList cells = line.split(QLatin1Char(','));
    if (cells.size() != 3)
        return CashFlowWindow::tr("it has %1 fields, not the three of Date,Amount,Count").arg(cells.size());
    const QString date = cells[0].trimmed();
    const QString amount = cells[1].trimmed();
    const QString count = cells[2].trimmed();
    dated = !date.isEmpty();
    if (dated && !QDate::fromString(date, Qt::ISODate).isValid())
        return CashFlowWindow::tr("\"%1\" is not a date written as 2027-01-31").arg(date);
    const auto number = [](const QString& text, double& value) {
        if (!finance::IsNumeric(text.toStdString(), app::fileSymbols()))
            return false;
        try {
            value = finance::textToNumber(text.toStdString(), app::fileSymbols());
        } catch (const finance::RuntimeError&) {
            return false;
        }
        return true;
    };
    double value = 0;
    if (!number(amount, value))
        return CashFlowWindow::tr("\"%1\" is not an amount written with \".\" for decimals").arg(amount);
    row.date = date;
    row.amount = app::numberToText(value);
    flows = 1;
    if (count.isEmpty())
        return {};
    if (!number(count, value) || value < 1 || value > double(maxFlows) || value != std::floor(value))
        return CashFlowWindow::tr("the count \"%1\" is not a whole number from 1 to %2")
            .arg(count, QLocale().toString(qlonglong(maxFlows)));
    if (dated && value != 1)
        return CashFlowWindow::tr("a dated line is one flow: its count must be 1");
    row.count = app::numberToText(value);
    flows = value;
    return {};
}

}  // namespace

CashFlowWindow::CashFlowWindow(app::Platform& platform, QWidget* parent)
    : QMainWindow(parent),
      m_platform(platform),
      m_document(this, platform, tr("Cash Flows"), {tr("Open Cash Flows"), tr("CSV files (*.csv)")},
                 {tr("Save Cash Flows"), tr("CSV files (*.csv)"), QStringLiteral("csv")},
                 [this](const QString& fileName, const QByteArray& contents) { return readFile(fileName, contents); },
                 [this](const QString& fileName) { return writeFile(fileName); })
{
    setAttribute(Qt::WA_DeleteOnClose);
    m_model = new FlowTableModel(this);
    m_curve = new NpvCurve(this);

    m_table = new QTableView;
    m_table->setObjectName(QStringLiteral("table"));
    m_table->setModel(m_model);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setColumnWidth(FlowTableModel::Date, m_table->fontMetrics().horizontalAdvance(QStringLiteral("2027-01-31")) + 24);
    m_table->setColumnWidth(FlowTableModel::Amount, m_table->fontMetrics().horizontalAdvance(QStringLiteral("-1,000,000,000.00")) + 24);
    auto* listLabel = new QLabel(tr("F&lows"));
    listLabel->setBuddy(m_table);
    m_table->setAccessibleName(tr("Flows"));

    QAction* insert = addRowAction(tr("&Insert Row"), Qt::Key_Insert, "insertRowAction");
    QAction* remove = addRowAction(tr("&Delete Rows"), QKeySequence(Qt::CTRL | Qt::Key_Delete), "deleteRowsAction");
    QAction* pasteAction = addRowAction(tr("&Paste"), QKeySequence::Paste, "pasteAction");
    app::addTableExport(m_table, *m_model, platform);

    m_rate = new QLineEdit(QStringLiteral("10"));
    m_financeRate = new QLineEdit(QStringLiteral("10"));
    m_reinvestmentRate = new QLineEdit(QStringLiteral("10"));
    auto* inputs = new QFormLayout;
    addField(inputs, tr("&Rate (%)"), m_rate, "rate");
    addField(inputs, tr("Fi&nance rate (%)"), m_financeRate, "financeRate");
    addField(inputs, tr("Rein&vestment rate (%)"), m_reinvestmentRate, "reinvestmentRate");
    auto* calculateButton = new QPushButton(tr("&Calculate"));
    calculateButton->setObjectName(QStringLiteral("calculate"));
    auto* chartButton = new QPushButton(tr("NPV C&hart"));
    chartButton->setObjectName(QStringLiteral("chart"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(calculateButton);
    buttons->addWidget(chartButton);
    buttons->addStretch();
    inputs->addRow(buttons);

    m_npv = resultField();
    m_irr = resultField();
    m_mirr = resultField();
    m_payback = resultField();
    m_discountedPayback = resultField();
    m_sentence = new QLabel;
    m_sentence->setObjectName(QStringLiteral("rateSentence"));
    m_sentence->setWordWrap(true);
    m_sentence->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    auto* results = new QFormLayout;
    addField(results, tr("NPV"), m_npv, "npv");
    addField(results, tr("IRR"), m_irr, "irr");
    results->addRow(QString(), m_sentence);
    addField(results, tr("MIRR"), m_mirr, "mirr");
    addField(results, tr("Payback"), m_payback, "payback");
    addField(results, tr("Discounted payback"), m_discountedPayback, "discountedPayback");

    auto* fields = new QHBoxLayout;
    fields->addLayout(inputs, 1);
    fields->addLayout(results, 1);
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(listLabel);
    layout->addWidget(m_table, 1);
    layout->addLayout(fields);
    setCentralWidget(central);

    QMenu* file = menuBar()->addMenu(tr("&File"));
    m_document.addActions(file);
    file->addSeparator();
    QAction* close = file->addAction(tr("&Close"));
    close->setShortcut(QKeySequence::Close);
    close->setObjectName(QStringLiteral("closeAction"));
    // The list's own actions, Copy and the CSV export with them.
    menuBar()->addMenu(tr("&Edit"))->addActions(m_table->actions());
    // Printing joins the list's context menu and the File menu, before Close.
    const app::PrintActions printing = app::addPrintActions(m_table, *this, platform);
    file->insertActions(close, {printing.print, printing.exportPdf});
    file->insertSeparator(close);

    auto& messages = platform.messages;
    connect(close, &QAction::triggered, this, &QWidget::close);
    connect(insert, &QAction::triggered, this, app::guarded(this, messages, &CashFlowWindow::insertRow));
    connect(remove, &QAction::triggered, this, app::guarded(this, messages, &CashFlowWindow::deleteRows));
    connect(pasteAction, &QAction::triggered, this, app::guarded(this, messages, &CashFlowWindow::paste));
    connect(calculateButton, &QPushButton::clicked, this, app::guarded(this, messages, &CashFlowWindow::calculate));
    connect(chartButton, &QPushButton::clicked, this, app::guarded(this, messages, &CashFlowWindow::showChart));
    for (QLineEdit* field : {m_rate, m_financeRate, m_reinvestmentRate}) {
        connect(field, &QLineEdit::textEdited, this, &CashFlowWindow::clearResults);
        connect(field, &QLineEdit::returnPressed, this, app::guarded(this, messages, &CashFlowWindow::calculate));
    }
    connect(m_model, &QAbstractItemModel::dataChanged, this, &CashFlowWindow::markChanged);
    connect(m_model, &QAbstractItemModel::rowsInserted, this, &CashFlowWindow::markChanged);
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, &CashFlowWindow::markChanged);

    resize(760, 600);
}

void CashFlowWindow::addField(QFormLayout* form, const QString& caption, QLineEdit* field, const char* name)
{
    auto* label = new QLabel(caption);
    label->setBuddy(field);
    field->setObjectName(QLatin1String(name));
    field->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    form->addRow(label, field);
}

// An action of the list, in its context menu and the Edit menu; its key works
// while the list has the focus, so the fields keep their own Paste.
QAction* CashFlowWindow::addRowAction(const QString& caption, const QKeySequence& key, const char* name)
{
    auto* action = new QAction(caption, m_table);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(key);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    m_table->addAction(action);
    return action;
}

void CashFlowWindow::markChanged()
{
    setWindowModified(true);
    clearResults();
}

void CashFlowWindow::clearResults()
{
    for (QLineEdit* field : {m_npv, m_irr, m_mirr, m_payback, m_discountedPayback})
        field->clear();
    m_irr->setAccessibleDescription(QString());
    m_sentence->clear();
    if (m_calculated) {
        m_calculated = false;
        m_flows = {};
        m_rates.clear();
        m_curve->clear();
    }
}

void CashFlowWindow::warn(const QString& text)
{
    app::warn(m_platform.messages, this, tr("Cash Flows"), text);
}

// Names the problem and puts the cursor on its cell or row.
void CashFlowWindow::showProblem(const FlowProblem& problem)
{
    warn(m_model->problemText(problem));
    if (problem.row < 0)
        return;
    m_table->setCurrentIndex(m_model->index(problem.row, std::max(problem.column, 0)));
    m_table->setFocus();
}

bool CashFlowWindow::readRate(QLineEdit* field, double& rate)
{
    const QString text = field->text().trimmed();
    const QString caption = field->accessibleName();
    if (text.isEmpty() || !app::isNumeric(text)) {
        warn(text.isEmpty() ? tr("Type a rate in \"%1\".").arg(caption)
                            : tr("\"%1\" in \"%2\" is not a number.").arg(text, caption));
        field->setFocus();
        return false;
    }
    rate = app::readNumber(text) / 100;
    return true;
}

QString CashFlowWindow::rateSentence(const finance::RateAnalysis& analysis)
{
    const QString signs = signChangesText(analysis.signChanges);
    const std::size_t count = analysis.rates.size();
    switch (analysis.certainty) {
    case finance::RateCertainty::SignRule:
        if (count == 1)
            return tr("Exactly one rate: %1.").arg(signs);
        if (analysis.signChanges == 0)
            return tr("No rate makes the NPV zero: %1.").arg(signs);
        return tr("No rate found: %1, and the one rate lies beyond the rates searched.").arg(signs);
    case finance::RateCertainty::Isolated:
        switch (count) {
        case 0:
            return tr("No rate makes the NPV zero.");
        case 1:
            return tr("One rate: NPV is zero there alone; %1.").arg(signs);
        case 2:
            return tr("Two rates: NPV is zero at both; %1.").arg(signs);
        default:
            return tr("%1: NPV is zero at each; %2.").arg(rateCountText(count), signs);
        }
    case finance::RateCertainty::Unsettled:
        break;
    }
    double low = analysis.unsettled.empty() ? 0 : analysis.unsettled.front().low;
    double high = low;
    for (const finance::RateInterval& interval : analysis.unsettled) {
        low = std::min(low, interval.low);
        high = std::max(high, interval.high);
    }
    if (count == 0)
        return tr("No rate found, but the count could not be settled: rates may lie between %1 and %2; %3.")
            .arg(edgeText(low), edgeText(high), signs);
    return tr("%1 found, but the count could not be settled: more may lie between %2 and %3; %4.")
        .arg(rateCountText(count), edgeText(low), edgeText(high), signs);
}

void CashFlowWindow::calculate()
{
    clearResults();
    double rate = 0;
    double financeRate = 0;
    double reinvestmentRate = 0;
    if (!readRate(m_rate, rate) || !readRate(m_financeRate, financeRate) ||
        !readRate(m_reinvestmentRate, reinvestmentRate))
        return;
    FlowReading reading = m_model->read();
    if (!reading.problem.text.isEmpty()) {
        showProblem(reading.problem);
        return;
    }
    const std::vector<double>& values = reading.flows.values;
    const std::vector<double>& days = reading.flows.days;
    const bool dated = !days.empty();
    const bool allZero = std::all_of(values.begin(), values.end(), [](double v) { return v == 0; });
    const bool mirrDefined = !dated && values.size() > 1 &&
                             std::any_of(values.begin(), values.end(), [](double v) { return v < 0; }) &&
                             std::any_of(values.begin(), values.end(), [](double v) { return v > 0; });
    double npv = 0;
    finance::RateAnalysis analysis;
    double mirr = 0;
    std::optional<double> payback;
    std::optional<double> discountedPayback;
    // Everything is computed before anything is shown: an error shows nothing.
    app::atLibrarySpeed([&] {
        npv = dated ? finance::NetPresentValue(rate, values, days) : finance::NetPresentValue(rate, values);
        if (!allZero)
            analysis = dated ? finance::analyzeRates(values, days) : finance::analyzeRates(values);
        if (mirrDefined)
            mirr = finance::ModifiedInternalRate(values, financeRate, reinvestmentRate);
        payback = dated ? finance::payback(values, days) : finance::payback(values);
        discountedPayback = dated ? finance::discountedPayback(rate, values, days)
                                  : finance::discountedPayback(rate, values);
    });

    m_npv->setText(app::format(npv, "standard"));
    QStringList rates;
    for (const double r : analysis.rates)
        rates.append(percentText(r));
    m_irr->setText(allZero ? tr("every rate") : rates.isEmpty() ? tr("none") : rates.join(QStringLiteral("; ")));
    m_sentence->setText(allZero ? tr("Every rate makes the NPV zero: every flow is 0.") : rateSentence(analysis));
    m_irr->setAccessibleDescription(m_sentence->text());
    m_mirr->setText(mirrDefined ? percentText(mirr) : dated ? tr("periodic flows only") : tr("none"));
    m_payback->setText(periodsText(payback));
    m_discountedPayback->setText(periodsText(discountedPayback));

    m_calculated = true;
    m_calculatedAt = QDateTime::currentDateTime();
    m_flows = std::move(reading.flows);
    m_rates = std::move(analysis.rates);
    m_npvRate = rate;
    if (m_chart.get())
        m_curve->plot(m_flows, m_rates, m_npvRate);
}

void CashFlowWindow::showChart()
{
    calculate();
    if (!m_calculated)
        return;
    if (!m_chart.get())
        m_curve->plot(m_flows, m_rates, m_npvRate);
    m_chart.open([this] { return new chart::ChartWindow(*m_curve, *m_curve, this); });
}

void CashFlowWindow::insertRow()
{
    const QModelIndex current = m_table->currentIndex();
    const int row = current.isValid() ? current.row() : m_model->rowCount() - 1;
    m_model->insertRows(row, 1);
    m_table->setCurrentIndex(m_model->index(row, FlowTableModel::Amount));
}

// Every row with a selected cell, else the current row.
void CashFlowWindow::deleteRows()
{
    std::vector<int> rows;
    for (const QItemSelectionRange& range : m_table->selectionModel()->selection())
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows.push_back(row);
    if (rows.empty() && m_table->currentIndex().isValid())
        rows.push_back(m_table->currentIndex().row());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    // From the bottom up, a run of neighbours at a time.
    while (!rows.empty()) {
        const int last = rows.back();
        int first = last;
        while (!rows.empty() && rows.back() == first) {
            rows.pop_back();
            --first;
        }
        m_model->removeRows(first + 1, last - first);
    }
}

void CashFlowWindow::paste()
{
    const QModelIndex current = m_table->currentIndex();
    const PasteOutcome outcome = m_model->paste(QGuiApplication::clipboard()->text(),
                                                current.isValid() ? current.row() : m_model->rowCount() - 1);
    if (!outcome.refusal.isEmpty()) {
        warn(outcome.refusal);
        return;
    }
    if (outcome.rowCount == 0)
        return;
    m_table->setCurrentIndex(m_model->index(outcome.firstRow, FlowTableModel::Amount));
    if (outcome.badCells == 0)
        return;
    showProblem(outcome.firstBadCell);
}

void CashFlowWindow::closeEvent(QCloseEvent* event)
{
    event->setAccepted(m_document.mayClose());
}

bool CashFlowWindow::openFile(const QString& fileName)
{
    return m_document.open(fileName);
}

// The whole file is read before the list is touched.
bool CashFlowWindow::readFile(const QString& fileName, const QByteArray& contents)
{
    const QString shownName = QDir::toNativeSeparators(fileName);
    const QList<QByteArray> lines = contents.split('\n');
    const auto refuse = [&](qsizetype line, const QString& reason) {
        warn(tr("The file %1 could not be opened: line %2: %3.").arg(shownName).arg(line + 1).arg(reason));
        return false;
    };
    QString header = QString::fromUtf8(lines.first()).trimmed();
    if (header.startsWith(QChar(0xFEFF)))
        header.remove(0, 1);
    if (header.compare(QLatin1String("Date,Amount,Count"), Qt::CaseInsensitive) != 0)
        return refuse(0, tr("it is not the header Date,Amount,Count"));
    std::vector<FlowRow> rows;
    rows.reserve(std::size_t(lines.size()));
    std::optional<bool> listDated;
    qint64 flows = 0;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QString line = QString::fromUtf8(lines[i]).trimmed();
        if (line.isEmpty())
            continue;
        FlowRow row;
        bool dated = false;
        double count = 1;
        const QString reason = readFileLine(line, row, dated, count);
        if (!reason.isEmpty())
            return refuse(i, reason);
        if (!listDated)
            listDated = dated;
        if (*listDated != dated)
            return refuse(i, dated ? tr("it has a date and the lines before it have none")
                                   : tr("it has no date and the lines before it have one"));
        flows += qint64(count);
        if (flows > maxFlows)
            return refuse(i, tr("the flows come to more than %1, counts included")
                                 .arg(QLocale().toString(qlonglong(maxFlows))));
        rows.push_back(std::move(row));
    }
    m_model->setRows(std::move(rows));
    clearResults();
    return true;
}

// A list a file cannot hold as it is (a cell that cannot be read, dated and
// undated rows) is not written; an empty list or one past the limit is.
bool CashFlowWindow::writeFile(const QString& fileName)
{
    const FlowProblem problem = m_model->read().problem;
    if (problem.row >= 0) {
        showProblem(problem);
        return false;
    }
    const auto write = [this](QIODevice& file) {
        constexpr qsizetype chunkBytes = 1 << 16;
        QByteArray bytes = m_model->columnTitles(app::CellText::File).join(QLatin1Char(',')).toUtf8() + "\r\n";
        const int rows = m_model->tableRowCount();
        for (int row = 0; row < rows; ++row) {
            const QStringList cells = m_model->cells(row, app::CellText::File);
            if (cells[FlowTableModel::Amount].isEmpty())
                continue;
            bytes += cells.join(QLatin1Char(',')).toUtf8() + "\r\n";
            if (bytes.size() >= chunkBytes) {
                if (file.write(bytes) < 0)
                    return false;
                bytes.clear();
            }
        }
        return file.write(bytes) >= 0;
    };
    return app::saveWhole(fileName, write, m_platform.messages, this);
}

app::PrintDocument CashFlowWindow::printDocument() const
{
    app::PrintDocument document;
    document.title = tr("Cash Flows");
    document.computed = m_calculated ? m_calculatedAt : QDateTime::currentDateTime();
    for (const QLineEdit* field : {m_rate, m_financeRate, m_reinvestmentRate})
        document.inputs.append({field->accessibleName(), field->text()});
    document.table = m_model;
    if (m_calculated) {
        for (const QLineEdit* field : {m_npv, m_irr})
            document.results.append({field->accessibleName(), field->text()});
        document.results.append({QString(), m_sentence->text()});
        for (const QLineEdit* field : {m_mirr, m_payback, m_discountedPayback})
            document.results.append({field->accessibleName(), field->text()});
    }
    return document;
}

}  // namespace cash_flows
