// SPDX-License-Identifier: GPL-3.0-or-later
// Input delay during a search: a second thread posts events at random moments,
// as a user's clicks and keys would arrive, while amicable searches run with the
// host's DoEvents as their yield; an event's delay runs from its posting to its
// handler.
#include "bench/bench.h"

#include "shell/formhost.h"
#include "tools/integer_tools.h"

#include <QCoreApplication>
#include <QEvent>

#include <atomic>
#include <random>
#include <thread>
#include <vector>

namespace ordevix::bench {

namespace {

constexpr std::size_t kEvents = 200;

const QEvent::Type kStamped = static_cast<QEvent::Type>(QEvent::registerEventType());

struct StampedEvent : QEvent {
    explicit StampedEvent(Clock::time_point at) : QEvent(kStamped), posted(at) {}
    Clock::time_point posted;
};

// Stands in for a window that receives the user's input.
struct Receiver : QObject {
    std::vector<double> delaysMs;
    void customEvent(QEvent* event) override {
        if (event->type() == kStamped)
            delaysMs.push_back(std::chrono::duration<double, std::milli>(
                                   Clock::now() - static_cast<StampedEvent*>(event)->posted)
                                   .count());
    }
};

// Posts stamped events 0.2 to 6 ms apart until destroyed.
class Poster {
public:
    explicit Poster(QObject& receiver)
        : thread_([this, &receiver] {
              std::mt19937 random(20240601);
              std::uniform_int_distribution<int> gapUs(200, 6000);
              while (!stop_.load()) {
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

} // namespace

double measureLatencyMaxMs(FormHost& host) {
    Receiver receiver;
    std::size_t counted = 0;
    {
        Poster poster(receiver);
        const auto yield = [&host](std::int32_t steps) { return host.DoEvents(steps); };
        const auto nothing = [](const auto&) {};
        while (receiver.delaysMs.size() < kEvents) {
            Integer contador = 1, amigo = 0;
            for (int click = 0; click < 16; ++click)
                buscarAmigos(contador, amigo, yield, nothing, nothing);
        }
        // Only what arrived during the searches counts, not what waits for the
        // posting thread to stop.
        QCoreApplication::sendPostedEvents(&receiver);
        counted = receiver.delaysMs.size();
    }
    QCoreApplication::sendPostedEvents(&receiver);
    receiver.delaysMs.resize(counted);
    return *std::max_element(receiver.delaysMs.begin(), receiver.delaysMs.end());
}

} // namespace ordevix::bench
