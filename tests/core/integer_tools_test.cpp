#include "tools/integer_tools.h"

#include <gtest/gtest.h>

#include <variant>
#include <vector>

namespace ordevix {
namespace {

constexpr RegionalSettings P = RegionalSettings::period();
const auto noYield = [] {};
const auto ignore = [](auto) {};

// What a check answered, or the fault it raised instead.
template <class Answer> using Outcome = std::variant<Answer, FaultKind>;
template <class Check> auto outcome(Check check) -> Outcome<decltype(check())> try {
    return check();
} catch (const Fault& fault) {
    return fault.kind();
}

TEST(IntegerTools, FactorListsEndWithOne) {
    // clang-format off
    const struct { const char* name; Integer n; std::vector<Integer> factors; } rows[] = {
        {"2",              2,     {2, 1}},
        {"3, a prime",     3,     {3, 1}},
        {"4",              4,     {2, 2, 1}},
        {"12",             12,    {2, 2, 3, 1}},
        {"999",            999,   {3, 3, 3, 37, 1}},
        {"997, a prime",   997,   {997, 1}},
        {"9999",           9999,  {3, 3, 11, 101, 1}},
        {"10000",          10000, {2, 2, 2, 2, 5, 5, 5, 5, 1}},
        {"8192, 2 to the 13th", 8192, {2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 1}},
    };
    // clang-format on
    for (const auto& row : rows)
        EXPECT_EQ(factorear(row.n), row.factors) << row.name;
}

TEST(IntegerTools, DivisorSumsBelowTheNumberWrapAsIntegers) {
    // clang-format off
    const struct { const char* name; Integer n; Integer sum; } rows[] = {
        {"6, perfect", 6, 6}, {"28, perfect", 28, 28}, {"12", 12, 16}, {"2, a prime", 2, 1},
        {"1", 1, 1}, {"0", 0, 1}, {"-6", -6, 1}, {"220", 220, 284}, {"32767", 32767, 6145},
        {"27720 wraps to 19064", 27720, 19064}, {"12600 wraps below zero", 12600, -29776},
    };
    // clang-format on
    for (const auto& row : rows)
        EXPECT_EQ(sumarDivisores(row.n, noYield), row.sum) << row.name;
}

TEST(IntegerTools, PrimalityByTrialDivision) {
    // clang-format off
    const struct { const char* name; Integer n; bool prime; } rows[] = {
        {"1", 1, false}, {"2", 2, true}, {"3", 3, true}, {"4", 4, false}, {"9", 9, false},
        {"25", 25, false}, {"13", 13, true}, {"32749, the largest", 32749, true},
        {"32767 = 7 * 31 * 151", 32767, false}, {"0", 0, false}, {"-7", -7, false},
    };
    // clang-format on
    for (const auto& row : rows)
        EXPECT_EQ(esPrimo(row.n, noYield), row.prime) << row.name;
}

// A yield that, at its k-th call, changes the number the loop works on, as a
// tick of "Automático" or a nested search does through the window's counter.
struct Change {
    Integer& n;
    int at;
    Integer to;
    int calls = 0;
    void operator()() {
        if (++calls == at)
            n = to;
    }
};

TEST(IntegerTools, LoopsReadTheNumberAfreshAfterEveryYield) {
    // clang-format off
    const struct { const char* name; Integer start; int at; Integer to; bool prime; } primes[] = {
        {"4 turns 5 at step 2",  4,  2, 5, true},
        {"5 turns 4 at step 2",  5,  2, 4, false},
        {"13 turns 1 at step 2", 13, 2, 1, false},
    };
    const struct { const char* name; Integer start; int at; Integer to; Integer sum; } sums[] = {
        {"28 drops to 1 at step 5: 1 + 2 + 4", 28, 5, 1, 7},
        {"6 grows to 28 at step 2",            6,  2, 28, 28},
    };
    // clang-format on
    for (const auto& row : primes) {
        Integer n = row.start;
        EXPECT_EQ(esPrimo(n, Change{n, row.at, row.to}), row.prime) << row.name;
    }
    for (const auto& row : sums) {
        Integer n = row.start;
        EXPECT_EQ(sumarDivisores(n, Change{n, row.at, row.to}), row.sum) << row.name;
    }
}

TEST(IntegerTools, ASearchNestedInTheYieldMovesTheSharedCounter) {
    Integer contador = 1, inner = 0;
    const auto nested = [&] {
        if (!inner)
            inner = buscarPerfecto(contador, noYield, ignore, ignore);
    };
    EXPECT_EQ(buscarPerfecto(contador, nested, ignore, ignore), 28);
    EXPECT_EQ(inner, 6);
}

TEST(IntegerTools, EachSearchClickFindsTheNextHit) {
    // clang-format off
    const struct { const char* name; Integer from, found, after; } primes[] = {
        {"from 0", 0, 2, 2}, {"from 2", 2, 3, 3}, {"on past 2000", 1999, 2003, 2003},
        {"round the range", 32749, 2, 2},
    };
    const struct { const char* name; Integer from, found, after; } perfects[] = {
        {"from 1", 1, 6, 7}, {"from 7", 7, 28, 29}, {"from 29", 29, 496, 497},
        {"from 497", 497, 8128, 8129}, {"round the range", 32767, 6, 7},
    };
    const struct { const char* name; Integer from; AmicablePair found; Integer after; } pairs[] = {
        {"from 1", 1, {220, 284}, 221}, {"from 221", 221, {284, 220}, 285},
        {"past the perfect 6", 6, {220, 284}, 221}, {"from 18400", 18400, {18416, 17296}, 18417},
        {"round the range", 32767, {220, 284}, 221},
    };
    // clang-format on
    for (const auto& row : primes) {
        SCOPED_TRACE(row.name);
        Integer contador = row.from;
        EXPECT_EQ(buscarPrimo(contador, noYield), row.found);
        EXPECT_EQ(contador, row.after);
    }
    for (const auto& row : perfects) {
        SCOPED_TRACE(row.name);
        Integer contador = row.from, shown = 0, found = 0;
        EXPECT_EQ(
            buscarPerfecto(
                contador, noYield, [&](Integer c) { shown = c; }, [&](Integer f) { found = f; }),
            row.found);
        EXPECT_EQ(contador, row.after);
        EXPECT_EQ(shown, row.found);
        EXPECT_EQ(found, row.found);
    }
    for (const auto& row : pairs) {
        SCOPED_TRACE(row.name);
        Integer contador = row.from, amigo = 0, shown = 0;
        AmicablePair found{};
        EXPECT_EQ(buscarAmigos(
                      contador, amigo, noYield, [&](Integer c) { shown = c; },
                      [&](AmicablePair p) { found = p; }),
                  row.found);
        EXPECT_EQ(contador, row.after);
        EXPECT_EQ(shown, row.found.first);
        EXPECT_EQ(found, row.found);
    }
}

TEST(IntegerTools, DivisibilityCheck) {
    using enum Divisibility;
    // clang-format off
    const struct { const char* name; Text a, b; Outcome<Divisibility> answer; } rows[] = {
        {"12 by 4", u"12", u"4", Divisible},        {"12 by 5", u"12", u"5", NotDivisible},
        {"4 by 12", u"4", u"12", NotDivisible},     {"5 by 5", u"5", u"5", Divisible},
        {"1 by 1", u"1", u"1", Divisible},          {"Long max by 1", u"2147483647", u"1", Divisible},
        {"Long max by 2", u"2147483647", u"2", NotDivisible},
        {"7.5 by 2.5: 3 against 8 \\ 2", u"7.5", u"2.5", NotDivisible},
        {"6 by 1.5: 4 against 6 \\ 2", u"6", u"1.5", NotDivisible},
        {"0 by 5", u"0", u"5", Refused},            {"5 by 0", u"5", u"0", Refused},
        {"-12 by 4", u"-12", u"4", Refused},        {"12 by -4", u"12", u"-4", Refused},
        {"empty", u"", u"", Refused},               {"12abc by 4", u"12abc", u"4", FaultKind::TypeMismatch},
        {"12 by 0.4", u"12", u"0.4", FaultKind::Arithmetic},
        {"3e9 by 1", u"3e9", u"1", FaultKind::Overflow},
    };
    // clang-format on
    for (const auto& row : rows)
        EXPECT_EQ(outcome([&] { return esDivisible(row.a, row.b, P); }), row.answer) << row.name;
}

TEST(IntegerTools, PrimeCheckOfATypedNumber) {
    using enum Primality;
    // clang-format off
    const struct { const char* name; Text text; Outcome<Primality> answer; } rows[] = {
        {"13", u"13", Prime},                  {"1", u"1", NotPrime},
        {"32749", u"32749", Prime},            {"2.5 rounds to 2", u"2.5", Prime},
        {"3.5 rounds to 4", u"3.5", NotPrime}, {"0.4 rounds to 0", u"0.4", NotPrime},
        {"-7", u"-7", NotPrime},               {"empty", u"", Refused},
        {"letters", u"abc", Refused},          {"0", u"0", Refused},
        {"12abc", u"12abc", FaultKind::TypeMismatch}, {"40000", u"40000", FaultKind::Overflow},
    };
    // clang-format on
    for (const auto& row : rows)
        EXPECT_EQ(outcome([&] { return comprobarPrimo(row.text, P, noYield); }), row.answer)
            << row.name;
}

TEST(IntegerTools, PerfectCheckOfATypedNumber) {
    using enum Perfection;
    // clang-format off
    const struct { const char* name; Text text; Outcome<Perfection> answer; } rows[] = {
        {"6", u"6", Perfect},                  {"28", u"28", Perfect},
        {"496", u"496", Perfect},              {"8128", u"8128", Perfect},
        {"1", u"1", NotPerfect},               {"12", u"12", NotPerfect},
        {"27720, wrapped sum", u"27720", NotPerfect}, {"-6", u"-6", NotPerfect},
        {"6.4 sums as 6", u"6.4", NotPerfect}, {"empty", u"", Refused},
        {"letters", u"abc", Refused},          {"0", u"0", Refused},
        {"12abc", u"12abc", FaultKind::TypeMismatch}, {"40000", u"40000", FaultKind::Overflow},
    };
    // clang-format on
    for (const auto& row : rows)
        EXPECT_EQ(outcome([&] { return comprobarPerfecto(row.text, P, noYield); }), row.answer)
            << row.name;
}

TEST(IntegerTools, AmicableCheckOfTwoTypedNumbers) {
    using enum Amicability;
    // clang-format off
    const struct { const char* name; Text a, b; Outcome<Amicability> answer; } rows[] = {
        {"220 and 284", u"220", u"284", Amicable},       {"284 and 220", u"284", u"220", Amicable},
        {"220 and 285", u"220", u"285", NotAmicable},    {"284 and 284", u"284", u"284", NotAmicable},
        {"6 and 6, perfect", u"6", u"6", NotAmicable},   {"1 and 7", u"1", u"7", NotAmicable},
        {"16 and 12, one way only", u"16", u"12", NotAmicable},
        {"a fraction in the second", u"220", u"284.4", NotAmicable},
        {"0 and 5", u"0", u"5", Refused},                {"220 and nothing", u"220", u"", Refused},
        {"letters and 284", u"abc", u"284", Refused},
        {"220 and 40000", u"220", u"40000", FaultKind::Overflow},
        {"12abc and 284", u"12abc", u"284", FaultKind::TypeMismatch},
    };
    // clang-format on
    for (const auto& row : rows)
        EXPECT_EQ(outcome([&] { return comprobarAmigos(row.a, row.b, P, noYield); }), row.answer)
            << row.name;
    int steps = 0; // a malformed first number faults only after the second one's sum
    EXPECT_THROW(comprobarAmigos(u"12abc", u"284", P, [&] { ++steps; }), Fault);
    EXPECT_EQ(steps, 283);
}

} // namespace
} // namespace ordevix
