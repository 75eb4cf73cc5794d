// The divisor sum in vector chunks against the procedure step by step, on every instruction set.
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

class DivisorKernel : public testing::TestWithParam<Repertorio> {
protected:
    void SetUp() override {
        if (!nucleo)
            GTEST_SKIP() << nombreRepertorio(GetParam()) << " is not built or not run here";
    }
    // `presupuesto` steps a call, and the call at step `paso` sets n to `nuevo`.
    Integer cortada(Integer n, int presupuesto, int paso = 0, Integer nuevo = 0) const {
        int siguiente = 1; // the step at which the next call happens
        const auto yield = [&](std::int32_t) {
            n = siguiente == paso ? nuevo : n;
            siguiente += presupuesto;
            return presupuesto;
        };
        return sumarDivisores(n, yield, nucleo);
    }
    const SumaDivisoresEntre nucleo = nucleoDivisores(GetParam());
};

// Every n in one call, and in calls of nine steps: they end inside and on the edge of a vector.
TEST_P(DivisorKernel, EveryInteger) {
    for (int n = -32768; n <= 32767; ++n) {
        ASSERT_EQ(cortada(Integer(n), 65536), pasoAPaso(Integer(n))) << n;
        ASSERT_EQ(cortada(Integer(n), 9), pasoAPaso(Integer(n))) << n << " in calls of nine";
    }
}

// n changed at a call: that call's steps and all later ones use it, down to 1, 0, below, and up.
TEST_P(DivisorKernel, NumberChangedAtEveryCallBoundary) {
    for (const int presupuesto : {1, 3, 4, 7, 8, 9, 16, 17})
        for (const int nuevo : {1, -5, 0, 360, 997})
            for (int paso = 1; paso <= 700; paso += presupuesto)
                ASSERT_EQ(cortada(720, presupuesto, paso, Integer(nuevo)),
                          pasoAPaso(720, paso, Integer(nuevo)))
                    << presupuesto << " steps a call, n = " << nuevo << " at step " << paso;
}

INSTANTIATE_TEST_SUITE_P(EveryPath, DivisorKernel,
                         testing::Values(Repertorio::Base, Repertorio::Avx2), [](const auto& info) {
                             return std::string(nombreRepertorio(info.param));
                         });

} // namespace
} // namespace ordevix
