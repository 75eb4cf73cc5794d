// The divisor sum done in vector chunks against the procedure done one trial
// divisor at a time, on every instruction set this processor runs.
#include "tools/integer_tools.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace ordevix {
namespace {

// The procedure step by step: a yield, n read again, one trial divisor.
template <class Yield> Integer sumaPasoAPaso(const Integer& n, Yield yield) {
    std::int32_t i = 1, suma = 0;
    do {
        yield();
        suma += n % i == 0 ? i : 0;
    } while (++i < n);
    return WrapInteger(suma);
}

const auto todoDeUnaVez = [](std::int32_t deseados) { return deseados; };
const auto nada = [] {};

class DivisorKernel : public testing::TestWithParam<Repertorio> {
protected:
    void SetUp() override {
        nucleo = nucleoDivisores(GetParam());
        if (!nucleo)
            GTEST_SKIP() << nombreRepertorio(GetParam()) << " is not built or not run here";
    }
    static Integer esperadoDe(Integer n) { return sumaPasoAPaso(n, nada); }

    // `presupuesto` steps a call, and the call at step `paso` sets n to `nuevo`;
    // then the same change made to the step-by-step procedure.
    Integer cortada(Integer inicial, int presupuesto, int paso, Integer nuevo) const {
        Integer n = inicial;
        int siguiente = 1; // the step at which the next call happens
        const auto yield = [&](std::int32_t) {
            n = siguiente == paso ? nuevo : n;
            siguiente += presupuesto;
            return presupuesto;
        };
        return sumarDivisores(n, yield, nucleo);
    }
    static Integer pasoAPaso(Integer inicial, int paso, Integer nuevo) {
        Integer n = inicial;
        int siguiente = 1;
        return sumaPasoAPaso(n, [&] { n = siguiente++ == paso ? nuevo : n; });
    }

    SumaDivisoresEntre nucleo = nullptr;
};

// Every n in one call, and in calls of nine steps that end inside a vector and
// on its edges for widths 4 and 8.
TEST_P(DivisorKernel, EveryInteger) {
    const auto nueve = [](std::int32_t) { return 9; };
    for (int n = -32768; n <= 32767; ++n) {
        ASSERT_EQ(sumarDivisores(Integer(n), todoDeUnaVez, nucleo), esperadoDe(n)) << n;
        ASSERT_EQ(sumarDivisores(Integer(n), nueve, nucleo), esperadoDe(n)) << n;
    }
}

TEST_P(DivisorKernel, ChunkSizesAroundTheVectorWidths) {
    for (const int presupuesto : {1, 2, 3, 4, 5, 7, 8, 15, 16, 17, 31, 33, 1000}) {
        const auto yield = [=](std::int32_t) { return presupuesto; };
        for (int n = -1; n <= 700; ++n)
            ASSERT_EQ(sumarDivisores(Integer(n), yield, nucleo), esperadoDe(n))
                << n << " in calls of " << presupuesto;
    }
}

// n changed by the yield mid-sum: the step of the call that changes it and every
// later one use the new n.
TEST_P(DivisorKernel, NumberChangedDuringTheYield) {
    // clang-format off
    const struct { const char* name; Integer n; int presupuesto, paso; Integer nuevo, suma; } rows[] = {
        {"a tick sets 1: the sum so far, 1 + 2 + 4", 28, 4, 5, 1, 7}, {"same tick, one step a call", 28, 1, 5, 1, 7},
        {"grows: 1 + 2 of 6, then 4 + 7 + 14 of 28", 6, 2, 3, 28, 28},
        {"drops inside a vector: 1 + 2 + 4 + 8, then step 15 alone", 496, 7, 15, 10, 15},
        {"negative: 1 + 2 + 3, then 4 divides -12", 12, 3, 4, -12, 10},
        {"zero: 1 + 2 + 3 + 4, then 6 divides 0", 12, 5, 6, 0, 16}, {"changed at the first call", 28, 8, 1, 6, 6},
        {"drops to the divisor on trial: 8128, then 8127", 8128, 1, 8127, 8127, 16255},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(cortada(row.n, row.presupuesto, row.paso, row.nuevo), row.suma);
        EXPECT_EQ(pasoAPaso(row.n, row.paso, row.nuevo), row.suma);
    }
}

TEST_P(DivisorKernel, NumberChangedAtEveryCallBoundary) {
    for (const int presupuesto : {1, 3, 4, 7, 8, 9, 16, 17})
        for (const int nuevo : {1, -5, 0, 360, 997})
            for (int paso = 1; paso <= 700; paso += presupuesto)
                ASSERT_EQ(cortada(720, presupuesto, paso, Integer(nuevo)),
                          pasoAPaso(720, paso, Integer(nuevo)))
                    << presupuesto << " steps a call, n = " << nuevo << " at step " << paso;
}

INSTANTIATE_TEST_SUITE_P(EveryPath, DivisorKernel,
                         testing::Values(Repertorio::Base, Repertorio::Avx2),
                         [](const testing::TestParamInfo<Repertorio>& info) {
                             return std::string(nombreRepertorio(info.param));
                         });

} // namespace
} // namespace ordevix
