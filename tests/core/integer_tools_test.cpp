#include "tools/integer_tools.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

namespace ordevix {
namespace {

constexpr RegionalSettings kPeriod = RegionalSettings::period();
// Lets every step asked for pass at once.
const auto noYield = [](std::int32_t pasos) { return pasos; };
const auto ignore = [](auto) {};
const auto perfecto = [](Integer& c) { return buscarPerfecto(c, noYield, ignore, ignore); };

// Checked against a sieve of the divisor sums below n (1 to n = 1): primes above 1 sum to 1.
TEST(IntegerTools, FactorsSumsAndSearchesMatchADivisorSieve) {
    std::vector<int> sums(32768, 1);
    for (int d = 2; d < 32768; ++d)
        for (int m = 2 * d; m < 32768; m += d)
            sums[m] += d;
    const auto prime = [&](int n) { return n >= 2 && sums[n] == 1; };
    for (int n = 2; n <= 10000; ++n) {
        const std::vector<Integer> f = factorear(Integer(n));
        int product = 1; // a factor that is not prime, or out of order, zeroes it
        for (std::size_t k = 0; k + 1 < f.size(); ++k)
            product *= prime(f[k]) && (k == 0 || f[k - 1] <= f[k]) ? f[k] : 0;
        ASSERT_TRUE(f.size() >= 2 && f.back() == 1 && product == n) << n;
    }
    for (int n = -32768; n <= 32767; ++n)
        ASSERT_EQ(sumarDivisores(Integer(n), noYield), Integer(sums[n < 0 ? 0 : n])) << n;
    // Each search goes round the whole range: back at 2, or at 6 past 1, for another click.
    Integer contador = 0, amigo = 0;
    for (int n = 2; n <= 32767; ++n) {
        if (prime(n)) {
            ASSERT_EQ(buscarPrimo(contador, noYield), n);
        }
    }
    EXPECT_EQ(buscarPrimo(contador, noYield), 2);
    contador = 1;
    for (int n : {6, 28, 496, 8128, 6})
        ASSERT_EQ(perfecto(contador), n);
    contador = 1;
    // clang-format off
    for (const ParDeAmigos p : {ParDeAmigos{220, 284}, {284, 220}, {1184, 1210}, {1210, 1184}, {2620, 2924}, {2924, 2620}, {5020, 5564}, {5564, 5020}, {6232, 6368}, {6368, 6232}, {10744, 10856}, {10856, 10744}, {12285, 14595}, {14595, 12285}, {17296, 18416}, {18416, 17296}})
        ASSERT_EQ(buscarAmigos(contador, amigo, noYield, ignore, ignore), p);
    // clang-format on
}

TEST(IntegerTools, ChangesMadeDuringTheYieldTakeEffectAtOnce) {
    Integer contador = 28, inner = 0;
    long step = 0; // steps 1..4 gather 1 + 2 + 4, then the counter drops to 1
    EXPECT_EQ(sumarDivisores(contador, [&] { contador = ++step == 5 ? 1 : contador; }), 7);
    contador = 1; // the first yield runs a nested search that finds 6; the outer one goes on to 28
    const auto once = [&] { inner = inner ? inner : perfecto(contador); };
    EXPECT_EQ(buscarPerfecto(contador, once, ignore, ignore), 28);
    EXPECT_EQ(inner, 6);
    step = 0; // a malformed first number faults only after the second one's sum
    EXPECT_THROW(comprobarAmigos(u"12abc", u"284", kPeriod, [&] { ++step; }), Fault);
    EXPECT_EQ(step, 283);
}

template <class Check> std::string said(Check check) try {
    return std::array{"refused", "yes", "no"}[int(check())];
} catch (const Fault& f) {
    return std::array{"type mismatch", "overflow", "arithmetic"}[int(f.kind())];
}

TEST(IntegerTools, OneShotChecks) {
    // a, b: whether a is prime, a is perfect, a and b are amicable, a is divisible by b
    // clang-format off
    const std::tuple<Text, Text, std::array<std::string, 4>> rows[] = {
        {u"220", u"284", {"no", "no", "yes", "no"}},
        {u"284", u"220", {"no", "no", "yes", "no"}},
        {u"6", u"6", {"no", "yes", "no", "yes"}},
        {u"1", u"7", {"no", "no", "no", "no"}},
        {u"16", u"12", {"no", "no", "no", "no"}},
        {u"220", u"285", {"no", "no", "no", "no"}},
        {u"12", u"4", {"no", "no", "no", "yes"}},
        {u"12", u"5", {"no", "no", "no", "no"}},
        {u"7.5", u"2.5", {"no", "no", "no", "no"}},
        {u"6", u"1.5", {"no", "yes", "no", "no"}},
        {u"0.4", u"2", {"no", "no", "no", "no"}},
        {u"2.5", u"1", {"yes", "no", "no", "no"}},
        {u"6.4", u"1", {"no", "no", "no", "no"}},
        {u"-7", u"1", {"no", "no", "no", "refused"}},
        {u"-6", u"1", {"no", "no", "no", "refused"}},
        {u"0", u"5", {"refused", "refused", "refused", "refused"}},
        {u"", u"", {"refused", "refused", "refused", "refused"}},
        {u"12abc", u"284", {"type mismatch", "type mismatch", "type mismatch", "type mismatch"}},
        {u"220", u"40000", {"no", "no", "overflow", "no"}},
        {u"40000", u"2147483648", {"overflow", "overflow", "overflow", "overflow"}},
        {u"12", u"0.4", {"no", "no", "no", "arithmetic"}},
    };
    // clang-format on
    for (const auto& row : rows) {
        // Named references: clang 14 lambdas cannot capture structured bindings.
        const Text &a = std::get<0>(row), &b = std::get<1>(row);
        const std::array got = {said([&] { return comprobarPrimo(a, kPeriod, noYield); }),
                                said([&] { return comprobarPerfecto(a, kPeriod, noYield); }),
                                said([&] { return comprobarAmigos(a, b, kPeriod, noYield); }),
                                said([&] { return esDivisible(a, b, kPeriod); })};
        EXPECT_EQ(got, std::get<2>(row)) << testing::PrintToString(a + u" / " + b);
    }
}

} // namespace
} // namespace ordevix
