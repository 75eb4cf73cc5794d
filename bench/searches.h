// SPDX-License-Identifier: GPL-3.0-or-later
// The two automatic searches that the benchmark times, run through the real core
// loops with whatever yield the caller passes, and the same searches done the
// plain scalar way: one trial divisor at a time, no yield.
#pragma once

#include "tools/integer_tools.h"

#include <cstdint>
#include <stdexcept>

namespace ordevix::bench {

// Read through volatile so the compiler cannot fold a search whose inputs it
// would otherwise know at compile time.
inline volatile Integer gPerfectStart = 497;
inline volatile Integer gAmicableStart = 1;
inline volatile std::int32_t gSink = 0;

inline constexpr Integer kPerfectEnd = 8128;
inline constexpr Integer kAmicableEnd = 18416;

struct NoCallback {
    template <class T> void operator()(const T&) const noexcept {}
};

// A yield that lets every step asked for pass: the vector kernel with no yield.
inline constexpr auto kGrantAll = [](std::int32_t steps) { return steps; };

// The click after 496: from 497 up to the next perfect number, 8128.
template <class Yield, class OnCandidate = NoCallback>
void perfectSearch(Yield&& yield, OnCandidate&& onCandidate = {}, Integer start = gPerfectStart) {
    Integer contador = start;
    const Integer found = buscarPerfecto(contador, yield, onCandidate, NoCallback{});
    if (found != kPerfectEnd)
        throw std::logic_error("perfect search did not stop at 8128");
    gSink = found;
}

// Ticking "Automático" and clicking until the pair (18416, 17296): 16 clicks.
template <class Yield, class OnCandidate = NoCallback>
void amicableSearch(Yield&& yield, OnCandidate&& onCandidate = {}, Integer start = gAmicableStart) {
    Integer contador = start;
    Integer amigo = 0;
    for (;;) {
        const ParDeAmigos pair = buscarAmigos(contador, amigo, yield, onCandidate, NoCallback{});
        if (pair.primero == kAmicableEnd)
            break;
        if (contador < start)
            throw std::logic_error("amicable search wrapped before 18416");
    }
    gSink = contador;
}

// The searches' divisor sums with no yield on a kernel of the caller's choice:
// the narrowest one forced, on a processor that has a wider one.
inline void perfectSearchOn(SumaDivisoresEntre kernel, Integer start = gPerfectStart) {
    Integer n = start;
    while (n == 1 || sumarDivisores(n, kGrantAll, kernel) != n)
        n = wrapInteger(n + 1);
    if (n != kPerfectEnd)
        throw std::logic_error("perfect search did not stop at 8128");
    gSink = n;
}

inline void amicableSearchOn(SumaDivisoresEntre kernel, Integer start = gAmicableStart) {
    for (Integer n = start;; n = wrapInteger(n + 1)) {
        const Integer partner = sumarDivisores(n, kGrantAll, kernel);
        const Integer back = sumarDivisores(partner, kGrantAll, kernel);
        if (back == n && partner != n && n == kAmicableEnd) {
            gSink = partner;
            return;
        }
        if (n == kAmicableEnd)
            throw std::logic_error("amicable search passed 18416");
    }
}

// The divisor sum one trial divisor at a time, as the searches ran before the
// vector kernel, without any yield.
inline Integer scalarDivisorSum(Integer n) {
    std::int32_t sum = 0;
    std::int32_t i = 1;
    do {
        if (n % i == 0)
            sum += i;
        ++i;
    } while (i < n);
    return wrapInteger(sum);
}

inline void scalarPerfectSearch(Integer start = gPerfectStart) {
    Integer n = start;
    while (n == 1 || scalarDivisorSum(n) != n)
        n = wrapInteger(n + 1);
    if (n != kPerfectEnd)
        throw std::logic_error("scalar perfect search did not stop at 8128");
    gSink = n;
}

// Both sums of every candidate, as the real search takes them.
inline void scalarAmicableSearch(Integer start = gAmicableStart) {
    for (Integer n = start;; n = wrapInteger(n + 1)) {
        const Integer partner = scalarDivisorSum(n);
        if (scalarDivisorSum(partner) == n && partner != n && n == kAmicableEnd) {
            gSink = partner;
            return;
        }
        if (n == kAmicableEnd)
            throw std::logic_error("scalar amicable search passed 18416");
    }
}

} // namespace ordevix::bench
