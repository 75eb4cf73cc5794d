// The divisor sum done in vector chunks against the procedure done one trial
// divisor at a time, on every instruction set this processor runs.
#include "tools/integer_tools.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace ordevix {
namespace {

// The procedure step by step: a yield, n read again, one trial divisor.
template <class Yield> Integer sumaPasoAPaso(const Integer& n, Yield yield) {
    std::int32_t i = 1, suma = 0;
    for (;;) {
        yield();
        const Integer actual = n;
        if (actual % i == 0)
            suma += i;
        ++i;
        if (!(i < actual))
            break;
    }
    return WrapInteger(suma);
}

// Grants every step asked for: the whole sum in one call of the kernel.
const auto todoDeUnaVez = [](std::int32_t deseados) { return deseados; };

class DivisorKernel : public testing::TestWithParam<Repertorio> {
protected:
    void SetUp() override {
        nucleo = nucleoDivisores(GetParam());
        if (!nucleo)
            GTEST_SKIP() << nombreRepertorio(GetParam()) << " is not built or not run here";
    }
    static Integer esperadoDe(int n) {
        return sumaPasoAPaso(Integer(n), [] {});
    }

    // The sum with a yield that grants `presupuesto` steps a call and, at the
    // call made at step `paso`, sets n to `nuevo`; and the same change made by
    // the step-by-step procedure.
    Integer cortada(Integer inicial, int presupuesto, int paso, Integer nuevo) const {
        Integer n = inicial;
        int siguiente = 1; // the step at which the next call happens
        return sumarDivisores(
            n,
            [&](std::int32_t) {
                if (siguiente == paso)
                    n = nuevo;
                siguiente += presupuesto;
                return presupuesto;
            },
            nucleo);
    }
    static Integer pasoAPaso(Integer inicial, int paso, Integer nuevo) {
        Integer n = inicial;
        int siguiente = 1;
        return sumaPasoAPaso(n, [&] { n = siguiente++ == paso ? nuevo : n; });
    }

    SumaDivisoresEntre nucleo = nullptr;
};

TEST_P(DivisorKernel, EveryIntegerInOneCall) {
    for (int n = -32768; n <= 32767; ++n)
        ASSERT_EQ(sumarDivisores(Integer(n), todoDeUnaVez, nucleo), esperadoDe(n)) << n;
}

// Calls that end inside a vector and on its edges, for widths 4 and 8.
TEST_P(DivisorKernel, EveryIntegerInChunksOfNine) {
    const auto nueve = [](std::int32_t) { return 9; };
    for (int n = -32768; n <= 32767; ++n)
        ASSERT_EQ(sumarDivisores(Integer(n), nueve, nucleo), esperadoDe(n)) << n;
}

TEST_P(DivisorKernel, ChunkSizesAroundTheVectorWidths) {
    std::vector<int> numeros = {-32768, -1, 12600, 27720, 32766, 32767};
    for (int n = 0; n <= 700; ++n)
        numeros.push_back(n);
    for (const int presupuesto : {1, 2, 3, 4, 5, 7, 8, 9, 15, 16, 17, 31, 33, 1000}) {
        SCOPED_TRACE(presupuesto);
        for (const int n : numeros)
            ASSERT_EQ(sumarDivisores(
                          Integer(n), [=](std::int32_t) { return presupuesto; }, nucleo),
                      esperadoDe(n))
                << n;
    }
}

TEST_P(DivisorKernel, ValuesWorkedOutByHand) {
    const struct {
        const char* name;
        Integer n;
        Integer suma;
    } rows[] = {
        {"perfect", 8128, 8128},
        {"abundant", 12, 16},
        {"prime", 32749, 1},
        {"7 * 31 * 151", 32767, 6145},
        {"first to wrap: 35760", 12600, -29776},
        {"84600 wraps", 27720, 19064},
        {"one", 1, 1},
        {"zero", 0, 1},
        {"negative", -6, 1},
        {"lowest", -32768, 1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(sumarDivisores(row.n, todoDeUnaVez, nucleo), row.suma);
        EXPECT_EQ(sumarDivisores(
                      row.n, [] {}, nucleo),
                  row.suma);
    }
}

// n changed by the yield mid-sum: the step of the call that changes it and every
// later one use the new n.
TEST_P(DivisorKernel, NumberChangedDuringTheYield) {
    const struct {
        const char* name;
        Integer n;
        int presupuesto;
        int paso;
        Integer nuevo;
        Integer suma;
    } rows[] = {
        {"a tick sets 1: the sum so far, 1 + 2 + 4", 28, 4, 5, 1, 7},
        {"same tick, one step a call", 28, 1, 5, 1, 7},
        {"grows: 1 + 2 of 6, then 4 + 7 + 14 of 28", 6, 2, 3, 28, 28},
        {"drops inside a vector: 1 + 2 + 4 + 8, then step 15 alone", 496, 7, 15, 10, 15},
        {"negative: 1 + 2 + 3, then 4 divides -12", 12, 3, 4, -12, 10},
        {"zero: 1 + 2 + 3 + 4, then 6 divides 0", 12, 5, 6, 0, 16},
        {"changed at the first call", 28, 8, 1, 6, 6},
        {"drops to the divisor on trial: 8128, then 8127", 8128, 1, 8127, 8127, 16255},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(cortada(row.n, row.presupuesto, row.paso, row.nuevo), row.suma);
        EXPECT_EQ(pasoAPaso(row.n, row.paso, row.nuevo), row.suma);
    }
}

TEST_P(DivisorKernel, NumberChangedAtEveryCallBoundary) {
    for (const int presupuesto : {1, 3, 4, 7, 8, 9, 16, 17}) {
        for (const Integer nuevo :
             {Integer(1), Integer(-5), Integer(0), Integer(360), Integer(997)}) {
            for (int paso = 1; paso <= 700; paso += presupuesto) {
                SCOPED_TRACE(testing::Message() << presupuesto << " steps a call, n = " << nuevo
                                                << " at step " << paso);
                ASSERT_EQ(cortada(720, presupuesto, paso, nuevo), pasoAPaso(720, paso, nuevo));
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryPath, DivisorKernel,
                         testing::Values(Repertorio::Base, Repertorio::Avx2),
                         [](const testing::TestParamInfo<Repertorio>& info) {
                             return std::string(nombreRepertorio(info.param));
                         });

} // namespace
} // namespace ordevix
