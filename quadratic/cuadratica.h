// The roots of a·x² + b·x + c from three typed coefficients, in single precision
// for the stored values and double precision in between. Plain C++: the window
// only shows what comes back.
#pragma once

#include "shell/numeric.h"

namespace ordevix {

struct QuadraticAnswer {
    enum class Kind {
        Refused,      // all three coefficients are 0: text is the message box text
        NotQuadratic, // a is 0 as a Single: text is the message box text
        Roots,        // text is the caption for the answer label
    };
    Kind kind;
    Text text;

    bool isMessage() const { return kind != Kind::Roots; }
};

// Reads the coefficients with the regional decimal separator. Faults: overflow
// from reading a number beyond the Double range; arithmetic when a coefficient,
// the discriminant or a root lies beyond the Single range.
QuadraticAnswer resolverCuadratica(const Text& textoA, const Text& textoB, const Text& textoC,
                                   const RegionalSettings& regional);

} // namespace ordevix
