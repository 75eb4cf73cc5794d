// The form host: the one door between the windows' handlers and Qt. It keeps one
// instance of each window, shows and hides them, ends the program, shows message
// boxes, lets pending events in (DoEvents) and runs every handler through one
// dispatcher that reports the run-time faults.
#pragma once

#include "shell/deferredtexts.h"
#include "shell/numeric.h"

#include <QString>

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <typeindex>
#include <unordered_map>
#include <vector>

class QApplication;

namespace ordevix {

class Form;

// Thrown by End to unwind the running handlers; only the dispatcher catches it.
// Deliberately not a std::exception, so nothing else swallows it.
struct EndRequest {};

class FormHost {
public:
    using Clock = std::chrono::steady_clock;
    using MessageSink = std::function<void(const QString&)>;

    // A click that would start this many nested runs of one handler plus one is
    // ignored, so a held Enter key cannot exhaust the stack.
    static constexpr int kMaxNesting = 16;

    // Steps between two looks at the clock: a few microseconds of the vector
    // kernel, so the clock costs little; and the least time between two event
    // passes, so input waits at most a few milliseconds.
    static constexpr std::int32_t kDefaultStride = 16384;
    static constexpr std::chrono::nanoseconds kDefaultInterval = std::chrono::milliseconds(2);

    static FormHost& instance();

    FormHost();
    ~FormHost();
    FormHost(const FormHost&) = delete;
    FormHost& operator=(const FormHost&) = delete;

    // The one instance of a window class, created on first reference.
    template <class W> W& form() {
        std::unique_ptr<Form>& slot = forms_[std::type_index(typeid(W))];
        if (!slot) {
            slot = std::make_unique<W>(*this);
            order_.push_back(slot.get());
        }
        return static_cast<W&>(*slot);
    }
    // Every window built so far, in order of creation.
    const std::vector<Form*>& forms() const { return order_; }

    void Show(Form& form);
    void Hide(Form& form);
    [[noreturn]] void End();
    void MsgBox(const Text& prompt);
    void MsgBox(const QString& prompt);

    // Called at the start of a step of the long loops: a countdown, then a clock
    // check, and only when a few milliseconds have gone by a pass of the event
    // loop. The loop says how many steps it would like to run; the answer is how
    // many it may run before it must call again (at least this one), and those
    // steps count down as if each had called: the pass comes at the same step.
    std::int32_t DoEvents(std::int32_t steps = 1) {
        if (--countdown_ <= 0) [[unlikely]]
            pump();
        const std::int32_t granted = steps < countdown_ ? (steps < 1 ? 1 : steps) : countdown_;
        countdown_ -= granted - 1;
        return granted;
    }

    // Runs one event handler: reports the run-time faults, absorbs End and caps
    // the nesting of one handler inside itself.
    void dispatch(const void* handlerKey, const std::function<void()>& handler);

    // Label captions and text box texts written since the last flush.
    DeferredTexts& texts() { return texts_; }
    void flushTexts() { texts_.flush(); }

    const RegionalSettings& regional() const { return regional_; }
    void setRegional(const RegionalSettings& regional) { regional_ = regional; }
    static RegionalSettings systemRegional();

    static QString faultMessage(FaultKind kind);

    // --- seams for tests and the benchmark ---
    void setMessageSink(MessageSink sink) { messageSink_ = std::move(sink); }
    void setEndHook(std::function<void()> hook) { endHook_ = std::move(hook); }
    // stride: DoEvents calls between clock checks; interval: least time between passes.
    void setPumpPolicy(int stride, std::chrono::nanoseconds interval);
    // Called at every pass of the event loop that DoEvents makes, before it.
    void setPumpProbe(std::function<void()> probe) { pumpProbe_ = std::move(probe); }
    bool ended() const { return ended_; }
    // Destroys every window and forgets End: a fresh program for the next test.
    void reset();

    // Fonts, translations and icon that the whole program uses.
    static void configureApplication(QApplication& app);

private:
    void pump();
    void reportFault(FaultKind kind);

    DeferredTexts texts_;
    std::unordered_map<std::type_index, std::unique_ptr<Form>> forms_;
    std::vector<Form*> order_;
    std::unordered_map<const void*, int> nesting_;
    RegionalSettings regional_ = RegionalSettings::period();
    MessageSink messageSink_;
    std::function<void()> endHook_;
    std::function<void()> pumpProbe_;
    bool ended_ = false;

    int stride_ = kDefaultStride;
    std::chrono::nanoseconds interval_ = kDefaultInterval;
    std::int32_t countdown_ = kDefaultStride;
    Clock::time_point lastPump_{};
};

} // namespace ordevix
