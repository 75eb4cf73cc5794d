// The form host's dispatcher: what a fault in a handler tells the user, clicks
// that reach a long loop, and the cap on nested runs.
#include "window_fixture.h"

#include <new>
#include <stdexcept>

namespace ordevix::test {
namespace {

using Host = UiTest;

TEST_F(Host, AFaultInAHandlerIsToldAndTheWindowKeepsWhatItShows) {
    const QString range = "El número está fuera del rango admitido.";
    // clang-format off
    const struct { const char* name; void (*raise)(); QString error, message; } rows[] = {
        {"out of memory",    [] { throw std::bad_alloc(); },           "",          range},
        {"std exception",    [] { throw std::out_of_range("llena"); }, "llena",     ""},
        {"no std exception", [] { throw 7; },                          "not a std", ""},
    };
    // clang-format on
    Form& w = open(primos);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        messages.clear();
        QString error;
        host().setProgrammingErrorSink([&](const QString& what) { error = what; });
        host().dispatch(&w, [&] {
            type(w, "Text1", "antes");
            row.raise();
        });
        EXPECT_EQ(error.isEmpty(), row.error.isEmpty());
        EXPECT_TRUE(error.contains(row.error));
        EXPECT_EQ(lastMessage(), row.message);
        EXPECT_EQ(shows(w, "Text1"), "antes");
        EXPECT_EQ(shown(), "frmPrimos");
        EXPECT_EQ(ends, 0);
    }
    host().setProgrammingErrorSink({}); // the program's own
    host().dispatch(&w, [] { throw std::out_of_range("llena"); });
    EXPECT_EQ(lastMessage(), "La operación no tiene un resultado válido.");
}

TEST_F(Host, AClickPostedDuringALongLoopRunsBeforeItEnds) {
    Form& menu = open(indice);
    host().dispatch(&menu, [&] {
        QMetaObject::invokeMethod(menu.control("Command3"), "click", Qt::QueuedConnection);
        for (long step = 0; menu.isVisible() && step < 20'000'000'000L; ++step)
            host().DoEvents();
    });
    EXPECT_EQ(shown(), "frmPrimos");
}

TEST_F(Host, NestedRunsOfOneHandlerStopAt16) {
    int depth = 0, deepest = 0;
    std::function<void()> run = [&] {
        deepest = std::max(deepest, ++depth);
        host().dispatch(&run, run);
        --depth;
    };
    host().dispatch(&run, run);
    EXPECT_EQ(deepest, 16);
}

} // namespace
} // namespace ordevix::test
