// A seeded random storm of user actions over all the windows, nested clicks
// inside running searches included. After every action the program must still
// stand: one window visible, check boxes agreeing with their text boxes, the
// calculator's step counter in range. Programs that end are started afresh.
//
//   ORDEVIX_STORM_SEED=n ORDEVIX_STORM_ACTIONS=m ./ui_tests --gtest_filter='EventStorm*'
#include "all_windows.h"
#include "window_fixture.h"

#include <random>

namespace ordevix::test {
namespace {

unsigned long envNumber(const char* name, unsigned long fallback) {
    bool ok = false;
    const unsigned long value = qgetenv(name).toULong(&ok);
    return ok ? value : fallback;
}

// clang-format off
const char* const kTexts[] = {
    "", "   ", "abc", "12abc", "1e400", "-1e400", "99999999999", "2.5", "2,5", "-7", "&H1F", "0", "0.4",
    "0,4", "6", "28", "220", "284", "8128", "32767", "40000", "-32768", "1e-50", "1E+20", "360", "90",
    "3,1415927", " 6", "7.5", "1,000", "&O17", "-0", "+", ".", "1.2.3", "2147483648",
};
// The ways out (F4, Esc, closing, SALIR) come up rarely, so the storm gets somewhere.
const char* const kShortcuts[] = {"Ctrl+B", "Ctrl+F", "Ctrl+P", "Ctrl+A", "Ctrl+D", "Ctrl+T", "Ctrl+E",
                                  "Alt+C", "Alt+U", "Alt+P", "Ctrl+B", "Ctrl+E", "Ctrl+A", "F4"};
// clang-format on

class Storm {
public:
    explicit Storm(unsigned long seed) : random_(static_cast<std::mt19937::result_type>(seed)) {}

    unsigned pick(std::size_t n) {
        return std::uniform_int_distribution<unsigned>(0, unsigned(n) - 1)(random_);
    }

    // One user action on the visible window; returns what it did.
    std::string act(Form& window) {
        QWidget* focus = window.focusWidget() ? window.focusWidget() : &window;
        std::vector<QAbstractButton*> buttons;
        std::vector<QLineEdit*> edits;
        for (const Control& c : window.description().controls) {
            QWidget* widget = window.control(c.name);
            auto* button = qobject_cast<QAbstractButton*>(widget);
            if (widget->isEnabled() && button && (button != window.cancelButton() || pick(8) == 0))
                buttons.push_back(button);
            if (auto* edit = qobject_cast<QLineEdit*>(widget); edit && edit->isEnabled())
                edits.push_back(edit);
        }
        const unsigned kind = pick(10);
        if (kind < 4 && !buttons.empty())
            buttons[pick(buttons.size())]->click();
        else if ((kind == 4 || kind == 5) && !edits.empty())
            edits[pick(edits.size())]->setText(QString::fromUtf8(kTexts[pick(std::size(kTexts))]));
        else if (kind == 6 || kind == 7)
            QTest::keyClick(focus, kind == 6 ? Qt::Key_Return : Qt::Key_Tab);
        else if (kind == 8)
            QTest::keySequence(&window, QKeySequence(QString::fromLatin1(
                                            kShortcuts[pick(std::size(kShortcuts))])));
        else if (kind == 9 && pick(20) == 0)
            pick(2) ? QTest::keyClick(&window, Qt::Key_Escape) : (void)window.close();
        static const char* const kWhat[] = {"click", "click", "click", "click",    "type",
                                            "type",  "Enter", "Tab",   "shortcut", "Esc or close"};
        return kWhat[kind];
    }

private:
    std::mt19937 random_;
};

class EventStorm : public UiTest {
protected:
    void checkStanding(const std::string& step) {
        ASSERT_EQ(visibleForms().size(), 1u) << step;
        for (Form* form : host().forms()) {
            auto* box = qobject_cast<QCheckBox*>(form->control("Check1"));
            for (const char* name : {"Text1", "Text2"}) {
                QWidget* edit = box ? form->control(name) : nullptr;
                ASSERT_TRUE(!edit || edit->isEnabled() == !box->isChecked())
                    << name << " after " << step;
            }
            auto* calculator = dynamic_cast<frmCalculadora*>(form);
            ASSERT_TRUE(!calculator || (calculator->paso() >= 0 && calculator->paso() <= 1000))
                << step;
        }
    }
};

TEST_F(EventStorm, TheProgramStandsThroughRandomActions) {
    const unsigned long seed = envNumber("ORDEVIX_STORM_SEED", 20261206),
                        actions = envNumber("ORDEVIX_STORM_ACTIONS", 5000);
    SCOPED_TRACE("seed " + std::to_string(seed));
    Storm storm(seed);

    // While a search runs the user goes on clicking now and then: the event loop
    // gets a pass every few hundred steps, and one pass in twenty plays an action.
    int nested = 0, runs = 1;
    long nestedActions = 0;
    auto start = [&] {
        host().setPumpPolicy(256, std::chrono::nanoseconds(0));
        host().setPumpProbe([&] {
            const std::vector<Form*> visible = visibleForms();
            if (nested > 2 || storm.pick(20) != 0 || visible.size() != 1)
                return;
            ++nested;
            ++nestedActions;
            storm.act(*visible.front());
            --nested;
        });
        open<frmIndex>();
    };

    start();
    for (unsigned long k = 0; k < actions && !HasFatalFailure(); ++k) {
        Form& window = *visibleForms().front();
        window.activateWindow();
        const std::string step =
            std::to_string(k) + " " + window.objectName().toStdString() + ": " + storm.act(window);
        if (host().ended()) {
            restart(); // the user starts the program again
            start();
            ++runs;
        }
        checkStanding(step);
    }
    std::printf("storm: seed %lu, %lu actions, %ld nested in searches, %d runs\n", seed, actions,
                nestedActions, runs);
}

} // namespace
} // namespace ordevix::test
