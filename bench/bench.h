// SPDX-License-Identifier: GPL-3.0-or-later
// What the parts of the benchmark share. The program's own work is timed in
// processor time of this thread, the fastest of several runs, so other work on
// the machine does not count; input delay and start-up are wall time, since the
// user waits for them whatever the cause.
#pragma once

#include <algorithm>
#include <chrono>
#include <limits>
#include <memory>

class QWidget;

namespace ordevix {
class FormHost;
}

namespace ordevix::bench {

using Clock = std::chrono::steady_clock;

double threadSeconds();

template <class F> double fastestOf(int runs, F&& f) {
    double best = std::numeric_limits<double>::infinity();
    for (int r = 0; r < runs; ++r) {
        const double start = threadSeconds();
        f();
        best = std::min(best, threadSeconds() - start);
    }
    return best;
}

// One search three ways, in seconds: the click in the real window, the same
// search one trial divisor at a time with an empty yield, and the core's
// search with no yield and no caption (the arithmetic alone).
struct SearchTimes {
    double click = 0;
    double scalar = 0;
    double limit = 0;
};

// The perfect search beyond 8128, round the Integer range to 6, and the 16
// amicable clicks from a tick of "Automático" to (18416, 17296).
struct Searches {
    SearchTimes perfect;
    SearchTimes amicable;
};
Searches measureSearches(FormHost& host);

// The longest delay, in milliseconds, of events posted at random moments while
// amicable searches run with the host's DoEvents as their yield.
double measureLatencyMaxMs(FormHost& host);

// Medians, in milliseconds from the start of a child process to its first frame.
struct Startup {
    double menuMs = 0;
    double handMs = 0;
};
Startup measureStartup();

inline constexpr const char* kStartupChildFlag = "--startup-child";
int runStartupChild(int argc, char* argv[], const char* kind);

// The main menu as one would write it by hand in plain Qt widgets.
std::unique_ptr<QWidget> buildMenuByHand();

} // namespace ordevix::bench
