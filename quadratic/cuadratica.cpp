// SPDX-License-Identifier: GPL-3.0-or-later
#include "quadratic/cuadratica.h"

namespace ordevix {

namespace {

Double raizCuadrada(Double x) {
    return RaisePower(x, CheckFloat(1.0 / 2.0));
}

// NumberToSignedText writes a zero of either sign as " 0", so a root of -0 needs
// no care here.
Text dosRaices(Double dosA, Double vertice, Single d) {
    const Single x1 = StoreSingle(CheckFloat(CheckFloat(raizCuadrada(d) / dosA) + vertice));
    const Single x2 = StoreSingle(CheckFloat(vertice - CheckFloat(raizCuadrada(d) / dosA)));
    return u"Raices " + NumberToSignedText(x1) + u" " + NumberToSignedText(x2);
}

Text raicesComplejas(Double dosA, Double vertice, Single dNegativo) {
    const Single d = -dNegativo;
    // The imaginary part stays a Double: it is written with 15 digits.
    const Double im = CheckFloat(raizCuadrada(d) / dosA);
    return u"Complejas " + NumberToSignedText(StoreSingle(vertice)) + u"+/-" +
           NumberToSignedText(im) + u"i";
}

} // namespace

Solucion resolverCuadratica(const Text& textoA, const Text& textoB, const Text& textoC,
                            const RegionalSettings& regional) {
    const Double valorA = RegionalTextValue(textoA, regional);
    const Double valorB = RegionalTextValue(textoB, regional);
    const Double valorC = RegionalTextValue(textoC, regional);
    if (valorA == 0 && valorB == 0 && valorC == 0) {
        return {Solucion::Tipo::Rechazada, kDebeIngresarValores};
    }
    const Single a = StoreSingle(valorA);
    const Single b = StoreSingle(valorB);
    const Single c = StoreSingle(valorC);
    // Also when a typed a, b or c is too small to survive as a Single: without
    // a there is no parabola, and dividing by 2a would only fault.
    if (a == 0) {
        return {Solucion::Tipo::NoCuadratica, u"La función no es cuadrática: AX2 no puede ser 0."};
    }
    const Double producto = CheckFloat((Double{a} * 4) * c);
    const Single d = StoreSingle(CheckFloat(RaisePower(b, 2) - producto));
    const Double dosA = CheckFloat(Double{a} + a);
    const Double vertice = CheckFloat(-Double{b} / dosA);
    if (d > 0) {
        return {Solucion::Tipo::Raices, dosRaices(dosA, vertice, d)};
    }
    if (d == 0) {
        return {Solucion::Tipo::Raices,
                u"Coinciden en " + NumberToSignedText(StoreSingle(vertice))};
    }
    return {Solucion::Tipo::Raices, raicesComplejas(dosA, vertice, d)};
}

} // namespace ordevix
