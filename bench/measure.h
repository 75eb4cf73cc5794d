// SPDX-License-Identifier: GPL-3.0-or-later
// What every part of the benchmark shares: the clock, medians, the fastest of
// several runs, and what the machine was doing meanwhile.
#pragma once

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

namespace ordevix::bench {

using Clock = std::chrono::steady_clock;

inline double seconds(Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

inline double median(std::vector<double> v) {
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

template <class F> double timeOnce(F&& f) {
    const Clock::time_point start = Clock::now();
    f();
    return seconds(Clock::now() - start);
}

// Seconds of processor time this thread spent: on a machine shared with other
// work, the time it waited for a processor is left out.
double threadSeconds();

template <class F> double cpuTimeOnce(F&& f) {
    const double start = threadSeconds();
    f();
    return threadSeconds() - start;
}

// Other processes on the machine only ever add time: the fastest run counts.
inline void keepFastest(double& best, double s) {
    best = best == 0 ? s : std::min(best, s);
}

// The load average as /proc/loadavg gives it: 1, 5 and 15 minutes.
std::string loadAverage();

// Times this thread was taken off the processor against its will: other
// processes competing for the processors, not the program, cause those waits.
long involuntarySwitches();

} // namespace ordevix::bench
