// The calculator through its own buttons, the display being Text1: every key,
// runs of keys, the whole quadrant angles and the warning above 360.
#include "calculator/frmCalculadora.h"
#include "window_fixture.h"

namespace ordevix::test {
namespace {

using CalculadoraWindow = UiTest;

constexpr RegionalSettings C = RegionalSettings::comma(), P = RegionalSettings::period();
const QString kCero = "Error, no se puede dividir por cero", kDebe = "Debe ingresar valores";
const QString kAviso = "Esta función está preparada hasta 360º. Cifras mayores pueden causar "
                       "errores impredecibles";

// One press: a text typed over the display first, unless none is given, then a button.
struct Press {
    Press(const char* b) : button(b) {} // NOLINT: a bare button reads best in the tables
    Press(const char* t, const char* b) : typed(t), button(b) {}
    const char* typed = nullptr;
    const char* button;
};

TEST_F(CalculadoraWindow, KeysThroughTheirButtons) {
    // 9 and 4 give a different result under every two-number key. Sine, cosine and
    // tangent take the angle in degrees times 0.0174532.
    // clang-format off
    const struct { const char* name; RegionalSettings regional; std::vector<Press> presses; QString display; int paso; std::vector<QString> messages; } rows[] = {
        {"+", C, {{"9", "cmdSumar"}, {"4", "cmdSumar"}}, "13", 2, {}}, {"-", C, {{"9", "cmdResta"}, {"4", "cmdResta"}}, "5", 2, {}},
        {"*", C, {{"9", "cmdMultip"}, {"4", "cmdMultip"}}, "36", 2, {}}, {"/", C, {{"9", "cmdDiv"}, {"4", "cmdDiv"}}, "2,25", 2, {}},
        {"\\", C, {{"9", "cmdDivE"}, {"4", "cmdDivE"}}, "2", 2, {}}, {"Pot", C, {{"9", "cmdPot"}, {"4", "cmdPot"}}, "6561", 2, {}},
        {"Raiz", C, {{"9", "cmdRaiz"}, {"4", "cmdRaiz"}}, "1,73205080756888", 2, {}}, {"= repeats the last key", C, {{"2", "cmdMultip"}, {"3", "cmdIgual"}, "cmdIgual"}, "36", 3, {}},
        {"= before any key adds", C, {{"7", "cmdIgual"}, "cmdIgual"}, "14", 2, {}}, {"/ keeps the fraction", C, {{"1", "cmdDiv"}, {"2", "cmdIgual"}, "cmdMultip"}, "0,25", 3, {}},
        {"\\ truncates toward zero", P, {{"-7", "cmdDivE"}, {"2", "cmdIgual"}}, "-3", 2, {}}, {"\\ rounds the divisor to even", C, {{"9", "cmdDivE"}, {"2,5", "cmdIgual"}}, "4", 2, {}},
        {"\\ refuses a divisor of 0,4", C, {{"9", "cmdDivE"}, {"0,4", "cmdIgual"}}, "0,4", 1, {kCero}}, {"/ refuses 0, the run goes on", C, {{"8", "cmdDiv"}, {"0", "cmdIgual"}, {"5", "cmdSumar"}}, "13", 2, {kCero}},
        {"Raiz of index 0 faults", C, {{"27", "cmdRaiz"}, {"0", "cmdIgual"}}, "0", 1, {"La operación no tiene un resultado válido."}}, {"/ on an empty display", C, {{"", "cmdDiv"}}, "000", 0, {}},
        {"\\ on an empty display", C, {{"", "cmdDivE"}}, "000", 0, {}}, {"Raiz on an empty display", C, {{"", "cmdRaiz"}}, "000", 0, {}},
        {"a blank display is not empty", C, {{" ", "cmdDiv"}}, " ", 1, {}}, {"Borrar empties the display", C, {{"2", "cmdSumar"}, "Command4"}, "", 1, {}},
        {"Borrar keeps the run", C, {{"2", "cmdSumar"}, "Command4", {"3", "cmdIgual"}}, "5", 2, {}}, {"Borrar todo empties all", C, {{"7", "cmdIgual"}, "cmdIgual", "Command3"}, "", 0, {}},
        {"Borrar todo keeps the key", C, {{"2", "cmdMultip"}, {"3", "cmdIgual"}, "Command3", {"4", "cmdIgual"}, {"5", "cmdIgual"}}, "20", 2, {}}, {"PI with the comma", C, {"cmdPi", "cmdMultip", {"2", "cmdIgual"}}, "6,2831854", 2, {}},
        {"PI with the period", P, {"cmdPi"}, "3.1415927", 0, {}}, {"Seno 30", C, {{"30", "cmdSen"}}, "0,499997596259436", 1, {}},
        {"Cosen 30", C, {{"30", "cmdCos"}}, "0,866026791580252", 1, {}}, {"Tg 30", C, {{"30", "cmdTg"}}, "0,577346568397824", 1, {}},
        {"Seno of 0 refused", C, {{"0", "cmdSen"}}, "0", 0, {kDebe}}, {"an exact 1 is the running value", C, {{"90,0", "cmdSen"}, "cmdSumar"}, "2", 2, {}},
        {"Infinito takes no step", C, {{"3", "cmdSumar"}, {"90", "cmdTg"}, {"5", "cmdIgual"}}, "8", 2, {}}, {"12abc faults at the warning", C, {{"7", "cmdIgual"}, {"12abc", "cmdSen"}}, "12abc", 1, {"El valor ingresado no es un número válido."}},
        {"Seno 90", P, {{"90", "cmdSen"}}, "1", 1, {}}, {"Seno 180", P, {{"180", "cmdSen"}}, "0", 1, {}}, {"Seno 270", P, {{"270", "cmdSen"}}, "-1", 1, {}}, {"Seno 360", P, {{"360", "cmdSen"}}, "0", 1, {}},
        {"Cosen 90", P, {{"90", "cmdCos"}}, "0", 1, {}}, {"Cosen 180", P, {{"180", "cmdCos"}}, "-1", 1, {}}, {"Cosen 270", P, {{"270", "cmdCos"}}, "0", 1, {}}, {"Cosen 360", P, {{"360", "cmdCos"}}, "1", 1, {}},
        {"Tg 90", P, {{"90", "cmdTg"}}, "Infinito", 0, {}}, {"Tg 180", P, {{"180", "cmdTg"}}, "0", 1, {}}, {"Tg 270", P, {{"270", "cmdTg"}}, "Infinito", 0, {}},
        {"Cosen 90.0 is no exact case", P, {{"90.0", "cmdCos"}}, "8.32679489667197E-06", 1, {}}, {"Seno 89", P, {{"89", "cmdSen"}}, "0.999847551414582", 1, {}},
        {"Cosen 181", P, {{"181", "cmdCos"}}, "-0.99984798727611", 1, {}}, {"Tg 360, no warning", P, {{"360", "cmdTg"}}, "-3.33071795993894E-05", 1, {}},
        {"Seno 360.5", P, {{"360.5", "cmdSen"}}, "0.00869318332396439", 1, {kAviso}}, {"Seno 361", P, {{"361", "cmdSen"}}, "0.0174190118149612", 1, {kAviso}},
        {"Cosen 361", P, {{"361", "cmdCos"}}, "0.999848277503837", 1, {kAviso}},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        restart();
        host().setRegional(row.regional);
        frmCalculadora& w = open<frmCalculadora>();
        for (const Press& press : row.presses) {
            if (press.typed)
                type(w, "Text1", press.typed);
            click(w, press.button);
        }
        EXPECT_EQ(textOf(w, "Text1"), row.display);
        EXPECT_EQ(w.paso(), row.paso);
        EXPECT_EQ(messages, row.messages);
    }
}

TEST_F(CalculadoraWindow, EnterPressesNoKey) {
    frmCalculadora& w = open<frmCalculadora>();
    type(w, "Text1", "7");
    for (Qt::Key enter : {Qt::Key_Return, Qt::Key_Enter})
        QTest::keyClick(w.control("Text1"), enter);
    EXPECT_EQ(textOf(w, "Text1"), "7");
    EXPECT_EQ(w.paso(), 0);
}

} // namespace
} // namespace ordevix::test
