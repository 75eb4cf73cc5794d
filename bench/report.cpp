// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/report.h"

#include "bench/goals.h"

#include <QGuiApplication>
#include <QtGlobal>

#include <cstdio>
#include <thread>

#ifndef ORDEVIX_BUILD_TYPE
#define ORDEVIX_BUILD_TYPE "unknown"
#endif

namespace ordevix::bench {

namespace {

double ms(double ns) {
    return ns / 1e6;
}

void row(const Throughput& t, const char* name, double s) {
    std::printf("  %-46s %9.4f %12.4g %9.3f %9.3f %9.2f\n", name, s, t.sps(s),
                1e9 * s / static_cast<double>(t.steps), t.limit / s, t.scalar / s);
}

void startupRow(const char* name, const StartupSample& s) {
    std::printf("  %-36s %8.1f ms %9.1f ms %7.1f ms %9.1f ms\n", name, ms(s.toMain),
                ms(s.toApplication), ms(s.toBuilt), ms(s.toShown));
}

// Every goal's figure, in the order of the goals table.
std::array<double, kGoals.size()> figures(const Results& r) {
    const Throughput& p = r.perfect;
    const Throughput& a = r.amicable;
    return {p.limit / p.program,
            a.limit / a.program,
            p.scalar / p.program,
            a.scalar / a.program,
            p.literal / p.program,
            a.literal / a.program,
            p.program / p.captioned,
            r.latency.maxMs,
            r.startup.menu.toShown / r.startup.handBuilt.toShown};
}

void summaryKeys(const char* prefix, const Throughput& t) {
    std::printf("%s_steps=%llu %s_scalar_sps=%.4g %s_limit_sps=%.4g %s_program_sps=%.4g "
                "%s_literal_sps=%.4g %s_program_over_limit=%.3f %s_program_over_scalar=%.2f "
                "%s_program_over_literal=%.0f %s_caption_over_program=%.3f "
                "%s_baseline_limit_over_scalar=%.2f ",
                prefix, static_cast<unsigned long long>(t.steps), prefix, t.sps(t.scalar), prefix,
                t.sps(t.limit), prefix, t.sps(t.program), prefix, t.sps(t.literal), prefix,
                t.limit / t.program, prefix, t.scalar / t.program, prefix, t.literal / t.program,
                prefix, t.program / t.captioned, prefix, t.scalar / t.baselineLimit);
}

void printSummaryLine(const Results& r, bool allMet) {
    std::printf("kernel=%s ", r.kernel);
    summaryKeys("perfect", r.perfect);
    summaryKeys("amicable", r.amicable);
    const Startup& s = r.startup;
    std::printf("latency_events=%zu latency_median_ms=%.3f latency_max_ms=%.3f "
                "click_perfect_beyond_8128_s=%.3f click_amicable_16_s=%.3f "
                "startup_menu_ms=%.1f startup_hand_ms=%.1f startup_bare_ms=%.1f "
                "startup_bare_label_ms=%.1f startup_ratio=%.3f startup_over_hand=%.3f "
                "goals_met=%s\n",
                r.latency.samples, r.latency.medianMs, r.latency.maxMs, r.clicks.perfectBeyond8128,
                r.clicks.amicableSixteen, ms(s.menu.toShown), ms(s.handBuilt.toShown),
                ms(s.bare.toShown), ms(s.bareText.toShown), s.menu.toShown / s.bare.toShown,
                s.menu.toShown / s.handBuilt.toShown, allMet ? "yes" : "no");
    std::fflush(stdout);
}

} // namespace

void printHeader(const char* kernel) {
    std::printf("ordevix-bench  build=%s  Qt %s  platform=%s  hardware threads=%u  divisor "
                "kernel=%s  load average %s\n",
                ORDEVIX_BUILD_TYPE, qVersion(), qPrintable(QGuiApplication::platformName()),
                std::thread::hardware_concurrency(), kernel, loadAverage().c_str());
    std::fflush(stdout);
}

void printThroughput(const char* title, const Throughput& t) {
    std::printf("\n%s: %llu steps, %llu candidates\n", title,
                static_cast<unsigned long long>(t.steps),
                static_cast<unsigned long long>(t.candidates));
    std::printf("  %-46s %9s %12s %9s %9s %9s\n", "way", "cpu s", "steps/s", "ns/step", "vs limit",
                "vs scalar");
    row(t, "scalar loop: one divisor at a time, no yield", t.scalar);
    row(t, "vector limit: vector kernel, no yield", t.limit);
    row(t, "  the same on the baseline kernel, forced", t.baselineLimit);
    row(t, "program: FormHost::DoEvents", t.program);
    row(t, "  DoEvents countdown only", t.countdownOnly);
    row(t, "  + clock check every kDefaultStride steps", t.clockOnly);
    row(t, "program + progress caption per candidate", t.captioned);
    char literal[64];
    std::snprintf(literal, sizeof literal, "literal: processEvents (%llu-step sample)",
                  static_cast<unsigned long long>(t.literalSample));
    row(t, literal, t.literal);
    std::printf("  event-loop passes in one more program run: %zu, every %.2f ms, longest gap "
                "%.2f ms; each %.1f us, longest %.1f us\n",
                t.passes.count, t.passes.medianGapMs, t.passes.maxGapMs, t.passes.medianLengthUs,
                t.passes.maxLengthUs);
    std::fflush(stdout);
}

void printLatency(const Latency& l) {
    std::printf("\nInput latency: %zu events posted from another thread at random moments "
                "(0.2-6 ms apart) during amicable searches (%.2f s)\n",
                l.samples, l.searchSeconds);
    std::printf("  median %.3f ms   p99 %.3f ms   max %.3f ms\n", l.medianMs, l.p99Ms, l.maxMs);
    std::printf("  event-loop passes: %zu, every %.2f ms, longest gap %.2f ms, longest pass %.1f "
                "us; search thread preempted %ld times\n",
                l.passes.count, l.passes.medianGapMs, l.passes.maxGapMs, l.passes.maxLengthUs,
                l.preempted);
    std::fflush(stdout);
}

void printClicks(const Clicks& c) {
    std::printf("\nThe longest clicks, end to end in the real windows (processor time, fastest "
                "run)\n");
    std::printf("  perfect search beyond 8128, round to 6       %8.3f s\n", c.perfectBeyond8128);
    std::printf("  16 amicable clicks, tick to (18416, 17296)   %8.3f s\n", c.amicableSixteen);
    std::fflush(stdout);
}

void printStartup(const Startup& s) {
    std::printf("\nStart-up, process start to first frame shown (median of %d runs each, "
                "alternating)\n",
                s.runs);
    std::printf("  %-36s %10s %12s %10s %12s\n", "window", "to main()", "app ready", "built",
                "shown");
    startupRow("main menu (frmIndex via FormHost)", s.menu);
    startupRow("same main menu built by hand", s.handBuilt);
    startupRow("bare QWidget 565x441", s.bare);
    startupRow("same bare QWidget + one QLabel", s.bareText);
    std::fflush(stdout);
}

bool printVerdict(const Results& r, double runSeconds) {
    const auto f = figures(r);
    bool all = true;
    std::printf("\nGoals\n");
    for (const Goal& g : kGoals) {
        const double figure = f[static_cast<int>(g.id)];
        all = all && met(g, figure);
        std::printf("  %-46s %9.3f  %s %6.3g  %s\n", g.what, figure,
                    g.atLeast ? ">=" : "<=", g.bound, met(g, figure) ? "met" : "MISSED");
    }
    std::printf("\nTotal run time %.1f s, load average at the end %s\n\n", runSeconds,
                loadAverage().c_str());
    printSummaryLine(r, all);
    return all;
}

} // namespace ordevix::bench
