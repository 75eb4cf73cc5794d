// The calculator window's wiring: each real button reaches its engine key, the
// display is Text1 and the engine's messages reach the message box. What the
// keys compute is the core tests' business.
#include "window_fixture.h"

#include "calculator/frmCalculadora.h"

#include <QAbstractButton>

#include <vector>

namespace ordevix::test {
namespace {

using CalculadoraWindow = UiTest;

TEST_F(CalculadoraWindow, EveryButtonDrivesTheDisplay) {
    constexpr RegionalSettings period = RegionalSettings::period();
    constexpr RegionalSettings comma = RegionalSettings::comma();
    const QString kCero = QStringLiteral("Error, no se puede dividir por cero");
    struct Row {
        const char* name;
        RegionalSettings regional;
        // A button name is clicked; anything else is typed into the display.
        std::vector<const char*> input;
        QString display;
        int paso;
        std::vector<QString> messages = {};
    };
    // clang-format off
    const std::vector<Row> rows = {
        {"+ and =", period, {"2", "cmdSumar", "3", "cmdIgual"}, "5", 2},
        {"-", period, {"9", "cmdResta", "4", "cmdIgual"}, "5", 2},
        {"*", period, {"2", "cmdMultip", "3", "cmdIgual"}, "6", 2},
        {"/ with the host's comma", comma, {"1", "cmdDiv", "2", "cmdIgual"}, "0,5", 2},
        {"\\", period, {"7", "cmdDivE", "2", "cmdIgual"}, "3", 2},
        {"Pot", period, {"2", "cmdPot", "10", "cmdIgual"}, "1024", 2},
        {"Raiz", period, {"27", "cmdRaiz", "3", "cmdIgual"}, "3", 2},
        {"Seno", period, {"90", "cmdSen"}, "1", 1},
        {"Cosen", period, {"180", "cmdCos"}, "-1", 1},
        {"Tg", period, {"90", "cmdTg"}, "Infinito", 0},
        {"PI with the host's comma", comma, {"cmdPi"}, "3,1415927", 0},
        {"Borrar empties only the display", period, {"5", "cmdSumar", "Command4"}, "", 1},
        // Without the new run the last "=" would give 10.
        {"Borrar todo starts a new run", period,
         {"2", "cmdSumar", "3", "cmdIgual", "Command3", "4", "cmdIgual", "1", "cmdIgual"}, "5", 2},
        {"refusal in the message box", period, {"8", "cmdDiv", "0", "cmdIgual"}, "0", 1, {kCero}},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        host().reset();
        host().setRegional(row.regional);
        messages.clear();
        frmCalculadora& window = open<frmCalculadora>();
        for (const char* entry : row.input) {
            if (qobject_cast<QAbstractButton*>(window.control(entry)))
                click(window, entry);
            else
                type(window, "Text1", QString::fromUtf8(entry));
        }
        EXPECT_EQ(textOf(window, "Text1"), row.display);
        EXPECT_EQ(window.paso(), row.paso);
        EXPECT_EQ(messages, row.messages);
    }
    EXPECT_EQ(ends, 0);
}

TEST_F(CalculadoraWindow, EnterInTheDisplayPressesNoKey) {
    frmCalculadora& window = open<frmCalculadora>();
    QWidget* display = window.control("Text1");
    display->setFocus();
    type(window, "Text1", "5");
    // Any key pressed by Enter would take a step or rewrite the display.
    QTest::keyClick(display, Qt::Key_Return);
    QTest::keyClick(display, Qt::Key_Enter);
    EXPECT_EQ(window.paso(), 0);
    EXPECT_EQ(textOf(window, "Text1"), "5");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(ends, 0);
}

} // namespace
} // namespace ordevix::test
