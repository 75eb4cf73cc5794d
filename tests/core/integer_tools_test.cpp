#include "tools/integer_tools.h"

#include <gtest/gtest.h>

#include <functional>
#include <variant>
#include <vector>

namespace ordevix {
namespace {

constexpr RegionalSettings P = RegionalSettings::period();
// Lets every step asked for pass at once, as the windows' yield mostly does.
const auto noYield = [](std::int32_t pasos) { return pasos; };
using enum Respuesta;
using enum FaultKind;

TEST(IntegerTools, FactorListsEndWithOne) {
    // clang-format off
    const struct { const char* name; Integer n; std::vector<Integer> factors; } rows[] = {
        {"12",                      12,   {2, 2, 3, 1}},
        {"a prime: itself, then 1", 7,    {7, 1}},
        {"9999, ending on a prime", 9999, {3, 3, 11, 101, 1}},
    };
    // clang-format on
    for (const auto& row : rows)
        EXPECT_EQ(factorear(row.n), row.factors) << row.name;
}

// Sets n to `to` at the yield's call number `at`, as a tick of "Automático" or a nested search
// does; it grants one step a call, so the call number is the step.
// clang-format off
struct Change {
    Integer& n; int at; Integer to; int calls = 0;
    int operator()(std::int32_t) { n = ++calls == at ? to : n; return 1; }
};
// clang-format on

// The loops read n afresh at every step. The sums that no step changes pin the divisor sum
// test's step-by-step procedure.
TEST(IntegerTools, DivisorSumsAndPrimality) {
    // clang-format off
    const struct {
        const char* name; Integer n, sum; bool prime; int at = 0; Integer to = 0;
    } rows[] = {
        {"2", 2, 1, true},
        {"32749, largest prime", 32749, 1, true},
        {"27720, sum wraps", 27720, 19064, false},
        {"12600, sum wraps below 0", 12600, -29776, false},
        {"lowest", -32768, 1, false},
        {"4 turns 9 at step 2, the root bound too", 4, 4, false, 2, 9},
        {"5 turns 4 at step 2", 5, 3, false, 2, 4},
        {"13 turns 1 at step 2", 13, 1, false, 2, 1},
        {"28 turns 1 at step 5: 1 + 2 + 4", 28, 7, false, 5, 1},
        {"6 turns 28 at step 3: 1 + 2 + 4 + 7 + 14", 6, 28, false, 3, 28},
        {"12 turns -12 at step 4: 1 + 2 + 3 + 4", 12, 10, false, 4, -12},
        {"12 turns 0 at step 6, which divides 0", 12, 16, false, 6, 0},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Integer n = row.n;
        EXPECT_EQ(sumarDivisores(n, Change{n, row.at, row.to}), row.sum);
        n = row.n;
        EXPECT_EQ(esPrimo(n, Change{n, row.at, row.to}), row.prime);
    }
}

// Each loop asks its yield for the steps it then takes, as the host counts them down to place its
// event passes: granting all that is asked, the steps asked add up to the steps taken.
TEST(IntegerTools, LoopsAskForTheStepsTheyTake) {
    std::int32_t asked = 0;
    const auto grant = [&](std::int32_t steps) {
        asked += steps;
        return steps;
    };
    const auto primeClick = [&](Integer c) { buscarPrimo(c, grant); };
    const auto nada = [](Integer) {};
    const auto perfectClick = [&](Integer c) { buscarPerfecto(c, grant, nada, nada); };
    // clang-format off
    const struct { const char* name; std::function<void()> run; std::int32_t steps; } rows[] = {
        {"49 prime? 1 to 7, its root", [&] { esPrimo(49, grant); }, 7},
        {"sum of 28: 1 to 27", [&] { sumarDivisores(28, grant); }, 27},
        {"prime click 1999 to 2003: 4 x (1 + 44)", [&] { primeClick(1999); }, 180},
        {"perfect click 1 to 6: 6 + 1 + 1 + 2 + 3 + 4 + 5", [&] { perfectClick(1); }, 22},
    };
    // clang-format on
    for (const auto& row : rows) {
        asked = 0;
        row.run();
        EXPECT_EQ(asked, row.steps) << row.name;
    }
}

// One click of each automatic search: the hit (a pair's second number is 0 for the others), the
// last candidate the window was shown, the number reported found, and where the count stops.
// clang-format off
struct Clic { Integer contador, shown = 0, reported = 0; };
ParDeAmigos clicPrimos(Clic& c) {
    c.shown = c.reported = buscarPrimo(c.contador, noYield);
    return {c.shown, 0};
}
ParDeAmigos clicPerfectos(Clic& c) {
    const auto alProbar = [&](Integer n) { c.shown = n; };
    return {buscarPerfecto(c.contador, noYield, alProbar, [&](Integer f) { c.reported = f; }), 0};
}
ParDeAmigos clicAmigos(Clic& c) {
    Integer amigo = 0;
    const auto alHallar = [&](ParDeAmigos p) { c.reported = p.primero; };
    return buscarAmigos(c.contador, amigo, noYield, [&](Integer n) { c.shown = n; }, alHallar);
}
// clang-format on

TEST(IntegerTools, EachSearchClickFindsTheNextHit) {
    // clang-format off
    const struct {
        const char* name; ParDeAmigos (*search)(Clic&); Integer from;
        ParDeAmigos found; Integer after;
    } rows[] = {
        {"prime past 2000, no stop there", clicPrimos, 1999, {2003, 0}, 2003},
        {"prime round the range", clicPrimos, 32749, {2, 0}, 2},
        {"perfect round the range, past 1", clicPerfectos, 32767, {6, 0}, 7},
        {"pair from 18400", clicAmigos, 18400, {18416, 17296}, 18417},
        {"pair round the range, past the perfect 6", clicAmigos, 32767, {220, 284}, 221},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Clic clic{row.from};
        EXPECT_EQ(row.search(clic), row.found);
        EXPECT_EQ(clic.contador, row.after);
        EXPECT_EQ(clic.shown, row.found.primero) << "the last candidate shown";
        EXPECT_EQ(clic.reported, row.found.primero) << "the number reported found";
    }
}

// The four one-shot checks with the period as decimal point; b unused by those of one number.
// clang-format off
Respuesta divisible(const Text& a, const Text& b) { return esDivisible(a, b, P); }
Respuesta primo(const Text& a, const Text&) { return comprobarPrimo(a, P, noYield); }
Respuesta perfecto(const Text& a, const Text&) { return comprobarPerfecto(a, P, noYield); }
Respuesta amigos(const Text& a, const Text& b) { return comprobarAmigos(a, b, P, noYield); }
// clang-format on

template <class Check> std::variant<Respuesta, FaultKind> outcome(Check check) try {
    return check();
} catch (const Fault& fault) {
    return fault.kind();
}

TEST(IntegerTools, OneShotChecksOfTypedNumbers) {
    // clang-format off
    const struct {
        const char* name; Respuesta (*check)(const Text&, const Text&); Text a, b;
        std::variant<Respuesta, FaultKind> answer;
    } rows[] = {
        {"7.5 by 2.5: 3 against 8 \\ 2", divisible, u"7.5", u"2.5", No},
        {"0 by 5", divisible, u"0", u"5", Rechazada},
        {"5 by 0", divisible, u"5", u"0", Rechazada},
        {"12abc by 4", divisible, u"12abc", u"4", TypeMismatch},
        {"12 by 0.4", divisible, u"12", u"0.4", Arithmetic},
        {"Long max + 1", divisible, u"2147483648", u"1", Overflow},
        {"1 not prime", primo, u"1", u"", No},
        {"3.5 as 4", primo, u"3.5", u"", No},
        {"0.4 as 0", primo, u"0.4", u"", No},
        {"32768", primo, u"32768", u"", Overflow},
        {"8128 perfect", perfecto, u"8128", u"", Si},
        {"1 not perfect", perfecto, u"1", u"", No},
        {"6.4 sums as 6", perfecto, u"6.4", u"", No},
        {"empty", perfecto, u"", u"", Rechazada},
        {"32768 perfect", perfecto, u"32768", u"", Overflow},
        {"6 and 6", amigos, u"6", u"6", No},
        {"16 and 12, one way", amigos, u"16", u"12", No},
        {"284.4 second", amigos, u"220", u"284.4", No},
        {"32768 second", amigos, u"220", u"32768", Overflow},
        {"nothing first", amigos, u"", u"284", Rechazada},
    };
    // clang-format on
    for (const auto& row : rows)
        EXPECT_EQ(outcome([&] { return row.check(row.a, row.b); }), row.answer) << row.name;
    Integer n = 0; // a malformed first number faults only after the second one's sum
    Change steps{n, 0, 0};
    EXPECT_THROW(comprobarAmigos(u"12abc", u"284", P, steps), Fault);
    EXPECT_EQ(steps.calls, 283);
}

} // namespace
} // namespace ordevix
