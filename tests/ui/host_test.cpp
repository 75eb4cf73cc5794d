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
    {Kind::TextBox,       "Text1",    "",           100,  100, 1200, 375, 0},
    {Kind::CommandButton, "Command1", "Calcular",   100, 1200, 1200, 495, 1},
    {Kind::CheckBox,      "Check1",   "Automático", 100, 1800, 1200, 495, 2},
};
// clang-format on
constexpr MenuItem kMenu[] = {{"Archivo", "mnuArchivo", "Salir", "mnuSalir", "F4"}};
const FormDescription kWindow{"TestWindow",       "Test",  3000,      3000, kMsSansSerif825,
                              Placement::Centred, nullptr, kControls, kMenu};

// Every click writes Text1, then does the test's work.
struct TestWindow : Form {
    explicit TestWindow(FormHost& host) : Form(host, kWindow) {
        for (const char* name : {"Command1", "Check1", "mnuSalir"})
            onClick(name, &TestWindow::Click);
    }
    void Click() {
        ++runs;
        setText("Text1", u"antes");
        work();
    }
    std::function<void()> work = [] {};
    int runs = 0;
};

using Host = UiTest;

TEST_F(Host, AnExceptionInAHandlerIsToldAndTheWindowKeepsWhatItShows) {
    const QString range = "El número está fuera del rango admitido.";
    const QString invalid = "La operación no tiene un resultado válido.";
    // clang-format off
    const struct { const char* name; void (*raise)(); const char* error; QString text; } rows[] = {
        {"out of memory",    [] { throw std::bad_alloc(); },           "",          range},
        {"std exception",    [] { throw std::out_of_range("llena"); }, "llena",     ""},
        {"no std exception", [] { throw 7; },                          "not a std", ""},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        restart();
        QString error;
        host().setProgrammingErrorSink([&](const QString& what) { error = what; });
        auto& w = static_cast<TestWindow&>(show(host().form<TestWindow>()));
        w.work = row.raise;
        click(w, "Command1");
        EXPECT_TRUE(error.contains(row.error) && error.isEmpty() == !*row.error);
        EXPECT_EQ(lastMessage(), row.text);
        EXPECT_EQ(textOf(w, "Text1"), "antes");
        EXPECT_TRUE(w.isVisible());
        EXPECT_EQ(ends, 0);
    }
    // The program's own sink tells the user the operation failed.
    host().setProgrammingErrorSink({});
    auto& w = static_cast<TestWindow&>(show(host().form<TestWindow>()));
    w.work = [] { throw std::out_of_range("llena"); };
    click(w, "Command1");
    EXPECT_EQ(lastMessage(), invalid);
}

TEST_F(Host, AClickPostedDuringALongLoopRunsBeforeItEnds) {
    auto& w = static_cast<TestWindow&>(show(host().form<TestWindow>()));
    w.work = [&] {
        if (w.runs > 1)
            return;
        QMetaObject::invokeMethod(w.control("Check1"), "click", Qt::QueuedConnection);
        for (long steps = 0; w.runs == 1 && steps < 20'000'000'000L; ++steps)
            host().DoEvents();
    };
    click(w, "Command1");
    EXPECT_EQ(w.runs, 2);
}

TEST_F(Host, NestedRunsOfOneHandlerStopAt16) {
    auto& w = static_cast<TestWindow&>(show(host().form<TestWindow>()));
    int depth = 0, deepest = 0;
    host().setPumpPolicy(1, std::chrono::nanoseconds(0));
    w.work = [&] {
        deepest = std::max(deepest, ++depth);
        QMetaObject::invokeMethod(w.control("Command1"), "click", Qt::QueuedConnection);
        for (int step = 0; step < 3; ++step)
            host().DoEvents();
        --depth;
    };
    click(w, "Command1");
    EXPECT_EQ(deepest, 16);
}

TEST_F(Host, EveryWindowBuildsWithEveryControlBound) {
    for (const WindowEntry& entry : kAllWindows)
        EXPECT_NO_THROW(entry.build(host()).checkWiring()) << entry.name;
    FormHost withoutStart;
    EXPECT_THROW(withoutStart.form<frmPrimos>(), WiringError);
}

} // namespace
} // namespace ordevix::test
