// SPDX-License-Identifier: GPL-3.0-or-later
#include "quadratic/cuadratica.h"

namespace ordevix {

namespace {

Double raizCuadrada(Double x) {
    return RaisePower(x, checkFloat(1.0 / 2.0));
}

// NumberToSignedText writes a zero of either sign as " 0", so a root of -0 needs
// no care here.
Text dosRaices(Double dosA, Double vertice, Single d) {
    const Single x1 = storeSingle(checkFloat(checkFloat(raizCuadrada(d) / dosA) + vertice));
    const Single x2 = storeSingle(checkFloat(vertice - checkFloat(raizCuadrada(d) / dosA)));
    return u"Raices " + NumberToSignedText(x1) + u" " + NumberToSignedText(x2);
}

Text raicesComplejas(Double dosA, Double vertice, Single dNegativo) {
    const Single d = -dNegativo;
    // The imaginary part stays a Double: it is written with 15 digits.
    const Double im = checkFloat(raizCuadrada(d) / dosA);
    return u"Complejas " + NumberToSignedText(storeSingle(vertice)) + u"+/-" +
           NumberToSignedText(im) + u"i";
}

} // namespace

Solucion resolverCuadratica(const Text& textoA, const Text& textoB, const Text& textoC,
                            const RegionalSettings& regional) {
    const Double valorA = regionalTextValue(textoA, regional);
    const Double valorB = regionalTextValue(textoB, regional);
    const Double valorC = regionalTextValue(textoC, regional);
    if (valorA == 0 && valorB == 0 && valorC == 0) {
        return {Solucion::Tipo::Rechazada, kDebeIngresarValores};
    }
    const Single a = storeSingle(valorA);
    const Single b = storeSingle(valorB);
    const Single c = storeSingle(valorC);
    // Also when a typed a, b or c is too small to survive as a Single: without
    // a there is no parabola, and dividing by 2a would only fault.
    if (a == 0) {
        return {Solucion::Tipo::NoCuadratica, u"La función no es cuadrática: AX2 no puede ser 0."};
    }
    const Double producto = checkFloat((Double{a} * 4) * c);
    const Single d = storeSingle(checkFloat(RaisePower(b, 2) - producto));
    const Double dosA = checkFloat(Double{a} + a);
    const Double vertice = checkFloat(-Double{b} / dosA);
    if (d > 0) {
        return {Solucion::Tipo::Raices, dosRaices(dosA, vertice, d)};
    }
    if (d == 0) {
        return {Solucion::Tipo::Raices,
                u"Coinciden en " + NumberToSignedText(storeSingle(vertice))};
    }
    return {Solucion::Tipo::Raices, raicesComplejas(dosA, vertice, d)};
}

} // namespace ordevix
