// The divisor sum in the chunks of trial divisors that the yield grants, against the procedure
// written out step by step.
#include "tools/integer_tools.h"

#include <gtest/gtest.h>

namespace ordevix {
namespace {

// The procedure step by step: n read again at every step (the step `paso` sets
// it to `nuevo`), then one trial divisor.
Integer pasoAPaso(Integer n, int paso = 0, Integer nuevo = 0) {
    std::int32_t i = 1, suma = 0;
    do {
        n = i == paso ? nuevo : n;
        suma += n % i == 0 ? i : 0;
    } while (++i < n);
    return wrapInteger(suma);
}

// `presupuesto` steps a call, and the call at step `paso` sets n to `nuevo`.
Integer enTrozos(Integer n, int presupuesto, int paso = 0, Integer nuevo = 0) {
    int siguiente = 1; // the step at which the next call happens
    return sumarDivisores(n, [&](std::int32_t) {
        n = siguiente == paso ? nuevo : n;
        siguiente += presupuesto;
        return presupuesto;
    });
}

// Every n in one call and in calls of a size from 1 to 1000 that n picks, so every size comes
// up; then the same calls with n changed halfway, at a call boundary, to a value n picks too.
TEST(DivisorSum, EveryIntegerInChunksOfEverySize) {
    for (int n = -32768; n <= 32767; ++n) {
        const int presupuesto = 1 + (n + 32768) % 1000;
        const int paso = 1 + (std::max(n, 1) - 1) / presupuesto / 2 * presupuesto;
        const Integer nuevos[] = {
            1, 0, -5, Integer(paso), Integer(paso + 1), wrapInteger(2 * n), Integer(n / 3)};
        const Integer nuevo = nuevos[(n + 32768) % std::size(nuevos)];
        ASSERT_EQ(enTrozos(Integer(n), 65536), pasoAPaso(Integer(n))) << n;
        ASSERT_EQ(enTrozos(Integer(n), presupuesto), pasoAPaso(Integer(n)))
            << n << " in calls of " << presupuesto;
        ASSERT_EQ(enTrozos(Integer(n), presupuesto, paso, nuevo),
                  pasoAPaso(Integer(n), paso, nuevo))
            << n << " in calls of " << presupuesto << ", n = " << nuevo << " at step " << paso;
    }
}

// n changed at every call boundary of every call size: that call's steps and all later ones use
// it, down to 1, 0 and below, and up.
TEST(DivisorSum, NumberChangedAtEveryCallBoundary) {
    for (int presupuesto = 1; presupuesto <= 1000; ++presupuesto)
        for (const int nuevo : {1, -5, 0, 360, 997})
            for (int paso = 1; paso <= 720; paso += presupuesto)
                ASSERT_EQ(enTrozos(720, presupuesto, paso, Integer(nuevo)),
                          pasoAPaso(720, paso, Integer(nuevo)))
                    << presupuesto << " steps a call, n = " << nuevo << " at step " << paso;
}

} // namespace
} // namespace ordevix
