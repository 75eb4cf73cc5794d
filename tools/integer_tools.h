// SPDX-License-Identifier: GPL-3.0-or-later
// The whole-number algorithms behind the integer tool windows: the factor list,
// the divisibility check, primes, perfect and amicable numbers. Plain C++ so the
// windows, the tests and the benchmark all run the very same loops.
//
// The loops that the windows let other events into take the yield as a callable
// and the number by reference: after every yield they read the number afresh,
// because a handler run inside the yield (a tick of "Automático", a nested
// "Calcular") may have changed the window's counter, and that change must take
// effect at once.
//
// A yield is called at the start of a step with the number of steps the loop
// would like to run, and returns how many it may run before the next call (at
// least 1): the form host's DoEvents grants the steps left before its next event
// pass, so that pass comes at the same step however many steps are asked for.
// The loops that take one step at a time ask for 1.
#pragma once

#include "shell/numeric.h"
#include "tools/respuesta.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace ordevix {

// The complete prime factorisation of n, smallest factor first, each prime as
// often as it divides n, followed by 1. For n below 2 only the 1.
std::vector<Integer> factorear(Integer n);

// Whether the dividend text is divisible by the divisor text. Rechazada when either
// does not start with a number greater than 0. Compares the Double quotient of
// the texts as typed with the truncated quotient of their Long roundings, so a
// fractional input follows that comparison literally. Faults: type-mismatch and
// overflow from the conversions, arithmetic from the Double division or from a
// divisor that rounds to 0.
Respuesta esDivisible(const Text& dividendo, const Text& divisor, const RegionalSettings& regional);

// Primality by trial division up to the square root. Numbers below 2 are not
// prime. n is read afresh after each yield, and the root bound follows it.
template <class Yield> bool esPrimo(const Integer& n, Yield&& yield) {
    Integer i = 1;
    int divisores = 0;
    for (;;) {
        yield(1);
        const Integer actual = n;
        if (actual < 2) {
            return false;
        }
        // For whole numbers the exact remainder is the same test as comparing the
        // Double quotient with the truncated one, at a fraction of the cost.
        if (actual % i == 0) {
            ++divisores;
        }
        ++i;
        // sqrt is correctly rounded, so its whole part is exact for any Integer.
        const Double raiz = WholePart(std::sqrt(static_cast<Double>(actual)));
        if (!(raiz >= i)) {
            break;
        }
    }
    return divisores <= 1;
}

// The sum of the trial divisors i in [desde, hasta) that divide n. Either the
// range is one trial divisor, and n is any Integer; or 1 <= desde < hasta <= n.
std::int32_t sumaDivisoresEntre(std::int32_t n, std::int32_t desde, std::int32_t hasta);

// The sum of the divisors of n below n itself, by trial of every divisor from 1
// upward, wrapped to the Integer range; 1 for n <= 1. n is read afresh after each
// yield, and the loop bound follows it. The trial divisors that one yield grants
// are not tried one by one: the divisors of n among them are added at once.
template <class Yield> Integer sumarDivisores(const Integer& n, Yield&& yield) {
    std::int32_t i = 1;
    // Accumulated wide and wrapped once at the end: the same value as wrapping at
    // every step, because the wrap is arithmetic modulo 2^16. i stays below 2^15,
    // so the true sum stays below 2^30.
    std::int32_t suma = 0;
    for (;;) {
        // The steps left for the n read before the yield; only a wish, the yield
        // may change n.
        const std::int32_t pasos =
            static_cast<std::int32_t>(yield(std::max<std::int32_t>(1, n - i)));
        const Integer actual = n;
        // One step at least, then up to the last divisor below the n just read.
        const std::int32_t hasta = static_cast<std::int32_t>(
            std::max<std::int64_t>(i + 1, std::min<std::int64_t>(std::int64_t{i} + pasos, actual)));
        suma += sumaDivisoresEntre(actual, i, hasta);
        i = hasta;
        if (!(i < actual)) {
            break;
        }
    }
    return wrapInteger(suma);
}

// One click of the automatic prime listing: counts contador up, wrapping past
// 32767 through the negatives, and returns the first prime it reaches. contador
// is left on that prime.
template <class Yield> Integer buscarPrimo(Integer& contador, Yield&& yield) {
    for (;;) {
        yield(1);
        contador = wrapInteger(contador + 1);
        if (esPrimo(contador, yield)) {
            return contador;
        }
    }
}

// One click of the automatic perfect-number search, from contador upward and
// round the Integer range. Before each candidate's sum, alProbar(contador)
// (the window shows the progress); on a hit, alHallar(number). Returns the number
// found and leaves contador one past it. 1 is passed over: its sum is 1, but it
// is not perfect.
template <class Yield, class AlProbar, class AlHallar>
Integer buscarPerfecto(Integer& contador, Yield&& yield, AlProbar&& alProbar, AlHallar&& alHallar) {
    for (;;) {
        yield(1);
        alProbar(static_cast<Integer>(contador));
        const Integer suma = sumarDivisores(contador, yield);
        const Integer candidato = contador;
        const bool hallado = candidato == suma && candidato != 1;
        if (hallado) {
            alHallar(candidato);
        }
        contador = wrapInteger(contador + 1);
        if (hallado) {
            return candidato;
        }
    }
}

struct ParDeAmigos {
    Integer primero;
    Integer segundo;
    friend bool operator==(const ParDeAmigos&, const ParDeAmigos&) = default;
};

// One click of the automatic amicable search, from contador upward and round the
// Integer range. amigo receives each candidate's divisor sum; after it,
// alProbar(contador) (the window shows the progress). A hit is a candidate
// whose partner is another number whose sum leads back; then alHallar(par). Both
// counters are the window's own and are read through the references at every
// step, since nested handlers change them. Returns the pair and leaves contador
// one past its first number. Events come in only through the two sums.
template <class Yield, class AlProbar, class AlHallar>
ParDeAmigos buscarAmigos(Integer& contador, Integer& amigo, Yield&& yield, AlProbar&& alProbar,
                         AlHallar&& alHallar) {
    for (;;) {
        const Integer sumaContador = sumarDivisores(contador, yield);
        amigo = sumaContador;
        alProbar(static_cast<Integer>(contador));
        const Integer sumaAmigo = sumarDivisores(amigo, yield);
        const bool hallado = sumaAmigo == contador && contador != amigo;
        const ParDeAmigos par{contador, amigo};
        if (hallado) {
            alHallar(par);
        }
        contador = wrapInteger(contador + 1);
        if (hallado) {
            return par;
        }
    }
}

// One-shot prime check of a typed number. Rechazada when the text does not start
// with a non-zero number; the number is rounded half to even before the test.
template <class Yield>
Respuesta comprobarPrimo(const Text& texto, const RegionalSettings& regional, Yield&& yield) {
    if (TextValue(texto) == 0) {
        return Respuesta::Rechazada;
    }
    const Integer n = TextToInteger(texto, regional);
    return esPrimo(n, yield) ? Respuesta::Si : Respuesta::No;
}

// One-shot perfect check of a typed number: the sum is taken of the rounded
// number but compared with the number as typed, so a fraction is never perfect.
template <class Yield>
Respuesta comprobarPerfecto(const Text& texto, const RegionalSettings& regional, Yield&& yield) {
    if (TextValue(texto) == 0) {
        return Respuesta::Rechazada;
    }
    const Integer n = TextToInteger(texto, regional);
    const Integer suma = sumarDivisores(n, yield);
    const Double tecleado = TextToDouble(texto, regional);
    return tecleado == suma && tecleado != 1 ? Respuesta::Si : Respuesta::No;
}

// One-shot amicable check of two typed numbers, in both directions: they differ,
// the sum of the second is the first and the sum of the first is the second.
// The second text is converted and summed before the first is converted, so a
// malformed first text faults only after that sum.
template <class Yield>
Respuesta comprobarAmigos(const Text& texto1, const Text& texto2, const RegionalSettings& regional,
                          Yield&& yield) {
    const Double valor1 = TextValue(texto1);
    const Double valor2 = TextValue(texto2);
    if (valor1 == 0 || valor2 == 0) {
        return Respuesta::Rechazada;
    }
    const Integer segundo = TextToInteger(texto2, regional);
    const Integer sumaSegundo = sumarDivisores(segundo, yield);
    const Double primero = TextToDouble(texto1, regional);
    if (primero != sumaSegundo) {
        return Respuesta::No;
    }
    // primero equals an Integer sum here, so it is whole and in range.
    const Integer primeroEntero = sumaSegundo;
    const Integer sumaPrimero = sumarDivisores(primeroEntero, yield);
    // The second as typed, so a fraction in either box is never amicable. It was
    // already read as an Integer above, so this cannot fault.
    const Double segundoTecleado = TextToDouble(texto2, regional);
    return segundoTecleado == sumaPrimero && primero != segundoTecleado ? Respuesta::Si
                                                                        : Respuesta::No;
}

} // namespace ordevix
