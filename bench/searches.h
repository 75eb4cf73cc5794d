// The two automatic searches that the benchmark times, run through the real core
// loops with whatever yield the caller passes: nothing, the form host's
// DoEvents, a literal event loop, or a step counter.
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

} // namespace ordevix::bench
