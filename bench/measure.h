// What the benchmarks share: the repetitions asked for on the command line,
// times in milliseconds and their median, a sensitivity window filled in for
// a run, and the messages a benchmark did not expect.
#pragma once

#include "fakes.h"
#include "sensitivity/form2.h"

#include <QLatin1String>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace bench {

// The first argument, 11 without one.
inline int repetitions(int argc, char** argv)
{
    return argc > 1 ? std::max(1, std::atoi(argv[1])) : 11;
}

inline double millisecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// A sensitivity run as a person types it: the loan, the mode and its three fields.
struct SensitivityRun {
    int mode;  // 1 rate, 2 periods
    const char* loan;
    const char* lower;
    const char* upper;
    const char* fixed;

    const char* runButton() const { return mode == 1 ? "Command1" : "Command6"; }
    const char* clearButton() const { return mode == 1 ? "Command3" : "Command4"; }
    const char* list() const { return mode == 1 ? "List1" : "List2"; }
};

// A sensitivity window past its greeting, shown and filled in for run up to
// its "Run"; null when it is never shown.
inline std::unique_ptr<Form2> filledInWindow(app::Platform& platform, const SensitivityRun& run)
{
    auto window = std::make_unique<Form2>(platform);
    window->load();
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        return nullptr;
    window->findChild<QLineEdit*>(QStringLiteral("Text5"))->setText(QLatin1String(run.loan));
    window->findChild<QRadioButton*>(run.mode == 1 ? "Option1" : "Option2")->click();
    const int first = run.mode == 1 ? 1 : 4;
    window->Text(first)->setText(QLatin1String(run.lower));
    window->Text(first + 1)->setText(QLatin1String(run.upper));
    window->Text(first + 2)->setText(QLatin1String(run.fixed));
    return window;
}

// Prints the last message when more than expected were shown.
inline void reportUnexpected(const testing_support::FakeMessageBox& messages, int expected)
{
    if (messages.shown.size() > expected)
        std::printf("  unexpected message: %s\n", qPrintable(messages.shown.last().text));
}

}  // namespace bench
