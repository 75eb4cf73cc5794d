#include "tools/integer_tools.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ordevix {
namespace {

const auto noYield = [] {};

bool isPrimeByTrial(int n) {
    if (n < 2) {
        return false;
    }
    for (int d = 2; d * d <= n; ++d) {
        if (n % d == 0) {
            return false;
        }
    }
    return true;
}

TEST(Factorear, EveryNumberUpTo10000IsItsAscendingPrimeFactorsThenOne) {
    for (int n = 2; n <= 10000; ++n) {
        SCOPED_TRACE(n);
        const std::vector<Integer> factores = factorear(static_cast<Integer>(n));
        ASSERT_GE(factores.size(), 2u);
        ASSERT_EQ(factores.back(), 1);
        int product = 1;
        for (std::size_t k = 0; k + 1 < factores.size(); ++k) {
            ASSERT_TRUE(isPrimeByTrial(factores[k]));
            if (k > 0) {
                ASSERT_LE(factores[k - 1], factores[k]);
            }
            product *= factores[k];
        }
        ASSERT_EQ(product, n);
    }
}

TEST(SumarDivisores, MatchesSieveForEveryIntegerWrappedTo16Bits) {
    std::vector<int> sums(32768, 0);
    for (int d = 1; d < 32768; ++d) {
        for (int m = 2 * d; m < 32768; m += d) {
            sums[m] += d;
        }
    }
    for (int n = -32768; n <= 32767; ++n) {
        const Integer value = static_cast<Integer>(n);
        const Integer expected = n >= 2 ? static_cast<Integer>(sums[n]) : Integer{1};
        ASSERT_EQ(sumarDivisores(value, noYield), expected) << n;
    }
    EXPECT_EQ(sumarDivisores(Integer{27720}, noYield), 19064);
}

// Yields that run a handler at one chosen step, as a click delivered there would.
struct StepInjector {
    long step = 0;
    long at;
    std::function<void()> handler;
    void operator()() {
        if (++step == at) {
            handler();
        }
    }
};

// Every answer of esPrimo, negatives included, is covered by the listing below.
TEST(EsPrimo, ChangesDuringTheYieldTakeEffectAtOnce) {
    // n = 97 tries 1..9; a tick that resets the counter to 1 ends it as not prime.
    Integer contador = 97;
    EXPECT_FALSE(esPrimo(contador, StepInjector{0, 4, [&] { contador = 1; }}));
    // 4 becomes 5 before its divisor 2 is tried: the new number, and its root
    // bound, are the ones tested.
    contador = 4;
    EXPECT_TRUE(esPrimo(contador, StepInjector{0, 2, [&] { contador = 5; }}));
}

TEST(SumarDivisores, CounterResetReturnsTheSumSoFar) {
    Integer contador = 28; // steps 1..4 gather 1 + 2 + 4
    EXPECT_EQ(sumarDivisores(contador, StepInjector{0, 5, [&] { contador = 1; }}), 7);
}

TEST(BuscarPrimo, ListsEveryPrimeThenWrapsRoundToTwo) {
    Integer contador = 0;
    for (int n = 2; n <= 32767; ++n) {
        if (isPrimeByTrial(n)) {
            ASSERT_EQ(buscarPrimo(contador, noYield), n);
            ASSERT_EQ(contador, n);
        }
    }
    EXPECT_EQ(buscarPrimo(contador, noYield), 2);
}

TEST(BuscarPerfecto, SkipsOneFindsTheFourAndComesRound) {
    Integer contador = 1;
    std::vector<Integer> candidates, found;
    const auto onCandidate = [&](Integer c) { candidates.push_back(c); };
    const auto onFound = [&](Integer n) { found.push_back(n); };
    for (Integer expected : {6, 28, 496, 8128, 6}) {
        ASSERT_EQ(buscarPerfecto(contador, noYield, onCandidate, onFound), expected);
        ASSERT_EQ(contador, expected + 1);
    }
    EXPECT_EQ(found, (std::vector<Integer>{6, 28, 496, 8128, 6}));
    EXPECT_EQ(candidates.front(), 1);
    EXPECT_EQ(candidates[5], 6);
}

// A tick during a search is covered through the window; a nested click that
// finds 6 at the first yield leaves the outer search to go on from 7 to 28.
TEST(BuscarPerfecto, NestedClickMovesTheCounterOn) {
    const auto ignore = [](Integer) {};
    Integer contador = 1;
    std::optional<Integer> nested;
    StepInjector yield{0, 1, nullptr};
    yield.handler = [&] { nested = buscarPerfecto(contador, noYield, ignore, ignore); };
    EXPECT_EQ(buscarPerfecto(contador, std::ref(yield), ignore, ignore), 28);
    EXPECT_EQ(nested, 6);
}

TEST(BuscarAmigos, EveryPairInOrderEachTwice) {
    const std::vector<AmicablePair> pairs = {
        {220, 284},     {284, 220},     {1184, 1210},   {1210, 1184},
        {2620, 2924},   {2924, 2620},   {5020, 5564},   {5564, 5020},
        {6232, 6368},   {6368, 6232},   {10744, 10856}, {10856, 10744},
        {12285, 14595}, {14595, 12285}, {17296, 18416}, {18416, 17296}};
    Integer contador = 1, amigo = 0;
    Integer lastCandidate = 0;
    std::optional<AmicablePair> lastFound;
    for (const AmicablePair& expected : pairs) {
        SCOPED_TRACE(expected.first);
        const AmicablePair par = buscarAmigos(
            contador, amigo, noYield, [&](Integer c) { lastCandidate = c; },
            [&](AmicablePair p) { lastFound = p; });
        ASSERT_EQ(par, expected);
        ASSERT_EQ(lastFound, expected);
        ASSERT_EQ(lastCandidate, expected.first);
        ASSERT_EQ(contador, expected.first + 1);
        ASSERT_EQ(amigo, expected.second);
    }
}

TEST(BuscarAmigos, TickDuringSearchRestartsAtOne) {
    Integer contador = 221, amigo = 0;
    const auto ignore = [](auto) {};
    const AmicablePair par =
        buscarAmigos(contador, amigo, StepInjector{0, 1000, [&] { contador = 1; }}, ignore, ignore);
    EXPECT_EQ(par, (AmicablePair{220, 284}));
    EXPECT_EQ(contador, 221);
}

template <class Answer> struct OneShotRow {
    const char* name;
    std::u16string first, second;
    std::optional<Answer> answer; // empty: the fault below
    FaultKind fault = FaultKind::TypeMismatch;
};

template <class Answer, class Check>
void runOneShot(const std::vector<OneShotRow<Answer>>& rows, Check check) {
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        if (row.answer) {
            EXPECT_EQ(check(row), *row.answer);
            continue;
        }
        try {
            check(row);
            ADD_FAILURE() << "no fault";
        } catch (const Fault& f) {
            EXPECT_EQ(f.kind(), row.fault);
        }
    }
}

TEST(EsDivisible, OneShot) {
    using enum Divisibility;
    runOneShot<Divisibility>(
        {
            {"12 by 4", u"12", u"4", Divisible},
            {"12 by 5", u"12", u"5", NotDivisible},
            {"Long max by 1", u"2147483647", u"1", Divisible},
            {"Long max by 2", u"2147483647", u"2", NotDivisible},
            {"7.5 by 2.5 compares 3 with 8/2", u"7.5", u"2.5", NotDivisible},
            {"6 by 1.5 compares 4 with 6/2", u"6", u"1.5", NotDivisible},
            {"0 dividend", u"0", u"5", Refused},
            {"negative divisor", u"12", u"-4", Refused},
            {"empty divisor", u"12", u"", Refused},
            {"12abc", u"12abc", u"4", std::nullopt, FaultKind::TypeMismatch},
            {"divisor rounds to 0", u"5", u"0.5", std::nullopt, FaultKind::Arithmetic},
            {"beyond Long", u"2147483648", u"1", std::nullopt, FaultKind::Overflow},
        },
        [](const auto& row) {
            return esDivisible(row.first, row.second, RegionalSettings::period());
        });
}

TEST(ComprobarPrimo, OneShot) {
    using enum Primality;
    runOneShot<Primality>(
        {
            {"2", u"2", {}, Prime},
            {"32749", u"32749", {}, Prime},
            {"1 is not prime", u"1", {}, NotPrime},
            {"32767 = 7*31*151", u"32767", {}, NotPrime},
            {"25, a square: the root is tried", u"25", {}, NotPrime},
            {"0.4 rounds to 0", u"0.4", {}, NotPrime},
            {"-7 is not prime", u"-7", {}, NotPrime},
            {"2.5 rounds to 2", u"2.5", {}, Prime},
            {"3.5 rounds to 4", u"3.5", {}, NotPrime},
            {"empty", u"", {}, Refused},
            {"letters", u"abc", {}, Refused},
            {"12abc", u"12abc", {}, std::nullopt, FaultKind::TypeMismatch},
            {"40000", u"40000", {}, std::nullopt, FaultKind::Overflow},
        },
        [](const auto& row) {
            return comprobarPrimo(row.first, RegionalSettings::period(), noYield);
        });
}

TEST(ComprobarPerfecto, OneShot) {
    using enum Perfection;
    runOneShot<Perfection>(
        {
            {"6", u"6", {}, Perfect},
            {"8128", u"8128", {}, Perfect},
            {"1 is not perfect", u"1", {}, NotPerfect},
            {"27720 wraps", u"27720", {}, NotPerfect},
            {"-6", u"-6", {}, NotPerfect},
            {"6,4 sums 6, compares 6.4", u"6,4", {}, NotPerfect},
            {"blank before", u" 28", {}, Perfect},
            {"0", u"0", {}, Refused},
            {"letters", u"abc", {}, Refused},
            {"12abc", u"12abc", {}, std::nullopt, FaultKind::TypeMismatch},
            {"40000", u"40000", {}, std::nullopt, FaultKind::Overflow},
        },
        [](const auto& row) {
            return comprobarPerfecto(row.first, RegionalSettings::comma(), noYield);
        });
}

TEST(ComprobarAmigos, OneShotBothDirections) {
    using enum Amicability;
    runOneShot<Amicability>(
        {
            {"220 284", u"220", u"284", Amicable},
            {"284 220", u"284", u"220", Amicable},
            {"220 285", u"220", u"285", NotAmicable},
            {"6 6 is one number", u"6", u"6", NotAmicable},
            {"1 7 one way only", u"1", u"7", NotAmicable},
            {"16 12 one way only", u"16", u"12", NotAmicable},
            {"fraction in the second", u"220", u"284.4", NotAmicable},
            {"0 first", u"0", u"284", Refused},
            {"empty second", u"220", u"", Refused},
            {"220 40000", u"220", u"40000", std::nullopt, FaultKind::Overflow},
            {"12abc 284", u"12abc", u"284", std::nullopt, FaultKind::TypeMismatch},
        },
        [](const auto& row) {
            return comprobarAmigos(row.first, row.second, RegionalSettings::period(), noYield);
        });
}

TEST(ComprobarAmigos, MalformedFirstFaultsOnlyAfterTheSecondsSum) {
    long steps = 0;
    EXPECT_THROW(comprobarAmigos(u"12abc", u"284", RegionalSettings::period(), [&] { ++steps; }),
                 Fault);
    EXPECT_EQ(steps, 283);
}

} // namespace
} // namespace ordevix
