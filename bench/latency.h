// SPDX-License-Identifier: GPL-3.0-or-later
// Input latency during a search: events posted from another thread at random
// moments, as a user's clicks and keys would arrive, while the amicable search
// runs the program's way; the delay is the time from posting until the handler.
#pragma once

#include "bench/passes.h"

#include <cstddef>

namespace ordevix {
class FormHost;
}

namespace ordevix::bench {

struct Latency {
    std::size_t samples = 0;
    double medianMs = 0;
    double p99Ms = 0;
    double maxMs = 0;
    double searchSeconds = 0;
    PassStats passes;
    long preempted = 0;
};

// The search runs as often as it takes to gather about minEvents events.
Latency measureLatency(FormHost& host, std::size_t minEvents);

} // namespace ordevix::bench
