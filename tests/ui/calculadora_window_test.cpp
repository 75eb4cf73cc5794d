// The calculator window's wiring: its real buttons reach the right engine keys,
// the display is Text1 and the engine's messages reach the message box.
#include "window_fixture.h"

#include "calculator/frmCalculadora.h"

#include <QAbstractButton>

#include <ostream>
#include <string>
#include <vector>

namespace ordevix::test {
namespace {

struct KeyRow {
    std::string name;
    RegionalSettings regional;
    // A button name is clicked; anything else is typed into the display.
    std::vector<const char*> input;
    QString display;
    int paso;
    std::vector<QString> messages;
};

// Failures name the row instead of dumping its bytes.
void PrintTo(const KeyRow& row, std::ostream* os) {
    *os << row.name;
}

const QString kDivisionPorCero = QStringLiteral("Error, no se puede dividir por cero");

const std::vector<KeyRow>& keyRows() {
    constexpr RegionalSettings period = RegionalSettings::period();
    constexpr RegionalSettings comma = RegionalSettings::comma();
    const std::vector<QString> none;
    const QString debeIngresar = QStringLiteral("Debe ingresar valores");
    // clang-format off
    static const std::vector<KeyRow> rows = {
        {"SumThenEquals", period, {"2", "cmdSumar", "3", "cmdIgual"}, "5", 2, none},
        {"MinusAppliesAtOnce", period, {"9", "cmdResta", "4", "cmdResta"}, "5", 2, none},
        {"TimesAppliesAtOnce", period, {"2", "cmdSumar", "3", "cmdMultip"}, "6", 2, none},
        {"DivideInACommaLocale", comma, {"1", "cmdDiv", "2", "cmdIgual"}, "0,5", 2, none},
        {"WholeDivision", period, {"7", "cmdDivE", "2", "cmdIgual"}, "3", 2, none},
        {"Power", period, {"2", "cmdPot", "10", "cmdIgual"}, "1024", 2, none},
        {"Root", period, {"27", "cmdRaiz", "3", "cmdIgual"}, "3", 2, none},
        {"SineOf90", period, {"90", "cmdSen"}, "1", 1, none},
        {"CosineOf180", period, {"180", "cmdCos"}, "-1", 1, none},
        {"TangentOf90", period, {"90", "cmdTg"}, "Infinito", 0, none},
        {"PiInACommaLocale", comma, {"cmdPi"}, "3,1415927", 0, none},
        {"BorrarEmptiesOnlyTheDisplay", period, {"5", "cmdSumar", "Command4"}, "", 1, none},
        // Without the new run the last "=" would give 10.
        {"BorrarTodoStartsANewRun", period,
         {"2", "cmdSumar", "3", "cmdIgual", "Command3", "4", "cmdIgual", "1", "cmdIgual"}, "5", 2, none},
        {"DivisionByZeroRefused", period, {"8", "cmdDiv", "0", "cmdIgual"}, "0", 1, {kDivisionPorCero}},
        {"DivideOnEmptyDisplay", period, {"cmdDiv"}, "000", 0, none},
        {"SineOfNothingRefused", period, {"cmdSen"}, "", 0, {debeIngresar}},
    };
    // clang-format on
    return rows;
}

class CalculadoraKeys : public UiTest, public ::testing::WithParamInterface<KeyRow> {
protected:
    void SetUp() override {
        UiTest::SetUp();
        host().setRegional(GetParam().regional);
    }
};

TEST_P(CalculadoraKeys, ButtonsDriveTheDisplay) {
    const KeyRow& row = GetParam();
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
    EXPECT_EQ(ends, 0);
}

INSTANTIATE_TEST_SUITE_P(Window, CalculadoraKeys, ::testing::ValuesIn(keyRows()),
                         [](const auto& info) { return info.param.name; });

class CalculadoraWindow : public UiTest {};

TEST_F(CalculadoraWindow, FaultIsReportedAndTheCalculatorGoesOn) {
    frmCalculadora& window = open<frmCalculadora>();
    type(window, "Text1", "27");
    click(window, "cmdRaiz");
    type(window, "Text1", "0");
    click(window, "cmdIgual");
    EXPECT_EQ(messages, std::vector<QString>{"La operación no tiene un resultado válido."});
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(ends, 0);

    type(window, "Text1", "3");
    click(window, "cmdIgual");
    EXPECT_EQ(textOf(window, "Text1"), "3");
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
