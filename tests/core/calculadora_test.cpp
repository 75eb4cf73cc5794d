// The calculator's runs through its engine, on a display that records what it is told;
// what each key computes is in the window's rows, one per button.
#include "calculator/calculadora.h"

#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace ordevix {
namespace {

using enum FaultKind;

struct Key {
    const char* caption;
    void (Calculadora::*press)();
};
constexpr Key mas{"+", &Calculadora::sumar}, por{"*", &Calculadora::multiplicar},
    entre{"/", &Calculadora::dividir}, entera{"\\", &Calculadora::dividirEntero},
    raiz{"Raiz", &Calculadora::extraerRaiz}, igual{"=", &Calculadora::repetir},
    borrar{"Borrar", &Calculadora::borrar}, todo{"Borrar todo", &Calculadora::borrarTodo},
    seno{"Seno", &Calculadora::seno}, cosen{"Cosen", &Calculadora::coseno},
    tg{"Tg", &Calculadora::tangente}, pi{"PI", &Calculadora::escribirPi};

Text text(std::string_view ascii) {
    return {ascii.begin(), ascii.end()};
}

// One press: a text typed over the display first, if any, then a key.
struct Press {
    Press(Key k) : key(k) {} // implicit: a bare key reads best in the rows
    Press(const char* t, Key k) : typed(t), key(k) {}
    const char* typed = nullptr;
    Key key;
};

// A fresh calculator with the decimal comma; the messages it shows are recorded one
// after another, and a fault ends only its key, as in the window.
struct Recorder : Visor {
    Recorder() : calc(RegionalSettings::comma(), *this) {}
    Text texto() const override { return shown; }
    void escribir(const Text& t) override { shown = t; }
    void avisar(const Text& t) override { told += t; }
    void press(const std::vector<Press>& presses) {
        for (const Press& p : presses) {
            if (p.typed)
                shown = text(p.typed);
            try {
                (calc.*p.key.press)();
            } catch (const Fault& f) {
                fault = f.kind();
            }
        }
    }
    Text shown, told;
    std::optional<FaultKind> fault;
    Calculadora calc;
};

TEST(Calculadora, KeysOfARun) {
    const Text cero = u"Error, no se puede dividir por cero", debe = u"Debe ingresar valores";
    const Text aviso = u"Esta función está preparada hasta 360º. Cifras mayores pueden causar "
                       u"errores impredecibles";
    // clang-format off
    const struct { const char* name; const char* shown; int paso; Text told;
                   std::vector<Press> presses; } rows[] = {
        {"\\ rounds",    "2",                   2, {},    {{"9", entera}, {"3,5", entera}}},
        {"Raiz of 0",    "0",                   2, {},    {{"0", raiz}, {"2", igual}}},
        {"= repeats",    "36",                  3, {},    {{"2", por}, {"3", igual}, igual}},
        {"= first adds", "14",                  2, {},    {{"7", igual}, igual}},
        {"/ by 0",       "13",                  2, cero,  {{"8", entre}, {"0", igual}, {"5", mas}}},
        {"/, empty",     "000",                 0, {},    {{"", entre}}},
        {"\\, empty",    "000",                 0, {},    {{"", entera}}},
        {"Raiz, empty",  "000",                 0, {},    {{"", raiz}}},
        {"Borrar",       "2",                   2, {},    {{"2", mas}, borrar, igual}},
        {"Borrar todo",  "0",                   2, {},    {{"2", por}, todo, igual, {"5", igual}}},
        {"PI times 2",   "6,2831854",           2, {},    {pi, por, {"2", igual}}},
        {"exact 1, +",   "2",                   2, {},    {{"90,0", seno}, mas}},
        {"Infinito",     "8",                   2, {},    {{"3", mas}, {"90", tg}, {"5", igual}}},
        {"Seno 0",       "0",                   0, debe,  {{"0", seno}}},
        {"Seno 360,5",   "0,00869318332396439", 1, aviso, {{"360,5", seno}}},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Recorder r;
        r.press(row.presses);
        EXPECT_EQ(r.shown, text(row.shown));
        EXPECT_EQ(r.calc.paso(), row.paso);
        EXPECT_EQ(r.told, row.told);
        EXPECT_EQ(r.fault, std::nullopt);
    }
}

TEST(Calculadora, QuadrantAnglesAreExact) {
    // The sine knows 90,0 as 90, the others only the typed digits; the tangent of 360 is
    // computed, without the warning above 360.
    const char* const angles[] = {"90", "180", "270", "360", "90,0"};
    // clang-format off
    const struct { Key key; const char* shown[5]; } rows[] = {
        //       90          180   270         360                      90,0
        {seno,  {"1",        "0",  "-1",       "0",                     "1"}},
        {cosen, {"0",        "-1", "0",        "1",                     "8,32679489667197E-06"}},
        {tg,    {"Infinito", "0",  "Infinito", "-3,33071795993894E-05", "120094,227415762"}},
    };
    // clang-format on
    for (const auto& row : rows)
        for (int i = 0; i < 5; ++i) {
            SCOPED_TRACE(std::string(row.key.caption) + " " + angles[i]);
            Recorder r;
            r.press({{angles[i], row.key}});
            EXPECT_EQ(r.shown, text(row.shown[i]));
            EXPECT_EQ(r.told, u"");
        }
}

TEST(Calculadora, AFaultLeavesTheRunAsItWas) {
    // The faulting key takes no step: the next one works on the value before it.
    Recorder root, sine;
    root.press({{"27", raiz}, {"0", igual}, {"3", mas}});
    EXPECT_EQ(root.fault, Arithmetic);
    EXPECT_EQ(root.shown, u"30");
    sine.press({{"7", igual}, {"12abc", seno}, {"1", mas}});
    EXPECT_EQ(sine.fault, TypeMismatch);
    EXPECT_EQ(sine.shown, u"8");
}

TEST(Calculadora, ARunHoldsAThousandSteps) {
    const Text lleno = u"La cuenta llegó a 1000 pasos. Presione 'Borrar todo' para empezar otra.";
    const Press keys[] = {{"2", entre}, {"2", igual}, {"30", seno}, {"90", seno}};
    for (const Press& refused : keys) {
        SCOPED_TRACE(std::string(refused.key.caption) + " " + refused.typed);
        Recorder r;
        for (int step = 0; step < 1000; ++step)
            r.press({{"1", mas}});
        r.press({refused});
        EXPECT_EQ(r.calc.paso(), 1000);
        EXPECT_EQ(r.shown, text(refused.typed));
        EXPECT_EQ(r.told, lleno);
        // A new run, where "=" still repeats "+".
        r.press({todo, {"4", igual}, {"4", igual}});
        EXPECT_EQ(r.shown, u"8");
        EXPECT_EQ(r.calc.paso(), 2);
    }
    Recorder r;
    EXPECT_NO_THROW(Calculadora(RegionalSettings::comma(), r, 1));
    EXPECT_THROW(Calculadora(RegionalSettings::comma(), r, 0), std::invalid_argument);
}

} // namespace
} // namespace ordevix
