// SPDX-License-Identifier: GPL-3.0-or-later
// The event-loop passes that DoEvents makes during one run: how many, how far
// apart they start and how long each takes.
#pragma once

#include "bench/measure.h"

#include <cstddef>
#include <vector>

namespace ordevix {
class FormHost;
}

namespace ordevix::bench {

struct PassStats {
    std::size_t count = 0;
    double medianGapMs = 0;
    double maxGapMs = 0;
    double medianLengthUs = 0;
    double maxLengthUs = 0;
};

// Records the passes through the host's probe, which runs just before each pass;
// the pass has ended when the yield that made it returns.
class PassRecorder {
public:
    explicit PassRecorder(FormHost& host);
    ~PassRecorder();
    PassRecorder(const PassRecorder&) = delete;
    PassRecorder& operator=(const PassRecorder&) = delete;

    // Call right after every DoEvents.
    void afterYield() {
        if (open_) [[unlikely]] {
            open_ = false;
            lengthsUs_.push_back(
                std::chrono::duration<double, std::micro>(Clock::now() - starts_.back()).count());
        }
    }

    PassStats stats() const;

private:
    FormHost& host_;
    std::vector<Clock::time_point> starts_;
    std::vector<double> lengthsUs_;
    bool open_ = false;
};

} // namespace ordevix::bench
