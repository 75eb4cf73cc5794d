#include "quadratic/cuadratica.h"

namespace ordevix {

namespace {

// A zero that came out of a negated or underflowed value is still a plain zero
// to the user: never let its sign reach the text.
Single withoutNegativeZero(Single x) {
    return x == 0 ? 0.0f : x;
}

Double squareRoot(Double x) {
    const Double half = CheckFloat(1.0 / 2.0);
    return RaisePower(x, half);
}

Text twoRoots(Single a, Single b, Single d) {
    const Double twoA = CheckFloat(Double{a} + a);
    const Double minusB = -Double{b};
    const Double x1Double =
        CheckFloat(CheckFloat(squareRoot(d) / twoA) + CheckFloat(minusB / twoA));
    const Single x1 = withoutNegativeZero(StoreSingle(x1Double));
    const Double x2Double =
        CheckFloat(CheckFloat(minusB / twoA) - CheckFloat(squareRoot(d) / twoA));
    const Single x2 = withoutNegativeZero(StoreSingle(x2Double));
    return u"Raices " + NumberToSignedText(x1) + u" " + NumberToSignedText(x2);
}

Text doubleRoot(Single a, Single b) {
    const Double twoA = CheckFloat(Double{a} + a);
    const Single x = withoutNegativeZero(StoreSingle(CheckFloat(-Double{b} / twoA)));
    return u"Coinciden en " + NumberToSignedText(x);
}

Text complexRoots(Single a, Single b, Single negativeD) {
    const Single d = -negativeD;
    const Double twoA = CheckFloat(Double{a} + a);
    const Single re = withoutNegativeZero(StoreSingle(CheckFloat(-Double{b} / twoA)));
    // The imaginary part stays a Double: it is written with 15 digits.
    const Double im = CheckFloat(squareRoot(d) / twoA);
    return u"Complejas " + NumberToSignedText(re) + u"+/-" + NumberToSignedText(im) + u"i";
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
    if (d > 0) {
        return {QuadraticAnswer::Kind::Roots, twoRoots(a, b, d)};
    }
    if (d == 0) {
        return {QuadraticAnswer::Kind::Roots, doubleRoot(a, b)};
    }
    return {QuadraticAnswer::Kind::Roots, complexRoots(a, b, d)};
}

} // namespace ordevix
