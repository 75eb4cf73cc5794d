// DoEvents as the long loops see it: how many steps it lets pass between two
// calls, and where its event pass falls; and texts written between two passes.
#include "window_fixture.h"

#include "tools/frmPerfectos.h"
#include "tools/integer_tools.h"

#include <QLabel>

namespace ordevix::test {
namespace {

class Pump : public UiTest {
protected:
    // Every clock check makes an event pass; the probe counts them.
    void every(int stride) {
        host().setPumpPolicy(stride, std::chrono::nanoseconds(0));
        host().setPumpProbe([this] { onPass(++passes); });
    }
    int passes = 0;
    std::function<void(int)> onPass = [](int) {};
};

TEST_F(Pump, GrantsTheStepsLeftBeforeTheNextPass) {
    // clang-format off
    const struct { const char* name; int stride; std::vector<std::int32_t> asked, granted; int passes; } rows[] = {
        {"a pass at every step", 1, {100, 100, 1}, {1, 1, 1}, 3},
        {"four, then a pass and five", 5, {100, 100, 100}, {4, 5, 5}, 2},
        {"fewer asked than left", 5, {2, 100, 1, 1}, {2, 2, 1, 1}, 1},
        {"nothing asked is one step", 5, {0, -3}, {1, 1}, 0},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        every(row.stride);
        passes = 0;
        std::vector<std::int32_t> granted;
        for (const std::int32_t steps : row.asked)
            granted.push_back(host().DoEvents(steps));
        EXPECT_EQ(granted, row.granted);
        EXPECT_EQ(passes, row.passes);
    }
}

// A pass every 5 steps: the second comes at step 10, where a tick of
// "Automático" sets n to 1; 1 + 2 + 4 + 7 were gathered in steps 1 to 9.
TEST_F(Pump, ThePassFallsOnTheSameStepWhetherTheLoopAsksForOneOrMany) {
    for (const bool oneAtATime : {false, true}) {
        SCOPED_TRACE(oneAtATime ? "one step a call" : "steps asked in chunks");
        Integer n = 28;
        every(5);
        passes = 0;
        onPass = [&n](int pass) { n = pass == 2 ? 1 : n; };
        const Integer suma =
            oneAtATime
                ? sumarDivisores(n, [this] { host().DoEvents(); })
                : sumarDivisores(n, [this](std::int32_t steps) { return host().DoEvents(steps); });
        EXPECT_EQ(suma, 14);
        EXPECT_EQ(passes, 2);
    }
}

// The sum of 3 takes two steps of the five before the pass, so three more
// single steps reach it: a wish beyond the steps left would lose the rest.
TEST_F(Pump, ASumAsksOnlyForTheStepsItHasLeft) {
    every(5);
    const Integer n = 3;
    EXPECT_EQ(sumarDivisores(n, [this](std::int32_t steps) { return host().DoEvents(steps); }), 1);
    int steps = 0;
    for (; passes == 0 && steps < 10; ++steps)
        host().DoEvents();
    EXPECT_EQ(steps, 3);
}

// Three captions and three texts written in a row: the window reads the last at
// once, the widgets get it at the next pass, after the handler, before a
// message box, or when a control is taken directly.
TEST_F(Pump, TextsWrittenBetweenPassesReachTheWidgetsAtTheNextOne) {
    frmPerfectos& w = open<frmPerfectos>();
    auto* label = w.findChild<QLabel*>(QStringLiteral("Label3"));
    auto* box = w.findChild<QLineEdit*>(QStringLiteral("Text1"));
    const auto onScreen = [&] { return label->text() + "|" + box->text(); };
    QString beforeBox;
    host().setMessageSink([&](const QString&) { beforeBox = onScreen(); });
    // Each row does its thing and says what the screen showed then.
    // clang-format off
    const struct { const char* name; std::function<QString()> then; } rows[] = {
        {"an event pass",            [&] { every(1); host().DoEvents(); return onScreen(); }},
        {"the end of a handler",     [&] { host().dispatch(this, [] {}); return onScreen(); }},
        {"a message box",            [&] { host().MsgBox(u"x"); return beforeBox; }},
        {"a control taken directly", [&] { w.control("Label1"); return onScreen(); }},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        label->setText("old");
        box->setText("old");
        for (const char16_t* t : {u"1", u"2", u"Procesando... 3"}) {
            w.setCaption("Label3", t);
            w.setText("Text1", t);
        }
        EXPECT_EQ(captionOf(w, "Label3") + "|" + textOf(w, "Text1"),
                  "Procesando... 3|Procesando... 3");
        EXPECT_EQ(onScreen(), "old|old");
        EXPECT_EQ(row.then(), "Procesando... 3|Procesando... 3");
    }
}

} // namespace
} // namespace ordevix::test
