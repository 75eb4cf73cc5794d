#include "all_windows.h"
#include "window_fixture.h"

#include <functional>
#include <string>
#include <utility>

namespace ordevix::test {
namespace {

struct Door {
    std::string name;
    const char* opener;    // button or menu item of the main menu
    QKeySequence shortcut; // empty for the buttons
    std::function<Form&()> tool;
    const char* inicio;
};

template <class W> std::function<Form&()> toolOf() {
    return [] { return std::ref<Form>(FormHost::instance().form<W>()); };
}

const std::vector<Door>& doors() {
    static const std::vector<Door> table = {
        {"button Calculadora", "Command1", {}, toolOf<frmCalculadora>(), "Command1"},
        {"button Factoreador", "Command2", {}, toolOf<frmFactoreo>(), "cmdInicio"},
        {"button Primos", "Command3", {}, toolOf<frmPrimos>(), "Command3"},
        {"button Amigos", "Command4", {}, toolOf<frmAmigos>(), "Command3"},
        {"button Es Divisible", "Command5", {}, toolOf<frmEsDivisible>(), "Command2"},
        {"button Cuadraticas", "Command6", {}, toolOf<frmCuadraticas>(), "Command3"},
        {"button Perfectos", "Command7", {}, toolOf<frmPerfectos>(), "Command3"},
        {"Ctrl+B opens the calculator", "mnuCalculadora", QKeySequence("Ctrl+B"),
         toolOf<frmCalculadora>(), "Command1"},
        {"Ctrl+F", "mnuFactoreador", QKeySequence("Ctrl+F"), toolOf<frmFactoreo>(), "cmdInicio"},
        {"Ctrl+P", "mnuPrimos", QKeySequence("Ctrl+P"), toolOf<frmPrimos>(), "Command3"},
        {"Ctrl+A", "mnuAmigos", QKeySequence("Ctrl+A"), toolOf<frmAmigos>(), "Command3"},
        {"Ctrl+D", "mnuEsDivisible", QKeySequence("Ctrl+D"), toolOf<frmEsDivisible>(), "Command2"},
        {"Ctrl+T opens the quadratic solver", "mnuCuadraticas", QKeySequence("Ctrl+T"),
         toolOf<frmCuadraticas>(), "Command3"},
        {"Ctrl+E opens the perfect numbers", "mnuPerfectos", QKeySequence("Ctrl+E"),
         toolOf<frmPerfectos>(), "Command3"},
    };
    return table;
}

class Navigation : public UiTest {};

TEST_F(Navigation, EveryDoorOpensItsToolAndInicioComesBack) {
    frmIndex& menu = open<frmIndex>();
    for (const Door& door : doors()) {
        SCOPED_TRACE(door.name);
        if (door.shortcut.isEmpty()) {
            click(menu, door.opener);
        } else {
            // The shortcut triggers the very menu item a mouse would.
            QTest::keySequence(&menu, door.shortcut);
        }
        Form& tool = door.tool();
        ASSERT_EQ(visibleForms(), std::vector<Form*>{&tool});
        click(tool, door.inicio);
        ASSERT_EQ(visibleForms(), std::vector<Form*>{&menu});
        menu.activateWindow();
    }
    EXPECT_EQ(ends, 0);
    EXPECT_TRUE(messages.empty());
}

TEST_F(Navigation, ReopenedToolKeepsItsContentsButNotItsPrintedLines) {
    frmIndex& menu = open<frmIndex>();
    click(menu, "Command2");
    frmFactoreo& tool = host().form<frmFactoreo>();
    type(tool, "Text1", QStringLiteral("abc"));
    tool.Print(7);
    ASSERT_EQ(tool.printedLines().size(), 1u);
    const QPoint where = tool.pos();
    click(tool, "cmdInicio");
    click(menu, "Command2");
    EXPECT_EQ(&host().form<frmFactoreo>(), &tool);
    EXPECT_EQ(textOf(tool, "Text1"), QStringLiteral("abc"));
    EXPECT_TRUE(tool.printedLines().empty());
    EXPECT_EQ(tool.pos(), where);

    click(tool, "cmdInicio");
    click(menu, "Command3");
    frmPrimos& primos = host().form<frmPrimos>();
    auto* box = qobject_cast<QCheckBox*>(primos.control("Check1"));
    box->setChecked(true);
    click(primos, "Command3");
    click(menu, "Command3");
    EXPECT_TRUE(box->isChecked());
}

TEST_F(Navigation, AccessKeysOpenAtOnceAndHiddenWindowsTakeNoClicks) {
    frmIndex& menu = open<frmIndex>();
    QTest::keySequence(&menu, QKeySequence(QStringLiteral("Alt+U")));
    Form& tool = host().form<frmCuadraticas>();
    // No event loop pass in between: the access key clicked at once.
    ASSERT_EQ(visibleForms(), std::vector<Form*>{&tool});
    // A click that reaches the hidden menu later must not open a second tool.
    QMetaObject::invokeMethod(menu.control("Command5"), "click", Qt::QueuedConnection);
    QApplication::processEvents();
    EXPECT_EQ(visibleForms(), std::vector<Form*>{&tool});
}

TEST_F(Navigation, FirstShowingFocusesTheLowestTabIndex) {
    frmIndex& menu = open<frmIndex>();
    EXPECT_EQ(menu.focusWidget(), menu.control("Command1"));
    click(menu, "Command6");
    frmCuadraticas& tool = host().form<frmCuadraticas>();
    EXPECT_EQ(tool.focusWidget(), tool.control("txtValorA"));
}

class Ending : public UiTest {
protected:
    void expectEnded() {
        EXPECT_EQ(ends, 1);
        EXPECT_TRUE(host().ended());
        EXPECT_TRUE(visibleForms().empty());
    }
};

TEST_F(Ending, TheMenuEndsByEscF4OrSalir) {
    const std::vector<std::pair<const char*, std::function<void(frmIndex&)>>> ways = {
        {"Esc", [](frmIndex& menu) { QTest::keyClick(&menu, Qt::Key_Escape); }},
        {"F4", [](frmIndex& menu) { QTest::keyClick(&menu, Qt::Key_F4); }},
        {"SALIR", [](frmIndex& menu) { click(menu, "Command8"); }},
    };
    for (const auto& [name, act] : ways) {
        SCOPED_TRACE(name);
        host().reset();
        ends = 0;
        act(open<frmIndex>());
        expectEnded();
    }
}

TEST_F(Ending, EveryToolEndsBySalirEscOrClosing) {
    struct Way {
        const char* name;
        std::function<void(Form&)> act;
    };
    const std::vector<Way> ways = {
        {"SALIR", [](Form& f) { QTest::mouseClick(f.cancelButton(), Qt::LeftButton); }},
        {"Esc in the first text box",
         [](Form& f) { QTest::keyClick(f.firstFocus(), Qt::Key_Escape); }},
        {"closing the frame", [](Form& f) { f.close(); }},
    };
    for (const Door& door : doors()) {
        if (!door.shortcut.isEmpty())
            continue;
        for (const Way& way : ways) {
            SCOPED_TRACE(door.name + " / " + way.name);
            host().reset();
            ends = 0;
            frmIndex& menu = open<frmIndex>();
            click(menu, door.opener);
            Form& tool = door.tool();
            ASSERT_TRUE(tool.cancelButton());
            EXPECT_EQ(tool.cancelButton()->text(), QStringLiteral("SALIR"));
            way.act(tool);
            expectEnded();
        }
    }
}

TEST_F(Ending, NothingRunsAfterEnd) {
    frmIndex& menu = open<frmIndex>();
    click(menu, "Command8");
    click(menu, "Command3");
    EXPECT_EQ(ends, 1);
    EXPECT_TRUE(visibleForms().empty());
}

} // namespace
} // namespace ordevix::test
