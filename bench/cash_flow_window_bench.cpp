// Times pasting 100,000 rows into the cash-flow window's list as Ctrl+V does,
// and from there Calculate to the results painted; each time in a new window.
//   cash_flow_window_bench [repetitions]
// Run with QT_QPA_PLATFORM=offscreen on a Release build.
#include "cash_flows/cash_flow_window.h"
#include "measure.h"

#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QPushButton>
#include <QTableView>

#include <chrono>
#include <cstdio>
#include <vector>

namespace {

constexpr int rows = 100'000;

// An outlay, then returns of 1.2 times it in all: one rate. Dated rows fall a day apart.
QString pastedText(bool dated)
{
    QString text;
    const QDate first(2027, 1, 1);
    for (int i = 0; i < rows; ++i) {
        if (dated)
            text += first.addDays(i).toString(Qt::ISODate) + QLatin1Char('\t');
        text += i == 0 ? QString::number(-1000.0 * rows) : QString::number(1200.0 + (i % 7) * 10 - 30);
        text += dated ? QStringLiteral("\t1\n") : QStringLiteral("\n");
    }
    return text;
}

void measure(const char* name, bool dated, int repetitions, testing_support::FakePlatform& fakes)
{
    QApplication::clipboard()->setText(pastedText(dated));
    std::vector<double> pasting;
    std::vector<double> total;
    for (int i = 0; i < repetitions; ++i) {
        cash_flows::CashFlowWindow window(fakes.platform);
        window.setAttribute(Qt::WA_DeleteOnClose, false);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            return;
        auto* table = window.findChild<QTableView*>(QStringLiteral("table"));
        table->setFocus();
        QApplication::processEvents();
        const auto start = std::chrono::steady_clock::now();
        QTest::keyClick(table, Qt::Key_V, Qt::ControlModifier);
        window.repaint();
        pasting.push_back(bench::millisecondsSince(start));
        window.findChild<QPushButton*>(QStringLiteral("calculate"))->click();
        window.repaint();
        total.push_back(bench::millisecondsSince(start));
        if (table->model()->rowCount() != rows + 1 || window.findChild<QLineEdit*>("irr")->text().isEmpty())
            std::printf("%s: not calculated\n", name);
        bench::reportUnexpected(fakes.messages, 0);
        window.setWindowModified(false);
    }
    std::printf("%-28s paste %8.1f ms   paste to results %8.1f ms\n", name, bench::median(pasting),
                bench::median(total));
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const int repetitions = bench::repetitions(argc, argv);
    testing_support::FakePlatform fakes;
    measure("100,000 amounts", false, repetitions, fakes);
    measure("100,000 dated amounts", true, repetitions, fakes);
    return 0;
}
