#include "tools/integer_tools.h"

#include <gtest/gtest.h>

using namespace ordevix;

namespace {

constexpr RegionalSettings P = RegionalSettings::period();
const auto noYield = [](std::int32_t pasos) { return pasos; }; // grants all it is asked
using enum Respuesta;

// Grants `trozo` steps a call; the one starting step `paso` sets n to `nuevo`, as a handler may.
struct Trozos {
    Integer& n;
    int trozo = 1, paso = 0;
    Integer nuevo = 0;
    int siguiente = 1; // the step the next call starts
    int operator()(std::int32_t) {
        n = siguiente == paso ? nuevo : n;
        siguiente += trozo;
        return trozo;
    }
};

// The sum step by step: n read again before each trial divisor, set to `nuevo` at step `paso`.
Integer pasoAPaso(Integer n, int paso = 0, Integer nuevo = 0) {
    std::int32_t i = 1, suma = 0;
    do {
        n = i == paso ? nuevo : n;
        suma += n % i == 0 ? i : 0;
    } while (++i < n);
    return wrapInteger(suma);
}

Integer enTrozos(Integer n, int trozo, int paso = 0, Integer nuevo = 0) {
    return sumarDivisores(n, Trozos{n, trozo, paso, nuevo});
}

// One step a call: the loops read n afresh at every step.
TEST(IntegerTools, DivisorSumsAndPrimality) {
    // clang-format off
    const struct { const char* name; Integer n, sum; bool prime; int at = 0; Integer to = 0; }
    rows[] = {
        {"2",                             2,     1,      true},
        {"12600, sum wraps below 0",      12600, -29776, false},
        {"4 turns 9 at step 2, root too", 4,     4,      false, 2, 9},
        {"5 turns 4 at step 2",           5,     3,      false, 2, 4},
        {"13 turns 1 at step 2",          13,    1,      false, 2, 1},
        {"6 turns 28 at step 3",          6,     28,     false, 3, 28},
        {"12 turns 0 at step 6",          12,    16,     false, 6, 0},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(enTrozos(row.n, 1, row.at, row.to), row.sum);
        Integer n = row.n;
        EXPECT_EQ(esPrimo(n, Trozos{n, 1, row.at, row.to}), row.prime);
    }
}

// Every n, whole and in calls of 1 to 1000 steps with n changed halfway; then 720 changed at
// every call boundary.
TEST(DivisorSum, EveryIntegerInChunksOfEverySize) {
    for (int n = -32768; n <= 32767; ++n) {
        const int trozo = 1 + (n + 32768) % 1000;
        const int paso = 1 + (std::max(n, 1) - 1) / trozo / 2 * trozo;
        const Integer nuevos[] = {
            1, 0, -5, Integer(paso), Integer(paso + 1), wrapInteger(2 * n), Integer(n / 3)};
        const Integer nuevo = nuevos[(n + 32768) % std::size(nuevos)];
        ASSERT_EQ(enTrozos(n, 65536), pasoAPaso(n)) << n;
        ASSERT_EQ(enTrozos(n, trozo, paso, nuevo), pasoAPaso(n, paso, nuevo))
            << n << " in calls of " << trozo << ", n = " << nuevo << " at step " << paso;
    }
    for (int trozo = 1; trozo <= 1000; ++trozo)
        for (const Integer nuevo : {1, -5, 0, 360, 997})
            for (int paso = 1; paso <= 720; paso += trozo)
                ASSERT_EQ(enTrozos(720, trozo, paso, nuevo), pasoAPaso(720, paso, nuevo))
                    << trozo << " steps a call, n = " << nuevo << " at step " << paso;
}

// One click of each search: the hit, and where the count stops.
TEST(IntegerTools, EachSearchClickFindsTheNextHit) {
    const auto nada = [](auto) {};
    Integer primo = 1999, perfecto = 32767, par = 32767, amigo = 0;
    EXPECT_EQ(buscarPrimo(primo, noYield), 2003) << "past 2000, no stop there";
    EXPECT_EQ(primo, 2003);
    EXPECT_EQ(buscarPerfecto(perfecto, noYield, nada, nada), 6) << "round the range, past 1";
    EXPECT_EQ(perfecto, 7);
    EXPECT_EQ(buscarAmigos(par, amigo, noYield, nada, nada), (ParDeAmigos{220, 284}))
        << "round the range, past the perfect 6";
    EXPECT_EQ(par, 221);
}

// Typed numbers, with the period as decimal point.
TEST(IntegerTools, OneShotChecks) {
    EXPECT_EQ(comprobarPrimo(u"1", P, noYield), No) << "1 is not prime";
    EXPECT_EQ(comprobarPerfecto(u"1", P, noYield), No) << "nor perfect";
    // clang-format off
    const struct { const char* name; Text a, b; Respuesta divisible, amicable; } rows[] = {
        {"7.5 by 2.5: 3 against 8 \\ 2", u"7.5",   u"2.5", No,        No},
        {"0 first",                      u"0",     u"5",   Rechazada, Rechazada},
        {"0 second",                     u"5",     u"0",   Rechazada, Rechazada},
        {"1 by 1",                       u"1",     u"1",   Si,        No},
        {"nothing first",                u"",      u"284", Rechazada, Rechazada},
        {"40000 by 8, as Long",          u"40000", u"8",   Si,        No},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(esDivisible(row.a, row.b, P), row.divisible);
        EXPECT_EQ(comprobarAmigos(row.a, row.b, P, noYield), row.amicable);
    }
}

} // namespace
