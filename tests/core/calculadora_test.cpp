// Runs of the engine; what each key computes is in the window's rows.
#include "calculator/calculadora.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using namespace ordevix;

namespace {

using enum FaultKind;
using Key = void (Calculadora::*)();
constexpr Key mas = &Calculadora::sumar, entre = &Calculadora::dividir,
              raiz = &Calculadora::extraerRaiz, igual = &Calculadora::repetir,
              seno = &Calculadora::seno;

struct Press {
    const char* typed;
    Key key;
};

// The decimal comma, an ASCII display, the messages; a fault ends only its key, as in the window.
struct Recorder : Visor {
    std::string shown;
    Text told;
    std::optional<FaultKind> fault;
    Calculadora calc{RegionalSettings::comma(), *this};
    Text texto() const override { return {shown.begin(), shown.end()}; }
    void escribir(const Text& t) override { shown = {t.begin(), t.end()}; }
    void avisar(const Text& t) override { told += t; }
    void press(const std::vector<Press>& presses) {
        for (const Press& p : presses)
            try {
                shown = p.typed;
                (calc.*p.key)();
            } catch (const Fault& f) {
                fault = f.kind();
            }
    }
};

// A refused or faulting key takes no step: the next one works on the value before it.
TEST(Calculadora, KeysOfARun) {
    const Text cero = u"Error, no se puede dividir por cero";
    // clang-format off
    const struct {
        const char* name; const char* shown; int paso; Text told; std::vector<Press> presses;
        std::optional<FaultKind> fault = {};
    } rows[] = {
        {"Raiz of 0",    "0",  2, {},   {{"0", raiz}, {"2", igual}}},
        {"/ by 0",       "13", 2, cero, {{"8", entre}, {"0", igual}, {"5", mas}}},
        {"= first adds", "14", 2, {},   {{"7", igual}, {"7", igual}}},
        {"Raiz fault",   "30", 2, {},   {{"27", raiz}, {"0", igual}, {"3", mas}}, Arithmetic},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Recorder r;
        r.press(row.presses);
        EXPECT_EQ(r.shown, row.shown);
        EXPECT_EQ(r.calc.paso(), row.paso);
        EXPECT_EQ(r.told, row.told);
        EXPECT_EQ(r.fault, row.fault);
    }
}

// The sine knows 90,0 as 90, the others the typed digits; a warning above 360; 0 is no angle.
TEST(Calculadora, QuadrantAnglesAreExact) {
    const Text aviso = u"Esta función está preparada hasta 360º. Cifras mayores pueden causar "
                       u"errores impredecibles";
    const Text debe = u"Debe ingresar valores";
    // clang-format off
    const struct { const char* angle; const char* shown[3]; Text told = {}; } rows[] = {
        //        Seno                   Cosen                   Tg
        {"90",    {"1",                  "0",                    "Infinito"}},
        {"360",   {"0",                  "1",                    "-3,33071795993894E-05"}},
        {"90,0",  {"1",                  "8,32679489667197E-06", "120094,227415762"}},
        {"360,5", {"0,00869318332396439", "0,999962213567941",   "0,00869351182075816"}, aviso},
        {"0",     {"0",                  "0",                    "0"},                   debe},
    };
    // clang-format on
    const Key keys[] = {seno, &Calculadora::coseno, &Calculadora::tangente};
    for (const auto& row : rows)
        for (int k = 0; k < 3; ++k) {
            SCOPED_TRACE(row.angle);
            Recorder r;
            r.press({{row.angle, keys[k]}});
            EXPECT_EQ(r.shown, row.shown[k]);
            EXPECT_EQ(r.told, row.told);
        }
}

// Each key that takes a step is refused; Borrar todo starts a new run, where "=" still adds.
TEST(Calculadora, ARunHoldsAThousandSteps) {
    const Text lleno = u"La cuenta llegó a 1000 pasos. Presione 'Borrar todo' para empezar otra.";
    for (const Press& refused : {Press{"2", entre}, {"3", igual}, {"30", seno}, {"90", seno}}) {
        SCOPED_TRACE(refused.typed);
        Recorder r;
        for (int step = 0; step < 1000; ++step)
            r.press({{"1", mas}});
        r.press({refused});
        EXPECT_EQ(r.calc.paso(), 1000);
        EXPECT_EQ(r.shown, refused.typed);
        EXPECT_EQ(r.told, lleno);
        r.press({{"", &Calculadora::borrarTodo}, {"4", igual}, {"4", igual}});
        EXPECT_EQ(r.shown, "8");
        EXPECT_EQ(r.calc.paso(), 2);
    }
}

} // namespace
