// The form host's own contract, mostly on a small window made for the test:
// faults and programming errors in handlers, the nesting cap, wiring that fails
// as the window is built; and DoEvents as the long loops see it (how many steps
// it lets pass between two calls, where its event pass falls) with the captions
// written between two passes.
#include "window_fixture.h"

#include "tools/integer_tools.h"

#include <QLabel>

#include <new>
#include <stdexcept>

namespace ordevix::test {
namespace {

// clang-format off
constexpr Control kControls[] = {
    {Kind::TextBox,       "Text1",    "",           100,  100, 1200, 375, 0},
    {Kind::Label,         "Label1",   "",           100,  600, 1200, 375, 1},
    {Kind::CommandButton, "Command1", "Calcular",   100, 1200, 1200, 495, 2},
    {Kind::CheckBox,      "Check1",   "Automático", 100, 1800, 1200, 495, 3},
};
constexpr MenuItem kMenu[] = {{"Archivo", "mnuArchivo", "Salir", "mnuSalir", "F4"}};
// clang-format on
const FormDescription kDescription{"TestWindow",       "Test",  3000,      3000, kMsSansSerif825,
                                   Placement::Centred, nullptr, kControls, kMenu};

// Binds the names it is given to one handler, which writes Text1 and then does
// what the test needs.
struct TestWindow : Form {
    TestWindow(FormHost& host, const std::vector<const char*>& names) : Form(host, kDescription) {
        for (const char* name : names)
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
struct FullyWiredWindow : TestWindow {
    explicit FullyWiredWindow(FormHost& host)
        : TestWindow(host, {"Command1", "Check1", "mnuSalir"}) {}
};
struct MenuItemUnwiredWindow : TestWindow {
    explicit MenuItemUnwiredWindow(FormHost& host) : TestWindow(host, {"Command1", "Check1"}) {}
};

class Host : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        open<FullyWiredWindow>();
    }
    TestWindow& w() { return host().form<FullyWiredWindow>(); }
};

TEST_F(Host, FaultsAreReportedAndOtherExceptionsAreProgrammingErrors) {
    // What the programming-error sink gets, in part, and what the user is told;
    // what the handler wrote before stays, and the window with it.
    // clang-format off
    const struct { const char* name; std::function<void(TestWindow&)> raise; const char* error; const char* message; } rows[] = {
        {"type mismatch",        [](TestWindow&) { raiseFault(FaultKind::TypeMismatch); },     "", "El valor ingresado no es un número válido."},
        {"overflow",             [](TestWindow&) { raiseFault(FaultKind::Overflow); },         "", "El número está fuera del rango admitido."},
        {"arithmetic",           [](TestWindow&) { raiseFault(FaultKind::Arithmetic); },       "", "La operación no tiene un resultado válido."},
        {"a standard exception", [](TestWindow&) { throw std::out_of_range("historia llena"); }, "historia llena", ""},
        {"not a std::exception", [](TestWindow&) { throw 7; },                           "not a std::exception", ""},
        {"out of memory",        [](TestWindow&) { throw std::bad_alloc(); },            "", "El número está fuera del rango admitido."},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        restart();
        std::vector<QString> errors;
        host().setProgrammingErrorSink([&](const QString& what) { errors.push_back(what); });
        TestWindow& window = open<FullyWiredWindow>();
        window.work = [&] { row.raise(window); };
        click(window, "Command1");
        EXPECT_EQ(errors.size(), *row.error ? 1u : 0u);
        EXPECT_TRUE(errors.empty() || errors.front().contains(QString::fromUtf8(row.error)));
        EXPECT_EQ(lastMessage(), QString::fromUtf8(row.message));
        EXPECT_EQ(textOf(window, "Text1"), "antes");
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(ends, 0);
    }
    // The program's own sink (which logs what went wrong) tells the user the operation failed.
    host().setProgrammingErrorSink({});
    w().work = [] { throw std::out_of_range("historia llena"); };
    click(w(), "Command1");
    EXPECT_EQ(lastMessage(), QStringLiteral("La operación no tiene un resultado válido."));
}

TEST_F(Host, AWrongKindReadInTheProgramEndsItWithTheWindowAndControlNamed) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    host().setProgrammingErrorSink({});
    w().work = [this] { w().value("Text1"); };
    EXPECT_DEATH(click(w(), "Command1"), "TestWindow: Text1");
}

TEST_F(Host, APostedClickRunsBeforeTheLoopEndsWithTheRealPumpPolicy) {
    w().work = [&] {
        if (w().runs > 1)
            return; // the posted click
        QMetaObject::invokeMethod(w().control("Check1"), "click", Qt::QueuedConnection);
        for (long steps = 0; w().runs == 1 && steps < 20'000'000'000L; ++steps)
            host().DoEvents();
    };
    click(w(), "Command1");
    EXPECT_EQ(w().runs, 2);
}

TEST_F(Host, NestedRunsOfOneHandlerAreCapped) {
    int depth = 0, deepest = 0;
    host().setPumpPolicy(1, std::chrono::nanoseconds(0));
    w().work = [&] {
        deepest = std::max(deepest, ++depth);
        QMetaObject::invokeMethod(w().control("Command1"), "click", Qt::QueuedConnection);
        for (int step = 0; step < 3; ++step)
            host().DoEvents();
        --depth;
    };
    click(w(), "Command1");
    EXPECT_EQ(deepest, FormHost::kMaxNesting);
}

// `act` throws a WiringError naming TestWindow and `control`, or none if `control` is null.
void expectNames(const std::function<void()>& act, const char* control) {
    std::string what = "no WiringError";
    try {
        act();
    } catch (const WiringError& error) {
        what = error.what();
    }
    EXPECT_TRUE(control ? what.find("TestWindow") != std::string::npos &&
                              what.find(control) != std::string::npos
                        : what == "no WiringError")
        << what;
}

using Wiring = UiTest;

TEST_F(Wiring, AWrongBindingFailsAsTheWindowIsBuiltNamingWindowAndControl) {
    // The control the message names; nullptr: no error.
    // clang-format off
    const struct { const char* name; std::vector<const char*> bound; const char* control; } rows[] = {
        {"all wired", {"Command1", "Check1", "mnuSalir"}, nullptr},                           {"a name not in the table", {"Command1", "Check1", "mnuSalir", "Command9"}, "Command9"},
        {"a button bound twice", {"Command1", "Check1", "mnuSalir", "Command1"}, "Command1"}, {"a menu item bound twice", {"Command1", "Check1", "mnuSalir", "mnuSalir"}, "mnuSalir"},
        {"a label has no Click", {"Command1", "Check1", "mnuSalir", "Label1"}, "Label1"},     {"a text box has no Click", {"Command1", "Check1", "mnuSalir", "Text1"}, "Text1"},
        {"a button without handler", {"Check1", "mnuSalir"}, "Command1"},                     {"a check box without one", {"Command1", "mnuSalir"}, "Check1"},
        {"a menu item without one", {"Command1", "Check1"}, "mnuSalir"},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        expectNames([&] { TestWindow(host(), row.bound).checkWiring(); }, row.control);
    }
}

TEST_F(Wiring, TheHostChecksEveryWindowItBuildsAndKeepsNoHalfWiredOne) {
    expectNames([&] { host().form<MenuItemUnwiredWindow>(); }, "mnuSalir");
    EXPECT_TRUE(host().forms().empty());
}

TEST_F(Wiring, AToolWindowBuiltBeforeItsHostKnowsTheStartWindowFailsAtOnce) {
    FormHost withoutStart;
    EXPECT_THROW(withoutStart.form<frmPrimos>(), WiringError);
    EXPECT_TRUE(withoutStart.forms().empty());
}

TEST_F(Wiring, AControlReadOrWrittenAsTheWrongKindFailsNamingWindowAndControl) {
    // clang-format off
    const struct { const char* name; std::function<void(Form&)> access; const char* control; } rows[] = {
        {"Text of a label", [](Form& f) { f.text("Label1"); }, "Label1"},        {"Text written into a check box", [](Form& f) { f.setText("Check1", u"1"); }, "Check1"},
        {"Caption of a text box", [](Form& f) { f.caption("Text1"); }, "Text1"}, {"Caption written on a button", [](Form& f) { f.setCaption("Command1", u"Otro"); }, "Command1"},
        {"Enabled of a label", [](Form& f) { f.enabled("Label1"); }, "Label1"},  {"Enabled set on a button", [](Form& f) { f.setEnabled("Command1", false); }, "Command1"},
        {"Value of a button", [](Form& f) { f.value("Command1"); }, "Command1"}, {"Text of a name not in the table", [](Form& f) { f.text("Text2"); }, "Text2"},
    };
    // clang-format on
    FullyWiredWindow window(host());
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        expectNames([&] { row.access(window); }, row.control);
    }
}

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
        {"a pass at every step", 1, {100, 100, 1}, {1, 1, 1}, 3},      {"four, then a pass and five", 5, {100, 100, 100}, {4, 5, 5}, 2},
        {"fewer asked than left", 5, {2, 100, 1, 1}, {2, 2, 1, 1}, 1}, {"nothing asked is one step", 5, {0, -3}, {1, 1}, 0},
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
                ? sumarDivisores(n, [this](std::int32_t) { return host().DoEvents(1); })
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

// Three captions and three texts written in a row: the box shows the last text
// at once; the label gives the last caption at once and shows it at the next
// event pass, and so at every pass.
TEST_F(Pump, TheLastCaptionWrittenIsOnTheScreenAfterTheNextPass) {
    frmPerfectos& w = open<frmPerfectos>();
    for (const char16_t* t : {u"1", u"2", u"3"}) {
        w.setCaption("Label3", u"Procesando... " + Text(t));
        w.setText("Text1", t);
    }
    EXPECT_EQ(captionOf(w, "Label3"), "Procesando... 3");
    EXPECT_EQ(w.findChild<QLineEdit*>(QStringLiteral("Text1"))->text(), "3");
    const auto* label = w.findChild<QLabel*>(QStringLiteral("Label3"));
    every(1);
    host().DoEvents();
    EXPECT_EQ(label->text(), "Procesando... 3");
    // And again at the pass after that.
    w.setCaption("Label3", u"Listo");
    host().DoEvents();
    EXPECT_EQ(label->text(), "Listo");
}

} // namespace
} // namespace ordevix::test
