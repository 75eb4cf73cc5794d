// SPDX-License-Identifier: GPL-3.0-or-later
// The form host: the one door between the windows' handlers and Qt. It keeps one
// instance of each window, shows and hides them, ends the program, shows message
// boxes, lets pending events in (DoEvents) and runs every handler through one
// dispatcher that reports the run-time faults.
#pragma once

#include "shell/numeric.h"

#include <QString>

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <typeindex>
#include <unordered_map>
#include <vector>

namespace ordevix {

class Form;

// Thrown by End to unwind the running handlers; only the dispatcher catches it.
// Deliberately not a std::exception, so nothing else swallows it.
struct EndRequest {};

class FormHost {
public:
    using Clock = std::chrono::steady_clock;
    using TextSink = std::function<void(const QString&)>;

    // A click that would start this many nested runs of one handler plus one is
    // ignored, so a held Enter key cannot exhaust the stack.
    static constexpr int kMaxNesting = 16;

    // Steps between two looks at the clock, well under a millisecond of any loop;
    // and the least time between two event passes, so input waits a few milliseconds.
    static constexpr std::int32_t kDefaultStride = 262144;
    static constexpr std::chrono::nanoseconds kDefaultInterval = std::chrono::milliseconds(2);

    // The host of the QApplication that exists, set up for the program and
    // reading the user's regional settings; without an application it aborts.
    FormHost();
    // Destroys the windows newest first, the reverse of the order they were built in.
    ~FormHost();
    FormHost(const FormHost&) = delete;
    FormHost& operator=(const FormHost&) = delete;

    // The one instance of a window class, created on first reference. A window
    // whose constructor left a button, check box or menu item without a handler
    // is a WiringError here, as it is built.
    template <class W> W& form() {
        const std::type_index type(typeid(W));
        if (Form* built = find(type))
            return static_cast<W&>(*built);
        auto window = std::make_unique<W>(*this);
        window->checkWiring();
        W& made = *window;
        windows_.push_back({type, std::move(window)});
        return made;
    }
    // Every window built so far, in order of creation.
    std::vector<Form*> forms() const;

    // The window the program starts with, where every "INICIO" goes back to;
    // built on first reference like any other. A tool window built before it
    // is known is a WiringError.
    template <class W> void setStartForm() {
        startForm_ = [this]() -> Form& { return form<W>(); };
    }
    bool hasStartForm() const { return static_cast<bool>(startForm_); }
    Form& startForm() { return startForm_(); }

    void Show(Form& form);
    void Hide(Form& form);
    [[noreturn]] void End();
    void MsgBox(const Text& prompt) { showMessage(QString::fromStdU16String(prompt)); }

    // Called at the start of a step of the long loops: a countdown, a clock check,
    // and a pass of the event loop once a few milliseconds have gone by. Answers
    // how many of the `steps` wanted may run before the next call (at least one);
    // they count down as if each had called, so the pass comes at the same step.
    std::int32_t DoEvents(std::int32_t steps = 1) {
        if (--countdown_ <= 0) [[unlikely]]
            pump();
        const std::int32_t granted = steps < countdown_ ? (steps < 1 ? 1 : steps) : countdown_;
        countdown_ -= granted - 1;
        return granted;
    }

    // Whether the next DoEvents looks at the clock and may let events in: a loop
    // that keeps what it shows composes it only then.
    bool passDue() const { return countdown_ <= 1; }

    // Runs one event handler: reports the run-time faults, passes any other
    // exception to the programming-error sink, absorbs End and caps the nesting
    // of one handler inside itself.
    void dispatch(const void* handlerKey, const std::function<void()>& handler);

    const RegionalSettings& regional() const { return regional_; }
    void setRegional(const RegionalSettings& regional) { regional_ = regional; }

    // Seams for tests and the benchmark.
    void setMessageSink(TextSink sink) { messageSink_ = std::move(sink); }
    void setEndHook(std::function<void()> hook) { endHook_ = std::move(hook); }
    // Takes the what() of a handler's exception that is not a fault. Without a
    // sink it is logged and the user told the operation has no valid result; a
    // WiringError ends the program with its message.
    void setProgrammingErrorSink(TextSink sink) { programmingErrorSink_ = std::move(sink); }
    // stride: DoEvents calls between clock checks; interval: least time between passes.
    void setPumpPolicy(int stride, std::chrono::nanoseconds interval);
    // Called at every pass of the event loop that DoEvents makes, before it.
    void setPumpProbe(std::function<void()> probe) { pumpProbe_ = std::move(probe); }

private:
    struct Window {
        std::type_index type;
        std::unique_ptr<Form> form;
    };

    Form* find(std::type_index type) const;
    void pump();
    void showMessage(const QString& prompt);
    void reportFault(FaultKind kind);
    void reportProgrammingError(const char* what, bool wiring);

    std::vector<Window> windows_;
    std::function<Form&()> startForm_;
    std::unordered_map<const void*, int> nesting_;
    RegionalSettings regional_;
    TextSink messageSink_;
    TextSink programmingErrorSink_;
    std::function<void()> endHook_;
    std::function<void()> pumpProbe_;
    bool ended_ = false;

    int stride_ = kDefaultStride;
    std::chrono::nanoseconds interval_ = kDefaultInterval;
    std::int32_t countdown_ = kDefaultStride;
    Clock::time_point lastPump_{};
};

} // namespace ordevix
