// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/passes.h"

#include "shell/form_host.h"

#include <sys/resource.h>

#include <ctime>
#include <fstream>

namespace ordevix::bench {

std::string loadAverage() {
    std::ifstream in("/proc/loadavg");
    std::string one, five, fifteen;
    in >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

double threadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

long involuntarySwitches() {
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    return usage.ru_nivcsw;
}

PassRecorder::PassRecorder(FormHost& host) : host_(host) {
    host_.setPumpProbe([this] {
        starts_.push_back(Clock::now());
        open_ = true;
    });
}

PassRecorder::~PassRecorder() {
    host_.setPumpProbe({});
}

PassStats PassRecorder::stats() const {
    PassStats p;
    p.count = starts_.size();
    std::vector<double> gaps;
    for (std::size_t i = 1; i < starts_.size(); ++i)
        gaps.push_back(
            std::chrono::duration<double, std::milli>(starts_[i] - starts_[i - 1]).count());
    p.medianGapMs = median(gaps);
    p.maxGapMs = gaps.empty() ? 0 : *std::max_element(gaps.begin(), gaps.end());
    p.medianLengthUs = median(lengthsUs_);
    p.maxLengthUs =
        lengthsUs_.empty() ? 0 : *std::max_element(lengthsUs_.begin(), lengthsUs_.end());
    return p;
}

} // namespace ordevix::bench
