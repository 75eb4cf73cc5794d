// What a desktop user and assistive technology expect of the windows: a check
// box's Click follows every change of its value, the printed numbers can be
// copied and read out, text boxes take any length, tool windows are centred
// with their frame.
#include "all_windows.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QScreen>

#include <set>

namespace ordevix::test {
namespace {

using Toggle = void (*)(QCheckBox*);

// A screen reader, switch access or voice control: the box's accessible action.
void byScreenReader(QCheckBox* box) {
    QAccessibleActionInterface* actions =
        QAccessible::queryAccessibleInterface(box)->actionInterface();
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::toggleAction()));
    actions->doAction(QAccessibleActionInterface::toggleAction());
}
// clang-format off
void byMouse(QCheckBox* box) { QTest::mouseClick(box, Qt::LeftButton); }
void bySpace(QCheckBox* box) { box->setFocus(); QTest::keyClick(box, Qt::Key_Space); }
const struct { const char* name; Toggle toggle; } kToggles[] = {{"screen reader", &byScreenReader}, {"mouse", &byMouse}, {"space", &bySpace}};
constexpr Control kBoxOnly[] = {{Kind::CheckBox, "Check1", "Automático", 100, 100, 1575, 495, 0}};
// clang-format on

const FormDescription kBoxWindow{"frmCasilla",    "Casilla",          3000,    1000,
                                 kMsSansSerif825, Placement::Centred, nullptr, kBoxOnly};

// Records the value its check box's handler reads at each run.
struct frmCasilla : Form {
    explicit frmCasilla(FormHost& host) : Form(host, kBoxWindow) {
        onClick("Check1", &frmCasilla::Check1_Click);
    }
    void Check1_Click() { seen += QString::number(value("Check1")); }
    QString seen;
};

using CheckBoxes = UiTest;

TEST_F(CheckBoxes, ClickRunsOnceForEveryChangeWhateverMadeIt) {
    for (const auto& way : kToggles) {
        SCOPED_TRACE(way.name);
        restart();
        frmCasilla& w = open<frmCasilla>();
        auto* box = qobject_cast<QCheckBox*>(w.control("Check1"));
        for (int k = 0; k < 3; ++k)
            way.toggle(box);
        EXPECT_EQ(w.seen, "101"); // ticked, cleared, ticked: one run each, after the change
    }
}

// clang-format off
QString textIn(Form& w, const char* box) { return QString::fromStdU16String(w.text(box)); }
// clang-format on

// The boxes after each step, a disabled one in brackets.
QString boxes(Form& w) {
    QStringList shown;
    for (const char* name : {"Text1", "Text2"})
        if (w.control(name))
            shown << (w.enabled(name) ? textIn(w, name) : "[" + textIn(w, name) + "]");
    return shown.join('/');
}

TEST_F(CheckBoxes, AutomaticoTurnedByAnyWayDisablesTheBoxesAndResetsTheCounterAsAClickDoes) {
    // Steps: tick, Calcular twice, clear, tick, Calcular. Primos resets its counter to 1 when
    // cleared, so the last search shows 2 again; Perfectos and Amigos restart at 1 when ticked,
    // so the last search shows their first hit again (the searches pass over 1).
    // clang-format off
    const struct { const char* name; Form& (*build)(FormHost&); const char* expected; } windows[] = {
        {"frmPrimos",    &buildWindow<frmPrimos>,    "[] [2] [3] 3 [3] [2]"},
        {"frmPerfectos", &buildWindow<frmPerfectos>, "[] [ 6] [ 28]  28 [ 28] [ 6]"},
        {"frmAmigos",    &buildWindow<frmAmigos>,    "[]/[] [220]/[284] [284]/[220] 284/220 [284]/[220] [220]/[284]"},
    };
    // clang-format on
    for (const auto& window : windows) {
        for (const auto& way : kToggles) {
            SCOPED_TRACE(std::string(window.name) + " by " + way.name);
            restart();
            Form& w = window.build(host());
            host().Show(w);
            auto* box = qobject_cast<QCheckBox*>(w.control("Check1"));
            QStringList shown;
            for (char step : std::string("TCCTTC")) {
                step == 'T' ? way.toggle(box) : click(w, "Command1");
                shown << boxes(w);
            }
            EXPECT_EQ(shown.join(' ').toStdString(), window.expected);
            EXPECT_TRUE(messages.empty());
        }
    }
}

using Copy = UiTest;

// Right-clicks the surface and takes "Copiar" from the menu that opens, if it is
// enabled; returns the menu's items, a disabled one in brackets.
QString copyByMenu(Form& w) {
    QStringList items;
    QTimer::singleShot(0, [&items] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        QAction* copiar = nullptr;
        for (QAction* action : menu->actions()) {
            items << (action->isEnabled() ? action->text() : "[" + action->text() + "]");
            if (action->text() == "Copiar" && action->isEnabled())
                copiar = action;
        }
        if (copiar)
            copiar->trigger();
        menu->close();
    });
    const QPoint at(5, 5);
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, at, w.surface()->mapToGlobal(at));
    QApplication::sendEvent(w.surface(), &rightClick);
    return items.join('|');
}

// Clicks the surface, which takes the focus if there is something to copy, then
// Ctrl+C; no menu.
QString copyByKeys(Form& w) {
    QTest::mouseClick(w.surface(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::keySequence(w.focusWidget() ? w.focusWidget() : &w, QKeySequence::Copy);
    return {};
}

TEST_F(Copy, ThePrintedNumbersGoToTheClipboardOnePerLine) {
    const QString thirteenTwos = QString("2\n").repeated(13) + "1";
    const QString untouched = "antes";
    // clang-format off
    const struct { const char* name; const char* text; QString (*copy)(Form&); const char* menu; QString clipboard; } rows[] = {
        {"8192 by the menu",            "8192",  &copyByMenu, "Copiar",   thirteenTwos},
        {"8192 by Ctrl+C",              "8192",  &copyByKeys, "",         thirteenTwos},
        {"nothing printed yet",         nullptr, &copyByMenu, "[Copiar]", untouched},
        {"nothing printed yet, Ctrl+C", nullptr, &copyByKeys, "",         untouched},
        {"a refusal wiped the list",    "1",     &copyByMenu, "[Copiar]", untouched},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        restart();
        Form& w = open<frmFactoreo>();
        QGuiApplication::clipboard()->setText(untouched);
        if (row.text) {
            type(w, "Text1", "12");
            click(w, "Command1"); // a list that the next click replaces
            type(w, "Text1", row.text);
            click(w, "Command1");
        }
        EXPECT_EQ(row.copy(w).toStdString(), row.menu);
        EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), row.clipboard.toStdString());
    }
}

using LongTexts = UiTest;

// Pastes `head` followed by blanks or letters up to 100 000 characters into a box.
void paste(Form& w, const char* box, const char* head, char filler) {
    const QString text = QString::fromUtf8(head);
    QGuiApplication::clipboard()->setText(text + QString(100000 - text.size(), QChar(filler)));
    QWidget* edit = w.control(box);
    edit->setFocus();
    QTest::keySequence(edit, QKeySequence::Paste);
    EXPECT_EQ(textIn(w, box).size(), 100000) << box;
}

TEST_F(LongTexts, AHundredThousandCharactersReachTheConversionsWhole) {
    // What the answer control shows, the printed lines, the messages. Blanks after a number are
    // ignored by every conversion; letters end the leading number and make the strict ones refuse.
    // clang-format off
    struct Paste { const char* box; const char* head; char filler; };
    const struct { const char* name; Form& (*build)(FormHost&); std::vector<Paste> pastes; const char* button; const char* answer; const char* expected; } rows[] = {
        {"Factoreador reads 12",           &buildWindow<frmFactoreo>,    {{"Text1", "12", 'x'}},                     "Command1",    nullptr,     ", 2 , 2 , 3 , 1 "},
        {"¿Es divisible? reads 12 and 4",  &buildWindow<frmEsDivisible>, {{"Text1", "12", ' '}, {"Text2", "4", ' '}}, "Command1",    "Label1",    "Es divisible"},
        {"¿Es divisible? refuses 12x...",  &buildWindow<frmEsDivisible>, {{"Text1", "12", 'x'}, {"Text2", "4", ' '}}, "Command1",    "Label1",    " !El valor ingresado no es un número válido."},
        {"Primos reads 97",                &buildWindow<frmPrimos>,      {{"Text1", "97", ' '}},                     "Command1",    "Label1",    "El número es primo"},
        {"Perfectos reads 28",             &buildWindow<frmPerfectos>,   {{"Text1", "28", ' '}},                     "Command1",    "Label1",    "Es perfecto"},
        {"Amigos reads 220 and 284",       &buildWindow<frmAmigos>,      {{"Text1", "220", ' '}, {"Text2", "284", ' '}}, "Command1", "Label1",    "Son amigos"},
        {"Cuadráticas reads 1, -3 and 2",  &buildWindow<frmCuadraticas>, {{"txtValorA", "1", 'x'}, {"txtValorB", "-3", 'x'}, {"txtValorC", "2", 'x'}}, "cmdCalcular", "lblSalida", "Raices  2  1"},
        {"Calculadora's Seno reads 90",    &buildWindow<frmCalculadora>, {{"Text1", "90", 'x'}},                     "cmdSen",      "Text1",     "1"},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        restart();
        Form& w = row.build(host());
        host().Show(w);
        for (const Paste& p : row.pastes)
            paste(w, p.box, p.head, p.filler);
        click(w, row.button);
        QString answer;
        if (row.answer)
            answer = qobject_cast<QLineEdit*>(w.control(row.answer)) ? textOf(w, row.answer)
                                                                     : captionOf(w, row.answer);
        for (const QString& line : w.printedLines())
            answer += "," + line;
        for (const QString& message : messages)
            answer += " !" + message;
        EXPECT_EQ(answer.toStdString(), row.expected);
    }
}

using ToolWindowPlacement = UiTest;
using Accessibility = UiTest;

TEST_F(Accessibility, TextBoxesHaveDistinctNamesAndLabelsNoneOfTheirOwn) {
    int boxes = 0;
    for (const WindowEntry& entry : kAllWindows) {
        std::set<QString> names{QString()}; // an empty name counts as taken
        for (const Control& c : entry.build(host()).description().controls) {
            QWidget* w = entry.build(host()).control(c.name);
            const QString name = QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
            EXPECT_TRUE(c.kind != Kind::Label || w->accessibleName().isEmpty()) << c.name;
            boxes += c.kind == Kind::TextBox;
            EXPECT_TRUE(c.kind != Kind::TextBox || names.insert(name).second) << c.name;
        }
    }
    EXPECT_GE(boxes, 10);
}

TEST_F(Accessibility, TheFactorListersSurfaceDescriptionFollowsPrintAndCls) {
    Form& window = open<frmFactoreo>();
    QAccessibleInterface* surface = QAccessible::queryAccessibleInterface(window.surface());
    window.Print(97);
    window.Print(1);
    EXPECT_EQ(surface->text(QAccessible::Description), "97\n1");
    window.Cls();
    EXPECT_EQ(surface->text(QAccessible::Description), "");
}

TEST_F(ToolWindowPlacement, EveryToolWindowsFrameIsCentredOnTheScreen) {
    const QPointF centre = QRectF(QGuiApplication::primaryScreen()->availableGeometry()).center();
    for (bool afterMenu : {false, true}) {
        // The first window on the screen learns its frame only once shown; a later one is placed
        // with the frame of the main menu.
        for (const WindowEntry& entry : kAllWindows) {
            if (std::string_view(entry.name) == "frmIndex")
                continue;
            SCOPED_TRACE(std::string(entry.name) + (afterMenu ? " after the menu" : " first"));
            restart();
            if (afterMenu)
                open<frmIndex>();
            Form& w = entry.build(host());
            host().Show(w);
            QApplication::processEvents();
            ASSERT_NE(w.frameGeometry(), w.geometry()); // the offscreen platform draws a frame
            const QPointF off = QRectF(w.frameGeometry()).center() - centre;
            EXPECT_LE(std::max(std::abs(off.x()), std::abs(off.y())), 1.0);
        }
    }
}

} // namespace
} // namespace ordevix::test
