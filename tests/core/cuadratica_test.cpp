// The solver's answers; the window's own rows show where each one goes.
#include "quadratic/cuadratica.h"

#include <gtest/gtest.h>

namespace ordevix {
namespace {

constexpr RegionalSettings P = RegionalSettings::period(), C = RegionalSettings::comma();

TEST(Cuadratica, Answers) {
    const Text noCuadratica = u"La función no es cuadrática: AX2 no puede ser 0.";
    // clang-format off
    const struct { const char* name; RegionalSettings regional; Text a, b, c, answer; } rows[] = {
        {"a < 0 swaps",   P, u"-1",    u"0",    u"4",  u"Raices -2  2"},
        {"seven digits",  C, u"1",     u"1",    u"-1", u"Raices  .618034 -1.618034"},
        {"root -0",       P, u"1",     u"0",    u"0",  u"Coinciden en  0"},
        {"7 and 15",      P, u"3",     u"2",    u"1",  u"Complejas -.3333333+/- .471404520791032i"},
        {"comma point",   C, u"0,5",   u"-1,5", u"1",  u"Raices  2  1"},
        {"0,5 with P",    P, u"0,5",   u"1",    u"1",  noCuadratica},
        {"a 0 as Single", P, u"1E-46", u"1",    u"1",  noCuadratica},
    };
    // clang-format on
    for (const auto& row : rows)
        EXPECT_EQ(resolverCuadratica(row.a, row.b, row.c, row.regional).texto, row.answer)
            << row.name;
    EXPECT_THROW(resolverCuadratica(u"1E+39", u"1", u"1", P), Fault);
}

} // namespace
} // namespace ordevix
