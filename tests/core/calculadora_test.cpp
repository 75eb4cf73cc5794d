// The engine's capacity, injected small; its keys' results are tested through the window's buttons.
#include "calculator/calculadora.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>
#include <vector>

namespace ordevix {
namespace {

using Pulsacion = std::pair<const char16_t*, void (Calculadora::*)()>; // typed, then the key

// A fresh calculator of three steps per run whose display records the messages.
struct Cuenta : Visor {
    Text texto() const override { return pantalla; }
    void escribir(const Text& t) override { pantalla = t; }
    void avisar(const Text& t) override { mensajes.push_back(t); }
    void tocar(const std::vector<Pulsacion>& pulsaciones) {
        for (const auto& [tecleado, tecla] : pulsaciones) {
            pantalla = tecleado;
            (calc.*tecla)();
        }
    }
    Text pantalla;
    std::vector<Text> mensajes;
    Calculadora calc{RegionalSettings::period(), *this, 3};
};

TEST(Calculadora, ARunStopsAtItsCapacityUntilBorrarTodo) {
    const Text lleno = u"La cuenta llegó a 3 pasos. Presione 'Borrar todo' para empezar otra.";
    // "/" stands for all operation keys; "=" and the sine's exact and other angles check apart.
    // clang-format off
    const struct { const char* name; Pulsacion tecla; } rows[] = {
        {"/", {u"2", &Calculadora::dividir}}, {"=", {u"2", &Calculadora::repetir}},
        {"Seno", {u"30", &Calculadora::seno}}, {"Seno, exact", {u"90", &Calculadora::seno}},
    };
    // clang-format on
    const Pulsacion mas = {u"1", &Calculadora::sumar}, igual4 = {u"4", &Calculadora::repetir};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Cuenta cuenta;
        cuenta.tocar({mas, mas, mas, row.tecla});
        EXPECT_EQ(cuenta.calc.paso(), 3);
        EXPECT_EQ(cuenta.pantalla, row.tecla.first);
        EXPECT_EQ(cuenta.mensajes, std::vector{lleno});
        // A new run; the refused key left "+" as the operation that = repeats.
        cuenta.tocar({{u"", &Calculadora::borrarTodo}, igual4, igual4});
        EXPECT_EQ(cuenta.pantalla, u"8");
        EXPECT_EQ(cuenta.calc.paso(), 2);
    }
    Cuenta cuenta;
    EXPECT_THROW(Calculadora(RegionalSettings::period(), cuenta, 0), std::invalid_argument);
}

} // namespace
} // namespace ordevix
