// SPDX-License-Identifier: GPL-3.0-or-later
// The divisor kernel. This file is compiled once per instruction set, each time
// with ORDEVIX_KERNEL_NS naming the namespace of that copy, so the copies never
// share a symbol. flatten pulls every library helper into the one function: no
// out-of-line copy built for the wide set can then be picked by the linker for
// the narrow one.
#include <experimental/simd>

#include <cstdint>

#ifndef ORDEVIX_KERNEL_NS
#error "ORDEVIX_KERNEL_NS names the instruction set this copy is built for"
#endif

namespace stdx = std::experimental;

namespace ordevix::ORDEVIX_KERNEL_NS {

[[gnu::flatten]] std::int32_t sumaDivisoresEntre(std::int32_t n, std::int32_t desde,
                                                 std::int32_t hasta) {
    using Floats = stdx::native_simd<float>;
    using Ints = stdx::rebind_simd_t<std::int32_t, Floats>;
    constexpr int kAncho = static_cast<int>(Floats::size());

    // Exact in single precision: n, i and every product below are whole numbers
    // under 2^24 in magnitude. When i divides n, n / i is such a number, so the
    // quotient is exact, its truncation k is n / i and k * i == n. When it does
    // not, no whole k gives k * i == n. Each lane's sum stays below 2^24 too.
    const Floats dividendo = static_cast<float>(n);
    const Floats fin = static_cast<float>(hasta);
    Floats i([desde](auto lane) { return static_cast<float>(desde + int(lane)); });
    Floats suma = 0.0f;
    for (std::int32_t primero = desde; primero < hasta; primero += kAncho) {
        const Floats k =
            stdx::static_simd_cast<Floats>(stdx::static_simd_cast<Ints>(dividendo / i));
        stdx::where(k * i == dividendo && i < fin, suma) += i;
        i += static_cast<float>(kAncho);
    }
    // Lane by lane rather than stdx::reduce, whose std::plus would be a shared
    // out-of-line function.
    std::int32_t total = 0;
    for (std::size_t lane = 0; lane < Floats::size(); ++lane)
        total += static_cast<std::int32_t>(suma[lane]);
    return total;
}

} // namespace ordevix::ORDEVIX_KERNEL_NS
