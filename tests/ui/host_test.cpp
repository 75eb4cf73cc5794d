// The form host on a small window made for the test: what a fault in a handler
// tells the user, the cap on nested runs, the wiring check, and clicks that reach
// a long loop.
#include "window_fixture.h"

#include <new>
#include <stdexcept>

namespace ordevix::test {
namespace {

// clang-format off
constexpr Control kControls[] = {
    {Kind::TextBox,       "Text1",    "",         100,  100, 1200, 375, 0},
    {Kind::CommandButton, "Command1", "Calcular", 100, 1200, 1200, 495, 1},
};
// clang-format on
const FormDescription kWindow{"TestWindow",       "Test",  3000,     3000, kMsSansSerif825,
                              Placement::Centred, nullptr, kControls};

// Its click writes Text1, then does the test's work.
struct TestWindow : Form {
    explicit TestWindow(FormHost& host) : Form(host, kWindow) {
        onClick("Command1", &TestWindow::Click);
    }
    void Click() {
        ++runs;
        setText("Text1", u"antes");
        work();
    }
    std::function<void()> work;
    int runs = 0;
};

class Host : public UiTest {
protected:
    TestWindow& w = static_cast<TestWindow&>(open(build<TestWindow>));
    // A click that reaches the window at the next event pass.
    void post() { QMetaObject::invokeMethod(w.control("Command1"), "click", Qt::QueuedConnection); }
};

TEST_F(Host, AFaultInAHandlerIsToldAndTheWindowKeepsWhatItShows) {
    const QString range = "El número está fuera del rango admitido.";
    // clang-format off
    const struct { const char* name; void (*raise)(); QString error, message; } rows[] = {
        {"out of memory",    [] { throw std::bad_alloc(); },           "",          range},
        {"std exception",    [] { throw std::out_of_range("llena"); }, "llena",     ""},
        {"no std exception", [] { throw 7; },                          "not a std", ""},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        messages.clear();
        QString error;
        host().setProgrammingErrorSink([&](const QString& what) { error = what; });
        w.work = row.raise;
        click(w, "Command1");
        EXPECT_EQ(error.isEmpty(), row.error.isEmpty());
        EXPECT_TRUE(error.contains(row.error));
        EXPECT_EQ(lastMessage(), row.message);
        EXPECT_EQ(textOf(w, "Text1"), "antes");
        EXPECT_TRUE(w.isVisible());
        EXPECT_EQ(ends, 0);
    }
    host().setProgrammingErrorSink({}); // the program's own
    click(w, "Command1");
    EXPECT_EQ(lastMessage(), "La operación no tiene un resultado válido.");
}

TEST_F(Host, AClickPostedDuringALongLoopRunsBeforeItEnds) {
    w.work = [&] {
        if (w.runs > 1)
            return;
        post();
        for (long step = 0; w.runs == 1 && step < 20'000'000'000L; ++step)
            host().DoEvents();
    };
    click(w, "Command1");
    EXPECT_EQ(w.runs, 2);
}

TEST_F(Host, NestedRunsOfOneHandlerStopAt16) {
    int depth = 0, deepest = 0;
    host().setPumpPolicy(1, std::chrono::nanoseconds(0));
    w.work = [&] {
        deepest = std::max(deepest, ++depth);
        post();
        for (int step = 0; step < 3; ++step)
            host().DoEvents();
        --depth;
    };
    click(w, "Command1");
    EXPECT_EQ(deepest, 16);
}

TEST_F(Host, EveryWindowBuildsWithEveryControlBoundButNoToolBeforeTheStartWindow) {
    for (Build window : kWindows)
        EXPECT_NO_THROW(window(host()).checkWiring());
    FormHost withoutStart;
    EXPECT_THROW(withoutStart.form<frmPrimos>(), WiringError);
}

} // namespace
} // namespace ordevix::test
