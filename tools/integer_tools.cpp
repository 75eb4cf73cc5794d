// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/integer_tools.h"

#include <array>

namespace ordevix {

namespace {

// The largest Integer: the divisors are only ever listed for n from 2 up to it;
// below 2 a sum takes a single trial divisor.
constexpr std::int32_t kMaximo = 32767;
// No number up to kMaximo has more divisors (27720, 30240 and 32760 have 96).
constexpr int kMaxDivisores = 96;

// The smallest prime factor of every number up to kMaximo; 0 for 0 and 1.
// Built once, on first use.
const std::array<std::uint16_t, kMaximo + 1>& menoresFactores() {
    static const auto tabla = [] {
        std::array<std::uint16_t, kMaximo + 1> t{};
        for (std::int32_t p = 2; p <= kMaximo; ++p) {
            if (t[p] == 0) {
                for (std::int32_t m = p; m <= kMaximo; m += p) {
                    if (t[m] == 0) {
                        t[m] = static_cast<std::uint16_t>(p);
                    }
                }
            }
        }
        return t;
    }();
    return tabla;
}

} // namespace

std::int32_t sumaDivisoresEntre(std::int32_t n, std::int32_t desde, std::int32_t hasta) {
    if (hasta - desde == 1) {
        return n % desde == 0 ? desde : 0;
    }
    // Every divisor of n, from its prime factors: each power of each prime times
    // every divisor made of the smaller primes.
    const auto& menor = menoresFactores();
    std::array<std::int32_t, kMaxDivisores> divisores;
    divisores[0] = 1;
    int cuantos = 1;
    for (std::int32_t resto = n; resto > 1;) {
        const std::int32_t primo = menor[resto];
        const int anteriores = cuantos;
        std::int32_t potencia = 1;
        do {
            resto /= primo;
            potencia *= primo;
            for (int k = 0; k < anteriores; ++k) {
                divisores[cuantos++] = divisores[k] * potencia;
            }
        } while (menor[resto] == primo);
    }
    std::int32_t suma = 0;
    for (int k = 0; k < cuantos; ++k) {
        if (divisores[k] >= desde && divisores[k] < hasta) {
            suma += divisores[k];
        }
    }
    return suma;
}

std::vector<Integer> factorear(Integer n) {
    std::vector<Integer> factores;
    Integer resto = n;
    Integer divisor = 2;
    // Trial divisors run until nothing is left to factor, so a prime is found as
    // its own factor. The same divisor is tried again after each hit.
    while (resto > 1) {
        if (resto % divisor == 0) {
            factores.push_back(divisor);
            resto = static_cast<Integer>(resto / divisor);
        } else {
            ++divisor;
        }
    }
    factores.push_back(1);
    return factores;
}

Respuesta esDivisible(const Text& dividendo, const Text& divisor,
                      const RegionalSettings& regional) {
    if (!(TextValue(dividendo) > 0)) {
        return Respuesta::Rechazada;
    }
    if (!(TextValue(divisor) > 0)) {
        return Respuesta::Rechazada;
    }
    const Double dividendoDouble = TextToDouble(dividendo, regional);
    const Double divisorDouble = TextToDouble(divisor, regional);
    const Double cociente = checkFloat(dividendoDouble / divisorDouble);
    const Long dividendoLong = TextToLong(dividendo, regional);
    const Long divisorLong = TextToLong(divisor, regional);
    const Long cocienteEntero = divideLong(dividendoLong, divisorLong);
    return cociente == static_cast<Double>(cocienteEntero) ? Respuesta::Si : Respuesta::No;
}

} // namespace ordevix
