// SPDX-License-Identifier: GPL-3.0-or-later
// ordevix-bench: what a user of the program waits for. The two longest clicks in
// the real windows, against the same searches one trial divisor at a time and
// against their bare arithmetic; the longest input delay during a search; the
// start-up against the same main menu built by hand. Prints the figures, each
// goal met or missed, and last one line of key=value pairs.
#include "bench/bench.h"

#include "shell/formhost.h"
#include "shell/frmIndex.h"
#include "shell/program.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <exception>
#include <fstream>
#include <string>
#include <thread>

#ifndef ORDEVIX_BUILD_TYPE
#define ORDEVIX_BUILD_TYPE "unknown"
#endif

namespace ordevix::bench {

double threadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

namespace {

struct Goal {
    const char* key;
    bool atLeast; // the figure must be at least the bound; otherwise at most
    double bound;
};

// clang-format off
constexpr Goal kGoals[] = {
    {"click_perfect_beyond_8128_s", false, 0.015},
    {"click_amicable_16_s", false, 0.010},
    {"perfect_program_over_scalar", true, 50},
    {"amicable_program_over_scalar", true, 50},
    {"perfect_program_over_limit", true, 0.5},
    {"amicable_program_over_limit", true, 0.5},
    {"latency_max_ms", false, 20},
    {"startup_over_hand", false, 1.1},
};
// clang-format on

std::string loadAverage() {
    std::ifstream in("/proc/loadavg");
    std::string one, five, fifteen;
    in >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

void row(const char* search, const SearchTimes& t) {
    std::printf("  %-42s %9.4f %9.4f %9.4f\n", search, t.click, t.scalar, t.limit);
}

void report(FormHost& host) {
    std::printf("ordevix-bench  build=%s  Qt %s  platform=%s  hardware threads=%u  load average "
                "%s\n\n",
                ORDEVIX_BUILD_TYPE, qVersion(), qPrintable(QGuiApplication::platformName()),
                std::thread::hardware_concurrency(), loadAverage().c_str());
    const Searches s = measureSearches(host);
    std::printf("Searches, processor time in seconds, fastest run\n");
    std::printf("  %-42s %9s %9s %9s\n", "", "click", "scalar", "limit");
    row("perfect, beyond 8128 round to 6", s.perfect);
    row("amicable, 16 clicks to (18416, 17296)", s.amicable);
    const double latencyMs = measureLatencyMaxMs(host);
    std::printf("\nLongest input delay during amicable searches: %.3f ms\n", latencyMs);
    const Startup startup = measureStartup();
    std::printf("\nStart-up to the first frame, median: main menu %.1f ms, "
                "same menu by hand %.1f ms\n",
                startup.menuMs, startup.handMs);

    // In the order of kGoals.
    const double figures[] = {s.perfect.click,
                              s.amicable.click,
                              s.perfect.scalar / s.perfect.click,
                              s.amicable.scalar / s.amicable.click,
                              s.perfect.limit / s.perfect.click,
                              s.amicable.limit / s.amicable.click,
                              latencyMs,
                              startup.menuMs / startup.handMs};
    static_assert(std::size(figures) == std::size(kGoals));
    std::printf("\nGoals\n");
    for (std::size_t g = 0; g < std::size(kGoals); ++g) {
        const Goal& goal = kGoals[g];
        const bool met = goal.atLeast ? figures[g] >= goal.bound : figures[g] <= goal.bound;
        std::printf("  %-30s %10.4g  %s %-6g %s\n", goal.key, figures[g],
                    goal.atLeast ? ">=" : "<=", goal.bound, met ? "met" : "missed");
    }
    std::printf("\n");
    for (std::size_t g = 0; g < std::size(kGoals); ++g)
        std::printf("%s%s=%.4g", g ? " " : "", kGoals[g].key, figures[g]);
    std::printf("\n");
}

int runBenchmark(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Declared after the application, so that its windows go first.
    FormHost host;
    startProgram<frmIndex>(app, host);
    // A fault in a window would otherwise wait for someone to dismiss its box.
    host.setMessageSink([](const QString& text) {
        std::fprintf(stderr, "ordevix-bench: message box: %s\n", qPrintable(text));
    });
    int status = 0;
    QTimer::singleShot(0, [&] {
        try {
            report(host);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "ordevix-bench: %s\n", e.what());
            status = 1;
        }
        QCoreApplication::exit(status);
    });
    QApplication::exec();
    return status;
}

} // namespace
} // namespace ordevix::bench

int main(int argc, char* argv[]) {
    // Without a display the windows still exist and are painted, off screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    using namespace ordevix::bench;
    if (argc >= 3 && std::strcmp(argv[1], kStartupChildFlag) == 0)
        return runStartupChild(argc, argv, argv[2]);
    return runBenchmark(argc, argv);
}
