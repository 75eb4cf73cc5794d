// SPDX-License-Identifier: GPL-3.0-or-later
// The roots of a·x² + b·x + c from three typed coefficients, in single precision
// for the stored values and double precision in between. Plain C++: the window
// only shows what comes back.
#pragma once

#include "shell/numeric.h"

namespace ordevix {

struct Solucion {
    enum class Tipo {
        Rechazada,    // all three coefficients are 0: texto is the message box text
        NoCuadratica, // a is 0 as a Single: texto is the message box text
        Raices,       // texto is the caption for the answer label
    };
    Tipo tipo;
    Text texto;

    bool esMensaje() const { return tipo != Tipo::Raices; }
};

// Reads the coefficients with the regional decimal separator. Faults: overflow
// from reading a number beyond the Double range; arithmetic when a coefficient,
// the discriminant or a root lies beyond the Single range.
Solucion resolverCuadratica(const Text& textoA, const Text& textoB, const Text& textoC,
                            const RegionalSettings& regional);

} // namespace ordevix
