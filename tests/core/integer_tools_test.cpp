#include "tools/integer_tools.h"

#include <gtest/gtest.h>

#include <variant>
#include <vector>

namespace ordevix {
namespace {

constexpr RegionalSettings P = RegionalSettings::period();
const auto noYield = [] {};
const auto ignore = [](auto) {};
using enum Respuesta;

TEST(IntegerTools, FactorListsEndWithOne) {
    // clang-format off
    const struct { const char* name; Integer n; std::vector<Integer> factors; } rows[] = {
        {"2", 2, {2, 1}}, {"3, a prime", 3, {3, 1}}, {"12", 12, {2, 2, 3, 1}}, {"999", 999, {3, 3, 3, 37, 1}},
        {"9999", 9999, {3, 3, 11, 101, 1}}, {"10000", 10000, {2, 2, 2, 2, 5, 5, 5, 5, 1}},
        {"8192", 8192, {2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 1}},
    };
    // clang-format on
    for (const auto& row : rows)
        EXPECT_EQ(factorear(row.n), row.factors) << row.name;
}

TEST(IntegerTools, DivisorSumsAndPrimality) {
    // clang-format off
    const struct { const char* name; Integer n, sum; bool prime; } rows[] = {
        {"1", 1, 1, false}, {"2", 2, 1, true}, {"3", 3, 1, true}, {"4", 4, 3, false}, {"6", 6, 6, false},
        {"9", 9, 4, false}, {"13", 13, 1, true}, {"25", 25, 6, false}, {"28", 28, 28, false},
        {"220", 220, 284, false}, {"32749, largest prime", 32749, 1, true}, {"32767", 32767, 6145, false},
        {"27720, sum wraps", 27720, 19064, false}, {"12600, sum wraps below 0", 12600, -29776, false},
        {"0", 0, 1, false}, {"-7", -7, 1, false},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(sumarDivisores(row.n, noYield), row.sum);
        EXPECT_EQ(esPrimo(row.n, noYield), row.prime);
    }
}

// A yield that, at its k-th call, changes the number the loop works on, as a
// tick of "Automático" or a nested search does through the window's counter.
struct Change {
    Integer& n;
    int at;
    Integer to;
    int calls = 0;
    void operator()() { n = ++calls == at ? to : n; }
};

TEST(IntegerTools, LoopsReadTheNumberAfreshAfterEveryYield) {
    // clang-format off
    const struct { const char* name; Integer from; int at; Integer to, sum; bool prime; } rows[] = {
        {"4 turns 5 at step 2", 4, 2, 5, 1, true}, {"5 turns 4 at step 2", 5, 2, 4, 3, false},
        {"13 turns 1 at step 2", 13, 2, 1, 1, false}, {"28 turns 1 at step 5", 28, 5, 1, 7, false},
        {"6 turns 28 at step 2", 6, 2, 28, 28, false},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Integer n = row.from;
        EXPECT_EQ(sumarDivisores(n, Change{n, row.at, row.to}), row.sum);
        n = row.from;
        EXPECT_EQ(esPrimo(n, Change{n, row.at, row.to}), row.prime);
    }
}

TEST(IntegerTools, EachSearchClickFindsTheNextHit) {
    // The first number found, the second of a pair, and where the counter is left.
    // clang-format off
    const struct { const char* name; char search; Integer from, found, partner, after; } rows[] = {
        {"prime from 0", 'p', 0, 2, 0, 2}, {"prime from 2", 'p', 2, 3, 0, 3},
        {"prime past 2000", 'p', 1999, 2003, 0, 2003}, {"prime round the range", 'p', 32749, 2, 0, 2},
        {"perfect from 1", 'f', 1, 6, 0, 7}, {"perfect from 7", 'f', 7, 28, 0, 29},
        {"perfect from 497", 'f', 497, 8128, 0, 8129}, {"perfect round the range", 'f', 32767, 6, 0, 7},
        {"pair from 1", 'a', 1, 220, 284, 221}, {"pair from 221", 'a', 221, 284, 220, 285},
        {"pair past the perfect 6", 'a', 6, 220, 284, 221}, {"pair from 18400", 'a', 18400, 18416, 17296, 18417},
        {"pair round the range", 'a', 32767, 220, 284, 221},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Integer contador = row.from, amigo = 0, shown = 0, reported = 0;
        const auto show = [&](Integer candidate) { shown = candidate; };
        ParDeAmigos found{};
        switch (row.search) {
        case 'p':
            found.primero = shown = reported = buscarPrimo(contador, noYield);
            break;
        case 'f':
            found.primero =
                buscarPerfecto(contador, noYield, show, [&](Integer f) { reported = f; });
            break;
        default:
            found = buscarAmigos(contador, amigo, noYield, show,
                                 [&](ParDeAmigos p) { reported = p.primero; });
        }
        EXPECT_EQ(found, (ParDeAmigos{row.found, row.partner}));
        EXPECT_EQ(contador, row.after);
        EXPECT_EQ(shown, row.found) << "the last candidate shown";
        EXPECT_EQ(reported, row.found) << "the number reported found";
    }
}

TEST(IntegerTools, ASearchNestedInTheYieldMovesTheSharedCounter) {
    Integer contador = 1, inner = 0;
    const auto nested = [&] {
        inner = inner ? inner : buscarPerfecto(contador, noYield, ignore, ignore);
    };
    EXPECT_EQ(buscarPerfecto(contador, nested, ignore, ignore), 28);
    EXPECT_EQ(inner, 6);
}

template <class Check> std::variant<Respuesta, FaultKind> outcome(Check check) try {
    return check();
} catch (const Fault& fault) {
    return fault.kind();
}

TEST(IntegerTools, OneShotChecksOfTypedNumbers) {
    // tool: 'd' divisible, 'p' prime, 'f' perfect, 'a' amicable; b only for 'd' and 'a'.
    // clang-format off
    const struct { const char* name; char tool; Text a, b; std::variant<Respuesta, FaultKind> answer; } rows[] = {
        {"12 by 4", 'd', u"12", u"4", Si}, {"12 by 5", 'd', u"12", u"5", No}, {"5 by 5", 'd', u"5", u"5", Si},
        {"Long max by 1", 'd', u"2147483647", u"1", Si}, {"Long max + 1", 'd', u"2147483648", u"1", FaultKind::Overflow}, {"7.5 by 2.5", 'd', u"7.5", u"2.5", No},
        {"6 by 1.5", 'd', u"6", u"1.5", No}, {"0 by 5", 'd', u"0", u"5", Rechazada}, {"5 by 0", 'd', u"5", u"0", Rechazada},
        {"-12 by 4", 'd', u"-12", u"4", Rechazada}, {"12abc by 4", 'd', u"12abc", u"4", FaultKind::TypeMismatch},
        {"12 by 0.4", 'd', u"12", u"0.4", FaultKind::Arithmetic}, {"3e9 by 1", 'd', u"3e9", u"1", FaultKind::Overflow},
        {"13 prime", 'p', u"13", u"", Si}, {"1 not prime", 'p', u"1", u"", No}, {"2.5 as 2", 'p', u"2.5", u"", Si},
        {"3.5 as 4", 'p', u"3.5", u"", No}, {"0.4 as 0", 'p', u"0.4", u"", No}, {"letters", 'p', u"abc", u"", Rechazada},
        {"0", 'p', u"0", u"", Rechazada}, {"32767", 'p', u"32767", u"", No}, {"32768", 'p', u"32768", u"", FaultKind::Overflow},
        {"8128 perfect", 'f', u"8128", u"", Si}, {"1 not perfect", 'f', u"1", u"", No}, {"12", 'f', u"12", u"", No},
        {"27720, wrapped", 'f', u"27720", u"", No}, {"32767", 'f', u"32767", u"", No}, {"32768", 'f', u"32768", u"", FaultKind::Overflow}, {"6.4 sums as 6", 'f', u"6.4", u"", No},
        {"empty", 'f', u"", u"", Rechazada}, {"12abc", 'f', u"12abc", u"", FaultKind::TypeMismatch},
        {"220 and 284", 'a', u"220", u"284", Si}, {"284 and 220", 'a', u"284", u"220", Si},
        {"220 and 285", 'a', u"220", u"285", No}, {"6 and 6", 'a', u"6", u"6", No},
        {"16 and 12, one way", 'a', u"16", u"12", No}, {"284.4 second", 'a', u"220", u"284.4", No},
        {"nothing second", 'a', u"220", u"", Rechazada}, {"32767 second", 'a', u"1", u"32767", No}, {"32768 second", 'a', u"220", u"32768", FaultKind::Overflow},
        {"12abc first", 'a', u"12abc", u"284", FaultKind::TypeMismatch},
    };
    // clang-format on
    for (const auto& row : rows)
        EXPECT_EQ(outcome([&] {
                      switch (row.tool) {
                      case 'd':
                          return esDivisible(row.a, row.b, P);
                      case 'p':
                          return comprobarPrimo(row.a, P, noYield);
                      case 'f':
                          return comprobarPerfecto(row.a, P, noYield);
                      default:
                          return comprobarAmigos(row.a, row.b, P, noYield);
                      }
                  }),
                  row.answer)
            << row.name;
    int steps = 0; // a malformed first number faults only after the second one's sum
    EXPECT_THROW(comprobarAmigos(u"12abc", u"284", P, [&] { ++steps; }), Fault);
    EXPECT_EQ(steps, 283);
}

} // namespace
} // namespace ordevix
