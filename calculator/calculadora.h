// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's engine: running value, history of results and the keys that
// act on them. Plain C++: the window only forwards its buttons here and shows
// what the engine pushes into its display.
#pragma once

#include "shell/numeric.h"

#include <vector>

namespace ordevix {

// What the engine needs from the window: the one-line display and a modal
// message box. The engine reads the display afresh whenever it needs a number,
// because the user may have typed into it since the last key.
class Visor {
public:
    virtual ~Visor() = default;
    virtual Text texto() const = 0;
    virtual void escribir(const Text& texto) = 0;
    // Blocks until the user closes it.
    virtual void avisar(const Text& mensaje) = 0;
};

// The operation that "=" repeats: the one chosen last by an operation key.
enum class Operacion { Ninguna, Suma, Resta, Producto, Cociente, CocienteEntero, Potencia, Raiz };

class Calculadora {
public:
    static constexpr Integer kPasosPorCuenta = 1000;

    Calculadora(const RegionalSettings& regional, Visor& visor);

    // Operation keys: each applies its own operation at once to the running
    // value and the display.
    void sumar();
    void restar();
    void multiplicar();
    void dividir();
    void dividirEntero();
    void elevar();
    void extraerRaiz();
    // "=": repeats the last operation with the display.
    void repetir();

    void borrar();
    void borrarTodo();

    // Function keys: the angle in the display is in degrees.
    void seno();
    void coseno();
    void tangente();
    void escribirPi();

    // Steps taken in the current run.
    int paso() const { return paso_; }

private:
    struct Funcion;

    void operar(Operacion operacion);
    void operarSiHayTexto(Operacion operacion);
    void calcular();
    void aplicarFuncion(const Funcion& funcion);
    // Shows the message that the run is full when no step is left; true when
    // it did, and the key must then do nothing else.
    bool avisarSiNoQuedanPasos();
    void guardar(Double resultado);
    Double leerVisor() const;

    RegionalSettings regional_;
    Visor& visor_;
    // Entry k holds the result of step k; entry 0 is never used, so that the
    // step number is the index.
    std::vector<Double> resultados_;
    int paso_ = 0;
    Operacion operacion_ = Operacion::Ninguna;
};

} // namespace ordevix
