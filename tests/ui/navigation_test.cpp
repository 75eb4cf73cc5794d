// Moving between the windows: the doors of the main menu, "INICIO" back, the
// ways out, and the keyboard's path through each window.
#include "window_fixture.h"

#include <algorithm>

namespace ordevix::test {
namespace {

class Navigation : public UiTest {
protected:
    Form& window(const char* name) {
        auto is = [&](const WindowEntry& entry) { return QByteArray(entry.name) == name; };
        return std::find_if(std::begin(kAllWindows), std::end(kAllWindows), is)->build(host());
    }
};

TEST_F(Navigation, FirstFocusAndTabFollowTheWindowsTable) {
    for (const WindowEntry& entry : kAllWindows) {
        SCOPED_TRACE(entry.name);
        restart();
        Form& w = show(entry.build(host()));
        std::vector<Control> controls(w.description().controls.begin(),
                                      w.description().controls.end());
        std::erase_if(controls, [](const Control& c) { return c.kind == Kind::Label; });
        std::ranges::sort(controls, {}, &Control::tabIndex);
        std::vector<QString> expected, seen;
        for (const Control& c : controls)
            expected.push_back(c.name);
        expected.push_back(expected.front()); // and round again
        for (std::size_t k = 0; k < expected.size() && w.focusWidget(); ++k) {
            seen.push_back(w.focusWidget()->objectName());
            QTest::keyClick(w.focusWidget(), Qt::Key_Tab);
        }
        EXPECT_EQ(seen, expected);
    }
}

TEST_F(Navigation, EveryDoorOpensItsToolAndInicioComesBack) {
    // clang-format off
    const struct { const char* door; const char* tool; const char* inicio; } rows[] = {
        {"Command1", "frmCalculadora", "Command1"},
        {"Command2", "frmFactoreo",    "cmdInicio"},
        {"Command3", "frmPrimos",      "Command3"},
        {"Command4", "frmAmigos",      "Command3"},
        {"Command5", "frmEsDivisible", "Command2"},
        {"Command6", "frmCuadraticas", "Command3"},
        {"Command7", "frmPerfectos",   "Command3"},
        {"Ctrl+B",   "frmCalculadora", "Command1"},
        {"Ctrl+F",   "frmFactoreo",    "cmdInicio"},
        {"Ctrl+P",   "frmPrimos",      "Command3"},
        {"Ctrl+A",   "frmAmigos",      "Command3"},
        {"Ctrl+D",   "frmEsDivisible", "Command2"},
        {"Ctrl+T",   "frmCuadraticas", "Command3"},
        {"Ctrl+E",   "frmPerfectos",   "Command3"},
        {"Alt+C",    "frmCalculadora", "Command1"},
        {"Alt+U",    "frmCuadraticas", "Command3"},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.door);
        restart();
        frmIndex& menu = open<frmIndex>();
        if (menu.control(row.door))
            click(menu, row.door);
        else
            QTest::keySequence(&menu, QKeySequence(QString::fromLatin1(row.door)));
        EXPECT_EQ(visibleName(), row.tool);
        click(window(row.tool), row.inicio);
        EXPECT_EQ(visibleName(), "frmIndex");
        EXPECT_EQ(ends, 0);
    }
}

TEST_F(Navigation, EveryWayOutEndsTheProgramAndNothingRunsAfter) {
    // clang-format off
    const struct { const char* window; const char* way; } rows[] = {
        {"frmIndex",       "SALIR"},
        {"frmIndex",       "close"},
        {"frmIndex",       "F4"},
        {"frmCalculadora", "SALIR"},
        {"frmFactoreo",    "SALIR"},
        {"frmEsDivisible", "SALIR"},
        {"frmPrimos",      "Esc"},
        {"frmPerfectos",   "close"},
        {"frmAmigos",      "SALIR"},
        {"frmCuadraticas", "Esc"},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.window) + " " + row.way);
        restart();
        frmIndex& menu = open<frmIndex>();
        Form& w = show(window(row.window));
        const QString way = row.way;
        if (way == "close")
            w.close();
        else if (way != "SALIR")
            QTest::keyClick(w.focusWidget(), way == "Esc" ? Qt::Key_Escape : Qt::Key_F4);
        for (QAbstractButton* button : w.findChildren<QAbstractButton*>())
            if (way == "SALIR" && button->text().remove('&') == "SALIR")
                QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(ends, 1);
        EXPECT_TRUE(visibleForms().empty());
        click(menu, "Command3"); // a window that is gone takes no clicks
        EXPECT_TRUE(visibleForms().empty());
    }
}

TEST_F(Navigation, AReopenedToolKeepsItsContentsButNotItsPrintedLines) {
    frmIndex& menu = open<frmIndex>();
    click(menu, "Command3");
    frmPrimos& tool = host().form<frmPrimos>();
    type(tool, "Text1", "abc");
    click(tool, "Check1");
    tool.Print(7);
    const QPoint where = tool.pos();
    click(tool, "Command3");
    click(menu, "Command3");
    EXPECT_EQ(textOf(tool, "Text1"), "abc");
    EXPECT_EQ(tool.value("Check1"), 1);
    EXPECT_TRUE(tool.printedLines().empty());
    EXPECT_EQ(tool.pos(), where);
}

TEST_F(Navigation, AClickReachingTheHiddenMenuLaterOpensNoSecondTool) {
    frmIndex& menu = open<frmIndex>();
    click(menu, "Command6");
    QMetaObject::invokeMethod(menu.control("Command5"), "click", Qt::QueuedConnection);
    QApplication::processEvents();
    EXPECT_EQ(visibleName(), "frmCuadraticas");
}

} // namespace
} // namespace ordevix::test
