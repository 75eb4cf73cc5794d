// ordevix-bench: how fast the automatic searches run when every divisor step lets
// the user's input in, how long that input waits, and how long the program takes
// to show its main menu. One run prints a table, then one line of key=value pairs.
#include "bench/searches.h"
#include "bench/startup.h"

#include "shell/formhost.h"
#include "shell/frmIndex.h"
#include "shell/program.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <QtGlobal>

#include <sys/resource.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <exception>
#include <fstream>
#include <random>
#include <string>
#include <thread>
#include <vector>

#ifndef ORDEVIX_BUILD_TYPE
#define ORDEVIX_BUILD_TYPE "unknown"
#endif

namespace ordevix::bench {
namespace {

using Clock = std::chrono::steady_clock;

double seconds(Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

template <class F> double timeOnce(F&& f) {
    const Clock::time_point start = Clock::now();
    f();
    return seconds(Clock::now() - start);
}

// Thrown from a yield to cut a sampled run short.
struct SampleDone {};

// The event-loop passes that DoEvents made during one run: how many, how far
// apart they started and how long each took.
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
    explicit PassRecorder(FormHost& host) : host_(host) {
        host_.setPumpProbe([this] {
            starts_.push_back(Clock::now());
            open_ = true;
        });
    }
    ~PassRecorder() { host_.setPumpProbe({}); }
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

    PassStats stats() const {
        PassStats p;
        p.count = starts_.size();
        std::vector<double> gaps;
        for (std::size_t i = 1; i < starts_.size(); ++i)
            gaps.push_back(
                std::chrono::duration<double, std::milli>(starts_[i] - starts_[i - 1]).count());
        if (!gaps.empty()) {
            p.medianGapMs = median(gaps);
            p.maxGapMs = *std::max_element(gaps.begin(), gaps.end());
        }
        if (!lengthsUs_.empty()) {
            p.medianLengthUs = median(lengthsUs_);
            p.maxLengthUs = *std::max_element(lengthsUs_.begin(), lengthsUs_.end());
        }
        return p;
    }

private:
    FormHost& host_;
    std::vector<Clock::time_point> starts_;
    std::vector<double> lengthsUs_;
    bool open_ = false;
};

// Times this thread was taken off the processor against its will: other
// processes competing for the two cores, not the program, cause those waits.
long involuntarySwitches() {
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    return usage.ru_nivcsw;
}

std::string loadAverage() {
    std::ifstream in("/proc/loadavg");
    std::string one, five, fifteen;
    in >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

// --- throughput -------------------------------------------------------------------------------

struct Throughput {
    std::uint64_t steps = 0;
    double limit = 0;   // seconds, fastest run
    double program = 0; // seconds, fastest run
    double literal = 0; // seconds, extrapolated from the sample
    std::uint64_t literalSample = 0;
    double labelled = 0; // seconds: the program also writing a progress label per candidate
    std::uint64_t candidates = 0;
    double countdownOnly = 0; // seconds: DoEvents that never reaches its clock check
    double clockOnly = 0;     // seconds: DoEvents with clock checks but no event-loop pass
    PassStats passes;         // the event-loop passes of one more program run

    double sps(double s) const { return static_cast<double>(steps) / s; }
};

constexpr int kPerfectRounds = 7;
constexpr int kAmicableRounds = 3;
constexpr std::uint64_t kLiteralSliceSteps = 40000;

// Times one search every way. Search is a callable taking (yield, onCandidate, start).
template <class Search>
Throughput measureSearch(FormHost& host, Search search, int rounds,
                         std::initializer_list<Integer> sliceStarts, Integer start,
                         QLabel& progress) {
    Throughput t;

    // Counting pass, untimed: every yield is one step.
    search([&t] { ++t.steps; }, [&t](Integer) { ++t.candidates; }, start);

    // Every way once per round, rounds repeated, the fastest run of each kept:
    // other processes on the machine only ever add time, and interleaving makes
    // drift in the machine's speed hit every way alike. The hosts other than the
    // program's have policies that stop DoEvents before its clock check or before
    // its event-loop pass, to show what each part costs.
    FormHost countdown;
    countdown.setPumpPolicy(INT_MAX, std::chrono::hours(1));
    FormHost clock;
    clock.setPumpPolicy(1024, std::chrono::hours(1));
    auto fastest = [](double& best, double s) { best = best == 0 ? s : std::min(best, s); };
    for (int r = 0; r < rounds; ++r) {
        fastest(t.limit, timeOnce([&] { search([] {}, NoCallback{}, start); }));
        fastest(t.countdownOnly, timeOnce([&] {
                    search([&countdown] { countdown.DoEvents(); }, NoCallback{}, start);
                }));
        fastest(t.clockOnly,
                timeOnce([&] { search([&clock] { clock.DoEvents(); }, NoCallback{}, start); }));
        fastest(t.program,
                timeOnce([&] { search([&host] { host.DoEvents(); }, NoCallback{}, start); }));
        // What the windows add on top: a progress caption for every candidate.
        fastest(t.labelled, timeOnce([&] {
                    search([&host] { host.DoEvents(); },
                           [&progress](Integer n) {
                               progress.setText(QStringLiteral("Procesando... %1").arg(n));
                           },
                           start);
                }));
    }

    {
        PassRecorder recorder(host);
        search(
            [&host, &recorder] {
                host.DoEvents();
                recorder.afterYield();
            },
            NoCallback{}, start);
        t.passes = recorder.stats();
    }

    // A literal event loop at every step, on slices spread over the range.
    std::uint64_t sampled = 0;
    double sampleTime = 0;
    for (const Integer sliceStart : sliceStarts) {
        std::uint64_t left = kLiteralSliceSteps;
        const Clock::time_point begin = Clock::now();
        try {
            search(
                [&left] {
                    if (left-- == 0)
                        throw SampleDone{};
                    QCoreApplication::processEvents(QEventLoop::AllEvents);
                },
                NoCallback{}, sliceStart);
        } catch (const SampleDone&) {
        }
        sampleTime += seconds(Clock::now() - begin);
        sampled += kLiteralSliceSteps;
    }
    t.literalSample = sampled;
    t.literal = sampleTime * static_cast<double>(t.steps) / static_cast<double>(sampled);
    return t;
}

// --- input latency ----------------------------------------------------------------------------

class StampedEvent : public QEvent {
public:
    static QEvent::Type kind() {
        static const int type = QEvent::registerEventType();
        return static_cast<QEvent::Type>(type);
    }
    explicit StampedEvent(Clock::time_point posted) : QEvent(kind()), posted_(posted) {}
    Clock::time_point posted() const { return posted_; }

private:
    Clock::time_point posted_;
};

// Stands in for a window receiving the user's input: records how long each event
// waited between being posted and its handler running.
class LatencyReceiver : public QObject {
public:
    std::vector<double> delaysMs;

protected:
    void customEvent(QEvent* event) override {
        if (event->type() == StampedEvent::kind()) {
            const auto posted = static_cast<StampedEvent*>(event)->posted();
            delaysMs.push_back(
                std::chrono::duration<double, std::milli>(Clock::now() - posted).count());
        }
    }
};

struct Latency {
    std::size_t samples = 0;
    double medianMs = 0;
    double p99Ms = 0;
    double maxMs = 0;
    double searchSeconds = 0;
    PassStats passes;
    long preempted = 0;
};

// Events posted from another thread at random moments while the amicable search
// runs in the program's way, as a user's clicks and keys would arrive.
Latency measureLatency(FormHost& host) {
    LatencyReceiver receiver;
    std::atomic<bool> stop{false};
    std::thread poster([&] {
        std::mt19937 random(20240601);
        std::uniform_int_distribution<int> gapUs(200, 6000);
        while (!stop.load(std::memory_order_relaxed)) {
            std::this_thread::sleep_for(std::chrono::microseconds(gapUs(random)));
            QCoreApplication::postEvent(&receiver, new StampedEvent(Clock::now()));
        }
    });
    Latency l;
    {
        PassRecorder recorder(host);
        const long switchesBefore = involuntarySwitches();
        l.searchSeconds = timeOnce([&] {
            amicableSearch(
                [&host, &recorder] {
                    host.DoEvents();
                    recorder.afterYield();
                },
                NoCallback{}, 1);
        });
        l.preempted = involuntarySwitches() - switchesBefore;
        l.passes = recorder.stats();
    }
    stop = true;
    poster.join();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    QCoreApplication::sendPostedEvents(&receiver);

    std::vector<double>& d = receiver.delaysMs;
    l.samples = d.size();
    if (!d.empty()) {
        std::sort(d.begin(), d.end());
        l.medianMs = median(d);
        l.p99Ms = d[std::min(d.size() - 1, static_cast<std::size_t>(0.99 * d.size()))];
        l.maxMs = d.back();
    }
    return l;
}

// --- start-up ---------------------------------------------------------------------------------

struct Startup {
    int runs = 0;
    StartupSample menu;
    StartupSample bare;
    StartupSample text;
};

constexpr int kStartupRuns = 9;

Startup measureStartup() {
    // One untimed run of each warms the file cache.
    spawnStartupChild(StartupKind::Bare);
    spawnStartupChild(StartupKind::Menu);
    std::vector<StartupSample> menu;
    std::vector<StartupSample> bare;
    std::vector<StartupSample> text;
    for (int r = 0; r < kStartupRuns; ++r) {
        bare.push_back(spawnStartupChild(StartupKind::Bare));
        menu.push_back(spawnStartupChild(StartupKind::Menu));
        text.push_back(spawnStartupChild(StartupKind::BareText));
    }
    auto medians = [](const std::vector<StartupSample>& v) {
        auto field = [&v](double StartupSample::*member) {
            std::vector<double> x;
            for (const StartupSample& s : v)
                x.push_back(s.*member);
            return median(x);
        };
        return StartupSample{field(&StartupSample::toMain), field(&StartupSample::toApplication),
                             field(&StartupSample::toBuilt), field(&StartupSample::toShown)};
    };
    return {kStartupRuns, medians(menu), medians(bare), medians(text)};
}

// --- report -----------------------------------------------------------------------------------

const char* verdict(bool met) {
    return met ? "met" : "MISSED";
}

void printThroughput(const char* title, const Throughput& t) {
    std::printf("\n%s: %llu steps, %llu candidates\n", title,
                static_cast<unsigned long long>(t.steps),
                static_cast<unsigned long long>(t.candidates));
    std::printf("  %-44s %10s %14s %12s %10s\n", "way", "seconds", "steps/s", "ns/step",
                "vs limit");
    auto row = [&](const char* name, double s) {
        std::printf("  %-44s %10.3f %14.4g %12.3f %10.3f\n", name, s, t.sps(s),
                    1e9 * s / static_cast<double>(t.steps), t.limit / s);
    };
    row("limit: no yield", t.limit);
    row("program: FormHost::DoEvents", t.program);
    char literalName[64];
    std::snprintf(literalName, sizeof literalName, "literal: processEvents (%llu-step sample)",
                  static_cast<unsigned long long>(t.literalSample));
    row(literalName, t.literal);
    std::printf("  DoEvents parts:\n");
    row("  countdown only", t.countdownOnly);
    row("  countdown + clock check every 1024", t.clockOnly);
    row("  + event-loop pass every 2 ms (= program)", t.program);
    std::printf("  %-44s %10zu  (every %.2f ms, longest gap %.2f ms; each %.1f us, longest "
                "%.1f us)\n",
                "  event-loop passes in one more run", t.passes.count, t.passes.medianGapMs,
                t.passes.maxGapMs, t.passes.medianLengthUs, t.passes.maxLengthUs);
    row("program + progress caption per candidate", t.labelled);
    std::printf("  program/limit = %.3f (goal >= 0.8: %s)   program/literal = %.0f (goal >= 100: "
                "%s)\n",
                t.limit / t.program, verdict(t.limit / t.program >= 0.8), t.literal / t.program,
                verdict(t.literal / t.program >= 100));
}

int runBenchmark(int argc, char* argv[]) {
    const Clock::time_point runStart = Clock::now();
    QApplication app(argc, argv);
    // Declared after the application, so that its windows go first.
    FormHost host;
    startProgram<frmIndex>(app, host);

    int status = 0;
    QTimer::singleShot(0, [&] {
        try {
            // What the user sees during a search: the main menu and a window with
            // a progress caption, both visible.
            QWidget progressWindow;
            progressWindow.setWindowTitle(QStringLiteral("Números perfectos"));
            progressWindow.setFixedSize(380, 200);
            QLabel progress(&progressWindow);
            progress.setGeometry(72, 112, 153, 17);
            progressWindow.show();
            QCoreApplication::processEvents(QEventLoop::AllEvents);

            std::printf("ordevix-bench  build=%s  Qt %s  platform=%s  hardware threads=%u  load "
                        "average %s\n",
                        ORDEVIX_BUILD_TYPE, qVersion(), qPrintable(QGuiApplication::platformName()),
                        std::thread::hardware_concurrency(), loadAverage().c_str());
            std::printf("Throughput of the automatic searches (fastest of %d runs of the perfect "
                        "and %d of the amicable search, each way; inside the running event loop, "
                        "windows visible)\n",
                        kPerfectRounds, kAmicableRounds);
            std::fflush(stdout);

            const Throughput perfect = measureSearch(
                host,
                [](auto&& yield, auto&& onCandidate, Integer start) {
                    perfectSearch(yield, onCandidate, start);
                },
                kPerfectRounds, {497, 4000, 8000}, gPerfectStart, progress);
            printThroughput("Perfect numbers, 497 -> 8128 (one click)", perfect);
            std::fflush(stdout);

            const Throughput amicable = measureSearch(
                host,
                [](auto&& yield, auto&& onCandidate, Integer start) {
                    amicableSearch(yield, onCandidate, start);
                },
                kAmicableRounds, {1, 9000, 18000}, gAmicableStart, progress);
            printThroughput("Amicable numbers, 1 -> 18416 (16 clicks)", amicable);
            std::fflush(stdout);

            const Latency latency = measureLatency(host);
            std::printf("\nInput latency: %zu events posted from another thread at random moments "
                        "(0.2-6 ms apart) during the amicable search (%.2f s)\n",
                        latency.samples, latency.searchSeconds);
            std::printf("  median %.3f ms   p99 %.3f ms   max %.3f ms   (goal max <= 20 ms: %s)\n",
                        latency.medianMs, latency.p99Ms, latency.maxMs,
                        verdict(latency.maxMs <= 20));
            std::printf("  event-loop passes: %zu, every %.2f ms, longest gap %.2f ms, longest "
                        "pass %.1f us; search thread preempted %ld times\n",
                        latency.passes.count, latency.passes.medianGapMs, latency.passes.maxGapMs,
                        latency.passes.maxLengthUs, latency.preempted);
            std::fflush(stdout);

            const Startup startup = measureStartup();
            auto ms = [](double ns) { return ns / 1e6; };
            std::printf("\nStart-up, process start to first frame shown (median of %d runs each, "
                        "alternating)\n",
                        startup.runs);
            std::printf("  %-34s %10s %12s %10s %12s\n", "window", "to main()", "app ready",
                        "built", "shown");
            auto startupRow = [&](const char* name, const StartupSample& s) {
                std::printf("  %-34s %8.1f ms %9.1f ms %7.1f ms %9.1f ms\n", name, ms(s.toMain),
                            ms(s.toApplication), ms(s.toBuilt), ms(s.toShown));
            };
            startupRow("bare QWidget 565x441", startup.bare);
            startupRow("main menu (frmIndex via FormHost)", startup.menu);
            startupRow("same bare QWidget + one QLabel", startup.text);
            const double startupRatio = startup.menu.toShown / startup.bare.toShown;
            std::printf("  menu/bare = %.3f (goal <= 1.2: %s)   menu/bare+label = %.3f\n",
                        startupRatio, verdict(startupRatio <= 1.2),
                        startup.menu.toShown / startup.text.toShown);

            const double pl = perfect.limit / perfect.program;
            const double pL = perfect.literal / perfect.program;
            const double al = amicable.limit / amicable.program;
            const double aL = amicable.literal / amicable.program;
            const bool met = pl >= 0.8 && al >= 0.8 && pL >= 100 && aL >= 100 &&
                             latency.maxMs <= 20 && startupRatio <= 1.2;
            std::printf("\nTotal run time %.1f s, load average at the end %s\n\n",
                        seconds(Clock::now() - runStart), loadAverage().c_str());
            std::printf(
                "perfect_steps=%llu perfect_limit_sps=%.4g perfect_program_sps=%.4g "
                "perfect_literal_sps=%.4g perfect_program_over_limit=%.3f "
                "perfect_program_over_literal=%.0f amicable_steps=%llu amicable_limit_sps=%.4g "
                "amicable_program_sps=%.4g amicable_literal_sps=%.4g "
                "amicable_program_over_limit=%.3f amicable_program_over_literal=%.0f "
                "latency_events=%zu latency_median_ms=%.3f latency_max_ms=%.3f "
                "startup_menu_ms=%.1f startup_bare_ms=%.1f startup_bare_label_ms=%.1f "
                "startup_ratio=%.3f goals_met=%s\n",
                static_cast<unsigned long long>(perfect.steps), perfect.sps(perfect.limit),
                perfect.sps(perfect.program), perfect.sps(perfect.literal), pl, pL,
                static_cast<unsigned long long>(amicable.steps), amicable.sps(amicable.limit),
                amicable.sps(amicable.program), amicable.sps(amicable.literal), al, aL,
                latency.samples, latency.medianMs, latency.maxMs, ms(startup.menu.toShown),
                ms(startup.bare.toShown), ms(startup.text.toShown), startupRatio,
                met ? "yes" : "no");
            std::fflush(stdout);
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
    if (argc >= 3 && std::strcmp(argv[1], kStartupChildFlag) == 0) {
        const StartupKind kind = std::strcmp(argv[2], "menu") == 0   ? StartupKind::Menu
                                 : std::strcmp(argv[2], "text") == 0 ? StartupKind::BareText
                                                                     : StartupKind::Bare;
        return runStartupChild(argc, argv, kind);
    }
    return runBenchmark(argc, argv);
}
