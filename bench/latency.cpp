// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/latency.h"

#include "bench/searches.h"
#include "shell/form_host.h"

#include <QCoreApplication>
#include <QEvent>

#include <atomic>
#include <random>
#include <thread>

namespace ordevix::bench {

namespace {

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

// Posts stamped events 0.2 to 6 ms apart until stopped.
class Poster {
public:
    explicit Poster(QObject& receiver)
        : thread_([this, &receiver] {
              std::mt19937 random(20240601);
              std::uniform_int_distribution<int> gapUs(200, 6000);
              while (!stop_.load(std::memory_order_relaxed)) {
                  std::this_thread::sleep_for(std::chrono::microseconds(gapUs(random)));
                  QCoreApplication::postEvent(&receiver, new StampedEvent(Clock::now()));
              }
          }) {}
    ~Poster() {
        stop_ = true;
        thread_.join();
    }
    Poster(const Poster&) = delete;
    Poster& operator=(const Poster&) = delete;

private:
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

void summarise(std::vector<double>& d, Latency& l) {
    l.samples = d.size();
    if (d.empty())
        return;
    std::sort(d.begin(), d.end());
    l.medianMs = median(d);
    l.p99Ms = d[std::min(d.size() - 1, static_cast<std::size_t>(0.99 * d.size()))];
    l.maxMs = d.back();
}

} // namespace

Latency measureLatency(FormHost& host, std::size_t minEvents) {
    LatencyReceiver receiver;
    Latency l;
    std::size_t counted = 0;
    {
        Poster poster(receiver);
        PassRecorder recorder(host);
        const long switchesBefore = involuntarySwitches();
        const auto yield = [&host, &recorder](std::int32_t steps) {
            const std::int32_t granted = host.DoEvents(steps);
            recorder.afterYield();
            return granted;
        };
        l.searchSeconds = timeOnce([&] {
            while (receiver.delaysMs.size() < minEvents)
                amicableSearch(yield, NoCallback{}, 1);
        });
        l.preempted = involuntarySwitches() - switchesBefore;
        l.passes = recorder.stats();
        // Only what arrived during the searches counts, not what waits for the
        // posting thread to stop.
        QCoreApplication::sendPostedEvents(&receiver);
        counted = receiver.delaysMs.size();
    }
    QCoreApplication::sendPostedEvents(&receiver);
    receiver.delaysMs.resize(counted);
    summarise(receiver.delaysMs, l);
    return l;
}

} // namespace ordevix::bench
