#include "calculator/calculadora.h"

#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <vector>

namespace ordevix {
namespace {

constexpr RegionalSettings C = RegionalSettings::comma(), P = RegionalSettings::period();

using Tecla = void (Calculadora::*)();
// clang-format off
constexpr Tecla Mas = &Calculadora::sumar, Menos = &Calculadora::restar, Por = &Calculadora::multiplicar,
    Entre = &Calculadora::dividir, EntreEntero = &Calculadora::dividirEntero, Pot = &Calculadora::elevar,
    Raiz = &Calculadora::extraerRaiz, Igual = &Calculadora::repetir, Borrar = &Calculadora::borrar,
    BorrarTodo = &Calculadora::borrarTodo, Seno = &Calculadora::seno, Coseno = &Calculadora::coseno,
    Tangente = &Calculadora::tangente, Pi = &Calculadora::escribirPi;
// clang-format on

const Text kCero = u"Error, no se puede dividir por cero";
const Text kAviso = u"Esta función está preparada hasta 360º. Cifras mayores pueden causar "
                    u"errores impredecibles";

// One press: a text typed over the display first, unless none is given, then the key.
struct Pulsacion {
    Pulsacion(Tecla t) : tecla(t) {} // NOLINT: a bare key reads best in the tables
    Pulsacion(const char16_t* typed, Tecla t) : tecleado(typed), tecla(t) {}
    const char16_t* tecleado = nullptr;
    Tecla tecla;
};

// A fresh calculator whose display records the messages. tocar() plays the presses
// and returns the fault of the last one; an earlier press that faults fails the test.
struct Cuenta : Visor {
    explicit Cuenta(RegionalSettings regional, Integer capacidad = Calculadora::kPasosPorCuenta)
        : calc(regional, *this, capacidad) {}
    Text texto() const override { return pantalla; }
    void escribir(const Text& t) override { pantalla = t; }
    void avisar(const Text& t) override { mensajes.push_back(t); }
    std::optional<FaultKind> tocar(const std::vector<Pulsacion>& pulsaciones) {
        std::optional<FaultKind> falla;
        for (const Pulsacion& p : pulsaciones) {
            EXPECT_FALSE(falla) << "a press faulted before the last one";
            pantalla = p.tecleado ? p.tecleado : pantalla;
            try {
                (calc.*p.tecla)();
            } catch (const Fault& f) {
                falla = f.kind();
            }
        }
        return falla;
    }
    Text pantalla;
    std::vector<Text> mensajes;
    Calculadora calc;
};

TEST(Calculadora, KeySequences) {
    // clang-format off
    const struct { const char* name; RegionalSettings regional; std::vector<Pulsacion> teclas; Text display; int paso; std::vector<Text> mensajes; std::optional<FaultKind> falla = {}; } rows[] = {
        {"first key stores the display",   C, {{u"7", Igual}},                            u"7",    1, {}},
        {"= before any operation adds",    C, {{u"7", Igual}, Igual},                     u"14",   2, {}},
        {"= repeats the last operation",   C, {{u"2", Mas}, {u"3", Igual}, Igual, Igual}, u"20",   4, {}},
        {"each key applies its own",       C, {{u"2", Mas}, {u"3", Por}},                 u"6",    2, {}},
        {"/ keeps the fraction",           C, {{u"1", Entre}, {u"2", Igual}, Por},        u"0,25", 3, {}},
        {"\\ truncates toward zero",       P, {{u"-7", EntreEntero}, {u"2", Igual}},      u"-3",   2, {}},
        {"\\ rounds the divisor to even",  C, {{u"9", EntreEntero}, {u"2,5", Igual}},     u"4",    2, {}},
        {"\\ refuses a divisor of 0,4",    C, {{u"9", EntreEntero}, {u"0,4", Igual}},     u"0,4",  1, {kCero}},
        {"/ refuses 0, the run goes on",   C, {{u"8", Entre}, {u"0", Igual}, {u"5", Mas}}, u"13",  2, {kCero}},
        {"Raiz of index 0 faults",         C, {{u"27", Raiz}, {u"0", Igual}},             u"0",    1, {}, FaultKind::Arithmetic},
        {"/ on an empty display",          C, {{u"", Entre}},                             u"000",  0, {}},
        {"\\ on an empty display",         C, {{u"", EntreEntero}},                       u"000",  0, {}},
        {"Raiz on an empty display",       C, {{u"", Raiz}},                              u"000",  0, {}},
        {"a blank display is not empty",   C, {{u" ", Entre}},                            u" ",    1, {}},
        {"Borrar keeps the run",           C, {{u"2", Mas}, Borrar, {u"3", Igual}},       u"5",    2, {}},
        {"Borrar todo empties everything", C, {{u"7", Igual}, Igual, BorrarTodo},         u"",     0, {}},
        {"Borrar todo keeps the operation", C, {{u"2", Por}, {u"3", Igual}, BorrarTodo, {u"4", Igual}, {u"5", Igual}}, u"20", 2, {}},
        {"PI with the comma",              C, {Pi, Por, {u"2", Igual}},                   u"6,2831854", 2, {}},
        {"PI with the period",             P, {Pi},                                       u"3.1415927", 0, {}},
        {"Seno of 30, short degree factor", C, {{u"30", Seno}},                           u"0,499997596259436", 1, {}},
        {"Seno's exact 1 is the running value", C, {{u"90,0", Seno}, Mas},                u"2",    2, {}},
        {"Cosen matches the bare text only", P, {{u"90.0", Coseno}},                      u"8.32679489667197E-06", 1, {}},
        {"Tg's Infinito takes no step",    C, {{u"3", Mas}, {u"90", Tangente}, {u"5", Igual}}, u"8", 2, {}},
        {"12abc faults at the warning test", C, {{u"7", Igual}, {u"12abc", Seno}},        u"12abc", 1, {}, FaultKind::TypeMismatch},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Cuenta cuenta(row.regional);
        EXPECT_EQ(cuenta.tocar(row.teclas), row.falla);
        EXPECT_EQ(cuenta.pantalla, row.display);
        EXPECT_EQ(cuenta.calc.paso(), row.paso);
        EXPECT_EQ(cuenta.mensajes, row.mensajes);
    }
}

TEST(Calculadora, WholeQuadrantAnglesAndTheWarningAbove360) {
    // One function key on a fresh calculator. Exact results are written as whole
    // numbers; the others are sin, cos or tan of the angle times 0.0174532.
    // clang-format off
    const struct { const char* name; Tecla tecla; Text angulo, display; int paso; bool aviso; } rows[] = {
        {"Seno 90", Seno, u"90", u"1", 1, false},        {"Seno 180", Seno, u"180", u"0", 1, false},
        {"Seno 270", Seno, u"270", u"-1", 1, false},     {"Seno 360", Seno, u"360", u"0", 1, false},
        {"Cosen 90", Coseno, u"90", u"0", 1, false},     {"Cosen 180", Coseno, u"180", u"-1", 1, false},
        {"Cosen 270", Coseno, u"270", u"0", 1, false},   {"Cosen 360", Coseno, u"360", u"1", 1, false},
        {"Tg 90", Tangente, u"90", u"Infinito", 0, false}, {"Tg 180", Tangente, u"180", u"0", 1, false},
        {"Tg 270", Tangente, u"270", u"Infinito", 0, false},
        {"Tg 360, no warning", Tangente, u"360", u"-3.33071795993894E-05", 1, false},
        {"Seno 89", Seno, u"89", u"0.999847551414582", 1, false},
        {"Cosen 181", Coseno, u"181", u"-0.99984798727611", 1, false},
        {"Seno 360.5", Seno, u"360.5", u"0.00869318332396439", 1, true},
        {"Seno 361", Seno, u"361", u"0.0174190118149612", 1, true},
        {"Cosen 361", Coseno, u"361", u"0.999848277503837", 1, true},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Cuenta cuenta(P);
        EXPECT_EQ(cuenta.tocar({{row.angulo.c_str(), row.tecla}}), std::nullopt);
        EXPECT_EQ(cuenta.pantalla, row.display);
        EXPECT_EQ(cuenta.calc.paso(), row.paso);
        EXPECT_EQ(cuenta.mensajes, row.aviso ? std::vector{kAviso} : std::vector<Text>{});
    }
}

TEST(Calculadora, ARunStopsAtItsCapacityUntilBorrarTodo) {
    // A run of 3 steps is full; each key that would take a step is refused.
    const Text lleno = u"La cuenta llegó a 3 pasos. Presione 'Borrar todo' para empezar otra.";
    // clang-format off
    const struct { const char* name; Pulsacion tecla; } rows[] = {
        {"+", {u"2", Mas}}, {"/", {u"2", Entre}}, {"Raiz", {u"2", Raiz}}, {"=", {u"2", Igual}},
        {"Seno", {u"30", Seno}}, {"Seno, exact", {u"90", Seno}}, {"Cosen, exact", {u"180", Coseno}},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Cuenta cuenta(P, 3);
        cuenta.tocar({{u"1", Mas}, {u"1", Mas}, {u"1", Mas}, row.tecla});
        EXPECT_EQ(cuenta.calc.paso(), 3);
        EXPECT_EQ(cuenta.pantalla, row.tecla.tecleado);
        EXPECT_EQ(cuenta.mensajes, std::vector{lleno});
        // The refused key left "+" as the operation that = repeats.
        cuenta.tocar({BorrarTodo, {u"4", Igual}, {u"5", Igual}});
        EXPECT_EQ(cuenta.pantalla, u"9");
    }
    EXPECT_THROW(Cuenta(P, 0), std::invalid_argument);
}

} // namespace
} // namespace ordevix
