#include "quadratic/cuadratica.h"

#include <gtest/gtest.h>

namespace ordevix {
namespace {

constexpr RegionalSettings P = RegionalSettings::period(), C = RegionalSettings::comma();
using enum Solucion::Tipo;

TEST(Cuadratica, RootsRefusalsAndFaults) {
    // A caption with the roots, a message, or the arithmetic fault beyond the Single range.
    // clang-format off
    const struct { const char* name; RegionalSettings regional; Text a, b, c; Solucion::Tipo kind; Text text; } rows[] = {
        {"two roots", P, u"1", u"-3", u"2", Raices, u"Raices  2  1"}, {"a < 0 swaps them", P, u"-1", u"0", u"4", Raices, u"Raices -2  2"},
        {"seven digits", C, u"1", u"1", u"-1", Raices, u"Raices  .618034 -1.618034"}, {"double root at -0", P, u"1", u"0", u"0", Raices, u"Coinciden en  0"},
        {"complex", P, u"1", u"2", u"5", Raices, u"Complejas -1+/- 2i"}, {"double root below 0", C, u"1", u"2", u"1", Raices, u"Coinciden en -1"},
        {"Single real part", P, u"3", u"2", u"1", Raices, u"Complejas -.3333333+/- .471404520791032i"}, {"comma as the point", C, u"0,5", u"-1,5", u"1", Raices, u"Raices  2  1"},
        {"0,5 is 0 with the period", P, u"0,5", u"1", u"1", NoCuadratica, u"La función no es cuadrática: AX2 no puede ser 0."}, {"three zeros", P, u"0", u"", u"0", Rechazada, u"Debe ingresar valores"},
    };
    const struct { const char* name; Text a, b, c; } faults[] = {
        {"b squared", u"1", u"1E+20", u"1"}, {"a itself", u"1E+39", u"1", u"1"},
        {"4ac", u"1E+30", u"1", u"1E+30"},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const Solucion answer = resolverCuadratica(row.a, row.b, row.c, row.regional);
        EXPECT_EQ(answer.tipo, row.kind);
        EXPECT_EQ(answer.texto, row.text);
    }
    for (const auto& row : faults)
        EXPECT_THROW(resolverCuadratica(row.a, row.b, row.c, P), Fault) << row.name;
}

} // namespace
} // namespace ordevix
