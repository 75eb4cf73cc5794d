// The answers; the window's rows show where each one goes.
#include "quadratic/cuadratica.h"

#include <gtest/gtest.h>

using namespace ordevix;

constexpr RegionalSettings P = RegionalSettings::period(), C = RegionalSettings::comma();

TEST(Cuadratica, Answers) {
    const Text noCuadratica = u"La función no es cuadrática: AX2 no puede ser 0.";
    // clang-format off
    const struct { const char* name; RegionalSettings regional; Text a, b, c, answer; } rows[] = {
        {"root -0",       P, u"1",     u"0",    u"0", u"Coinciden en  0"},
        {"7, 15 digits",  P, u"3",     u"2",    u"1", u"Complejas -.3333333+/- .471404520791032i"},
        {"comma point",   C, u"0,5",   u"-1,5", u"1", u"Raices  2  1"},
        {"a 0 as Single", P, u"1E-46", u"1",    u"1", noCuadratica},
    };
    // clang-format on
    for (const auto& row : rows)
        EXPECT_EQ(resolverCuadratica(row.a, row.b, row.c, row.regional).texto, row.answer)
            << row.name;
}
