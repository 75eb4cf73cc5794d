// The calculator window's wiring: its buttons reach the engine, whose display is Text1.
#include "window_fixture.h"

#include "calculator/frmCalculadora.h"

namespace ordevix::test {
namespace {
using CalculadoraWindow = UiTest;

TEST_F(CalculadoraWindow, ButtonsReachTheEngineAndEnterPressesNone) {
    host().setRegional(RegionalSettings::comma());
    frmCalculadora& w = open<frmCalculadora>();
    // Button names are clicked, anything else is typed into the display.
    for (const char* k :
         {"8", "cmdDiv", "0", "cmdIgual", "Command3", "1", "cmdDiv", "2", "cmdIgual"})
        qobject_cast<QAbstractButton*>(w.control(k)) ? click(w, k) : type(w, "Text1", k);
    w.control("Text1")->setFocus();
    for (Qt::Key enter : {Qt::Key_Return, Qt::Key_Enter})
        QTest::keyClick(w.control("Text1"), enter);
    EXPECT_EQ(textOf(w, "Text1"), "0,5"); // any key pressed by Enter would change it
    EXPECT_EQ(w.paso(), 2);
    EXPECT_EQ(messages, std::vector<QString>{"Error, no se puede dividir por cero"});
}
} // namespace
} // namespace ordevix::test
