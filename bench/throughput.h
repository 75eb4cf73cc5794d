// SPDX-License-Identifier: GPL-3.0-or-later
// Throughput of the automatic searches: the real core loops with no yield (the
// vector limit), with the form host's DoEvents (the program), with a progress
// caption written per candidate, with a literal event loop at every step, and
// the same search done one trial divisor at a time (the scalar loop).
#pragma once

#include "bench/passes.h"
#include "shell/numeric.h"
#include "tools/divisor_kernel.h"

#include <array>
#include <cstdint>
#include <functional>

namespace ordevix {
class FormHost;
}

namespace ordevix::bench {

using BenchYield = std::function<std::int32_t(std::int32_t)>;
using OnCandidate = std::function<void(Integer)>;

// One of the two searches, every way it is timed.
struct SearchUnderTest {
    const char* title;
    int rounds;
    std::array<Integer, 3> literalSliceStarts;
    Integer start;
    void (*run)(const BenchYield& yield, const OnCandidate& onCandidate, Integer start);
    void (*scalar)(Integer start);
    void (*onKernel)(SumaDivisoresEntre kernel, Integer start);
    // Writes the window's progress caption for a candidate.
    OnCandidate caption;
};

struct Throughput {
    std::uint64_t steps = 0;
    std::uint64_t candidates = 0;
    // Seconds of processor time, the fastest of the rounds.
    double scalar = 0;
    double limit = 0;
    double baselineLimit = 0; // the narrowest kernel, forced, no yield
    double program = 0;
    double captioned = 0;
    double countdownOnly = 0; // DoEvents that never reaches its clock check
    double clockOnly = 0;     // DoEvents with clock checks but no event-loop pass
    // Seconds, extrapolated from slices of literalSample steps in all.
    double literal = 0;
    std::uint64_t literalSample = 0;
    PassStats passes; // the event-loop passes of one more program run

    double sps(double s) const { return static_cast<double>(steps) / s; }
};

Throughput measureThroughput(FormHost& host, const SearchUnderTest& search);

} // namespace ordevix::bench
