// Moving between the windows: the doors of the main menu, "INICIO" back, the
// ways out, and the keyboard's path through each window.
#include "window_fixture.h"

#include <algorithm>

namespace ordevix::test {
namespace {

using Navigation = UiTest;

// Clicks the window's button with that caption.
void press(Form& w, const QString& caption) {
    for (QAbstractButton* button : w.findChildren<QAbstractButton*>())
        if (button->text() == caption)
            QTest::mouseClick(button, Qt::LeftButton);
}

TEST_F(Navigation, FirstFocusAndTabFollowTheWindowsTable) {
    for (Build window : kWindows) {
        restart();
        Form& w = open(window);
        SCOPED_TRACE(w.objectName().toStdString());
        std::vector<Control> controls(w.description().controls.begin(),
                                      w.description().controls.end());
        std::erase_if(controls, [](const Control& c) { return c.kind == Kind::Label; });
        std::ranges::sort(controls, {}, &Control::tabIndex);
        QStringList expected, seen;
        for (const Control& c : controls)
            expected << c.name;
        expected << expected.front(); // and round again
        for (int k = 0; k < expected.size() && w.focusWidget(); ++k) {
            seen << w.focusWidget()->objectName();
            QTest::keyClick(w.focusWidget(), Qt::Key_Tab);
        }
        EXPECT_EQ(seen, expected);
    }
}

TEST_F(Navigation, EveryDoorOpensItsToolAndInicioComesBack) {
    // clang-format off
    const struct { const char* door; Build tool; } rows[] = {
        {"Command1", calc},   {"Command2", factoreo},  {"Command3", primos},
        {"Command4", amigos}, {"Command5", divisible}, {"Command6", cuadraticas},
        {"Command7", perfectos},
        {"Ctrl+B",   calc},   {"Ctrl+T",   cuadraticas},
        {"Alt+A",    amigos}, {"Alt+U",    cuadraticas},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.door);
        restart();
        Form& menu = open(indice);
        if (menu.control(row.door))
            click(menu, row.door);
        else
            QTest::keySequence(&menu, QKeySequence(QString::fromLatin1(row.door)));
        // A click that reaches the menu once hidden opens no second tool.
        QMetaObject::invokeMethod(menu.control("Command5"), "click", Qt::QueuedConnection);
        QApplication::processEvents();
        Form& tool = row.tool(host());
        EXPECT_EQ(shown(), tool.objectName());
        press(tool, "INICIO");
        EXPECT_EQ(shown(), "frmIndex");
        EXPECT_EQ(ends, 0);
    }
}

TEST_F(Navigation, EveryWayOutEndsTheProgramAndNothingRunsAfter) {
    // clang-format off
    const struct { Build window; const char* way; } rows[] = {
        {indice, "SALIR"}, {indice, "F4"}, {calc, "SALIR"}, {primos, "Esc"}, {perfectos, "close"},
    };
    // clang-format on
    for (const auto& row : rows) {
        restart();
        Form& menu = open(indice);
        Form& w = open(row.window);
        SCOPED_TRACE(w.objectName().toStdString() + " " + row.way);
        const QString way = row.way;
        if (way == "close")
            w.close();
        else if (way != "SALIR")
            QTest::keySequence(w.focusWidget(), QKeySequence(way));
        press(w, way);
        EXPECT_EQ(ends, 1);
        EXPECT_EQ(shown(), "");
        click(menu, "Command3"); // a window that is gone takes no clicks
        EXPECT_EQ(shown(), "");
    }
}

TEST_F(Navigation, AReopenedToolKeepsItsContentsAndPlaceButNotItsPrintedLines) {
    Form& menu = open(indice);
    click(menu, "Command3");
    Form& tool = primos(host());
    type(tool, "Text1", "abc");
    click(tool, "Check1");
    tool.Print(7);
    const QPoint where = tool.pos();
    press(tool, "INICIO");
    click(menu, "Command3");
    EXPECT_EQ(textOf(tool, "Text1"), "abc");
    EXPECT_EQ(tool.value("Check1"), 1);
    EXPECT_TRUE(tool.printedLines().empty());
    EXPECT_EQ(tool.pos(), where);
}

} // namespace
} // namespace ordevix::test
