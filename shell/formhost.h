// SPDX-License-Identifier: GPL-3.0-or-later
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

namespace ordevix {

class Form;

// Thrown by End to unwind the running handlers; only the dispatcher catches it.
// Deliberately not a std::exception, so nothing else swallows it.
struct EndRequest {};

class FormHost {
public:
    using Clock = std::chrono::steady_clock;
    using MessageSink = std::function<void(const QString&)>;
    using ProgrammingErrorSink = std::function<void(const QString& what)>;

    // A click that would start this many nested runs of one handler plus one is
    // ignored, so a held Enter key cannot exhaust the stack.
    static constexpr int kMaxNesting = 16;

    // Steps between two looks at the clock: under a millisecond of the loops
    // that take one step a call, a few nanoseconds each, and some ten
    // candidates of a divisor search, whose steps come by the thousand, so the
    // clock costs little; and the least time between two event passes, so input
    // waits at most a few milliseconds.
    static constexpr std::int32_t kDefaultStride = 262144;
    static constexpr std::chrono::nanoseconds kDefaultInterval = std::chrono::milliseconds(2);

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
        adopt(type, std::move(window));
        return made;
    }
    // Every window built so far, in order of creation.
    std::vector<Form*> forms() const;

    // The window the program starts with, where every "INICIO" goes back to;
    // built on first reference like any other.
    template <class W> void setStartForm() {
        startForm_ = [this]() -> Form& { return form<W>(); };
    }
    Form& startForm();

    void Show(Form& form);
    void Hide(Form& form);
    [[noreturn]] void End();
    void MsgBox(const Text& prompt);

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

    // Whether the next DoEvents looks at the clock and may let events in: a loop
    // that keeps what it shows composes it only then.
    bool passDue() const { return countdown_ <= 1; }

    // Label captions and text box texts written since the last event pass; the
    // host hands them to their widgets before each pass, after each handler
    // and before a message box.
    DeferredTexts& texts() { return texts_; }
    void flushTexts() { texts_.flush(); }

    // Runs one event handler: reports the run-time faults, passes any other
    // exception to the programming-error sink, absorbs End and caps the nesting
    // of one handler inside itself.
    void dispatch(const void* handlerKey, const std::function<void()>& handler);

    const RegionalSettings& regional() const { return regional_; }
    void setRegional(const RegionalSettings& regional) { regional_ = regional; }

    // --- seams for tests and the benchmark ---
    void setMessageSink(MessageSink sink) { messageSink_ = std::move(sink); }
    void setEndHook(std::function<void()> hook) { endHook_ = std::move(hook); }
    // Takes the what() of an exception from a handler that is not one of the
    // program's faults. Without a sink it is logged and the user is told that the
    // operation has no valid result, except a WiringError, which ends the program
    // with its message: a wrongly wired window is not something to go on with.
    void setProgrammingErrorSink(ProgrammingErrorSink sink) {
        programmingErrorSink_ = std::move(sink);
    }
    // stride: DoEvents calls between clock checks; interval: least time between passes.
    void setPumpPolicy(int stride, std::chrono::nanoseconds interval);
    // Called at every pass of the event loop that DoEvents makes, before it.
    void setPumpProbe(std::function<void()> probe) { pumpProbe_ = std::move(probe); }
    bool ended() const { return ended_; }

private:
    struct Window {
        std::type_index type;
        std::unique_ptr<Form> form;
    };

    Form* find(std::type_index type) const;
    void adopt(std::type_index type, std::unique_ptr<Form> window);
    void pump();
    void showMessage(const QString& prompt);
    void reportFault(FaultKind kind);
    void reportProgrammingError(const char* what, bool wiring);

    DeferredTexts texts_;
    std::vector<Window> windows_;
    std::function<Form&()> startForm_;
    std::unordered_map<const void*, int> nesting_;
    RegionalSettings regional_ = RegionalSettings::period();
    MessageSink messageSink_;
    ProgrammingErrorSink programmingErrorSink_;
    std::function<void()> endHook_;
    std::function<void()> pumpProbe_;
    bool ended_ = false;

    int stride_ = kDefaultStride;
    std::chrono::nanoseconds interval_ = kDefaultInterval;
    std::int32_t countdown_ = kDefaultStride;
    Clock::time_point lastPump_{};
};

} // namespace ordevix
