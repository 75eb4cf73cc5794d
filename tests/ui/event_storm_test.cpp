// A seeded random storm of user actions over all the windows, nested clicks
// inside running searches included. After every action the program must still
// stand: one window visible, check boxes agreeing with their text boxes, the
// calculator's step counter in range. Programs that end are started afresh.
//
//   ORDEVIX_STORM_SEED=n ORDEVIX_STORM_ACTIONS=m ./ui_tests --gtest_filter='EventStorm*'
#include "all_windows.h"
#include "window_fixture.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLineEdit>

#include <random>
#include <sstream>

namespace ordevix::test {
namespace {

unsigned long envNumber(const char* name, unsigned long fallback) {
    const QByteArray value = qgetenv(name);
    bool ok = false;
    const unsigned long parsed = value.toULong(&ok);
    return ok ? parsed : fallback;
}

const QString kTexts[] = {
    "",     "   ",   "abc",   "12abc",  "1e400", "-1e400", "99999999999", "2.5",   "2,5",
    "-7",   "&H1F",  "0",     "0.4",    "0,4",   "6",      "28",          "220",   "284",
    "8128", "32767", "40000", "-32768", "1e-50", "1E+20",  "360",         "90",    "3,1415927",
    " 6",   "7.5",   "1,000", "&O17",   "-0",    "+",      ".",           "1.2.3", "2147483648",
};

class Storm {
public:
    explicit Storm(std::mt19937& random) : random_(random) {}

    // One user action on the visible window; returns its description.
    std::string act(Form& window) {
        std::ostringstream what;
        what << window.objectName().toStdString() << ": ";
        switch (pick(10)) {
        case 0:
        case 1:
        case 2:
        case 3: {
            QAbstractButton* button = randomButton(window);
            if (!button)
                break;
            what << "click " << button->objectName().toStdString();
            button->click();
            break;
        }
        case 4:
        case 5: {
            QLineEdit* edit = randomEdit(window);
            if (!edit)
                break;
            const QString& text = kTexts[pick(std::size(kTexts))];
            what << "type '" << text.toStdString() << "' into " << edit->objectName().toStdString();
            edit->setText(text);
            break;
        }
        case 6: {
            QWidget* target = window.focusWidget() ? window.focusWidget() : &window;
            what << "Enter on " << target->objectName().toStdString();
            QTest::keyClick(target, Qt::Key_Return);
            break;
        }
        case 7: {
            QWidget* target = window.focusWidget() ? window.focusWidget() : &window;
            what << "Tab";
            QTest::keyClick(target, Qt::Key_Tab);
            break;
        }
        case 8: {
            static const char* const kShortcuts[] = {"Ctrl+B", "Ctrl+F", "Ctrl+P", "Ctrl+A",
                                                     "Ctrl+D", "Ctrl+T", "Ctrl+E", "Alt+C",
                                                     "Alt+U",  "Alt+P",  "F4"};
            // The ways out are rarer than the rest, so the storm gets somewhere.
            const char* shortcut = kShortcuts[pick(std::size(kShortcuts) - (pick(8) ? 1 : 0))];
            what << "shortcut " << shortcut;
            QTest::keySequence(&window, QKeySequence(QString::fromLatin1(shortcut)));
            break;
        }
        default:
            if (pick(20) == 0) {
                what << (pick(2) ? "Esc" : "close");
                if (pick(2))
                    QTest::keyClick(&window, Qt::Key_Escape);
                else
                    window.close();
            } else {
                what << "nothing";
            }
            break;
        }
        return what.str();
    }

    unsigned pick(std::size_t n) {
        return std::uniform_int_distribution<unsigned>(0, unsigned(n) - 1)(random_);
    }

private:
    QAbstractButton* randomButton(Form& window) {
        std::vector<QAbstractButton*> buttons;
        for (const Control& c : window.description().controls) {
            auto* button = qobject_cast<QAbstractButton*>(window.control(c.name));
            // SALIR ends the run; let it come up now and then only.
            if (button && button->isEnabled() && (button != window.cancelButton() || pick(8) == 0))
                buttons.push_back(button);
        }
        return buttons.empty() ? nullptr : buttons[pick(buttons.size())];
    }
    QLineEdit* randomEdit(Form& window) {
        std::vector<QLineEdit*> edits;
        for (const Control& c : window.description().controls)
            if (auto* edit = qobject_cast<QLineEdit*>(window.control(c.name));
                edit && edit->isEnabled())
                edits.push_back(edit);
        return edits.empty() ? nullptr : edits[pick(edits.size())];
    }

    std::mt19937& random_;
};

class EventStorm : public UiTest {
protected:
    void checkStanding(const std::string& step) {
        const std::vector<Form*> visible = visibleForms();
        ASSERT_EQ(visible.size(), 1u) << step;
        for (Form* form : host().forms()) {
            if (auto* box = qobject_cast<QCheckBox*>(form->control("Check1"))) {
                for (const char* name : {"Text1", "Text2"}) {
                    if (QWidget* edit = form->control(name)) {
                        ASSERT_EQ(edit->isEnabled(), !box->isChecked())
                            << form->objectName().toStdString() << " " << name << " after " << step;
                    }
                }
            }
            if (auto* calculator = dynamic_cast<frmCalculadora*>(form)) {
                ASSERT_GE(calculator->paso(), 0) << step;
                ASSERT_LE(calculator->paso(), 1000) << step;
            }
        }
    }
};

TEST_F(EventStorm, TheProgramStandsThroughRandomActions) {
    const unsigned long seed = envNumber("ORDEVIX_STORM_SEED", 20261206);
    const unsigned long actions = envNumber("ORDEVIX_STORM_ACTIONS", 5000);
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(static_cast<std::mt19937::result_type>(seed));
    Storm storm(random);

    // While a search runs, the user goes on clicking now and then; the event loop
    // gets a pass every few hundred steps so that happens often.
    host().setPumpPolicy(256, std::chrono::nanoseconds(0));
    int nested = 0;
    long nestedActions = 0;
    host().setPumpProbe([&] {
        if (nested > 2 || storm.pick(20) != 0)
            return;
        const std::vector<Form*> visible = visibleForms();
        if (visible.size() != 1)
            return;
        ++nested;
        ++nestedActions;
        storm.act(*visible.front());
        --nested;
    });

    open<frmIndex>();
    int runs = 1;
    std::string last = "start";
    for (unsigned long k = 0; k < actions; ++k) {
        const std::vector<Form*> visible = visibleForms();
        ASSERT_EQ(visible.size(), 1u) << "before action " << k << ", after " << last;
        visible.front()->activateWindow();
        last = std::to_string(k) + " " + storm.act(*visible.front());
        if (host().ended()) {
            // The user starts the program again.
            host().reset();
            open<frmIndex>();
            ++runs;
        }
        checkStanding(last);
        if (HasFatalFailure())
            return;
    }
    std::printf("storm: seed %lu, %lu actions, %ld nested in searches, %d runs, %zu messages\n",
                seed, actions, nestedActions, runs, messages.size());
}

} // namespace
} // namespace ordevix::test
