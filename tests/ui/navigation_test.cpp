#include "all_windows.h"
#include "window_fixture.h"

#include <functional>

namespace ordevix::test {
namespace {

struct Door {
    const char* opener; // a main-menu button, or the shortcut of a menu item
    Form& (*tool)(FormHost&);
    const char* inicio;
};

// clang-format off
const Door kDoors[] = {
    {"Command1", &buildWindow<frmCalculadora>, "Command1"}, {"Command2", &buildWindow<frmFactoreo>, "cmdInicio"},
    {"Command3", &buildWindow<frmPrimos>, "Command3"},      {"Command4", &buildWindow<frmAmigos>, "Command3"},
    {"Command5", &buildWindow<frmEsDivisible>, "Command2"}, {"Command6", &buildWindow<frmCuadraticas>, "Command3"},
    {"Command7", &buildWindow<frmPerfectos>, "Command3"},
    {"Ctrl+B", &buildWindow<frmCalculadora>, "Command1"},   {"Ctrl+F", &buildWindow<frmFactoreo>, "cmdInicio"},
    {"Ctrl+P", &buildWindow<frmPrimos>, "Command3"},        {"Ctrl+A", &buildWindow<frmAmigos>, "Command3"},
    {"Ctrl+D", &buildWindow<frmEsDivisible>, "Command2"},   {"Ctrl+T", &buildWindow<frmCuadraticas>, "Command3"},
    {"Ctrl+E", &buildWindow<frmPerfectos>, "Command3"},
};
// clang-format on

bool isButton(const Door& door) {
    return QByteArray(door.opener).startsWith("Command");
}

class Navigation : public UiTest {};

TEST_F(Navigation, EveryDoorOpensItsToolAndInicioComesBack) {
    frmIndex& menu = open<frmIndex>();
    EXPECT_EQ(menu.focusWidget(), menu.control("Command1"));
    for (const Door& door : kDoors) {
        SCOPED_TRACE(door.opener);
        if (isButton(door))
            click(menu, door.opener);
        else
            QTest::keySequence(&menu, QKeySequence(QString::fromLatin1(door.opener)));
        Form& tool = door.tool(host());
        ASSERT_EQ(visibleForms(), std::vector<Form*>{&tool});
        // The first showing of each tool focuses its lowest TabIndex.
        EXPECT_TRUE(!isButton(door) || tool.focusWidget() == tool.firstFocus());
        click(tool, door.inicio);
        ASSERT_EQ(visibleForms(), std::vector<Form*>{&menu});
        menu.activateWindow();
    }
    EXPECT_EQ(ends, 0);
}

TEST_F(Navigation, ReopenedToolKeepsItsContentsButNotItsPrintedLines) {
    frmIndex& menu = open<frmIndex>();
    click(menu, "Command3");
    frmPrimos& tool = host().form<frmPrimos>();
    type(tool, "Text1", QStringLiteral("abc"));
    click(tool, "Check1");
    tool.Print(7);
    const QPoint where = tool.pos();
    click(tool, "Command3");
    click(menu, "Command3");
    EXPECT_EQ(textOf(tool, "Text1"), QStringLiteral("abc"));
    EXPECT_EQ(tool.value("Check1"), 1);
    EXPECT_TRUE(tool.printedLines().empty());
    EXPECT_EQ(tool.pos(), where);
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

TEST_F(Navigation, EveryWayOutEndsTheProgramAndNothingRunsAfter) {
    using Way = std::pair<const char*, std::function<void(Form&)>>;
    const Way ways[] = {
        {"SALIR", [](Form& f) { QTest::mouseClick(f.cancelButton(), Qt::LeftButton); }},
        {"Esc", [](Form& f) { QTest::keyClick(f.firstFocus(), Qt::Key_Escape); }},
        {"close", [](Form& f) { f.close(); }},
        {"F4", [](Form& f) { QTest::keyClick(&f, Qt::Key_F4); }}, // the main menu's item
    };
    // Row -1 is the main menu itself; 0 to 6 are the tools behind its buttons.
    for (int row = -1; row < 7; ++row) {
        for (const auto& [name, way] : ways) {
            if (row >= 0 && std::string_view(name) == "F4")
                continue;
            SCOPED_TRACE(std::to_string(row) + " " + name);
            restart();
            frmIndex& menu = open<frmIndex>();
            if (row >= 0)
                click(menu, kDoors[row].opener);
            way(row < 0 ? static_cast<Form&>(menu) : kDoors[row].tool(host()));
            EXPECT_EQ(ends, 1);
            EXPECT_TRUE(visibleForms().empty());
            click(menu, "Command3");
            EXPECT_TRUE(visibleForms().empty());
        }
    }
}

} // namespace
} // namespace ordevix::test
