#include "calculator/calculadora.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>

namespace ordevix {

namespace {

// Deliberately the short decimal, not pi/180: its small error (the sine of 30
// comes out as 0.4999976) is part of the results users know from this calculator.
constexpr Double kFactorGrados = 0.0174532;
constexpr Double kLimiteAdvertencia = 360;
// "Borrar todo" clears only the start of the history; every step writes its
// own entry before anyone reads it, so the rest never leaks into a new run.
constexpr std::size_t kEntradasBorradas = 100;

const Text kDivisionPorCero = u"Error, no se puede dividir por cero";
const Text kDebeIngresarValores = u"Debe ingresar valores";
const Text kAdvertenciaAngulo = u"Esta función está preparada hasta 360º. Cifras mayores pueden "
                                u"causar errores impredecibles";
const Text kInfinito = u"Infinito";
const Text kDisplayVacio = u"000";

Text enteroATexto(int n) {
    const std::string digitos = std::to_string(n);
    return Text(digitos.begin(), digitos.end());
}

// The result of one operation, or nothing when the divisor is zero.
std::optional<Double> aplicar(Operacion operacion, Double v, Double d) {
    switch (operacion) {
    case Operacion::Resta:
        return CheckFloat(v - d);
    case Operacion::Producto:
        return CheckFloat(d * v);
    case Operacion::Cociente:
        if (d == 0) {
            return std::nullopt;
        }
        return CheckFloat(v / d);
    case Operacion::CocienteEntero: {
        const Long divisor = RoundToLong(d);
        if (divisor == 0) {
            return std::nullopt;
        }
        return static_cast<Double>(DivideLong(RoundToLong(v), divisor));
    }
    case Operacion::Potencia:
        return RaisePower(v, d);
    case Operacion::Raiz:
        return RaisePower(v, CheckFloat(1 / d));
    case Operacion::Suma:
    case Operacion::Ninguna: // "=" before any operation key adds
        break;
    }
    return CheckFloat(d + v);
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

Calculadora::Calculadora(const RegionalSettings& regional, CalcDisplay& display, int capacidad)
    : regional_(regional), display_(display), capacidad_(capacidad) {
    if (capacidad < 1) {
        throw std::invalid_argument("Calculadora: capacidad menor que 1");
    }
    resultados_.assign(static_cast<std::size_t>(capacidad) + 1, 0.0);
}

void Calculadora::cmdSumar() {
    operar(Operacion::Suma);
}
void Calculadora::cmdResta() {
    operar(Operacion::Resta);
}
void Calculadora::cmdMultip() {
    operar(Operacion::Producto);
}
void Calculadora::cmdPot() {
    operar(Operacion::Potencia);
}
void Calculadora::cmdDiv() {
    operarSiHayTexto(Operacion::Cociente);
}
void Calculadora::cmdDivE() {
    operarSiHayTexto(Operacion::CocienteEntero);
}
void Calculadora::cmdRaiz() {
    operarSiHayTexto(Operacion::Raiz);
}

void Calculadora::cmdIgual() {
    if (quedanPasos()) {
        calcular();
    }
}

void Calculadora::borrar() {
    display_.setText(Text());
}

void Calculadora::borrarTodo() {
    const std::size_t hasta = std::min(kEntradasBorradas, resultados_.size() - 1);
    std::fill(resultados_.begin() + 1, resultados_.begin() + 1 + static_cast<std::ptrdiff_t>(hasta),
              0.0);
    paso_ = 0;
    display_.setText(Text());
}

void Calculadora::cmdSen() {
    aplicarFuncion({[](Double x) { return std::sin(x); }, kExactosSeno, true});
}

void Calculadora::cmdCos() {
    aplicarFuncion({[](Double x) { return std::cos(x); }, kExactosCoseno, false});
}

void Calculadora::cmdTg() {
    aplicarFuncion({[](Double x) { return std::tan(x); }, kExactosTangente, false});
}

void Calculadora::cmdPi() {
    display_.setText(Text(u"3") + regional_.decimalSeparator + u"1415927");
}

void Calculadora::operar(Operacion operacion) {
    // A refused key must not change the operation that "=" repeats.
    if (!quedanPasos()) {
        return;
    }
    operacion_ = operacion;
    calcular();
}

void Calculadora::operarSiHayTexto(Operacion operacion) {
    if (display_.text().empty()) {
        display_.setText(kDisplayVacio);
        return;
    }
    operar(operacion);
}

// One step. Everything is computed before anything is stored, so a refused
// division or a fault leaves the run as it was.
void Calculadora::calcular() {
    if (paso_ == 0) {
        guardar(leerDisplay());
        return;
    }
    const Double anterior = resultados_[static_cast<std::size_t>(paso_)];
    const std::optional<Double> resultado = aplicar(operacion_, anterior, leerDisplay());
    if (!resultado) {
        display_.message(kDivisionPorCero);
        return;
    }
    guardar(*resultado);
    display_.setText(DoubleToText(*resultado, regional_));
}

void Calculadora::aplicarFuncion(const Funcion& funcion) {
    const Double angulo = leerDisplay();
    if (angulo == 0) {
        display_.message(kDebeIngresarValores);
        return;
    }
    const Text texto = display_.text();
    for (const CasoExacto& caso : funcion.exactos) {
        const bool coincide =
            funcion.exactoPorValor ? angulo == caso.angulo : texto == IntegerToText(caso.angulo);
        if (!coincide) {
            continue;
        }
        if (!caso.resultado) {
            // Not a number, so not a result the next key could work on.
            display_.setText(kInfinito);
            return;
        }
        if (quedanPasos()) {
            guardar(*caso.resultado);
            display_.setText(IntegerToText(*caso.resultado));
        }
        return;
    }
    if (!quedanPasos()) {
        return;
    }
    if (TextToDouble(texto, regional_) > kLimiteAdvertencia) {
        display_.message(kAdvertenciaAngulo);
    }
    const Double resultado = funcion.calcular(angulo * kFactorGrados);
    guardar(resultado);
    display_.setText(DoubleToText(resultado, regional_));
}

bool Calculadora::quedanPasos() {
    if (paso_ < capacidad_) {
        return true;
    }
    display_.message(u"La cuenta llegó a " + enteroATexto(capacidad_) +
                     u" pasos. Presione 'Borrar todo' para empezar otra.");
    return false;
}

void Calculadora::guardar(Double resultado) {
    resultados_[static_cast<std::size_t>(paso_) + 1] = resultado;
    ++paso_;
}

Double Calculadora::leerDisplay() const {
    return RegionalTextValue(display_.text(), regional_);
}

} // namespace ordevix
