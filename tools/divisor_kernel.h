// SPDX-License-Identifier: GPL-3.0-or-later
// The inner loop of sumarDivisores, done several trial divisors at a time on the
// processor's vector unit. The kernel is built once per instruction set and the
// widest one this processor runs is chosen when the program starts.
#pragma once

#include <cstdint>
#include <vector>

namespace ordevix {

// The sum of the trial divisors i in [desde, hasta) that divide n exactly.
// Every i is at least 1 and below 2^15, and |n| is at most 2^15. Either the range
// holds one divisor, or all of its divisors are below n: the sum stays below 2^24.
using SumaDivisoresEntre = std::int32_t (*)(std::int32_t n, std::int32_t desde, std::int32_t hasta);

// The instruction sets the kernel can be built for, narrowest first.
enum class Repertorio { Base, Avx2 };

// The kernel for one instruction set: the x86-64 or ARM baseline, or AVX2.
// nullptr when this build does not have it or this processor cannot run it.
SumaDivisoresEntre nucleoDivisores(Repertorio repertorio);

// Every instruction set this build has a kernel for and this processor runs,
// narrowest first; the baseline is always there.
std::vector<Repertorio> repertoriosUtilizables();

// The widest of them: the one the program uses.
Repertorio repertorioElegido();
SumaDivisoresEntre nucleoElegido();

const char* nombreRepertorio(Repertorio repertorio);

} // namespace ordevix
