// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/integer_tools.h"

namespace ordevix {

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
