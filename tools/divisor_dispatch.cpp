// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/divisor_kernel.h"

namespace ordevix {

// One copy of tools/divisor_kernel.cpp per instruction set.
namespace base {
std::int32_t sumaDivisoresEntre(std::int32_t n, std::int32_t desde, std::int32_t hasta);
}
#ifdef ORDEVIX_KERNEL_AVX2
namespace avx2 {
std::int32_t sumaDivisoresEntre(std::int32_t n, std::int32_t desde, std::int32_t hasta);
}
#endif

SumaDivisoresEntre nucleoDivisores(Repertorio repertorio) {
    switch (repertorio) {
    case Repertorio::Base:
        return &base::sumaDivisoresEntre;
    case Repertorio::Avx2:
#ifdef ORDEVIX_KERNEL_AVX2
        // Safe before static constructors have run, which the check alone is not.
        __builtin_cpu_init();
        if (__builtin_cpu_supports("avx2"))
            return &avx2::sumaDivisoresEntre;
#endif
        break;
    }
    return nullptr;
}

std::vector<Repertorio> repertoriosUtilizables() {
    std::vector<Repertorio> utilizables;
    for (const Repertorio r : {Repertorio::Base, Repertorio::Avx2})
        if (nucleoDivisores(r))
            utilizables.push_back(r);
    return utilizables;
}

Repertorio repertorioElegido() {
    static const Repertorio elegido = repertoriosUtilizables().back();
    return elegido;
}

SumaDivisoresEntre nucleoElegido() {
    static const SumaDivisoresEntre nucleo = nucleoDivisores(repertorioElegido());
    return nucleo;
}

const char* nombreRepertorio(Repertorio repertorio) {
    return repertorio == Repertorio::Avx2 ? "avx2" : "baseline";
}

} // namespace ordevix
