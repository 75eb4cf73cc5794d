// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/throughput.h"

#include "bench/searches.h"
#include "shell/form_host.h"

#include <QCoreApplication>

#include <climits>

namespace ordevix::bench {

namespace {

constexpr std::uint64_t kLiteralSliceSteps = 40000;

// Thrown from a yield to cut a sampled run short.
struct SampleDone {};

BenchYield hostYield(FormHost& host) {
    return [&host](std::int32_t steps) { return host.DoEvents(steps); };
}

// Untimed: every yield lets one step pass and counts it.
void countSteps(const SearchUnderTest& search, Throughput& t) {
    search.run(
        [&t](std::int32_t) {
            ++t.steps;
            return 1;
        },
        [&t](Integer) { ++t.candidates; }, search.start);
}

// Every way once per round, the fastest run of each kept, in processor time of
// this thread; interleaving makes drift in the machine's speed hit every way
// alike. The two extra hosts stop DoEvents before its clock check or before
// its event-loop pass.
void timeEveryWay(FormHost& host, const SearchUnderTest& search, Throughput& t) {
    FormHost countdown;
    countdown.setPumpPolicy(INT_MAX, std::chrono::hours(1));
    FormHost clock;
    clock.setPumpPolicy(FormHost::kDefaultStride, std::chrono::hours(1));
    const BenchYield program = hostYield(host);
    const OnCandidate none = [](Integer) {};
    const Integer start = search.start;
    const SumaDivisoresEntre baseline = nucleoDivisores(Repertorio::Base);
    for (int r = 0; r < search.rounds; ++r) {
        keepFastest(t.scalar, cpuTimeOnce([&] { search.scalar(start); }));
        keepFastest(t.limit, cpuTimeOnce([&] { search.run(kGrantAll, none, start); }));
        keepFastest(t.baselineLimit, cpuTimeOnce([&] { search.onKernel(baseline, start); }));
        keepFastest(t.countdownOnly,
                    cpuTimeOnce([&] { search.run(hostYield(countdown), none, start); }));
        keepFastest(t.clockOnly, cpuTimeOnce([&] { search.run(hostYield(clock), none, start); }));
        keepFastest(t.program, cpuTimeOnce([&] { search.run(program, none, start); }));
        keepFastest(t.captioned, cpuTimeOnce([&] { search.run(program, search.caption, start); }));
    }
}

PassStats recordPasses(FormHost& host, const SearchUnderTest& search) {
    PassRecorder recorder(host);
    search.run(
        [&host, &recorder](std::int32_t steps) {
            const std::int32_t granted = host.DoEvents(steps);
            recorder.afterYield();
            return granted;
        },
        [](Integer) {}, search.start);
    return recorder.stats();
}

// A literal event loop at every step, on slices spread over the range.
void sampleLiteral(const SearchUnderTest& search, Throughput& t) {
    double sampleTime = 0;
    for (const Integer sliceStart : search.literalSliceStarts) {
        std::uint64_t left = kLiteralSliceSteps;
        const BenchYield literal = [&left](std::int32_t) {
            if (left-- == 0)
                throw SampleDone{};
            QCoreApplication::processEvents(QEventLoop::AllEvents);
            return 1;
        };
        sampleTime += timeOnce([&] {
            try {
                search.run(
                    literal, [](Integer) {}, sliceStart);
            } catch (const SampleDone&) {
            }
        });
        t.literalSample += kLiteralSliceSteps;
    }
    t.literal = sampleTime * static_cast<double>(t.steps) / static_cast<double>(t.literalSample);
}

} // namespace

Throughput measureThroughput(FormHost& host, const SearchUnderTest& search) {
    Throughput t;
    countSteps(search, t);
    timeEveryWay(host, search, t);
    t.passes = recordPasses(host, search);
    sampleLiteral(search, t);
    return t;
}

} // namespace ordevix::bench
