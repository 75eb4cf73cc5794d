// SPDX-License-Identifier: GPL-3.0-or-later
// ordevix-bench: how fast the automatic searches run when every divisor step lets
// the user's input in, how long that input waits, how long the two longest
// clicks take in the real windows, and how long the program takes to show its
// main menu. One run prints a table per part, the goals, then one line of
// key=value pairs.
#include "bench/clicks.h"
#include "bench/latency.h"
#include "bench/report.h"
#include "bench/searches.h"
#include "bench/startup.h"
#include "bench/throughput.h"

#include "shell/form_host.h"
#include "shell/frmIndex.h"
#include "tools/frmAmigos.h"
#include "tools/frmPerfectos.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <exception>

namespace ordevix::bench {
namespace {

constexpr int kPerfectRounds = 21;
constexpr int kAmicableRounds = 5;
constexpr int kClickRounds = 3;
constexpr std::size_t kLatencyEvents = 200;

SearchUnderTest perfectUnderTest(FormHost& host) {
    frmPerfectos& window = host.form<frmPerfectos>();
    return {.title = "Perfect numbers, 497 -> 8128 (one click)",
            .rounds = kPerfectRounds,
            .literalSliceStarts = {497, 4000, 8000},
            .start = gPerfectStart,
            .run = [](const BenchYield& yield, const OnCandidate& onCandidate,
                      Integer start) { perfectSearch(yield, onCandidate, start); },
            .scalar = &scalarPerfectSearch,
            .onKernel = &perfectSearchOn,
            .caption = [&window](Integer n) { window.mostrarProgreso(n); }};
}

SearchUnderTest amicableUnderTest(FormHost& host) {
    frmAmigos& window = host.form<frmAmigos>();
    return {.title = "Amicable numbers, 1 -> 18416 (16 clicks)",
            .rounds = kAmicableRounds,
            .literalSliceStarts = {1, 9000, 18000},
            .start = gAmicableStart,
            .run = [](const BenchYield& yield, const OnCandidate& onCandidate,
                      Integer start) { amicableSearch(yield, onCandidate, start); },
            .scalar = &scalarAmicableSearch,
            .onKernel = &amicableSearchOn,
            .caption = [&window](Integer n) { window.mostrarProgreso(n); }};
}

// Everything but start-up runs inside the event loop with the main menu and the
// window whose caption the search writes visible, as the user would see them.
Results measureAll(FormHost& host) {
    Results r;
    r.kernel = nombreRepertorio(repertorioElegido());
    printHeader(r.kernel);
    host.Show(host.form<frmPerfectos>());
    const SearchUnderTest perfect = perfectUnderTest(host);
    r.perfect = measureThroughput(host, perfect);
    printThroughput(perfect.title, r.perfect);
    host.Show(host.form<frmAmigos>());
    const SearchUnderTest amicable = amicableUnderTest(host);
    r.amicable = measureThroughput(host, amicable);
    printThroughput(amicable.title, r.amicable);
    r.latency = measureLatency(host, kLatencyEvents);
    printLatency(r.latency);
    r.clicks = measureClicks(host, kClickRounds);
    printClicks(r.clicks);
    r.startup = measureStartup();
    printStartup(r.startup);
    return r;
}

int runBenchmark(int argc, char* argv[]) {
    const Clock::time_point runStart = Clock::now();
    QApplication app(argc, argv);
    FormHost host;
    host.setStartForm<frmIndex>();
    host.Show(host.startForm());
    // A fault in a window would otherwise wait for someone to dismiss its box.
    host.setMessageSink([](const QString& text) {
        std::fprintf(stderr, "ordevix-bench: message box: %s\n", qPrintable(text));
    });
    int status = 0;
    QTimer::singleShot(0, [&] {
        try {
            const Results results = measureAll(host);
            printVerdict(results, seconds(Clock::now() - runStart));
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
