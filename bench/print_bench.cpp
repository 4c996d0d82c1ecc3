// Times "Export PDF..." of the schedule window, from the action to the file
// written in its place, and gives the file's size.
//   print_bench [repetitions [keep]]: with "keep" the PDFs stay, in the folder named.
// Run with QT_QPA_PLATFORM=offscreen on a Release build.
#include "measure.h"
#include "schedule/schedule_window.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QTableView>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <vector>

namespace {

struct Case {
    const char* name;
    finance::Loan loan;
};

}  // namespace

int main(int argc, char** argv)
{
    const int repetitions = bench::repetitions(argc, argv);
    const Case cases[] = {
        {"100,000 at 0.5% for 360 periods", {100000, 0.005, 360}},
        {"1,000,000 at 0.01% for 10,000 periods", {1e6, 1e-4, 10000}},
    };
    QApplication app(argc, argv);
    testing_support::FakePlatform fakes;
    QTemporaryDir folder;
    if (argc > 2 && qstrcmp(argv[2], "keep") == 0) {
        folder.setAutoRemove(false);
        std::printf("PDFs in %s\n", qPrintable(folder.path()));
    }
    int number = 0;
    for (const Case& c : cases) {
        app::WindowSlot<schedule::ScheduleWindow> slot;
        schedule::openSchedule(slot, c.loan, fakes.platform, nullptr);
        QAction* exportPdf =
            slot.get()->findChild<QTableView*>()->findChild<QAction*>(QStringLiteral("exportPdfAction"));
        fakes.files.answer = folder.filePath(QStringLiteral("schedule-%1.pdf").arg(++number));
        std::vector<double> milliseconds;
        for (int i = 0; i < repetitions; ++i) {
            const auto start = std::chrono::steady_clock::now();
            exportPdf->trigger();
            milliseconds.push_back(bench::millisecondsSince(start));
        }
        bench::reportUnexpected(fakes.messages, 0);
        std::printf("%-40s PDF median %8.1f ms  %8.1f KiB  (%d runs)\n", c.name, bench::median(milliseconds),
                    QFileInfo(fakes.files.answer).size() / 1024.0, repetitions);
    }
    return 0;
}
