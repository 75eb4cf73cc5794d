// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator/calculadora.h"

#include <cmath>
#include <optional>
#include <span>

namespace ordevix {

namespace {

// Deliberately the short decimal, not pi/180: the calculator's trigonometric
// results are defined with this factor, small error included (the sine of 30
// comes out as 0.4999976).
constexpr Double kFactorGrados = 0.0174532;
constexpr Double kLimiteAdvertencia = 360;

const Text kDivisionPorCero = u"Error, no se puede dividir por cero";
const Text kAdvertenciaAngulo = u"Esta función está preparada hasta 360º. Cifras mayores pueden "
                                u"causar errores impredecibles";
const Text kInfinito = u"Infinito";
const Text kVisorVacio = u"000";

// The result of one operation, or nothing when the divisor is zero.
std::optional<Double> aplicar(Operacion operacion, Double v, Double d) {
    switch (operacion) {
    case Operacion::Resta:
        return checkFloat(v - d);
    case Operacion::Producto:
        return checkFloat(d * v);
    case Operacion::Cociente:
        if (d == 0) {
            return std::nullopt;
        }
        return checkFloat(v / d);
    case Operacion::CocienteEntero: {
        const Long divisor = RoundToLong(d);
        if (divisor == 0) {
            return std::nullopt;
        }
        return static_cast<Double>(divideLong(RoundToLong(v), divisor));
    }
    case Operacion::Potencia:
        return RaisePower(v, d);
    case Operacion::Raiz:
        return RaisePower(v, checkFloat(1 / d));
    case Operacion::Suma:
    case Operacion::Ninguna: // "=" before any operation key adds
        break;
    }
    return checkFloat(d + v);
}

// A whole quadrant angle whose result is written instead of calculated; no
// value stands for the tangent's "Infinito".
struct CasoExacto {
    Integer angulo;
    std::optional<Integer> resultado;
};

constexpr CasoExacto kExactosSeno[] = {{90, 1}, {180, 0}, {270, -1}, {360, 0}};
constexpr CasoExacto kExactosCoseno[] = {{90, 0}, {180, -1}, {270, 0}, {360, 1}};
constexpr CasoExacto kExactosTangente[] = {{90, std::nullopt}, {180, 0}, {270, std::nullopt}};

} // namespace

struct Calculadora::Funcion {
    Double (*calcular)(Double radianes);
    std::span<const CasoExacto> exactos;
    // The sine recognises 90.0 as 90; cosine and tangent only the bare digits.
    bool exactoPorValor;
};

Calculadora::Calculadora(const RegionalSettings& regional, Visor& visor)
    : regional_(regional), visor_(visor), resultados_(kPasosPorCuenta + 1, 0.0) {}

void Calculadora::sumar() {
    operar(Operacion::Suma);
}
void Calculadora::restar() {
    operar(Operacion::Resta);
}
void Calculadora::multiplicar() {
    operar(Operacion::Producto);
}
void Calculadora::elevar() {
    operar(Operacion::Potencia);
}
void Calculadora::dividir() {
    operarSiHayTexto(Operacion::Cociente);
}
void Calculadora::dividirEntero() {
    operarSiHayTexto(Operacion::CocienteEntero);
}
void Calculadora::extraerRaiz() {
    operarSiHayTexto(Operacion::Raiz);
}

void Calculadora::repetir() {
    if (avisarSiNoQuedanPasos()) {
        return;
    }
    calcular();
}

void Calculadora::borrar() {
    visor_.escribir(Text());
}

void Calculadora::borrarTodo() {
    paso_ = 0;
    visor_.escribir(Text());
}

void Calculadora::seno() {
    aplicarFuncion({[](Double x) { return std::sin(x); }, kExactosSeno, true});
}

void Calculadora::coseno() {
    aplicarFuncion({[](Double x) { return std::cos(x); }, kExactosCoseno, false});
}

void Calculadora::tangente() {
    aplicarFuncion({[](Double x) { return std::tan(x); }, kExactosTangente, false});
}

void Calculadora::escribirPi() {
    visor_.escribir(Text(u"3") + regional_.decimalSeparator + u"1415927");
}

void Calculadora::operar(Operacion operacion) {
    // A refused key must not change the operation that "=" repeats.
    if (avisarSiNoQuedanPasos()) {
        return;
    }
    operacion_ = operacion;
    calcular();
}

void Calculadora::operarSiHayTexto(Operacion operacion) {
    if (visor_.texto().empty()) {
        visor_.escribir(kVisorVacio);
        return;
    }
    operar(operacion);
}

// One step. Everything is computed before anything is stored, so a refused
// division or a fault leaves the run as it was.
void Calculadora::calcular() {
    if (paso_ == 0) {
        guardar(leerVisor());
        return;
    }
    const Double anterior = resultados_[static_cast<std::size_t>(paso_)];
    const std::optional<Double> resultado = aplicar(operacion_, anterior, leerVisor());
    if (!resultado) {
        visor_.avisar(kDivisionPorCero);
        return;
    }
    guardar(*resultado);
    visor_.escribir(DoubleToText(*resultado, regional_));
}

void Calculadora::aplicarFuncion(const Funcion& funcion) {
    const Double angulo = leerVisor();
    if (angulo == 0) {
        visor_.avisar(kDebeIngresarValores);
        return;
    }
    const Text texto = visor_.texto();
    for (const CasoExacto& caso : funcion.exactos) {
        const bool coincide =
            funcion.exactoPorValor ? angulo == caso.angulo : texto == IntegerToText(caso.angulo);
        if (!coincide) {
            continue;
        }
        if (!caso.resultado) {
            // Not a number, so not a result the next key could work on.
            visor_.escribir(kInfinito);
            return;
        }
        if (!avisarSiNoQuedanPasos()) {
            guardar(*caso.resultado);
            visor_.escribir(IntegerToText(*caso.resultado));
        }
        return;
    }
    if (avisarSiNoQuedanPasos()) {
        return;
    }
    if (TextToDouble(texto, regional_) > kLimiteAdvertencia) {
        visor_.avisar(kAdvertenciaAngulo);
    }
    const Double resultado = funcion.calcular(angulo * kFactorGrados);
    guardar(resultado);
    visor_.escribir(DoubleToText(resultado, regional_));
}

bool Calculadora::avisarSiNoQuedanPasos() {
    if (paso_ < kPasosPorCuenta) {
        return false;
    }
    visor_.avisar(u"La cuenta llegó a " + IntegerToText(kPasosPorCuenta) +
                  u" pasos. Presione 'Borrar todo' para empezar otra.");
    return true;
}

void Calculadora::guardar(Double resultado) {
    resultados_[static_cast<std::size_t>(paso_) + 1] = resultado;
    ++paso_;
}

Double Calculadora::leerVisor() const {
    return regionalTextValue(visor_.texto(), regional_);
}

} // namespace ordevix
