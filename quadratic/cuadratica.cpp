#include "quadratic/cuadratica.h"

namespace ordevix {

namespace {

Double squareRoot(Double x) {
    return RaisePower(x, CheckFloat(1.0 / 2.0));
}

// NumberToSignedText writes a zero of either sign as " 0", so a root of -0 needs
// no care here.
Text twoRoots(Double twoA, Double vertex, Single d) {
    const Single x1 = StoreSingle(CheckFloat(CheckFloat(squareRoot(d) / twoA) + vertex));
    const Single x2 = StoreSingle(CheckFloat(vertex - CheckFloat(squareRoot(d) / twoA)));
    return u"Raices " + NumberToSignedText(x1) + u" " + NumberToSignedText(x2);
}

Text complexRoots(Double twoA, Double vertex, Single negativeD) {
    const Single d = -negativeD;
    // The imaginary part stays a Double: it is written with 15 digits.
    const Double im = CheckFloat(squareRoot(d) / twoA);
    return u"Complejas " + NumberToSignedText(StoreSingle(vertex)) + u"+/-" +
           NumberToSignedText(im) + u"i";
}

} // namespace

QuadraticAnswer resolverCuadratica(const Text& textoA, const Text& textoB, const Text& textoC,
                                   const RegionalSettings& regional) {
    const Double valorA = RegionalTextValue(textoA, regional);
    const Double valorB = RegionalTextValue(textoB, regional);
    const Double valorC = RegionalTextValue(textoC, regional);
    if (valorA == 0 && valorB == 0 && valorC == 0) {
        return {QuadraticAnswer::Kind::Refused, u"Debe ingresar valores"};
    }
    const Single a = StoreSingle(valorA);
    const Single b = StoreSingle(valorB);
    const Single c = StoreSingle(valorC);
    // Also when a typed a, b or c is too small to survive as a Single: without
    // a there is no parabola, and dividing by 2a would only fault.
    if (a == 0) {
        return {QuadraticAnswer::Kind::NotQuadratic,
                u"La función no es cuadrática: AX2 no puede ser 0."};
    }
    const Double product = CheckFloat((Double{a} * 4) * c);
    const Single d = StoreSingle(CheckFloat(RaisePower(b, 2) - product));
    const Double twoA = CheckFloat(Double{a} + a);
    const Double vertex = CheckFloat(-Double{b} / twoA);
    if (d > 0) {
        return {QuadraticAnswer::Kind::Roots, twoRoots(twoA, vertex, d)};
    }
    if (d == 0) {
        return {QuadraticAnswer::Kind::Roots,
                u"Coinciden en " + NumberToSignedText(StoreSingle(vertex))};
    }
    return {QuadraticAnswer::Kind::Roots, complexRoots(twoA, vertex, d)};
}

} // namespace ordevix
